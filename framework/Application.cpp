#include "framework/Application.h"

#include <QApplication>
#include <QTimer>

#include "framework/Exceptions.h"
#include "framework/Runtime.h"

namespace runtime_detail {
bool& LoopRunning();
}
namespace shared_window_detail {
void ReleaseAll();
}

namespace {
Application*& TheApplication() {
  static Application* app = nullptr;
  return app;
}
}  // namespace

Application::Application() {
  TheApplication() = this;
}

Application::~Application() {
  if (TheApplication() == this) TheApplication() = nullptr;
}

Application* Application::Instance() {
  return TheApplication();
}

void Application::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
  handlers_[itemName] = std::move(handler);
}

bool Application::HasMenuHandler(const std::string& itemName) const {
  return handlers_.count(itemName) != 0;
}

bool Application::HandleMenuCommand(const std::string& itemName) {
  auto it = handlers_.find(itemName);
  if (it == handlers_.end()) return false;
  it->second();
  return true;
}

void Application::Run() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
    app->setQuitOnLastWindowClosed(false);
  runtime_detail::LoopRunning() = true;
  QTimer::singleShot(0, QCoreApplication::instance(), [this] {
    Runtime::Dispatch([this] {
      Event_Open();
      Event_EnableMenuItems();
    });
  });
  QCoreApplication::exec();
  runtime_detail::LoopRunning() = false;
  shared_window_detail::ReleaseAll();
  Runtime::ProcessEvents();
}

void Application::Quit() {
  ++quitRequests_;
  QCoreApplication::exit(0);
}

void EnableMenuItems() {
  if (Application* app = Application::Instance()) app->Event_EnableMenuItems();
}

std::shared_ptr<MenuItem> ApplicationMenuItem(const std::string& name) {
  Application* app = Application::Instance();
  if (!app || !app->MenuBar()) throw NilObjectException("no application menu bar");
  std::shared_ptr<MenuItem> item = app->MenuBar()->Lookup(name);
  if (!item) throw NilObjectException("no menu item " + name);
  return item;
}
