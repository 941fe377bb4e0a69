#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QKeySequence>
#include <QMenu>

#include <memory>
#include <string>

#include "framework/AppMenuItem.h"
#include "framework/Application.h"
#include "framework/QuitMenuItem.h"
#include "framework/Window.h"
#include "tests/support/UserInput.h"
#include "tests/support/WindowFixture.h"

namespace {
std::shared_ptr<MenuItem> Item(std::shared_ptr<MenuItem> item, const std::string& name,
                               const std::string& text, bool autoEnable = true) {
  item->Name(name);
  item->Text(text);
  item->AutoEnable(autoEnable);
  return item;
}

std::shared_ptr<MenuItem> Item(const std::string& name, const std::string& text,
                               bool autoEnable = true) {
  return Item(std::make_shared<MenuItem>(), name, text, autoEnable);
}

// Enables FileSave when `saveAllowed`, as a program's EnableMenuItems does.
class MenuApp : public Application {
 public:
  int enableRuns = 0;
  bool saveAllowed = false;
  void Event_EnableMenuItems() override {
    ++enableRuns;
    if (saveAllowed) MenuBar()->Lookup("FileSave")->Enabled(true);
  }
};

// File: Save (enabled only by code), Recent (a sub-menu filled after it was appended), Quit.
// Tools: More (a sub-menu appended after being filled) holding the About item.
class MenuTest : public WindowFixture {
 protected:
  void SetUp() override {
    auto bar = std::make_shared<MenuBar>();
    file = Item("FileMenu", "File");
    bar->Append(file);
    save = Item("FileSave", "Save", false);
    save->KeyboardShortcut("Cmd+S");
    file->Append(save);
    recent = Item("FileRecent", "Recent");
    file->Append(recent);
    recent->Append(Item("FileRecent1", "Field study"));
    quit = Item(std::make_shared<QuitMenuItem>(), "FileQuit", "Quit");
    quit->KeyboardShortcut("Cmd+Q");
    file->Append(quit);

    tools = Item("ToolsMenu", "Tools");
    auto more = Item("ToolsMore", "More");
    about = Item(std::make_shared<AppMenuItem>(), "ToolsAbout", "About Quellmoor");
    more->Append(about);
    tools->Append(more);
    bar->Append(tools);

    app.MenuBar(bar);
    app.AddMenuHandler("FileSave", [this] { return ++saves > 0; });
    app.AddMenuHandler("ToolsAbout", [this] { return ++abouts > 0; });
  }
  MenuBar& Bar() { return *app.MenuBar(); }

  MenuApp app;
  std::shared_ptr<MenuItem> file, save, recent, quit, tools, about;
  int saves = 0;
  int abouts = 0;
};

TEST_F(MenuTest, ChildFindsDirectChildrenAndLookupSearchesTheWholeBar) {
  EXPECT_EQ(Bar().Child("FileMenu"), file);
  EXPECT_EQ(Bar().Child("FileSave"), nullptr);
  EXPECT_EQ(file->Child("FileQuit"), quit);
  EXPECT_EQ(file->Parent(), &Bar());
  EXPECT_EQ(Bar().Children().size(), 2u);

  EXPECT_EQ(Bar().Lookup("ToolsAbout"), about);
  EXPECT_NE(dynamic_cast<AppMenuItem*>(Bar().Lookup("ToolsAbout").get()), nullptr);
  EXPECT_EQ(Bar().Lookup("FileRecent1")->Text(), "Field study");
  EXPECT_EQ(tools->Lookup("ToolsMenu"), tools);
  EXPECT_EQ(tools->Lookup("FileSave"), nullptr);
  EXPECT_EQ(Bar().Lookup("Nowhere"), nullptr);
}

TEST_F(MenuTest, OnScreenMenusMirrorTheTreeWhateverTheOrderItWasBuiltIn) {
  EXPECT_EQ(file->Menu()->actions(),
            (QList<QAction*>{save->Action(), recent->Menu()->menuAction(), quit->Action()}));
  auto more = Bar().Lookup("ToolsMore");
  EXPECT_EQ(tools->Menu()->actions(), QList<QAction*>{more->Menu()->menuAction()});
  EXPECT_EQ(more->Menu()->actions(), QList<QAction*>{about->Action()});
  EXPECT_EQ(more->Menu()->title(), "More");
}

TEST_F(MenuTest, ASeparatorDrawsItsLineAndNoText) {
  auto separator = Item("FileSeparator", "-");
  file->Append(separator);
  file->Append(Item("FileClose", "Close"));
  EXPECT_EQ(separator->Text(), "-");
  ASSERT_TRUE(separator->Action()->isSeparator());

  QMenu& menu = *file->Menu();
  menu.adjustSize();
  const QImage shown = menu.grab().toImage();
  const QRect line = menu.actionGeometry(separator->Action());
  ASSERT_FALSE(line.isEmpty());
  int dark = 0;
  for (int y = line.top(); y <= line.bottom(); ++y) {
    for (int x = line.left(); x <= line.right(); ++x) {
      if (qGray(shown.pixel(x, y)) < 100) ++dark;
    }
  }
  EXPECT_EQ(dark, 0) << "text drawn on the separator";
}

TEST_F(MenuTest, AnItemWithoutAutoEnableStaysDisabledUntilCodeEnablesIt) {
  EXPECT_FALSE(save->Action()->isEnabled());
  save->Choose();
  save->Action()->trigger();
  EXPECT_EQ(saves, 0);

  save->Enabled(true);
  EXPECT_TRUE(save->Action()->isEnabled());
  save->Choose();
  EXPECT_EQ(saves, 1);
  save->Action()->trigger();
  EXPECT_EQ(saves, 2);
}

TEST_F(MenuTest, ChoosingRunsTheHandlerBoundToTheItemsName) {
  about->Choose();
  EXPECT_EQ(abouts, 1);
  EXPECT_EQ(saves, 0);
  EXPECT_TRUE(app.HasMenuHandler("ToolsAbout"));
  EXPECT_FALSE(app.HasMenuHandler("FileRecent1"));
  EXPECT_FALSE(app.HandleMenuCommand("FileRecent1"));
  Bar().Lookup("FileRecent1")->Choose();
  EXPECT_EQ(app.QuitRequests(), 0);
}

TEST_F(MenuTest, TheQuitItemAsksTheApplicationToQuit) {
  quit->Choose();
  EXPECT_EQ(app.QuitRequests(), 1);
}

TEST_F(MenuTest, EnableMenuItemsRunsTheApplicationsHandlerAlsoBeforeAMenuOpens) {
  app.saveAllowed = true;
  EnableMenuItems();
  EXPECT_EQ(app.enableRuns, 1);
  EXPECT_TRUE(save->Action()->isEnabled());

  file->Menu()->popup(QPoint(0, 0));
  file->Menu()->hide();
  EXPECT_EQ(app.enableRuns, 2);
}

TEST_F(MenuTest, TheCommandKeyIsControl) {
  EXPECT_EQ(quit->Action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  EXPECT_EQ(save->Action()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  EXPECT_EQ(quit->KeyboardShortcut(), "Cmd+Q");
}

TEST_F(MenuTest, ShortcutsTypedInAWindowChooseEnabledItemsOnly) {
  Window window(WindowLayout{.title = "Keys"});
  window.Build();
  window.SetFocus();

  UserInput::PressKey(window, "Ctrl+S");
  EXPECT_EQ(saves, 0);
  save->Enabled(true);
  UserInput::PressKey(window, "Ctrl+S");
  EXPECT_EQ(saves, 1);
  UserInput::PressKey(window, "Ctrl+Q");
  EXPECT_EQ(app.QuitRequests(), 1);
}
}  // namespace
