#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/WindowAbout.h"
#include "framework/AppMenuItem.h"
#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/QuitMenuItem.h"
#include "framework/SharedWindow.h"
#include "shell/App.h"
#include "shell/Menu.h"
#include "tests/app/AppFixture.h"
#include "tests/support/AppTestHelpers.h"
#include "tests/support/UserInput.h"
#include "tools/WindowSample.h"
#include "tools/WindowScatterplot.h"

namespace {
enum class Kind { Plain, Quit, About };

struct ItemRow {
  const char* name;
  const char* text;
  const char* shortcut;
  bool autoEnable;
  bool enabledByApp;  // enabled by the application's EnableMenuItems and bound to a handler
  Kind kind;
};

struct MenuRow {
  const char* name;
  const char* text;
  std::vector<ItemRow> items;
};

const std::vector<MenuRow> kMenus{
    {"UntitledMenu2",
     "File",
     {{"FileReset", "Reset...", "", false, true, Kind::Plain},
      {"FileQuit", "Quit", "Cmd+Q", true, false, Kind::Quit}}},
    {"UntitledMenu0",
     "Edit",
     {{"EditUndo", "Undo", "Cmd+Z", false, false, Kind::Plain},
      {"UntitledMenu1", "-", "", false, false, Kind::Plain},
      {"EditCut", "Cut", "Cmd+X", false, false, Kind::Plain},
      {"EditCopy", "Copy", "Cmd+C", false, false, Kind::Plain},
      {"EditPaste", "Paste", "Cmd+V", false, false, Kind::Plain},
      {"EditClear", "Clear", "", false, false, Kind::Plain}}},
    {"Tools",
     "Tools",
     {{"ToolsSample", "Histogram...", "", false, true, Kind::Plain},
      {"ToolsScatterplot", "Scatterplot...", "", false, true, Kind::Plain},
      {"ToolsTellthetruth", "Tell the truth...", "", false, true, Kind::Plain},
      {"AppAboutMyApplication", "About Quellmoor...", "", false, true, Kind::About}}},
};

Kind KindOf(MenuItem& item) {
  if (dynamic_cast<QuitMenuItem*>(&item)) return Kind::Quit;
  if (dynamic_cast<AppMenuItem*>(&item)) return Kind::About;
  return Kind::Plain;
}

// Before the application opens: the menu bar as built, and its items as the application's
// EnableMenuItems leaves them.
class MenuTest : public AppFixture {
 protected:
  void SetUp() override { MakeApp(); }
};

TEST_F(MenuTest, TreeAndEnablingFollowTheTable) {
  auto bar = Menu::Shared();
  ASSERT_EQ(App::Instance().MenuBar(), bar);
  ASSERT_EQ(bar->Children().size(), kMenus.size());
  for (bool opened : {false, true}) {
    if (opened) App::Instance().Event_EnableMenuItems();
    for (std::size_t m = 0; m < kMenus.size(); ++m) {
      const MenuRow& want = kMenus[m];
      MenuItem& menu = *bar->Children()[m];
      SCOPED_TRACE(want.name);
      EXPECT_EQ(menu.Name(), want.name);
      EXPECT_EQ(menu.Text(), want.text);
      ASSERT_EQ(menu.Children().size(), want.items.size());
      for (std::size_t i = 0; i < want.items.size(); ++i) {
        const ItemRow& row = want.items[i];
        MenuItem& item = *menu.Children()[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(item.Name(), row.name);
        EXPECT_EQ(item.Text(), row.text);
        EXPECT_EQ(item.KeyboardShortcut(), row.shortcut);
        EXPECT_EQ(item.AutoEnable(), row.autoEnable);
        EXPECT_EQ(item.Enabled(), row.autoEnable || (opened && row.enabledByApp));
        EXPECT_EQ(App::Instance().HasMenuHandler(row.name), row.enabledByApp);
        EXPECT_TRUE(KindOf(item) == row.kind);
      }
    }
  }
}

TEST_F(MenuTest, AccessorsFindTheItemsOfTheApplicationsBarOrRaise) {
  auto bar = Menu::Shared();
  EXPECT_EQ(AppAboutMyApplication(), bar->Lookup("AppAboutMyApplication"));
  EXPECT_EQ(ToolsSample(), bar->Lookup("ToolsSample"));
  EXPECT_EQ(ToolsScatterplot(), bar->Lookup("ToolsScatterplot"));
  EXPECT_EQ(ToolsTellthetruth(), bar->Lookup("ToolsTellthetruth"));
  EXPECT_EQ(FileReset(), bar->Lookup("FileReset"));

  // A bar that lacks the items, then no application at all.
  App::Instance().MenuBar(std::make_shared<MenuBar>());
  EXPECT_THROW(FileReset(), NilObjectException);
  EXPECT_THROW(AppAboutMyApplication(), NilObjectException);
  ReleaseAppInstance();
  EXPECT_THROW(ToolsSample(), NilObjectException);
}

// After the application opens.
using OpenMenuTest = AppFixture;

TEST_F(OpenMenuTest, TheMainWindowShowsTheApplicationsBarAndItsItemsWork) {
  PressOkay();
  WindowMain& main = Main();
  EXPECT_TRUE(AppTestHelpers::ShowsMenuBar(main, *App::Instance().MenuBar()));

  ASSERT_TRUE(AppTestHelpers::ChooseFromMenuBar(main, "Tools", "Histogram..."));
  EXPECT_EQ(FrontWindow(), &SharedWindow<WindowSample>());

  // Edit's items stay disabled even as their menu opens, and do nothing when chosen.
  EXPECT_FALSE(AppTestHelpers::ChooseFromMenuBar(main, "Edit", "Undo"));
  const std::size_t windows = OpenWindows().size();
  for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"})
    Menu::Shared()->Lookup(name)->Choose();
  EXPECT_EQ(OpenWindows().size(), windows);

  ASSERT_TRUE(AppTestHelpers::ChooseFromMenuBar(main, "Tools", "Scatterplot..."));
  EXPECT_EQ(FrontWindow(), &SharedWindow<WindowScatterplot>());
  SharedWindow<WindowScatterplot>().Close();

  // About is under Help, at the end of the bar.
  ASSERT_TRUE(AppTestHelpers::ChooseFromMenuBar(main, "Help", "About Quellmoor..."));
  EXPECT_EQ(FrontWindow(), &SharedWindow<WindowAbout>());
  SharedWindow<WindowAbout>().Close();

  UserInput::PressKey(main, "Ctrl+Q");
  EXPECT_EQ(App::Instance().QuitRequests(), 1);
}
}  // namespace
