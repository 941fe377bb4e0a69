#include "app/WindowWhereTo.h"

#include "app/WindowMain.h"
#include "framework/PushButton.h"
#include "framework/SharedWindow.h"
#include "resources/layouts/Layouts.h"

namespace {
constexpr Int32 kDiscard = 2;
}  // namespace

WindowWhereTo::WindowWhereTo() : Window(WindowWhereToLayout()) {}

::RadioButtonDestination& WindowWhereTo::RadioButtonDestination(Int32 index) const {
  return Get<::RadioButtonDestination>("RadioButtonDestination", index);
}

std::unique_ptr<Control> WindowWhereTo::MakeControl(const ControlSpec& desc) {
  if (desc.className == "RadioButtonDestination")
    return std::make_unique<::RadioButtonDestination>(desc);
  return Window::MakeControl(desc);
}

void WindowWhereTo::BindControls() {
  On(Get<PushButton>("PushButtonOkay").onAction, &WindowWhereTo::PushButtonOkay_Action);
  On(Get<PushButton>("PushButtonCancel").onAction, &WindowWhereTo::PushButtonCancel_Action);
}

void WindowWhereTo::Event_Open() {
  RadioButtonDestination(kDiscard).Value(true);
}

void WindowWhereTo::PushButtonOkay_Action() {
  WindowMain& main = SharedWindow<WindowMain>();
  popSurface& source = main.popSurfaces(main.fromPond);
  Int32 d = 0;
  for (Int32 i = 0; i <= kDiscard; ++i) {
    if (RadioButtonDestination(i).Value()) d = i;
  }
  if (d == kDiscard) {
    source.clear();
    main.UpdateSizes();
  } else {
    popSurface& destination = main.popSurfaces(d);
    // From the last bug to the first, so that each index is still valid when it is used; the
    // bugs therefore arrive in reverse order. A field moved into itself ends reversed.
    const Int32 n = source.sprites.Ubound();
    for (Int32 i = n; i >= 1; --i) {
      std::shared_ptr<smartSprite> bug = source.sprites(i);
      PicturePtr image = bug->Image();
      source.doDetach(i);
      bug->Image(image);
      destination.doAttach(bug);
    }
    // Shows the destination with its new bugs without moving, ageing or breeding any.
    destination.processingClick = true;
    destination.Update();
    destination.processingClick = false;
    source.Update();
    main.UpdateSizes();
  }
  main.fromPond = -1;
  Close();
}

void WindowWhereTo::PushButtonCancel_Action() {
  SharedWindow<WindowMain>().fromPond = -1;
  Close();
}
