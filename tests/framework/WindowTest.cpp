#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <string>
#include <vector>

#include "framework/EditField.h"
#include "framework/PushButton.h"
#include "framework/Runtime.h"
#include "framework/SharedWindow.h"
#include "framework/StaticText.h"
#include "framework/Timer.h"
#include "tests/support/WindowFixture.h"

namespace {
std::vector<std::string> events;

std::string Label(const std::string& name, Int32 index) {
  return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

WindowLayout RecorderLayout() {
  WindowLayout layout;
  layout.title = "Recorder";
  layout.width = 240;
  layout.height = 160;
  layout.controls = {
      {.kind = ControlKind::StaticText,
       .name = "Caption",
       .left = 10,
       .top = 10,
       .width = 100,
       .height = 20,
       .text = "Value"},
      {.kind = ControlKind::EditField,
       .name = "Entry",
       .index = 0,
       .left = 10,
       .top = 40,
       .width = 60,
       .height = 22},
      {.kind = ControlKind::EditField,
       .name = "Entry",
       .index = 1,
       .left = 80,
       .top = 40,
       .width = 60,
       .height = 22},
      {.kind = ControlKind::PushButton,
       .name = "Go",
       .left = 10,
       .top = 80,
       .width = 80,
       .height = 24,
       .text = "Go"},
      {.kind = ControlKind::Timer, .name = "Clock"},
  };
  return layout;
}

// Writes what the framework does to it into `events`, each control's Open with the number of
// controls the window then has.
class RecorderWindow : public Window {
 public:
  RecorderWindow() : Window(RecorderLayout()) { ++made; }
  ~RecorderWindow() override { ++destroyed; }
  static inline int made = 0;
  static inline int destroyed = 0;
  int closes = 0;
  bool closeAgainOnClose = false;

 protected:
  std::unique_ptr<Control> MakeControl(const ControlSpec& desc) override {
    events.push_back("make " + Label(desc.name, desc.index));
    return Window::MakeControl(desc);
  }
  void BindControls() override {
    for (const auto& c : Controls()) {
      Control& control = *c;
      events.push_back("bind " + Label(control.Name(), control.Index()) + " of " +
                       std::to_string(Controls().size()));
      control.onOpen = [this, &control] {
        events.push_back("open " + Label(control.Name(), control.Index()) + " of " +
                         std::to_string(Controls().size()));
      };
    }
  }
  void Event_Open() override { events.push_back("open window"); }
  void Event_Close() override {
    ++closes;
    if (closeAgainOnClose) Close();
  }
};

class WindowTest : public WindowFixture {
 protected:
  void SetUp() override {
    events.clear();
    RecorderWindow::made = RecorderWindow::destroyed = 0;
  }
};

TEST_F(WindowTest, BuildsControlsInLayoutOrderThenRaisesTheirOpenThenTheWindows) {
  RecorderWindow& w = SharedWindow<RecorderWindow>();

  // Binding comes once every control exists, so that a window can reach them all.
  const std::vector<std::string> expected = {
      "make Caption",       "make Entry(0)",     "make Entry(1)",      "make Go",
      "make Clock",         "bind Caption of 5", "bind Entry(0) of 5", "bind Entry(1) of 5",
      "bind Go of 5",       "bind Clock of 5",   "open Caption of 5",  "open Entry(0) of 5",
      "open Entry(1) of 5", "open Go of 5",      "open Clock of 5",    "open window",
  };
  EXPECT_EQ(events, expected);
  EXPECT_EQ(w.Title(), "Recorder");
  EXPECT_EQ(w.Width(), 240);
  EXPECT_EQ(w.Height(), 160);
  EXPECT_EQ(w.Get<StaticText>("Caption").Text(), "Value");
  EXPECT_EQ(w.Get<PushButton>("Go").Caption(), "Go");
  EXPECT_EQ(w.Get<EditField>("Entry", 1).Left(), 80);
  EXPECT_EQ(w.Get<EditField>("Entry", 1).OwnerWindow(), &w);
  EXPECT_EQ(FrontWindow(), &w);
}

TEST_F(WindowTest, FindsControlsByNameAndControlArrayIndex) {
  RecorderWindow& w = SharedWindow<RecorderWindow>();
  struct Case {
    const char* name;
    Int32 index;
    bool found;
  };
  const Case cases[] = {
      {"Caption", -1, true}, {"Entry", 0, true},     {"Entry", 1, true},
      {"Clock", -1, true},   {"Entry", -1, false},   {"Entry", 2, false},
      {"Caption", 0, false}, {"caption", -1, false}, {"Missing", -1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Label(c.name, c.index));
    Control* control = w.Find(c.name, c.index);
    ASSERT_EQ(control != nullptr, c.found);
    if (control) {
      EXPECT_EQ(control->Name(), c.name);
      EXPECT_EQ(control->Index(), c.index);
    }
  }
}

TEST_F(WindowTest, GetOfAMissingControlOrOfAnotherClassRaisesNilObjectException) {
  RecorderWindow& w = SharedWindow<RecorderWindow>();
  EXPECT_THROW(w.Get<PushButton>("Missing"), NilObjectException);
  EXPECT_THROW(w.Get<EditField>("Entry"), NilObjectException);
  EXPECT_THROW(w.Get<EditField>("Go"), NilObjectException);
  EXPECT_THROW(w.Get<Timer>("Entry", 0), NilObjectException);
  EXPECT_NO_THROW(w.Get<Timer>("Clock"));
}

// Binds "Go" to its handler, or, told so, a control that is not there or not a push button.
class BindingWindow : public Window {
 public:
  static inline const char* bound = "Go";
  int presses = 0;
  BindingWindow() : Window(RecorderLayout()) {}
  void Go_Action() { ++presses; }

 protected:
  void BindControls() override { On(Get<PushButton>(bound).onAction, &BindingWindow::Go_Action); }
};

TEST_F(WindowTest, BindingRunsTheHandlerAndFailsWhenTheWindowIsBuiltForAMisnamedControl) {
  BindingWindow::bound = "Go";
  BindingWindow& w = SharedWindow<BindingWindow>();
  w.Get<PushButton>("Go").Push();
  EXPECT_EQ(w.presses, 1);
  w.Close();

  struct Case {
    const char* name;
    const char* message;
  };
  const Case cases[] = {
      {"Goo", "no control Goo in the window \"Recorder\""},
      {"Caption", "the control Caption in the window \"Recorder\" is of another class"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BindingWindow::bound = c.name;
    try {
      SharedWindow<BindingWindow>();
      ADD_FAILURE() << "the window was built";
    } catch (const NilObjectException& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
    Runtime::ProcessEvents();
  }
  BindingWindow::bound = "Go";
}

TEST_F(WindowTest, SharedWindowIsOneInstanceUntilClosed) {
  RecorderWindow& first = SharedWindow<RecorderWindow>();
  EXPECT_EQ(&SharedWindow<RecorderWindow>(), &first);
  EXPECT_EQ(RecorderWindow::made, 1);

  first.Close();
  EXPECT_TRUE(first.IsClosed());
  EXPECT_EQ(first.closes, 1);
  EXPECT_EQ(OpenWindows(), std::vector<Window*>{});

  RecorderWindow& second = SharedWindow<RecorderWindow>();
  EXPECT_NE(&second, &first);
  EXPECT_EQ(RecorderWindow::made, 2);
  EXPECT_FALSE(second.IsClosed());
  EXPECT_EQ(OpenWindows(), std::vector<Window*>{&second});

  // The closed window lives on until the event loop is back, then goes.
  EXPECT_EQ(RecorderWindow::destroyed, 0);
  Runtime::ProcessEvents();
  EXPECT_EQ(RecorderWindow::destroyed, 1);
  EXPECT_EQ(&SharedWindow<RecorderWindow>(), &second);
}

TEST_F(WindowTest, AHandlerThatClosesTheSharedWindowGetsANewOneFromTheAccessor) {
  RecorderWindow* closed = nullptr;
  RecorderWindow* reopened = nullptr;
  SharedWindow<RecorderWindow>().Get<PushButton>("Go").onAction = [&] {
    closed = &SharedWindow<RecorderWindow>();
    closed->Close();
    reopened = &SharedWindow<RecorderWindow>();
    EXPECT_TRUE(closed->IsClosed());
    EXPECT_EQ(closed->Get<PushButton>("Go").Caption(), "Go");
  };
  Runtime::Dispatch([] { SharedWindow<RecorderWindow>().Get<PushButton>("Go").Push(); });

  ASSERT_NE(reopened, nullptr);
  EXPECT_NE(reopened, closed);
  EXPECT_FALSE(reopened->IsClosed());
  EXPECT_EQ(RecorderWindow::made, 2);
}

TEST_F(WindowTest, CloseRaisesCloseOnceAndClosingAClosedWindowDoesNothing) {
  RecorderWindow& w = SharedWindow<RecorderWindow>();
  w.closeAgainOnClose = true;
  w.Close();
  EXPECT_EQ(w.closes, 1);

  RecorderWindow& next = SharedWindow<RecorderWindow>();
  w.Close();
  EXPECT_EQ(w.closes, 1);
  EXPECT_FALSE(next.IsClosed());
  EXPECT_EQ(OpenWindows(), std::vector<Window*>{&next});
  EXPECT_EQ(&SharedWindow<RecorderWindow>(), &next);
}

TEST_F(WindowTest, OnlyAResizableWindowCanChangeItsSize) {
  for (const bool resizable : {false, true}) {
    SCOPED_TRACE(resizable ? "resizable" : "fixed");
    WindowLayout layout = RecorderLayout();
    layout.resizable = resizable;
    Window w(layout);
    w.Build();
    w.Show();
    Runtime::ProcessEvents();
    const QSize shown = w.Widget()->size();
    w.Widget()->resize(shown + QSize(100, 80));
    Runtime::ProcessEvents();
    EXPECT_EQ(w.Widget()->size() != shown, resizable);
    EXPECT_EQ(w.Widget()->maximumSize() == w.Widget()->minimumSize(), !resizable);
  }
}

class DocumentWindow : public Window {
 public:
  DocumentWindow() : Window(Layout(WindowFrame::Document, "Document")) {}
  static WindowLayout Layout(WindowFrame frame, const char* title) {
    WindowLayout layout;
    layout.title = title;
    layout.frame = frame;
    layout.width = 200;
    layout.height = 100;
    return layout;
  }
};
class FloatingWindow : public Window {
 public:
  FloatingWindow() : Window(DocumentWindow::Layout(WindowFrame::Floating, "Floating")) {}
};

TEST_F(WindowTest, AFloatingWindowStaysAboveTheDocumentWindowAlsoWhenThatIsMadeAnew) {
  auto parentOf = [](Window& w) -> QWindow* {
    return w.Widget()->windowHandle() ? w.Widget()->windowHandle()->transientParent() : nullptr;
  };
  DocumentWindow& first = SharedWindow<DocumentWindow>();
  FloatingWindow& floating = SharedWindow<FloatingWindow>();
  EXPECT_EQ(parentOf(floating), first.Widget()->windowHandle());

  first.Close();
  EXPECT_EQ(parentOf(floating), nullptr);
  DocumentWindow& second = SharedWindow<DocumentWindow>();
  ASSERT_NE(&second, &first);
  EXPECT_EQ(parentOf(floating), second.Widget()->windowHandle());
  floating.Close();
  second.Close();
}

// A handler that closes its window and then waits in a nested event loop (as a message box
// does) still has its window when the loop returns; the window goes once the handler is done.
TEST_F(WindowTest, AWindowClosedByAHandlerOutlivesANestedLoopInThatHandler) {
  RecorderWindow& w = SharedWindow<RecorderWindow>();
  bool alive = false;
  w.Get<PushButton>("Go").onAction = [&] {
    w.Close();
    QEventLoop nested;
    QTimer::singleShot(20, &nested, &QEventLoop::quit);
    nested.exec();
    alive = RecorderWindow::destroyed == 0;
    w.Get<PushButton>("Go").Caption("still here");
  };
  QTimer::singleShot(0, [&] { Runtime::Dispatch([&] { w.Get<PushButton>("Go").Push(); }); });
  QEventLoop outer;
  QTimer::singleShot(100, &outer, &QEventLoop::quit);
  outer.exec();
  EXPECT_TRUE(alive);
  Runtime::ProcessEvents();
  EXPECT_EQ(RecorderWindow::destroyed, 1);
}
}  // namespace
