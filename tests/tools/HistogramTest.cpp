#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/PushButton.h"
#include "framework/Runtime.h"
#include "framework/SharedWindow.h"
#include "model/DotRange.h"
#include "model/Globals.h"
#include "shell/App.h"
#include "shell/Menu.h"
#include "tests/app/AppFixture.h"
#include "tools/ToolWindowPlace.h"
#include "tools/WindowSample.h"

namespace {
class HistogramTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Chooser().Close();
    Runtime::ProcessEvents();
  }
  WindowSample& Open() {
    App::Instance().ToolsSample_Action();
    Runtime::ProcessEvents();
    return SharedWindow<WindowSample>();
  }
  static void Graph(WindowSample& w) { w.Get<PushButton>("PushButtonSample").Push(); }
  void Fill(Int32 field, const std::vector<std::string>& phenotypes) {
    Int32 x = 2;
    for (const auto& p : phenotypes) AddBug(Main().popSurfaces(field), p, x += 3, 20);
  }
};

TEST_F(HistogramTest, OpensEmptyAndGraphsTheWorkedExample) {
  WindowSample& w = Open();
  for (Int32 i = 0; i <= kMostDots; ++i) EXPECT_FALSE(w.RectangleBar(i).Visible());
  EXPECT_EQ(w.StaticTextAvg().Text(), "");
  EXPECT_EQ(w.StaticTextBarHt().Text(), "0");
  EXPECT_EQ(w.PopupMenuPond().ListIndex(), 0);

  Fill(0, {"7", "larva", "7", "5", "larva", "7"});
  Graph(w);
  for (Int32 i = 0; i <= kMostDots; ++i) {
    SCOPED_TRACE("bar " + std::to_string(i));
    const Int32 height = i == 7 ? 100 : i == 5 ? 33 : 0;
    EXPECT_EQ(w.RectangleBar(i).Height(), height);
    EXPECT_EQ(w.RectangleBar(i).Top(), 162 - height);
    EXPECT_EQ(w.RectangleBar(i).Left(), 99 + 10 * i);
    EXPECT_TRUE(w.RectangleBar(i).Visible());
  }
  EXPECT_EQ(w.StaticTextBarHt().Text(), "3");
  EXPECT_EQ(w.StaticTextAvg().Text(), "6.5");
}

TEST_F(HistogramTest, GraphsTheChosenFieldOnlyWhenGraphIsPressed) {
  Fill(4, {"3", "3"});
  Fill(0, {"9"});
  WindowSample& w = Open();
  w.PopupMenuPond().ListIndex(4);  // "C"
  EXPECT_EQ(w.PopupMenuPond().List(4), "C");
  Graph(w);
  EXPECT_EQ(w.RectangleBar(3).Height(), 100);
  EXPECT_EQ(w.StaticTextAvg().Text(), "3");

  w.PopupMenuPond().ListIndex(0);
  Fill(4, {"12"});
  EXPECT_EQ(w.StaticTextAvg().Text(), "3");
  EXPECT_EQ(w.RectangleBar(9).Height(), 0);
  Graph(w);
  EXPECT_EQ(w.StaticTextAvg().Text(), "9");
  EXPECT_EQ(w.RectangleBar(3).Height(), 0);
}

TEST_F(HistogramTest, ANewWindowOpensWhereTheLastOneClosed) {
  WindowSample& first = Open();
  first.Left(first.Left() + 37);
  first.Top(first.Top() + 21);
  const Int32 left = first.Left(), top = first.Top();
  ToolsSample()->Enabled(false);

  WindowSample& second = Open();  // closes the first, then opens a new one
  EXPECT_NE(&first, &second);
  EXPECT_EQ(Globals::SampleOldLeft, left);
  EXPECT_EQ(Globals::SampleOldTop, top);
  EXPECT_TRUE(Globals::SampleHasBeenOpen);
  EXPECT_TRUE(Globals::SampleIsOpen);
  EXPECT_TRUE(ToolsSample()->Enabled());
  EXPECT_EQ(second.Left(), left);
  EXPECT_EQ(second.Top(), top);

  second.Close();
  EXPECT_FALSE(Globals::SampleIsOpen);
}

TEST_F(HistogramTest, GraphWithTheMainWindowClosedGraphsANewEmptyOne) {
  Fill(0, {"5"});
  WindowSample& w = Open();
  Main().Close();
  Runtime::ProcessEvents();
  Graph(w);
  EXPECT_EQ(w.StaticTextAvg().Text(), "NA");
  EXPECT_EQ(Main().popSurfaces(0).numCritters, 0);
}
}  // namespace
