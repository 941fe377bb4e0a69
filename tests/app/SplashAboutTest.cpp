#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/Pictures.h"
#include "app/ProgramPage.h"
#include "app/WindowAbout.h"
#include "app/WindowSplash.h"
#include "framework/Dialogs.h"
#include "framework/ProgramFiles.h"
#include "framework/ResourceFork.h"
#include "framework/Runtime.h"
#include "framework/SharedWindow.h"
#include "framework/StaticText.h"
#include "shell/App.h"
#include "tests/app/AppFixture.h"
#include "tests/app/ExpectControls.h"
#include "tests/support/UserInput.h"

namespace {
// The application as it opens, the splash still up in front.
class SplashTest : public AppFixture {
 protected:
  void SetUp() override {
    MakeApp();
    OpenApp();
  }
  WindowSplash& Splash() { return SharedWindow<WindowSplash>(); }
};

TEST_F(SplashTest, EveryWayOfClosingTheSplashBringsTheChooserToTheFront) {
  struct Case {
    const char* how;
    std::function<void(WindowSplash&)> close;
  };
  const Case cases[] = {
      {"its timer", [](WindowSplash& s) { s.Timer1().Fire(); }},
      {"Proceed", [](WindowSplash& s) { UserInput::Click(s.PushButtonProceed()); }},
      {"Return", [](WindowSplash& s) { UserInput::PressKey(s, "Return"); }},
      {"a click on its background", [](WindowSplash& s) { UserInput::Click(s, 12, 12); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    WindowSelectScenario& chooser = Chooser();
    WindowSplash& splash = Splash();
    ASSERT_EQ(FrontWindow(), &splash);
    EXPECT_EQ(splash.Timer1().Mode(), TimerMode::Once);
    EXPECT_EQ(splash.Timer1().Period(), 7000);

    c.close(splash);
    Runtime::ProcessEvents();
    EXPECT_EQ(OpenWindows(), (std::vector<Window*>{&Main(), &chooser}));
    EXPECT_EQ(&Chooser(), &chooser) << "the open chooser comes forward";
    // The next case starts from a fresh splash over the same two windows.
    Splash().Show();
    Runtime::ProcessEvents();
  }
}

TEST_F(SplashTest, ASplashClosedByTheUserIsNotTouchedAgainByItsTimer) {
  WindowSplash& splash = Splash();
  Timer& timer = splash.Timer1();
  splash.PushButtonProceed().Push();
  EXPECT_TRUE(splash.IsClosed());
  EXPECT_EQ(timer.Mode(), TimerMode::Off);
  // Its handler, if it ran anyway, would close a closed window: nothing.
  const std::vector<Window*> open = OpenWindows();
  splash.Timer1_Action();
  EXPECT_EQ(OpenWindows(), open);
}

// The window's own properties that both windows' layouts give.
struct FrameRow {
  Int32 width, height;
  const char* title;
  WindowPlacement placement;
  bool closeBox, resizable;
};
void ExpectFrame(const Window& w, const FrameRow& row) {
  const WindowLayout& l = w.Layout();
  EXPECT_EQ(l.width, row.width);
  EXPECT_EQ(l.height, row.height);
  EXPECT_EQ(w.Title(), row.title);
  EXPECT_EQ(l.frame, WindowFrame::ModalDialog);
  EXPECT_EQ(l.placement, row.placement);
  EXPECT_EQ(l.closeBox, row.closeBox);
  EXPECT_EQ(l.resizable, row.resizable);
  EXPECT_TRUE(l.hasBackColor);
  EXPECT_EQ(l.backColor, (Color{255, 255, 255}));
}

TEST_F(SplashTest, LaidOutAsGiven) {
  WindowSplash& s = Splash();
  ExpectFrame(s, {327, 371, "", WindowPlacement::Default, true, true});
  const std::string address = ProgramPageAddress();
  ExpectControls(s,
                 {{"LabelTitle", -1, 33, 238, 296, 33, "Quellmoor\rSoftware for Varnholt"},
                  {"StaticText2", -1, 70, 272, 210, 16, address.c_str()},
                  {"StaticText1", -1, 48, 350, 237, 16, "Quellmoor 1.0, 2026, the Quellmoor team"},
                  {"CanvasCover", -1, 135, 43, 158, 204, nullptr},
                  {"PushButtonProceed", -1, 127, 305, 69, 20, "Proceed"},
                  {"Timer1", -1, 0, 0, 0, 0, nullptr}});
  EXPECT_TRUE(s.PushButtonProceed().IsDefault());
  const StaticText& version = s.Get<StaticText>("StaticText1");
  EXPECT_LE(UserInput::TextWidth(version, version.Text()), version.Width());
}

TEST_F(SplashTest, TheSplashShowsTheCoverAndThePagesAddress) {
  EXPECT_EQ(Splash().CanvasCover().Backdrop(), CoverPicture());
  ASSERT_NE(CoverPicture(), nullptr);
  EXPECT_EQ(Splash().StaticText2().Text(), ProgramPageAddress());
}

using AboutTest = AppFixture;

TEST_F(AboutTest, LaidOutAsGiven) {
  App::Instance().AppAboutMyApplication_Action();
  WindowAbout& a = SharedWindow<WindowAbout>();
  ExpectFrame(a, {441, 535, "About Quellmoor", WindowPlacement::MainScreen, false, false});
  const std::string address = ProgramPageAddress();
  ExpectControls(a, {{"StaticTextAboutBlurb", -1, 32, 299, 386, 212, nullptr},
                     {"LabelTitle", -1, 87, 217, 253, 33, "Quellmoor\rSoftware for Varnholt"},
                     {"LabelWebAddress", -1, 97, 258, 210, 16, address.c_str()},
                     {"PushButtonClose", -1, 361, 491, 60, 20, "OK"},
                     {"CanvasCover", -1, 190, 23, 158, 204, nullptr},
                     {"PushButtonGoThere", -1, 273, 256, 58, 18, "Go there"}});
  EXPECT_FALSE(a.PushButtonClose().IsDefault());
  EXPECT_FALSE(a.PushButtonGoThere().IsDefault());
  const std::string blurb = a.Get<StaticText>("StaticTextAboutBlurb").Text();
  EXPECT_EQ(blurb.rfind("Quellmoor 1.0, 2026", 0), 0u) << blurb;
}

TEST_F(AboutTest, OkAndABackgroundClickCloseItWithoutOpeningAnything) {
  std::vector<std::string> opened;
  DialogHooks::OnShowURL([&](const std::string& address) {
    opened.push_back(address);
    return true;
  });
  const std::function<void(WindowAbout&)> ways[] = {
      [](WindowAbout& a) { UserInput::Click(a.PushButtonClose()); },
      [](WindowAbout& a) { UserInput::Click(a, 20, 20); },
  };
  for (const auto& close : ways) {
    App::Instance().AppAboutMyApplication_Action();
    WindowAbout& about = SharedWindow<WindowAbout>();
    ASSERT_EQ(FrontWindow(), &about);
    close(about);
    Runtime::ProcessEvents();
    EXPECT_EQ(OpenWindows(), (std::vector<Window*>{&Main(), &Chooser()}));
  }
  DialogHooks::OnShowURL({});
  EXPECT_TRUE(opened.empty());
}

// Whether the desktop opens the page or not, the window is closed before it is asked; when it
// cannot open it, a message gives the page's address instead.
TEST_F(AboutTest, GoThereClosesTheWindowThenOpensThePageOrSaysWhereItIs) {
  std::vector<std::string> messages;
  DialogHooks::OnMsgBox([&](const std::string& text) { messages.push_back(text); });
  for (const bool opens : {true, false}) {
    SCOPED_TRACE(opens ? "the desktop opens it" : "the desktop cannot open it");
    messages.clear();
    App::Instance().AppAboutMyApplication_Action();
    WindowAbout& about = SharedWindow<WindowAbout>();
    const std::string shown = about.LabelWebAddress().Text();
    std::vector<std::string> opened;
    bool closedBefore = false;
    DialogHooks::OnShowURL([&](const std::string& address) {
      opened.push_back(address);
      closedBefore = about.IsClosed();
      return opens;
    });
    UserInput::Click(about.PushButtonGoThere());
    DialogHooks::OnShowURL({});
    EXPECT_EQ(opened, std::vector<std::string>{shown});
    EXPECT_TRUE(closedBefore);
    EXPECT_EQ(shown, ProgramPageAddress());
    EXPECT_EQ(shown.rfind("file:///", 0), 0u) << shown;
    if (opens) {
      EXPECT_TRUE(messages.empty());
    } else {
      ASSERT_EQ(messages.size(), 1u);
      EXPECT_NE(messages[0].find(shown), std::string::npos) << messages[0];
    }
  }
  DialogHooks::OnMsgBox({});
}

TEST_F(AboutTest, TheCommandBringsTheOpenWindowForwardAndMakesANewOneAfterAClose) {
  App::Instance().AppAboutMyApplication_Action();
  WindowAbout& first = SharedWindow<WindowAbout>();
  Main().Show();
  App::Instance().AppAboutMyApplication_Action();
  EXPECT_EQ(&SharedWindow<WindowAbout>(), &first);
  EXPECT_EQ(FrontWindow(), &first);
  EXPECT_EQ(OpenWindows().size(), 3u);

  first.PushButtonClose().Push();
  App::Instance().AppAboutMyApplication_Action();
  EXPECT_NE(&SharedWindow<WindowAbout>(), &first);
  EXPECT_EQ(FrontWindow(), &SharedWindow<WindowAbout>());
}

TEST_F(AboutTest, TheCoverIsReadOnceForTheSplashAndEveryAboutWindow) {
  // The splash read it at start-up.
  const Int32 reads = ResourceFork::ReadCount();
  for (int i = 0; i < 2; ++i) {
    App::Instance().AppAboutMyApplication_Action();
    EXPECT_EQ(SharedWindow<WindowAbout>().CanvasCover().Backdrop(), CoverPicture());
    SharedWindow<WindowAbout>().Close();
  }
  EXPECT_EQ(ResourceFork::ReadCount(), reads);
  EXPECT_NE(CoverPicture(), nullptr);
}

// The page is found beside the program in the build tree, and in the data folder once
// installed, wherever the build was configured to install the two.
TEST(ProgramPageTest, IsFoundBesideTheProgramAndWhereItIsInstalled) {
  const std::string build = QUELLMOOR_PROGRAM_DIR;
  EXPECT_EQ(ProgramPagePath(build), build + "/quellmoor.html");
  EXPECT_TRUE(FileExists(ProgramPagePath(build)));

  namespace fs = std::filesystem;
  const fs::path prefix = fs::temp_directory_path() / "quellmoor-page-test";
  const fs::path bin = prefix / fs::path(QUELLMOOR_INSTALL_BINDIR).relative_path();
  const fs::path pages = (bin / QUELLMOOR_PAGE_FROM_PROGRAM).lexically_normal();
  fs::remove_all(prefix);
  fs::create_directories(bin);
  fs::create_directories(pages);
  EXPECT_FALSE(FileExists(ProgramPagePath(bin.string())));
  std::ofstream(pages / "quellmoor.html") << "<html></html>";
  EXPECT_TRUE(FileExists(ProgramPagePath(bin.string())));
  EXPECT_EQ(FileAddress(ProgramPagePath(bin.string())),
            "file://" + (pages / "quellmoor.html").string());
  fs::remove_all(prefix);
}
}  // namespace
