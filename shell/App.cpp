#include "shell/App.h"

#include <memory>

#include "app/WindowAbout.h"
#include "app/WindowMain.h"
#include "app/WindowSelectScenario.h"
#include "framework/Exceptions.h"
#include "framework/SharedWindow.h"
#include "model/Globals.h"
#include "shell/Menu.h"
#include "shell/StartUp.h"
#include "tools/WindowSample.h"
#include "tools/WindowScatterplot.h"
#include "tools/WindowTheTruth.h"

namespace {
std::unique_ptr<App>& Instance() {
  static std::unique_ptr<App> app;
  return app;
}
}  // namespace

App& App::Instance() {
  auto* app = dynamic_cast<App*>(Application::Instance());
  if (!app) throw NilObjectException("no application object");
  return *app;
}

void App::Event_Open() {
  Globals::StartUp();
}

void App::Event_EnableMenuItems() {
  AppAboutMyApplication()->Enabled(true);
  ToolsTellthetruth()->Enabled(true);
  FileReset()->Enabled(true);
  ToolsSample()->Enabled(true);
  ToolsScatterplot()->Enabled(true);
}

bool App::AppAboutMyApplication_Action() {
  SharedWindow<WindowAbout>().Show();
  return false;
}
bool App::ToolsTellthetruth_Action() {
  SharedWindow<WindowTheTruth>().Show();
  return false;
}
bool App::ToolsScatterplot_Action() {
  SharedWindow<WindowScatterplot>().Close();
  SharedWindow<WindowScatterplot>().Show();
  return false;
}

bool App::ToolsSample_Action() {
  SharedWindow<WindowSample>().Close();
  SharedWindow<WindowSample>().Show();
  return false;
}

bool App::FileReset_Action() {
  WindowMain& main = SharedWindow<WindowMain>();
  main.ClearAll();
  main.StaticTextNumClicks().Text("0");
  SharedWindow<WindowSelectScenario>().Close();
  SharedWindow<WindowSelectScenario>().Show();
  return false;
}

void NewAppInstance() {
  Instance() = std::make_unique<App>();
  Instance()->MenuBar(Menu::Shared());
}

void ApplicationAddMenuHandlers() {
  App& app = App::Instance();
  app.AddMenuHandler("AppAboutMyApplication",
                     [&app] { return app.AppAboutMyApplication_Action(); });
  app.AddMenuHandler("ToolsSample", [&app] { return app.ToolsSample_Action(); });
  app.AddMenuHandler("ToolsTellthetruth", [&app] { return app.ToolsTellthetruth_Action(); });
  app.AddMenuHandler("FileReset", [&app] { return app.FileReset_Action(); });
  app.AddMenuHandler("ToolsScatterplot", [&app] { return app.ToolsScatterplot_Action(); });
}

void ReleaseAppInstance() {
  Instance().reset();
}
