#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "framework/AppMenuItem.h"
#include "framework/Application.h"
#include "framework/QuitMenuItem.h"
#include "framework/Runtime.h"
#include "framework/SharedWindow.h"
#include "tests/support/UserInput.h"
#include "tests/support/WindowFixture.h"

// How the window kinds sit on a Linux desktop: which carry the menu bar, where the About item
// shows, which shortcuts reach a dialog, the window buttons and the placement.
namespace {
WindowLayout KindLayout(WindowFrame frame, const char* title) {
  return WindowLayout{.title = title, .width = 220, .height = 120, .frame = frame};
}

class DocumentWindow : public Window {
 public:
  DocumentWindow() : Window(KindLayout(WindowFrame::Document, "Document")) {}
};
class DialogWindow : public Window {
 public:
  DialogWindow() : Window(KindLayout(WindowFrame::ModalDialog, "Dialog")) {}
};
class ToolWindow : public Window {
 public:
  ToolWindow() : Window(KindLayout(WindowFrame::Floating, "Tool")) {}
};

// Counts the Show events of top-level windows, by title.
class ShowCounter : public QObject {
 public:
  ShowCounter() { qApp->installEventFilter(this); }
  ~ShowCounter() override { qApp->removeEventFilter(this); }
  int Shows(const QString& title) const { return static_cast<int>(titles_.count(title)); }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(object);
    if (event->type() == QEvent::Show && widget && widget->isWindow())
      titles_ << widget->windowTitle();
    return false;
  }

 private:
  QStringList titles_;
};

// File: Save (Cmd+S, enabled), Quit (Cmd+Q); Tools: Measure, About (an application-menu item).
class DesktopTest : public WindowFixture {
 protected:
  void SetUp() override {
    auto bar = std::make_shared<MenuBar>();
    auto file = Item(std::make_shared<MenuItem>(), "FileMenu", "File", "");
    bar->Append(file);
    save = Item(std::make_shared<MenuItem>(), "FileSave", "Save", "Cmd+S");
    file->Append(save);
    quit = Item(std::make_shared<QuitMenuItem>(), "FileQuit", "Quit", "Cmd+Q");
    file->Append(quit);
    auto tools = Item(std::make_shared<MenuItem>(), "ToolsMenu", "Tools", "");
    bar->Append(tools);
    measure = Item(std::make_shared<MenuItem>(), "ToolsMeasure", "Measure", "");
    tools->Append(measure);
    about = Item(std::make_shared<AppMenuItem>(), "ToolsAbout", "About Quellmoor...", "");
    tools->Append(about);
    app.MenuBar(bar);
    app.AddMenuHandler("FileSave", [this] { return ++saves > 0; });
    app.AddMenuHandler("ToolsAbout", [this] { return ++abouts > 0; });
    app.AddMenuHandler("ToolsMeasure", [] {
      SharedWindow<ToolWindow>().Show();
      return false;
    });
  }

  static std::shared_ptr<MenuItem> Item(std::shared_ptr<MenuItem> item, const char* name,
                                        const char* text, const char* shortcut) {
    item->Name(name);
    item->AutoEnable(true);
    item->Text(text);
    item->KeyboardShortcut(shortcut);
    return item;
  }

  static QMenuBar* BarOf(Window& w) { return w.Widget()->findChild<QMenuBar*>(); }

  Application app;
  std::shared_ptr<MenuItem> save, quit, measure, about;
  int saves = 0;
  int abouts = 0;
};

TEST_F(DesktopTest, OnlyTheDocumentWindowCarriesTheMenuBar) {
  struct Case {
    Window* window;
    bool hasBar;
  };
  const Case cases[] = {{&SharedWindow<DocumentWindow>(), true},
                        {&SharedWindow<ToolWindow>(), false},
                        {&SharedWindow<DialogWindow>(), false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window->Title());
    EXPECT_EQ(BarOf(*c.window) != nullptr, c.hasBar);
  }
}

TEST_F(DesktopTest, TheAboutItemShowsInAHelpMenuAtTheEndOfTheBarAndIsStillFoundByName) {
  Window& doc = SharedWindow<DocumentWindow>();
  doc.Show();
  Runtime::ProcessEvents();
  QMenuBar* bar = BarOf(doc);
  ASSERT_NE(bar, nullptr);
  QStringList titles;
  for (QAction* action : bar->actions()) titles << action->text();
  EXPECT_EQ(titles, (QStringList{"File", "Tools", "Help"}));

  QMenu* help = bar->actions().back()->menu();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->actions(), QList<QAction*>{about->Action()});
  EXPECT_FALSE(app.MenuBar()->Lookup("ToolsMenu")->Menu()->actions().contains(about->Action()));
  EXPECT_EQ(app.MenuBar()->Lookup("ToolsAbout"), about);
  EXPECT_EQ(app.MenuBar()->Child("ToolsMenu")->Child("ToolsAbout"), about);

  about->Action()->trigger();
  EXPECT_EQ(abouts, 1);
}

TEST_F(DesktopTest, QuitWorksFromEveryKindOfWindowOtherShortcutsNotFromADialog) {
  SharedWindow<DocumentWindow>().Show();
  Window& tool = SharedWindow<ToolWindow>();
  tool.Show();
  Runtime::ProcessEvents();
  UserInput::PressKey(tool, "Ctrl+S");
  EXPECT_EQ(saves, 1) << "from a floating window";
  UserInput::PressKey(tool, "Ctrl+Q");
  EXPECT_EQ(app.QuitRequests(), 1) << "from a floating window";

  Window& dialog = SharedWindow<DialogWindow>();
  dialog.Show();
  Runtime::ProcessEvents();
  UserInput::PressKey(dialog, "Ctrl+S");
  EXPECT_EQ(saves, 1) << "Save stays behind the modal dialog";
  UserInput::PressKey(dialog, "Ctrl+Q");
  EXPECT_EQ(app.QuitRequests(), 2) << "from a modal dialog";
}

TEST_F(DesktopTest, NoMenuCommandOpensAWindowBehindAModalDialog) {
  SharedWindow<DocumentWindow>().Show();
  Window& dialog = SharedWindow<DialogWindow>();
  dialog.Show();
  Runtime::ProcessEvents();
  ASSERT_NE(QApplication::activeModalWidget(), nullptr);

  measure->Choose();
  about->Choose();
  save->Choose();
  Runtime::ProcessEvents();
  EXPECT_EQ(FrontWindow(), &dialog);
  EXPECT_EQ(OpenWindows().size(), 2u);
  EXPECT_EQ(abouts + saves, 0);
  quit->Choose();
  EXPECT_EQ(app.QuitRequests(), 1);

  dialog.Close();
  measure->Choose();
  EXPECT_EQ(FrontWindow(), &SharedWindow<ToolWindow>());
}

TEST_F(DesktopTest, WindowButtonsFollowTheLayout) {
  struct Case {
    const char* what;
    WindowLayout layout;
    bool close, minimize, maximize;
  };
  const Case cases[] = {
      {"document window without resizing or boxes",
       {.frame = WindowFrame::Document,
        .resizable = false,
        .maximizeButton = false,
        .minimizeButton = false},
       true,
       false,
       false},
      {"resizable document window", {.frame = WindowFrame::Document}, true, true, true},
      {"document window that cannot be resized",
       {.frame = WindowFrame::Document, .resizable = false},
       true,
       true,
       false},
      {"dialog", {.frame = WindowFrame::ModalDialog}, true, false, false},
      {"dialog without a close box",
       {.frame = WindowFrame::ModalDialog, .closeBox = false},
       false,
       false,
       false},
      {"floating window", {.frame = WindowFrame::Floating}, true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Window w(c.layout);
    w.Build();
    const Qt::WindowFlags flags = w.Widget()->windowFlags();
    EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), c.close);
    EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), c.minimize);
    EXPECT_EQ(flags.testFlag(Qt::WindowMaximizeButtonHint), c.maximize);
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    w.Close();
  }
}

TEST_F(DesktopTest, AModalDialogDoesNotStayMinimisedAToolWindowMay) {
  Window& dialog = SharedWindow<DialogWindow>();
  Window& tool = SharedWindow<ToolWindow>();
  dialog.Show();
  tool.Show();
  Runtime::ProcessEvents();
  for (Window* w : {&dialog, &tool}) w->Widget()->setWindowState(Qt::WindowMinimized);
  Runtime::ProcessEvents();
  EXPECT_FALSE(dialog.Widget()->isMinimized());
  EXPECT_TRUE(dialog.Widget()->isVisible());
  EXPECT_TRUE(tool.Widget()->isMinimized());
}

TEST_F(DesktopTest, ACentredWindowOpensInTheSamePlaceEveryTime) {
  Window& doc = SharedWindow<DocumentWindow>();
  doc.Show();
  doc.Left(300);
  doc.Top(200);
  Runtime::ProcessEvents();
  std::vector<std::pair<Int32, Int32>> places;
  for (int i = 0; i < 3; ++i) {
    Window& dialog = SharedWindow<DialogWindow>();
    dialog.Show();
    Runtime::ProcessEvents();
    places.emplace_back(dialog.Left(), dialog.Top());
    dialog.Close();
    Runtime::ProcessEvents();
  }
  EXPECT_EQ(places[1], places[0]);
  EXPECT_EQ(places[2], places[0]);
  // Centred on the document window: the same middle, both of the same width.
  EXPECT_EQ(places[0].first, doc.Left());
}

TEST_F(DesktopTest, AWindowMadeAndClosedInOneHandlerNeverComesOnScreen) {
  ShowCounter counter;
  SharedWindow<DocumentWindow>().Show();
  Runtime::Dispatch([] {
    SharedWindow<ToolWindow>().Close();
    SharedWindow<ToolWindow>().Show();
  });
  Runtime::ProcessEvents();
  EXPECT_EQ(counter.Shows("Tool"), 1);
  EXPECT_TRUE(SharedWindow<ToolWindow>().Widget()->isVisible());

  // A window made without Show goes on screen once the loop is back.
  SharedWindow<DialogWindow>();
  EXPECT_TRUE(SharedWindow<DialogWindow>().IsOnScreen());
  Runtime::ProcessEvents();
  EXPECT_TRUE(SharedWindow<DialogWindow>().Widget()->isVisible());
  EXPECT_EQ(counter.Shows("Dialog"), 1);
}
}  // namespace
