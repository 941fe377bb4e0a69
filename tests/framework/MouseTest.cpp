#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <QWindow>

#include <string>
#include <vector>

#include "framework/AppMenuItem.h"
#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/QuitMenuItem.h"
#include "framework/SpriteSurface.h"
#include "framework/Window.h"
#include "tests/support/UserInput.h"
#include "tests/support/WindowFixture.h"

namespace {
WindowLayout FieldLayout() {
  WindowLayout layout;
  layout.title = "Field";
  layout.width = 300;
  layout.height = 200;
  layout.controls = {
      {.kind = ControlKind::SpriteSurface,
       .name = "Surface",
       .left = 20,
       .top = 30,
       .width = 120,
       .height = 90},
      {.kind = ControlKind::Canvas,
       .name = "Board",
       .left = 160,
       .top = 30,
       .width = 100,
       .height = 100},
      {.kind = ControlKind::StaticText,
       .name = "Note",
       .left = 20,
       .top = 150,
       .width = 200,
       .height = 20,
       .text = "Drag a ladybug"},
  };
  return layout;
}

// Records the mouse events it gets; MouseDown answers `wantDrag`.
class FieldWindow : public Window {
 public:
  FieldWindow() : Window(FieldLayout()) {}
  bool wantDrag = true;
  std::vector<std::string> log;

  bool Event_MouseDown(Int32 x, Int32 y) override {
    log.push_back(Event("down", x, y));
    return wantDrag;
  }
  void Event_MouseDrag(Int32 x, Int32 y) override { log.push_back(Event("drag", x, y)); }
  void Event_MouseUp(Int32 x, Int32 y) override { log.push_back(Event("up", x, y)); }

 private:
  static std::string Event(const char* what, Int32 x, Int32 y) {
    return std::string(what) + " " + std::to_string(x) + "," + std::to_string(y);
  }
};

// The application's menu bar sits above the content area, so that content coordinates differ
// from the window's own.
class MouseTest : public WindowFixture {
 protected:
  void SetUp() override {
    auto bar = std::make_shared<MenuBar>();
    auto file = std::make_shared<MenuItem>();
    file->Text("File");
    bar->Append(file);
    auto quit = std::make_shared<QuitMenuItem>();
    quit->Text("Quit");
    file->Append(quit);
    app.MenuBar(bar);
    window.Build();
    window.Show();
    ASSERT_GT(window.Content()->mapTo(window.Widget(), QPoint(0, 0)).y(), 0);
  }
  Application app;
  FieldWindow window;
};

TEST_F(MouseTest, TheContentAreaBelowTheMenuBarHasTheLayoutsSize) {
  EXPECT_EQ(window.Width(), 300);
  EXPECT_EQ(window.Height(), 200);
  EXPECT_EQ(window.Content()->size(), QSize(300, 200));
}

TEST_F(MouseTest, PressesOverAnyControlReachTheWindowInContentCoordinates) {
  struct Case {
    const char* over;
    Int32 x, y;
  };
  const Case cases[] = {{"sprite surface", 25, 35},
                        {"sprite surface's far corner", 139, 119},
                        {"canvas", 200, 90},
                        {"static text", 30, 155},
                        {"bare window", 290, 190}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.over);
    window.log.clear();
    UserInput::MouseDown(window, c.x, c.y);
    UserInput::MouseMove(window, c.x + 3, c.y + 2);
    UserInput::MouseMove(window, c.x + 5, c.y + 4);
    UserInput::MouseUp(window, c.x + 5, c.y + 4);
    const std::string down = std::to_string(c.x) + "," + std::to_string(c.y);
    const std::string mid = std::to_string(c.x + 3) + "," + std::to_string(c.y + 2);
    const std::string end = std::to_string(c.x + 5) + "," + std::to_string(c.y + 4);
    EXPECT_EQ(window.log, (std::vector<std::string>{"down " + down, "drag " + mid, "drag " + end,
                                                    "up " + end}));
  }
}

TEST_F(MouseTest, APressTheWindowDeclinesGetsNoDragNorUpButTheNextPressIsTracked) {
  window.wantDrag = false;
  UserInput::MouseDown(window, 50, 60);
  UserInput::MouseMove(window, 70, 80);
  UserInput::MouseUp(window, 70, 80);
  EXPECT_EQ(window.log, std::vector<std::string>{"down 50,60"});

  window.log.clear();
  window.wantDrag = true;
  UserInput::MouseDown(window, 180, 50);
  UserInput::MouseUp(window, 180, 50);
  EXPECT_EQ(window.log, (std::vector<std::string>{"down 180,50", "up 180,50"}));
}

TEST_F(MouseTest, MovingWithoutTheButtonDownIsNoDrag) {
  UserInput::MouseMove(window, 40, 40);
  UserInput::MouseMove(window, 60, 60);
  EXPECT_EQ(window.log, std::vector<std::string>{});
}

TEST_F(MouseTest, OnlyTheLeftButtonCounts) {
  QWindow* native = window.Widget()->windowHandle();
  const QPoint at = window.Content()->mapTo(window.Widget(), QPoint(50, 50));
  QTest::mousePress(native, Qt::RightButton, {}, at);
  QTest::mouseRelease(native, Qt::RightButton, {}, at);
  EXPECT_EQ(window.log, std::vector<std::string>{});
}
}  // namespace
