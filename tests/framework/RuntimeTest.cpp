#include <gtest/gtest.h>

#include <QTimer>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/Rnd.h"
#include "framework/Runtime.h"
#include "framework/Window.h"

namespace {
// Records the reports of unhandled exceptions instead of showing them.
class RuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Runtime::OnUnhandledException([this](const std::string& className, const std::string& text) {
      reports.push_back(className + ": " + text);
    });
  }
  void TearDown() override { Runtime::OnUnhandledException(nullptr); }
  Application app;
  std::vector<std::string> reports;
};

TEST_F(RuntimeTest, AnExceptionEscapingAHandlerIsReportedByItsClassAndEndsTheProgram) {
  struct Case {
    std::function<void()> handler;
    const char* report;
  };
  const Case cases[] = {
      {[] { throw NilObjectException("no window Sample"); },
       "NilObjectException: no window Sample"},
      {[] { throw OutOfBoundsException("index 7"); }, "OutOfBoundsException: index 7"},
      {[] { throw RndScriptExhausted(); }, "RndScriptExhausted: Rnd: the scripted draws ran out"},
      {[] { throw std::runtime_error("disk full"); }, "std::runtime_error: disk full"},
      {[] { throw 42; }, "unknown: "},
  };
  int quits = 0;
  for (const Case& c : cases) {
    reports.clear();
    Runtime::Dispatch(c.handler);
    EXPECT_EQ(reports, std::vector<std::string>{c.report});
    EXPECT_EQ(app.QuitRequests(), ++quits);
  }
}

TEST_F(RuntimeTest, AHandlerThatReturnsIsNotReported) {
  bool ran = false;
  Runtime::Dispatch([&] { ran = true; });
  EXPECT_TRUE(ran);
  EXPECT_EQ(reports, std::vector<std::string>{});
  EXPECT_EQ(app.QuitRequests(), 0);
}

TEST_F(RuntimeTest, AnExceptionCaughtInANestedDispatchIsReportedOnceAndTheOuterHandlerGoesOn) {
  bool resumed = false;
  Runtime::Dispatch([&] {
    Runtime::Dispatch([] { throw NilObjectException("inner"); });
    resumed = true;
  });
  EXPECT_TRUE(resumed);
  EXPECT_EQ(reports, std::vector<std::string>{"NilObjectException: inner"});
}

// While the report is on screen (here: while the reporter runs), events go on arriving; their
// handlers are dropped, so the program neither moves on nor stacks a second report.
TEST_F(RuntimeTest, NoHandlerRunsWhileTheReportIsShown) {
  bool ranBehind = false;
  Runtime::OnUnhandledException([&](const std::string& className, const std::string& text) {
    reports.push_back(className + ": " + text);
    Runtime::Dispatch([&] { ranBehind = true; });
    Runtime::Dispatch([] { throw NilObjectException("second"); });
  });
  Runtime::Dispatch([] { throw NilObjectException("first"); });
  EXPECT_FALSE(ranBehind);
  EXPECT_EQ(reports, std::vector<std::string>{"NilObjectException: first"});

  bool ranAfter = false;
  Runtime::Dispatch([&] { ranAfter = true; });
  EXPECT_TRUE(ranAfter);
}

// With no window left on screen the user could never quit, so the program ends; a window
// that is open but hidden does not keep it alive.
TEST(LastWindowTest, ClosingTheLastShownWindowEndsTheProgramThoughAHiddenOneIsOpen) {
  struct TwoWindows : Application {
    static WindowLayout Layout(bool visible) {
      WindowLayout layout;
      layout.title = visible ? "Shown" : "Hidden";
      layout.visible = visible;
      return layout;
    }
    void Event_Open() override {
      shown.Build();
      hidden.Build();
      QTimer::singleShot(10, &guard, [this] { Runtime::Dispatch([this] { shown.Close(); }); });
      QTimer::singleShot(5000, &guard, [this] {
        timedOut = true;
        Quit();
      });
    }
    Window shown{Layout(true)};
    Window hidden{Layout(false)};
    QObject guard;
    bool timedOut = false;
  } app;
  app.Run();
  EXPECT_FALSE(app.timedOut);
  EXPECT_TRUE(app.shown.IsClosed());
  EXPECT_FALSE(app.hidden.IsClosed());
}
}  // namespace
