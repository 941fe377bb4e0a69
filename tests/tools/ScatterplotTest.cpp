#include <gtest/gtest.h>

#include <algorithm>
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
#include "tools/LineFit.h"
#include "tools/ToolWindowPlace.h"
#include "tools/WindowScatterplot.h"

namespace {
constexpr Color kWhite{255, 255, 255};
constexpr Color kGrey{150, 150, 150};
constexpr Color kRed{255, 102, 102};

using Rows = std::vector<std::pair<std::string, std::string>>;

struct Pixel {
  Int32 x, y;
  friend bool operator==(const Pixel&, const Pixel&) = default;
};

// The pixels of one colour in the picture, column by column.
std::vector<Pixel> PixelsOf(const Picture& picture, Color colour) {
  std::vector<Pixel> found;
  for (Int32 x = 0; x < picture.Width(); ++x) {
    for (Int32 y = 0; y < picture.Height(); ++y) {
      if (picture.Pixel(x, y) == colour) found.push_back({x, y});
    }
  }
  return found;
}

// The pixels a disc of diameter 6 centred on (x, y) fills.
std::vector<Pixel> Disc(Int32 x, Int32 y) {
  std::vector<Pixel> pixels;
  for (Int32 i = x - 3; i <= x + 2; ++i) {
    for (Int32 j = y - 3; j <= y + 2; ++j) {
      const double dx = (i + 0.5 - x) / 3.0, dy = (j + 0.5 - y) / 3.0;
      if (dx * dx + dy * dy <= 1.0) pixels.push_back({i, j});
    }
  }
  return pixels;
}

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

TEST_F(ScatterplotTest, GraphFitsTheLineAndDrawsItUnderThePoints) {
  struct Case {
    const char* name;
    Rows rows;
    const char* equation;
    std::vector<Pixel> discs;  // centres; only their part inside the picture shows
    Int32 firstGreyColumn;     // where the line starts; -1 where a disc covers its start
  };
  const Case cases[] = {
      {"diagonal",
       {{"1", "1"}, {"2", "2"}, {"3", "3"}},
       "Y = 1*X + 0",
       {{10, 90}, {16, 84}, {23, 77}},
       3},
      {"falling", {{"0", "14"}, {"14", "0"}}, "Y = -1*X + 14", {{3, 3}, {97, 97}}, -1},
      {"from Y = 0, points on the plot",
       {{"2", "0"}, {"4", "2"}},
       "Y = 1*X + -2",
       {{16, 97}, {30, 84}},
       -1},
      // The same line through points off the plot shows where it starts.
      {"from Y = 0, points off the plot", {{"-5", "-7"}, {"20", "18"}}, "Y = 1*X + -2", {}, 17},
      {"a third", {{"0", "0"}, {"3", "1"}}, "Y = 0.33*X + 0", {{3, 97}, {23, 90}}, -1},
      {"half-empty rows left out",
       {{"1", "1"}, {"2", ""}, {"", "9"}, {"2", "2"}, {"3", "3"}},
       "Y = 1*X + 0",
       {{10, 90}, {16, 84}, {23, 77}},
       3},
      {"X = 20 off the plot", {{"0", "0"}, {"20", "10"}}, "Y = 0.5*X + 0", {{3, 97}}, -1},
      {"negative intercept",
       {{"0.5", "-1"}, {"4.5", "1"}},
       "Y = 0.5*X + -1.25",
       {{6, 104}, {33, 90}},
       20},
  };
  WindowScatterplot& w = Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PicturePtr plot = Graph(w, c.rows);
    EXPECT_EQ(w.StaticTextLine().Text(), c.equation);
    ASSERT_EQ(plot->Width(), 100);
    ASSERT_EQ(plot->Height(), 100);

    std::vector<Pixel> red;
    for (const Pixel& centre : c.discs) {
      for (const Pixel& p : Disc(centre.x, centre.y)) {
        if (p.x >= 0 && p.x < 100 && p.y >= 0 && p.y < 100) red.push_back(p);
      }
    }
    std::sort(red.begin(), red.end(),
              [](Pixel a, Pixel b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    red.erase(std::unique(red.begin(), red.end()), red.end());
    EXPECT_EQ(PixelsOf(*plot, kRed), red);

    // The line: at most one pixel a column, from column 3 to 94, grey where no disc covers it.
    const std::vector<Pixel> grey = PixelsOf(*plot, kGrey);
    ASSERT_FALSE(grey.empty());
    if (c.firstGreyColumn >= 0) {
      EXPECT_EQ(grey.front().x, c.firstGreyColumn);
    }
    EXPECT_GE(grey.front().x, 3);
    EXPECT_LE(grey.back().x, 94);
    for (std::size_t i = 1; i < grey.size(); ++i) EXPECT_LT(grey[i - 1].x, grey[i].x);
  }
}

TEST_F(ScatterplotTest, TheDiagonalHasItsNinetyTwoDotsAndGraphingTwiceChangesNothing) {
  WindowScatterplot& w = Open();
  const PicturePtr first = Graph(w, {{"1", "1"}, {"2", "2"}, {"3", "3"}});
  // Y = X lands on row 100 - column; the discs cover a few of its pixels.
  Int32 dots = 0;
  for (Int32 x = 3; x <= 94; ++x) {
    const Color c = first->Pixel(x, 100 - x);
    if (c == kGrey || c == kRed) ++dots;
  }
  EXPECT_EQ(dots, 92);
  for (const Pixel& p : PixelsOf(*first, kGrey)) EXPECT_EQ(p.y, 100 - p.x);
  EXPECT_EQ(first->Pixel(3, 97), kGrey);
  EXPECT_EQ(first->Pixel(94, 6), kGrey);
  EXPECT_EQ(first->Pixel(95, 5), kWhite);

  Press(w, "PushButtonGraph");
  EXPECT_NE(w.CanvasPlot().Backdrop(), first);
  EXPECT_TRUE(SamePixels(*w.CanvasPlot().Backdrop(), *first));
  EXPECT_EQ(w.StaticTextLine().Text(), "Y = 1*X + 0");
  // The screen shows the plot.
  const PicturePtr shown = UserInput::Grab(w.CanvasPlot());
  EXPECT_EQ(shown->Pixel(10, 90), kRed);
  EXPECT_EQ(shown->Pixel(50, 50), kGrey);
  EXPECT_EQ(shown->Pixel(50, 20), kWhite);
}

TEST_F(ScatterplotTest, TablesThatFixNoLineSayWhyAndStillShowTheirPoints) {
  struct Case {
    const char* name;
    Rows rows;
    const char* equation;
    Int32 discs;  // discs wholly inside the picture
  };
  const Case cases[] = {
      {"empty table", {{"", ""}}, "No pairs to fit", 0},
      {"only half rows", {{"3", ""}, {"", "4"}}, "No pairs to fit", 0},
      {"one row", {{"5", "5"}}, "Need 2 different X", 1},
      {"equal X", {{"3", "1"}, {"3", "9"}}, "Need 2 different X", 2},
      // Their mean rounds to 0.10000000000000002, which leaves a sum of squares above 0.
      {"equal X, mean not exact",
       {{"0.1", "1.9"}, {"0.1", "11.9"}, {"0.1", "10.7"}},
       "Need 2 different X",
       3},
      {"letters count as 0", {{"a", "b"}, {"x y", "7"}}, "Need 2 different X", 2},
      {"sums beyond a Double", {{"1e308", "1"}, {"1.7e308", "2"}}, "Values too large", 0},
      {"squares beyond a Double", {{"1e200", "1"}, {"-1e200", "2"}}, "Values too large", 0},
      {"squares too small", {{"0", "0"}, {"1e-200", "1"}}, "X values too close", 2},
      {"slope too large", {{"0", "0"}, {"1e-160", "1e160"}}, "X values too close", 1},
      {"slope too large for Y", {{"1", "1e308"}, {"2", "-1e308"}}, "Values too large", 0},
  };
  WindowScatterplot& w = Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const PicturePtr plot = Graph(w, c.rows);
    EXPECT_EQ(w.StaticTextLine().Text(), c.equation);
    EXPECT_TRUE(PixelsOf(*plot, kGrey).empty());
    EXPECT_EQ(PixelsOf(*plot, kRed).size(), Disc(50, 50).size() * c.discs);
  }
}

TEST_F(ScatterplotTest, EveryReasonForNoLineFitsTheEquationLabel) {
  const StaticText& label = Open().StaticTextLine();
  for (const char* why : kNoLineReasons) {
    EXPECT_LE(UserInput::TextWidth(label, why), label.Width()) << why;
  }
}

TEST_F(ScatterplotTest, HugeValuesDrawOnlyWhatFallsOnThePlotAndNoLabelShowsNanInfOrNA) {
  struct Case {
    Rows rows;
    const char* equation;
    Int32 discs;  // discs wholly inside the picture, none overlapping
  };
  const Case cases[] = {
      {{{"1e20", "0"}, {"0", "0"}}, "Y = 0*X + 0", 1},
      {{{"-3e9", "5"}, {"0", "-3e9"}, {"7", "7"}}, "Y = -0.5*X + -1499999993", 1},
      {{{"1e400", "-1e400"}, {"2", "2"}}, "Values too large", 1},
      {{{"1", "1"}, {"2", "2.000000000000001"}}, "Y = 1*X + 0", 2},
  };
  WindowScatterplot& w = Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.equation);
    EXPECT_EQ(PixelsOf(*Graph(w, c.rows), kRed).size(), Disc(50, 50).size() * c.discs);
    EXPECT_EQ(w.StaticTextLine().Text(), c.equation);
    for (const auto& control : w.Controls()) {
      if (auto* label = dynamic_cast<StaticText*>(control.get())) {
        for (const char* bad : {"nan", "inf", "NA"})
          EXPECT_EQ(label->Text().find(bad), std::string::npos) << label->Text();
      }
    }
  }
}

TEST_F(ScatterplotTest, TheLineIsCutAtZeroAndFourteenInclusive) {
  struct Case {
    Rows rows;  // points off the plot, so that only the line shows
    const char* equation;
    std::vector<Pixel> grey;
  };
  const Case cases[] = {
      {{{"-10", "10"}, {"20", "-20"}}, "Y = -1*X + 0", {{3, 97}}},
      {{{"-10", "4"}, {"20", "34"}}, "Y = 1*X + 14", {{3, 3}}},
  };
  WindowScatterplot& w = Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.equation);
    const PicturePtr plot = Graph(w, c.rows);
    EXPECT_EQ(w.StaticTextLine().Text(), c.equation);
    EXPECT_EQ(PixelsOf(*plot, kGrey), c.grey);
    EXPECT_TRUE(PixelsOf(*plot, kRed).empty());
  }
}
}  // namespace
