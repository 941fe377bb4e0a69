#include "tools/WindowSample.h"

#include "app/WindowMain.h"
#include "framework/Functions.h"
#include "framework/PushButton.h"
#include "framework/SharedWindow.h"
#include "model/Globals.h"
#include "resources/layouts/Layouts.h"
#include "tools/DotCounts.h"
#include "tools/ToolWindowPlace.h"

WindowSample::WindowSample() : Window(WindowSampleLayout()) {}

void WindowSample::BindControls() {
  On(Get<PushButton>("PushButtonSample").onAction, &WindowSample::PushButtonSample_Action);
}

void WindowSample::PushButtonSample_Action() {
  // The bars stand on row 162 of the window; the tallest reaches up to row 62.
  constexpr Int32 kTallestBar = 100, kBarsBottom = 162;
  const popSurface& field = SharedWindow<WindowMain>().popSurfaces(PopupMenuPond().ListIndex());
  const DotCounts counts = CountDots(field.sprites);
  for (Int32 dots = 0; dots <= kMostDots; ++dots) {
    Rectangle& bar = RectangleBar(dots);
    bar.Height(BarHeight(counts, dots, kTallestBar));
    bar.Top(kBarsBottom - bar.Height());
    bar.Visible(true);
  }
  StaticTextBarHt().Text(Str(counts.max));
  StaticTextAvg().Text(MeanText(counts));
}

void WindowSample::Event_Open() {
  RestorePlace(*this, SamplePlace());
}

void WindowSample::Event_Close() {
  RememberPlace(*this, SamplePlace());
}
