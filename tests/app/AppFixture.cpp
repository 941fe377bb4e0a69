#include "tests/app/AppFixture.h"

#include "app/Pictures.h"
#include "app/WindowSplash.h"
#include "framework/Dialogs.h"
#include "framework/PushButton.h"
#include "framework/Rnd.h"
#include "framework/Runtime.h"
#include "framework/SharedWindow.h"
#include "framework/Window.h"
#include "model/Globals.h"
#include "shell/App.h"
#include "shell/Menu.h"

void AppFixture::SetUp() {
  MakeApp();
  OpenApp();
  CloseSplash();
}

void AppFixture::CloseSplash() {
  SharedWindow<WindowSplash>().PushButtonProceed().Push();
  Runtime::ProcessEvents();
}

void AppFixture::MakeApp() {
  RndControl::Unscript();
  Runtime::OnUnhandledException([this](const std::string& className, const std::string& what) {
    unhandled.push_back(className + ": " + what);
  });
  DialogHooks::OnMsgBox([this](const std::string& text) { unhandled.push_back("MsgBox " + text); });
  Globals::CreateArrays();
  NewAppInstance();
  ApplicationAddMenuHandlers();
}

void AppFixture::OpenApp() {
  App::Instance().Event_Open();
  App::Instance().Event_EnableMenuItems();
  Runtime::ProcessEvents();
}

void AppFixture::TearDown() {
  // A window's Close may show another (the splash shows the chooser), so until none is left.
  for (int round = 0; round < 5 && !OpenWindows().empty(); ++round) {
    for (Window* window : OpenWindows()) window->Close();
    Runtime::ProcessEvents();
  }
  ReleasePictures();
  ReleaseAppInstance();
  Menu::Release();
  Globals::Release();
  RndControl::Unscript();
  Runtime::OnUnhandledException({});
  DialogHooks::OnMsgBox({});
  EXPECT_TRUE(unhandled.empty()) << unhandled.front();
}

WindowMain& AppFixture::Main() {
  return SharedWindow<WindowMain>();
}

WindowSelectScenario& AppFixture::Chooser() {
  return SharedWindow<WindowSelectScenario>();
}

void AppFixture::PressOkay() {
  Chooser().Get<PushButton>("PushButtonOkay").Push();
  Runtime::ProcessEvents();
}

std::shared_ptr<critterSprite> AppFixture::AddBug(popSurface& field, const std::string& phenotype,
                                                  Int32 x, Int32 y, Int32 age) {
  auto bug = std::make_shared<critterSprite>();
  bug->iBaby = NewPicture(11, 11, 32);
  bug->iAdult = NewPicture(13, 13, 32);
  const bool larva = phenotype == "larva";
  bug->Image(larva ? bug->iBaby : bug->iAdult);
  bug->phenotype = phenotype;
  bug->age = larva ? 0 : age;
  bug->Group(-1);
  bug->X(x);
  bug->Y(y);
  field.doAttach(bug);
  return bug;
}
