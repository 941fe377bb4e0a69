#include "app/WindowMain.h"

#include "app/WindowWhereTo.h"
#include "framework/Exceptions.h"
#include "framework/Functions.h"
#include "framework/Rnd.h"
#include "framework/SharedWindow.h"
#include "model/Globals.h"
#include "model/critterSprite.h"
#include "resources/layouts/Layouts.h"

namespace {
template <class T, std::size_t N>
T& At(const std::array<T*, N>& controls, Int32 i, const char* name) {
  if (i < 0 || static_cast<std::size_t>(i) >= N || !controls[static_cast<std::size_t>(i)])
    throw NilObjectException(std::string("no control ") + name + "(" + std::to_string(i) + ")");
  return *controls[static_cast<std::size_t>(i)];
}
}  // namespace

WindowMain::WindowMain() : Window(WindowMainLayout()) {}

popSurface& WindowMain::popSurfaces(Int32 i) const {
  return At(fields_, i, "popSurfaces");
}
spritePopUp& WindowMain::spritePopUp1() const {
  if (!dragPicture_) throw NilObjectException("no control spritePopUp1");
  return *dragPicture_;
}
spriteDataPopUp& WindowMain::spriteDataPopUp1() const {
  if (!dataCard_) throw NilObjectException("no control spriteDataPopUp1");
  return *dataCard_;
}
StaticText& WindowMain::StaticTextPopSize(Int32 i) const {
  return At(counts_, i, "StaticTextPopSize");
}
PushButton& WindowMain::PushButtonClear(Int32 i) const {
  return At(clears_, i, "PushButtonClear");
}

std::unique_ptr<Control> WindowMain::MakeControl(const ControlSpec& desc) {
  if (desc.className == "WindowMain.popSurfaces") return std::make_unique<popSurface>(desc);
  if (desc.className == "spritePopUp") return std::make_unique<spritePopUp>(desc);
  if (desc.className == "spriteDataPopUp") return std::make_unique<spriteDataPopUp>(desc);
  return Window::MakeControl(desc);
}

void WindowMain::BindControls() {
  // The layout's seven fields, whatever the settings say, which may not be set yet.
  for (std::size_t at = 0; at < kFields; ++at) {
    const auto i = static_cast<Int32>(at);
    popSurface& field = Get<popSurface>("popSurfaces", i);
    fields_.at(at) = &field;
    field.onOpen = [this, &field] { popSurfaces_Open(field); };
    counts_.at(at) = &Get<StaticText>("StaticTextPopSize", i);
    clears_.at(at) = &Get<PushButton>("PushButtonClear", i);
    clears_.at(at)->onAction = [this, i] { PushButtonClear_Action(i); };
  }
  run_ = &Get<PushButton>("PushButtonRun");
  On(run_->onAction, &WindowMain::PushButtonRun_Action);
  timer_ = &Get<Timer>("TimerMain");
  On(timer_->onAction, &WindowMain::TimerMain_Action);
  numClicks_ = &Get<StaticText>("StaticTextNumClicks");
  dragPicture_ = &Get<spritePopUp>("spritePopUp1");
  dataCard_ = &Get<spriteDataPopUp>("spriteDataPopUp1");
}

void WindowMain::popSurfaces_Open(popSurface& field) {
  field.prepare();
  field.Update();
  UpdateSizes();
}

void WindowMain::PushButtonRun_Action() {
  if (PushButtonRun().Caption() == "Run") {
    PushButtonRun().Caption("Pause");
    TimerMain().Mode(TimerMode::Repeating);
    for (Int32 i = 0; i <= Globals::NumPopSurfaces; ++i) PushButtonClear(i).Enabled(false);
  } else if (PushButtonRun().Caption() == "Pause") {
    PushButtonRun().Caption("Run");
    TimerMain().Mode(TimerMode::Off);
    for (Int32 i = 0; i <= Globals::NumPopSurfaces; ++i) PushButtonClear(i).Enabled(true);
  }
  SetFocus();
}

void WindowMain::TimerMain_Action() {
  for (Int32 i = 0; i <= Globals::NumPopSurfaces; ++i) popSurfaces(i).Update();
  UpdateSizes();
  StaticTextNumClicks().Text(Str(Val(StaticTextNumClicks().Text()) + 1.0));
}

void WindowMain::PushButtonClear_Action(Int32 index) {
  if (popSurfaces(index).sprites.Ubound() > 0) {
    fromPond = index;
    SharedWindow<WindowWhereTo>().Show();
  }
  SetFocus();
}

void WindowMain::Event_Open() {
  fromPond = -1;
}

void WindowMain::Event_Activate() {
  SetFocus();
}

bool WindowMain::Event_MouseDown(Int32 x, Int32 y) {
  SetFocus();
  for (Int32 i = 0; i <= Globals::NumPopSurfaces; ++i) {
    popSurface& field = popSurfaces(i);
    if (!field.within(x, y) || PushButtonRun().Caption() != "Run") continue;
    DragSprite = nullptr;
    DragSprite = field.mouseDown(x, y);
    // Only a bug this press took is shown: one released outside every field before is gone
    // for good.
    if (DragSprite) {
      spritePopUp1().popup(x, y, DragSprite);
      if (DragSprite->asCritter()) spriteDataPopUp1().popup(x, y, DragSprite, *this);
      OldMouseX = x;
      OldMouseY = y;
      return true;
    }
  }
  return false;
}

void WindowMain::Event_MouseDrag(Int32 x, Int32 y) {
  if (x == OldMouseX && y == OldMouseY) return;
  spritePopUp& picture = spritePopUp1();
  if (picture.Visible()) {
    picture.Left(picture.Left() + x - OldMouseX);
    picture.Top(picture.Top() + y - OldMouseY);
  }
  spriteDataPopUp& card = spriteDataPopUp1();
  if (card.Visible()) {
    card.Left(card.LeftFor(x, Width()));
    card.Top(card.Top() + y - OldMouseY);
  }
  OldMouseX = x;
  OldMouseY = y;
}

void WindowMain::Event_MouseUp(Int32 x, Int32 y) {
  for (Int32 i = 0; i <= Globals::NumPopSurfaces; ++i) {
    popSurface& field = popSurfaces(i);
    if (field.within(x, y) && DragSprite) {
      field.spriteDrop(DragSprite, x, y);
      DragSprite = nullptr;
    }
  }
  UpdateSizes();
  spritePopUp1().vanish();
  spriteDataPopUp1().vanish();
}

void WindowMain::UpdateSizes() {
  for (Int32 i = 0; i <= Globals::NumPopSurfaces; ++i) {
    StaticText& label = StaticTextPopSize(i);
    const Int32 n = popSurfaces(i).numCritters;
    if (Val(label.Text()) != static_cast<double>(n)) label.Text(Str(n));
  }
}

void WindowMain::PopulatePond(Int32 field, Int32 count) {
  popSurface& pond = popSurfaces(field);
  // Only field 0 has an allele frequency; any other field is filled with field 0's.
  const double freq =
      Globals::AlleleFreq(field <= Globals::AlleleFreq.Ubound() && field >= 0 ? field : 0);
  for (Int32 n = 1; n <= count; ++n) {
    auto bug = std::make_shared<critterSprite>();
    pond.doAttach(bug);
    smartSprite& last = *pond.sprites(pond.sprites.Ubound());
    last.prepare(pond);
    for (Int32 k = 0; k < kLoci; ++k) {
      bug->mAllele(k) = Rnd() < freq ? 0 : 1;
      bug->pAllele(k) = Rnd() < freq ? 0 : 1;
    }
    bug->age = ToInt32(Round(Rnd() * static_cast<double>(Globals::Lifespan)));
    if (bug->age >= Globals::AgeAtMaturity) {
      bug->Image(bug->iAdult);
      bug->phenotype = bug->metamorphosis(Globals::Scenario);
    }
  }
  pond.Update();
}

void WindowMain::ClearAll() {
  for (Int32 i = 0; i <= Globals::NumPopSurfaces; ++i) popSurfaces(i).clear();
  UpdateSizes();
}
