#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "framework/Clipboard.h"
#include "framework/Line.h"
#include "framework/PushButton.h"
#include "framework/Runtime.h"
#include "framework/SharedWindow.h"
#include "model/Globals.h"
#include "shell/App.h"
#include "shell/Menu.h"
#include "tests/app/AppFixture.h"
#include "tests/app/ExpectControls.h"
#include "tests/support/AppTestHelpers.h"
#include "tests/support/SamePixels.h"
#include "tests/support/UserInput.h"
#include "tests/tools/PlotPixels.h"
#include "tools/LineFit.h"
#include "tools/ScatterPlotPicture.h"
#include "tools/ToolWindowPlace.h"
#include "tools/WindowScatterplot.h"

namespace {
using PlotPixels::kGrey;
using PlotPixels::kRed;
using PlotPixels::kWhite;
using PlotPixels::PixelsOf;

using Rows = std::vector<std::pair<std::string, std::string>>;

class ScatterplotTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Chooser().Close();
    Runtime::ProcessEvents();
  }
  static WindowScatterplot& Open() {
    App::Instance().ToolsScatterplot_Action();
    Runtime::ProcessEvents();
    return SharedWindow<WindowScatterplot>();
  }
  // Puts the rows into the table as they would stand after typing them.
  static void Fill(WindowScatterplot& w, const Rows& rows) {
    Listbox& list = w.ListBoxData();
    list.DeleteAllRows();
    for (const auto& [x, y] : rows) {
      list.AddRow(x);
      list.Cell(list.ListCount() - 1, 1, y);
    }
  }
  static void Press(WindowScatterplot& w, const char* button) { w.Get<PushButton>(button).Push(); }
  // The table filled with the rows and graphed: the new plot.
  static PicturePtr Graph(WindowScatterplot& w, const Rows& rows) {
    Fill(w, rows);
    Press(w, "PushButtonGraph");
    return w.CanvasPlot().Backdrop();
  }
  static std::vector<std::string> RowTexts(const Listbox& list) {
    std::vector<std::string> rows;
    for (Int32 r = 0; r < list.ListCount(); ++r)
      rows.push_back(list.Cell(r, 0) + "|" + list.Cell(r, 1));
    return rows;
  }
  static bool IsBlank(const WindowScatterplot& w) {
    const Picture& plot = *w.CanvasPlot().Backdrop();
    return plot.Width() == 100 && plot.Height() == 100 && PixelsOf(plot, kWhite).size() == 10000;
  }
};

TEST_F(ScatterplotTest, ANewWindowHasItsLayoutOneEmptyRowNoEquationAndAWhitePlot) {
  WindowScatterplot& w = Open();
  EXPECT_EQ(w.Title(), "Scatterplot");
  EXPECT_EQ(w.Layout().width, 300);
  EXPECT_EQ(w.Layout().height, 300);
  EXPECT_EQ(w.Layout().frame, WindowFrame::Floating);
  ExpectControls(w, {{"PushButtonGraph", -1, 204, 258, 69, 20, "Graph"},
                     {"ListBoxData", -1, 20, 26, 100, 180, nullptr},
                     {"CanvasPlot", -1, 173, 66, 100, 100, nullptr},
                     {"Line1", -1, 170, 69, 2, 0, nullptr},
                     {"Line2", -1, 170, 163, 2, 0, nullptr},
                     {"StaticText1", -1, 170, 166, 12, 20, "0"},
                     {"Line3", -1, 176, 166, 0, 2, nullptr},
                     {"StaticText2", -1, 265, 166, 12, 20, "14"},
                     {"Line4", -1, 270, 166, 0, 2, nullptr},
                     {"StaticText3", -1, 159, 154, 12, 20, "0"},
                     {"StaticText4", -1, 157, 60, 12, 20, "14"},
                     {"PushButtonClear", -1, 20, 258, 100, 20, "Clear"},
                     {"StaticTextLine", -1, 172, 31, 100, 20, ""},
                     {"PushButtonCopy", -1, 20, 223, 100, 20, "Copy Data"}});
  EXPECT_TRUE(w.Get<PushButton>("PushButtonGraph").IsDefault());
  EXPECT_EQ(w.Get<Line>("Line3").X2(), 176);
  EXPECT_EQ(w.Get<Line>("Line3").Y2(), 168);

  const Listbox& list = w.ListBoxData();
  EXPECT_EQ(list.Heading(0), "X");
  EXPECT_EQ(list.Heading(1), "Y");
  EXPECT_EQ(RowTexts(list), std::vector<std::string>{"|"});
  EXPECT_TRUE(IsBlank(w));
  EXPECT_TRUE(Globals::ScatterIsOpen);
  EXPECT_TRUE(Globals::ScatterHasBeenOpen);
}

TEST_F(ScatterplotTest, TabAndReturnWalkTheCellsAndAddARowOnlyAtTheEnd) {
  WindowScatterplot& w = Open();
  Listbox& list = w.ListBoxData();
  UserInput::ClickCell(list, 0, 0);
  ASSERT_EQ(list.EditRow(), 0);
  ASSERT_EQ(list.EditColumn(), 0);

  // key, then the cell being edited and the rows after it
  struct Step {
    const char* typed;
    const char* key;
    Int32 row, column, rows;
  };
  const Step steps[] = {
      {"6.5", "Tab", 0, 1, 1},         // X cell to the Y cell of its row
      {"7", "Return", 1, 0, 2},        // last Y cell: a row is added
      {"ab", "Return", 1, 1, 2},       // Return in an X cell
      {"-1 x", "Shift+Tab", 2, 0, 3},  // Shift makes no difference
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(std::string(s.typed) + " " + s.key);
    UserInput::TypeText(list, s.typed);
    UserInput::PressKey(list, s.key);
    EXPECT_EQ(list.EditRow(), s.row);
    EXPECT_EQ(list.EditColumn(), s.column);
    EXPECT_EQ(list.ListCount(), s.rows);
  }
  // A Y cell that is not the last row's moves on without adding one.
  UserInput::ClickCell(list, 0, 1);
  EXPECT_EQ(list.EditRow(), 0);
  EXPECT_EQ(list.EditColumn(), 1);
  UserInput::PressKey(list, "Tab");
  EXPECT_EQ(list.EditRow(), 1);
  EXPECT_EQ(list.EditColumn(), 0);
  EXPECT_EQ(list.ListCount(), 3);

  EXPECT_EQ(RowTexts(list), (std::vector<std::string>{"6.5|7", "ab|-1 x", "|"}));
  // Return never pressed "Graph", and the keys stayed in the table.
  EXPECT_EQ(w.StaticTextLine().Text(), "");
  EXPECT_TRUE(IsBlank(w));
  EXPECT_TRUE(w.IsOnScreen());
}

TEST_F(ScatterplotTest, CopyDataPutsEveryRowOnTheClipboardAsTypedWithCarriageReturns) {
  WindowScatterplot& w = Open();
  Press(w, "PushButtonCopy");
  EXPECT_EQ(Clipboard().Text, "\t\r");

  Fill(w, {{"1", "2"}, {"3", ""}});
  Press(w, "PushButtonCopy");
  EXPECT_EQ(Clipboard().Text, "1\t2\r3\t\r");

  Fill(w, {{" 4.0", "dots"}, {"", "5"}});
  Press(w, "PushButtonCopy");
  EXPECT_EQ(Clipboard().Text, " 4.0\tdots\r\t5\r");
  EXPECT_EQ(RowTexts(w.ListBoxData()), (std::vector<std::string>{" 4.0|dots", "|5"}));
}

TEST_F(ScatterplotTest, ClearLeavesOneEmptyRowNoEquationAndAWhitePlotEveryTime) {
  WindowScatterplot& w = Open();
  Fill(w, {{"1", "1"}, {"2", "2"}, {"3", "3"}});
  Press(w, "PushButtonGraph");
  ASSERT_EQ(w.StaticTextLine().Text(), "Y = 1*X + 0");
  for (int press = 1; press <= 2; ++press) {
    SCOPED_TRACE(press);
    Press(w, "PushButtonClear");
    EXPECT_EQ(RowTexts(w.ListBoxData()), std::vector<std::string>{"|"});
    EXPECT_EQ(w.StaticTextLine().Text(), "");
    EXPECT_TRUE(IsBlank(w));
  }
}

TEST_F(ScatterplotTest, TheCommandReplacesTheWindowWithAnEmptyOneWhereTheOldOneStood) {
  WindowScatterplot& first = Open();
  first.Left(first.Left() + 29);
  first.Top(first.Top() + 17);
  const Int32 left = first.Left(), top = first.Top();
  Fill(first, {{"1", "2"}});
  Press(first, "PushButtonGraph");
  ToolsScatterplot()->Enabled(false);

  ASSERT_TRUE(AppTestHelpers::ChooseFromMenuBar(Main(), "Tools", "Scatterplot..."));
  WindowScatterplot& second = SharedWindow<WindowScatterplot>();
  EXPECT_EQ(FrontWindow(), &second);
  EXPECT_EQ(Globals::ScatterOldLeft, left);
  EXPECT_EQ(Globals::ScatterOldTop, top);
  EXPECT_TRUE(ToolsScatterplot()->Enabled());
  EXPECT_EQ(second.Left(), left);
  EXPECT_EQ(second.Top(), top);
  EXPECT_EQ(RowTexts(second.ListBoxData()), std::vector<std::string>{"|"});
  EXPECT_EQ(second.StaticTextLine().Text(), "");
  EXPECT_TRUE(IsBlank(second));

  second.Close();
  EXPECT_FALSE(Globals::ScatterIsOpen);
}

TEST_F(ScatterplotTest, GraphShowsTheFitAndThePlotOfTheRowsWithBothCells) {
  constexpr double kMax = std::numeric_limits<double>::max();
  struct Case {
    const char* name;
    Rows rows;
    std::vector<ScatterPoint> points;  // as the fit and the plot take them
    const char* equation;
  };
  const Case cases[] = {
      {"diagonal", {{"1", "1"}, {"2", "2"}, {"3", "3"}}, {{1, 1}, {2, 2}, {3, 3}}, "Y = 1*X + 0"},
      {"half-empty rows left out",
       {{"1", "1"}, {"2", ""}, {"", "9"}, {"2", "2"}, {"3", "3"}},
       {{1, 1}, {2, 2}, {3, 3}},
       "Y = 1*X + 0"},
      {"empty table", {{"", ""}}, {}, "No pairs to fit"},
      {"only half rows", {{"3", ""}, {"", "4"}}, {}, "No pairs to fit"},
      {"letters count as 0", {{"a", "b"}, {"x y", "7"}}, {{0, 0}, {0, 7}}, "Need 2 different X"},
      {"numbers beyond a Double saturate",
       {{"1e400", "-1e400"}, {"2", "2"}},
       {{kMax, -kMax}, {2, 2}},
       "Values too large"},
  };
  WindowScatterplot& w = Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PicturePtr plot = Graph(w, c.rows);
    EXPECT_EQ(w.StaticTextLine().Text(), c.equation);
    EXPECT_TRUE(SamePixels(*plot, *ScatterPlotPicture(100, 100, FitLine(c.points), c.points)));
    for (const auto& control : w.Controls()) {
      if (auto* label = dynamic_cast<StaticText*>(control.get())) {
        for (const char* bad : {"nan", "inf", "NA"})
          EXPECT_EQ(label->Text().find(bad), std::string::npos) << label->Text();
      }
    }
  }

  // Graphing again draws a new plot of the same pixels, and the screen shows it.
  const PicturePtr first = Graph(w, {{"1", "1"}, {"2", "2"}, {"3", "3"}});
  Press(w, "PushButtonGraph");
  EXPECT_NE(w.CanvasPlot().Backdrop(), first);
  EXPECT_TRUE(SamePixels(*w.CanvasPlot().Backdrop(), *first));
  EXPECT_EQ(w.StaticTextLine().Text(), "Y = 1*X + 0");
  const PicturePtr shown = UserInput::Grab(w.CanvasPlot());
  EXPECT_EQ(shown->Pixel(10, 90), kRed);
  EXPECT_EQ(shown->Pixel(50, 50), kGrey);
  EXPECT_EQ(shown->Pixel(50, 20), kWhite);
}

TEST_F(ScatterplotTest, EveryReasonForNoLineFitsTheEquationLabel) {
  const StaticText& label = Open().StaticTextLine();
  for (const char* why : kNoLineReasons) {
    EXPECT_LE(UserInput::TextWidth(label, why), label.Width()) << why;
  }
}
}  // namespace
