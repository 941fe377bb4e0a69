#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/EditField.h"
#include "framework/Listbox.h"
#include "framework/PushButton.h"
#include "framework/Window.h"
#include "tests/support/SamePixels.h"
#include "tests/support/UserInput.h"
#include "tests/support/WindowFixture.h"

namespace {
WindowLayout FormLayout() {
  WindowLayout layout;
  layout.title = "Form";
  layout.width = 320;
  layout.height = 240;
  layout.controls = {
      {.kind = ControlKind::Listbox,
       .name = "Table",
       .left = 10,
       .top = 10,
       .width = 300,
       .height = 150,
       .rows = {"Field", "Capacity"}},
      {.kind = ControlKind::EditField,
       .name = "Entry",
       .left = 10,
       .top = 170,
       .width = 100,
       .height = 22},
      {.kind = ControlKind::PushButton,
       .name = "Cancel",
       .left = 120,
       .top = 200,
       .width = 80,
       .height = 24,
       .text = "Cancel"},
      {.kind = ControlKind::PushButton,
       .name = "OK",
       .left = 220,
       .top = 200,
       .width = 80,
       .height = 24,
       .text = "OK",
       .isDefault = true},
  };
  return layout;
}

// A form whose list reports the keys typed into its cells and whose buttons count presses.
class ListboxTest : public WindowFixture {
 protected:
  void SetUp() override {
    window.Build();
    window.Show();
    list().AddRow("North");
    list().AddRow("South");
    list().Cell(0, 1, "40");
    list().onCellKeyDown = [this](Int32 row, Int32 column, const std::string& key) {
      keys.push_back(std::to_string(row) + "," + std::to_string(column) + " " + key);
      return keepKeys;
    };
    button("OK").onAction = [this] { ++okPresses; };
    button("Cancel").onAction = [this] { ++cancelPresses; };
  }
  Listbox& list() { return window.Get<Listbox>("Table"); }
  PushButton& button(const char* name) { return window.Get<PushButton>(name); }

  Window window{FormLayout()};
  std::vector<std::string> keys;
  bool keepKeys = false;
  int okPresses = 0;
  int cancelPresses = 0;
};

TEST_F(ListboxTest, RowsAndCells) {
  EXPECT_EQ(list().ColumnCount(), 2);
  EXPECT_EQ(list().Heading(1), "Capacity");
  ASSERT_EQ(list().ListCount(), 2);
  EXPECT_EQ(list().Cell(1, 0), "South");
  EXPECT_EQ(list().Cell(1, 1), "");
  EXPECT_EQ(list().Cell(0, 1), "40");
  EXPECT_EQ(list().Cell(2, 0), "");
  EXPECT_EQ(list().Cell(0, 2), "");
  list().Cell(5, 0, "ignored");
  EXPECT_EQ(list().ListCount(), 2);

  list().DeleteAllRows();
  EXPECT_EQ(list().ListCount(), 0);
  list().AddRow("East");
  EXPECT_EQ(list().ListCount(), 1);
  EXPECT_EQ(list().Cell(0, 0), "East");
  EXPECT_EQ(list().Cell(0, 1), "");
}

// The table follows the list's rows through being emptied and filled again: it then looks just
// like a new list given the same rows.
TEST_F(ListboxTest, ARefilledTableLooksLikeANewOneWithTheSameRows) {
  Window fresh{FormLayout()};
  fresh.Build();
  fresh.Show();
  Listbox& other = fresh.Get<Listbox>("Table");
  ASSERT_FALSE(SamePixels(*UserInput::Grab(list()), *UserInput::Grab(other)));
  list().DeleteAllRows();
  for (Listbox* l : {&list(), &other}) {
    for (const char* row : {"East", "West", "Up"}) l->AddRow(row);
    l->Cell(2, 1, "9");
  }
  EXPECT_TRUE(SamePixels(*UserInput::Grab(list()), *UserInput::Grab(other)));
}

// An edit starts with the cell's text selected, so what is typed replaces it.
TEST_F(ListboxTest, CharactersTheHandlerLeavesEnterTheCellAndCellReadsThem) {
  list().EditCell(0, 1);
  EXPECT_EQ(list().EditRow(), 0);
  EXPECT_EQ(list().EditColumn(), 1);
  UserInput::TypeText(list(), "25");
  EXPECT_EQ(keys, (std::vector<std::string>{"0,1 2", "0,1 5"}));
  EXPECT_EQ(list().Cell(0, 1), "25");
  UserInput::PressKey(list(), "Backspace");
  UserInput::TypeText(list(), "0");
  EXPECT_EQ(list().Cell(0, 1), "20");
}

TEST_F(ListboxTest, EditCellMovesTheEditAndKeepsWhatWasTyped) {
  list().EditCell(1, 1);
  UserInput::TypeText(list(), "12");
  list().EditCell(0, 0);
  EXPECT_EQ(list().EditRow(), 0);
  EXPECT_EQ(list().EditColumn(), 0);
  EXPECT_EQ(list().Cell(1, 1), "12");
  UserInput::TypeText(list(), "x");
  EXPECT_EQ(keys.back(), "0,0 x");

  // Focus leaving the table ends the edit and keeps its text too.
  UserInput::Click(window, 20, 180);
  EXPECT_EQ(list().EditRow(), -1);
  EXPECT_EQ(list().Cell(0, 0), "x");  // the open cell's text was selected, so typing replaced it
  EXPECT_EQ(list().Cell(1, 1), "12");

  list().EditCell(0, 0);
  list().EditCell(9, 0);
  EXPECT_EQ(list().EditRow(), 0);
  list().DeleteAllRows();
  EXPECT_EQ(list().Cell(0, 0), "");
  EXPECT_EQ(list().EditRow(), -1);
  EXPECT_EQ(list().EditColumn(), -1);
}

// A cell set while it is being edited shows in its editor: typing goes on from the new text,
// and that is what the edit leaves in the cell.
TEST_F(ListboxTest, SettingTheCellBeingEditedPutsTheTextIntoItsEditor) {
  list().EditCell(0, 1);
  UserInput::TypeText(list(), "3");
  list().Cell(0, 1, "77");
  EXPECT_EQ(list().Cell(0, 1), "77");
  UserInput::TypeText(list(), "8");
  EXPECT_EQ(list().Cell(0, 1), "778");
  UserInput::Click(window, 20, 180);
  EXPECT_EQ(list().EditRow(), -1);
  EXPECT_EQ(list().Cell(0, 1), "778");
}

// Keys the handler keeps reach it as text and do nothing else: the cell, the edit and the
// buttons are as before.
TEST_F(ListboxTest, AKeptKeyStaysOutOfTheCellTheTableAndTheDefaultButton) {
  struct Case {
    const char* key;
    const char* reported;
  };
  const Case cases[] = {{"Tab", "\t"}, {"Shift+Tab", "\t"}, {"Return", "\r"}, {"q", "q"}};
  keepKeys = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    keys.clear();
    list().EditCell(1, 0);
    UserInput::PressKey(list(), c.key);
    EXPECT_EQ(keys, std::vector<std::string>{std::string("1,0 ") + c.reported});
    EXPECT_EQ(list().EditRow(), 1);
    EXPECT_EQ(list().EditColumn(), 0);
    EXPECT_EQ(list().Cell(1, 0), "South");
    EXPECT_EQ(okPresses, 0);
  }
}

TEST_F(ListboxTest, AHandlerCanMoveTheEditOnTab) {
  list().onCellKeyDown = [this](Int32 row, Int32 column, const std::string& key) {
    if (key != "\t") return false;
    list().EditCell(row, column == 0 ? 1 : 0);
    return true;
  };
  list().EditCell(0, 0);
  UserInput::PressKey(list(), "Tab");
  EXPECT_EQ(list().EditColumn(), 1);
  UserInput::TypeText(list(), "5");
  UserInput::PressKey(list(), "Tab");
  EXPECT_EQ(list().EditColumn(), 0);
  EXPECT_EQ(list().EditRow(), 0);
  EXPECT_EQ(list().Cell(0, 1), "5");
}

TEST_F(ListboxTest, AReturnTheHandlerLeavesPressesTheDefaultButton) {
  list().EditCell(0, 0);
  UserInput::TypeText(list(), "Upland");
  UserInput::PressKey(list(), "Return");
  EXPECT_EQ(keys.back(), "0,0 \r");
  EXPECT_EQ(okPresses, 1);
  EXPECT_EQ(cancelPresses, 0);
  EXPECT_EQ(list().EditRow(), -1);
  EXPECT_EQ(list().Cell(0, 0), "Upland");
}

TEST_F(ListboxTest, ReturnPressesTheDefaultButtonOnlyWhileItIsEnabledAndShown) {
  struct Case {
    bool enabled, visible;
    int presses;
  };
  const Case cases[] = {{true, true, 1}, {false, true, 0}, {true, false, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.enabled) + std::to_string(c.visible));
    okPresses = 0;
    button("OK").Enabled(c.enabled);
    button("OK").Visible(c.visible);
    UserInput::Click(window, 20, 180);
    UserInput::PressKey(window, "Return");
    EXPECT_EQ(okPresses, c.presses);
    EXPECT_EQ(cancelPresses, 0);
  }
}

TEST_F(ListboxTest, ClickingAButtonRunsItsAction) {
  UserInput::Click(button("Cancel"));
  EXPECT_EQ(cancelPresses, 1);
  button("Cancel").Enabled(false);
  UserInput::Click(button("Cancel"));
  button("Cancel").Push();
  EXPECT_EQ(cancelPresses, 1);
}

TEST_F(ListboxTest, AClickReportsItsCellAndThePointPressedInIt) {
  std::vector<std::string> clicks;
  list().onCellClick = [&](Int32 row, Int32 column, Int32 x, Int32 y) {
    clicks.push_back(std::to_string(row) + "," + std::to_string(column) + " at " +
                     std::to_string(x) + "," + std::to_string(y));
    return false;
  };
  UserInput::ClickCell(list(), 1, 1, 7, 3);
  UserInput::ClickCell(list(), 0, 0, 2, 5);
  EXPECT_EQ(clicks, (std::vector<std::string>{"1,1 at 7,3", "0,0 at 2,5"}));
}
}  // namespace
