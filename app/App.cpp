#include "app/App.h"

#include <memory>

#include "app/Menu.h"
#include "app/WindowMain.h"
#include "app/WindowSelectScenario.h"
#include "framework/Exceptions.h"
#include "framework/SharedWindow.h"
#include "model/Globals.h"
#include "tools/WindowSample.h"

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

// The About, truth and scatterplot windows are not part of the program yet; their commands
// stay enabled and do nothing.
bool App::_AppAboutMyApplication_Action() {
  return false;
}
bool App::_ToolsTellthetruth_Action() {
  return false;
}
bool App::_ToolsScatterplot_Action() {
  return false;
}

bool App::_ToolsSample_Action() {
  SharedWindow<WindowSample>().Close();
  SharedWindow<WindowSample>().Show();
  return false;
}

bool App::_FileReset_Action() {
  WindowMain& main = SharedWindow<WindowMain>();
  main.ClearAll();
  main.StaticTextNumClicks().Text("0");
  SharedWindow<WindowSelectScenario>().Close();
  SharedWindow<WindowSelectScenario>().Show();
  return false;
}

void _NewAppInstance() {
  Instance() = std::make_unique<App>();
  Instance()->MenuBar(Menu::Shared());
}

void _ApplicationAddMenuHandlers() {
  App& app = App::Instance();
  app._AddMenuHandler("AppAboutMyApplication",
                      [&app] { return app._AppAboutMyApplication_Action(); });
  app._AddMenuHandler("ToolsSample", [&app] { return app._ToolsSample_Action(); });
  app._AddMenuHandler("ToolsTellthetruth", [&app] { return app._ToolsTellthetruth_Action(); });
  app._AddMenuHandler("FileReset", [&app] { return app._FileReset_Action(); });
  app._AddMenuHandler("ToolsScatterplot", [&app] { return app._ToolsScatterplot_Action(); });
}

void _ReleaseAppInstance() {
  Instance().reset();
}
