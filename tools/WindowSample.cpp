#include "tools/WindowSample.h"

#include <array>

#include "app/WindowMain.h"
#include "framework/Functions.h"
#include "framework/PushButton.h"
#include "framework/SharedWindow.h"
#include "model/Globals.h"
#include "model/critterSprite.h"
#include "resources/layouts/Layouts.h"
#include "tools/ToolWindowPlace.h"

WindowSample::WindowSample() : Window(WindowSampleLayout()) {}

void WindowSample::BindControls() {
  On(Get<PushButton>("PushButtonSample").onAction, &WindowSample::PushButtonSample_Action);
}

void WindowSample::PushButtonSample_Action() {
  std::array<Int32, 15> count{};
  Int32 sum = 0, n = 0;
  const popSurface& field = SharedWindow<WindowMain>().popSurfaces(PopupMenuPond().ListIndex());
  const Int32 last = field.sprites.Ubound();
  for (Int32 i = 0; i <= last; ++i) {
    const auto* bug = dynamic_cast<const critterSprite*>(field.sprites(i).get());
    if (!bug || bug->phenotype == "larva") continue;
    const Int32 d = ToInt32(Val(bug->phenotype));
    // A dot count outside 0..14 cannot come from a bug of this program; it is left out
    // rather than written past the counts.
    if (d < 0 || d > 14) continue;
    count[static_cast<std::size_t>(d)] += 1;
    sum += d;
    n += 1;
  }
  Int32 max = 0;
  for (Int32 c : count) {
    if (c > max) max = c;
  }
  for (Int32 i = 0; i <= 14; ++i) {
    Rectangle& bar = RectangleBar(i);
    const double height =
        max > 0 ? static_cast<double>(count[static_cast<std::size_t>(i)]) / max * 100.0 : 0.0;
    bar.Height(ToInt32(height));
    bar.Top((100 - bar.Height()) + 62);
    bar.Visible(true);
  }
  StaticTextBarHt().Text(Str(max));
  if (max > 0) {
    StaticTextAvg().Text(Str(Round(100.0 * (static_cast<double>(sum) / n)) / 100.0));
  } else {
    StaticTextAvg().Text("NA");
  }
}

void WindowSample::Event_Open() {
  RestorePlace(*this, SamplePlace());
}

void WindowSample::Event_Close() {
  RememberPlace(*this, SamplePlace());
}
