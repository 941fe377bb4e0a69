#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Dialogs.h"
#include "framework/Functions.h"
#include "framework/PushButton.h"
#include "framework/Rectangle.h"
#include "framework/Rnd.h"
#include "framework/Runtime.h"
#include "framework/SharedWindow.h"
#include "model/Globals.h"
#include "shell/App.h"
#include "shell/Menu.h"
#include "tests/app/AppFixture.h"
#include "tests/app/ExpectControls.h"
#include "tests/support/UserInput.h"
#include "tools/WindowTheTruth.h"

namespace {
const char* const kUnknownScenario = "Error in WindowTheTruth.Open.  There is no scenario.";

class TruthTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    Chooser().Close();
    Runtime::ProcessEvents();
    DialogHooks::OnMsgBox([this](const std::string& text) { messages.push_back(text); });
  }

  // The open truth window, or null; asking the shared accessor would make one.
  static WindowTheTruth* Truth() {
    for (Window* w : OpenWindows()) {
      if (auto* t = dynamic_cast<WindowTheTruth*>(w)) return t;
    }
    return nullptr;
  }

  // Tools > "Tell the truth...".
  static WindowTheTruth& Open() {
    ToolsTellthetruth()->Choose();
    Runtime::ProcessEvents();
    WindowTheTruth* truth = Truth();
    if (!truth) throw std::logic_error("no truth window");
    return *truth;
  }

  // Types into the entry field, as a user who clicks into it first.
  static void Type(WindowTheTruth& w, const std::string& text) {
    const EditField& field = w.EditFieldPassword();
    UserInput::Click(w, field.Left() + 10, field.Top() + field.Height() / 2);
    UserInput::TypeText(w, text);
  }
  static void PressNowTellMe(WindowTheTruth& w) {
    UserInput::Click(w.Get<PushButton>("PushButtonNowTellMe"));
  }

  std::vector<std::string> messages;
};

TEST_F(TruthTest, OpensAsLaidOutAndEmpty) {
  WindowTheTruth& w = Open();
  EXPECT_EQ(FrontWindow(), &w);
  EXPECT_EQ(w.Title(), "The Truth");
  EXPECT_EQ(w.Width(), 298);
  EXPECT_EQ(w.Height(), 265);
  EXPECT_EQ(w.Layout().frame, WindowFrame::ModalDialog);
  EXPECT_EQ(w.Layout().placement, WindowPlacement::Default);

  ExpectControls(w, {
                        {"Rectangle1", -1, 5, 147, 288, 60, nullptr},
                        {"StaticTextTheTruth", -1, 12, 154, 274, 150, ""},
                        {"PushButtonOkay", -1, 204, 227, 69, 20, "Close"},
                        {"StaticText1", -1, 28, 19, 109, 20, "Enter password:"},
                        {"EditFieldPassword", -1, 35, 45, 205, 22, ""},
                        {"PushButtonNowTellMe", -1, 135, 105, 105, 20, "Now tell me."},
                        {"StaticTextTryAgain", -1, 81, 66, 137, 20, "Sorry. Try again."},
                    });
  for (const auto& control : w.Controls()) {
    auto& shown = dynamic_cast<RectControl&>(*control);
    EXPECT_EQ(shown.Visible(), control->Name() != "StaticTextTryAgain") << control->Name();
  }
  EXPECT_FALSE(w.Get<PushButton>("PushButtonOkay").IsDefault());
  EXPECT_TRUE(w.Get<PushButton>("PushButtonNowTellMe").IsDefault());

  // The box: white inside a black line one pixel wide.
  PicturePtr box = UserInput::Grab(w.Get<Rectangle>("Rectangle1"));
  for (auto [x, y] : {std::pair{0, 0}, {287, 30}, {100, 59}, {0, 59}})
    EXPECT_EQ(box->Pixel(x, y), (Color{0, 0, 0})) << x << "," << y;
  for (auto [x, y] : {std::pair{1, 1}, {144, 30}, {286, 58}})
    EXPECT_EQ(box->Pixel(x, y), (Color{255, 255, 255})) << x << "," << y;
}

// Typing right after the window opens goes into the entry field, which shows the letters as
// typed: masked, two texts of one length would look the same.
TEST_F(TruthTest, ThePasswordCanBeTypedAtOnceAndShowsAsTyped) {
  Globals::setScenario(3);
  WindowTheTruth& w = Open();
  UserInput::TypeText(w, "Brevik");
  const PicturePtr other = UserInput::Grab(w.EditFieldPassword());
  w.EditFieldPassword().Text("");
  UserInput::TypeText(w, "Brevok");
  EXPECT_EQ(w.EditFieldPassword().Text(), "Brevok");
  const PicturePtr typed = UserInput::Grab(w.EditFieldPassword());
  bool differs = false;
  for (Int32 y = 0; y < typed->Height(); ++y) {
    for (Int32 x = 0; x < typed->Width(); ++x)
      differs = differs || typed->Pixel(x, y) != other->Pixel(x, y);
  }
  EXPECT_TRUE(differs);
  UserInput::PressKey(w, "Return");
  EXPECT_EQ(w.StaticTextTheTruth().Text(), "The heritability is 0.1");
  EXPECT_FALSE(w.StaticTextTryAgain().Visible());
}

// Each answer replaces the last; the accepted password stays in the field, so Return alone
// asks again. Only the unknown scenario's answer reads the heritability.
TEST_F(TruthTest, TheAnswerOfEachScenario) {
  struct Case {
    const char* scenario;
    double heritability;
    const char* text;  // what the box shows
    bool message;      // whether the message box comes up first
  };
  const std::vector<Case> cases{
      {"Heritability High", 0.25, "The heritability is 0.9.", false},
      {"Heritability Unknown", 0.37, "The heritability is 0.37", false},
      {"Heritability Nowhere", 0.37, "", true},
      {"Heritability Low", 0.25, "The heritability is 0.1", false},
      {"heritability low", 0.1, "", true},
      {"Heritability Medium", 0.25, "The heritability is 0.5.", false},
      {"Heritability Unknown", 0x1.0p-53, "The heritability is 0.00000000000000011102230246251565",
       false},
      {"Heritability Unknown", 1.0 - 0x1.0p-53, "The heritability is 0.9999999999999999", false},
      {"", 0.5, "", true},
  };
  WindowTheTruth& w = Open();
  Type(w, "Brevok");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.scenario) + " " + c.text);
    Globals::Scenario = c.scenario;
    Globals::Heritability = c.heritability;
    messages.clear();
    UserInput::PressKey(w, "Return");
    EXPECT_EQ(w.StaticTextTheTruth().Text(), c.text);
    EXPECT_EQ(messages,
              c.message ? std::vector<std::string>{kUnknownScenario} : std::vector<std::string>{});
    EXPECT_EQ(w.EditFieldPassword().Text(), "Brevok");
    EXPECT_FALSE(w.StaticTextTryAgain().Visible());
    EXPECT_EQ(Globals::Scenario, c.scenario);
    EXPECT_EQ(Globals::Heritability, c.heritability);
  }
}

// Nothing but the exact password opens the box; a failure empties the field, and its label
// stays shown through the reveal that follows.
TEST_F(TruthTest, WrongTextsAreRefusedAsOftenAsTheyCome) {
  Globals::setScenario(1);
  WindowTheTruth& w = Open();
  PressNowTellMe(w);  // with the field empty
  EXPECT_TRUE(w.StaticTextTryAgain().Visible());
  EXPECT_EQ(w.StaticTextTheTruth().Text(), "");

  Type(w, "Brevok");
  PressNowTellMe(w);
  EXPECT_EQ(w.StaticTextTheTruth().Text(), "The heritability is 0.9.");
  EXPECT_TRUE(w.StaticTextTryAgain().Visible());

  // The accepted password stays in the field until the user clears it; each wrong text is
  // then cleared by the window itself.
  w.EditFieldPassword().Text("");
  for (const char* wrong :
       {"Brevok ", " Brevok", "Brevo", "revok", "brevok", "BREVOK", "Brevokk", "Brev ok"}) {
    SCOPED_TRACE(std::string("\"") + wrong + "\"");
    Type(w, wrong);
    EXPECT_EQ(w.EditFieldPassword().Text(), wrong);
    UserInput::PressKey(w, "Return");
    EXPECT_EQ(w.EditFieldPassword().Text(), "");
    EXPECT_TRUE(w.StaticTextTryAgain().Visible());
    EXPECT_EQ(w.StaticTextTheTruth().Text(), "The heritability is 0.9.") << "the box stays";
  }
  EXPECT_TRUE(messages.empty());
}

// A box filled under one scenario keeps its text until the next accepted press, which
// answers for the scenario then in force.
TEST_F(TruthTest, ASecondPressAnswersForTheScenarioInForce) {
  Globals::setScenario(2);
  WindowTheTruth& w = Open();
  Type(w, "Brevok");
  PressNowTellMe(w);
  ASSERT_EQ(w.StaticTextTheTruth().Text(), "The heritability is 0.5.");

  // A new run under the unknown scenario; the menu is blocked behind the dialog, so the
  // handlers are called as the menu would.
  App::Instance().FileReset_Action();
  Runtime::ProcessEvents();
  Chooser().PopupMenuScenario().ListIndex(3);
  PressOkay();
  ASSERT_EQ(Globals::Scenario, "Heritability Unknown");
  EXPECT_EQ(w.StaticTextTheTruth().Text(), "The heritability is 0.5.");

  PressNowTellMe(w);
  const std::string text = w.StaticTextTheTruth().Text();
  EXPECT_EQ(text, "The heritability is " + Str(Globals::Heritability));
  EXPECT_EQ(text.find_first_not_of("0123456789.", 20), std::string::npos) << text;
}

TEST_F(TruthTest, TheCommandBringsAnOpenWindowForwardAndAClosedOneBackNew) {
  Globals::setScenario(1);
  WindowTheTruth& first = Open();
  PressNowTellMe(first);  // a wrong try, with the field empty
  Type(first, "Brevok");
  PressNowTellMe(first);

  // The command, while the window is open: the same window, as it was, in front.
  App::Instance().ToolsTellthetruth_Action();
  Runtime::ProcessEvents();
  EXPECT_EQ(Truth(), &first);
  EXPECT_EQ(FrontWindow(), &first);
  EXPECT_EQ(first.EditFieldPassword().Text(), "Brevok");
  EXPECT_TRUE(first.StaticTextTryAgain().Visible());
  EXPECT_EQ(first.StaticTextTheTruth().Text(), "The heritability is 0.9.");

  UserInput::Click(first.Get<PushButton>("PushButtonOkay"));
  EXPECT_EQ(Truth(), nullptr);

  WindowTheTruth& second = Open();
  EXPECT_NE(&second, &first);
  EXPECT_EQ(second.EditFieldPassword().Text(), "");
  EXPECT_FALSE(second.StaticTextTryAgain().Visible());
  EXPECT_EQ(second.StaticTextTheTruth().Text(), "");
}
}  // namespace
