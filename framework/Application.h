#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "framework/MenuBar.h"

// The one application object: registered when made, reached through Application::Instance.
class Application {
 public:
  Application();
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static Application* Instance();

  // Raised once, when the event loop starts.
  virtual void Event_Open() {}
  // Raised before a menu opens and whenever code calls the global EnableMenuItems.
  virtual void Event_EnableMenuItems() {}

  const std::shared_ptr<::MenuBar>& MenuBar() const { return menuBar_; }
  void MenuBar(std::shared_ptr<::MenuBar> bar) { menuBar_ = std::move(bar); }

  void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
  // Runs the handler bound to the item name; false when none is bound.
  bool HandleMenuCommand(const std::string& itemName);
  bool HasMenuHandler(const std::string& itemName) const;

  // Raises Open, then runs the event loop until Quit or until, once a window has closed, no
  // window is left on screen; returns then.
  void Run();
  // Ends the event loop (as the quit item does).
  void Quit();
  // How often Quit has been asked for (for tests, where no loop runs).
  int QuitRequests() const { return quitRequests_; }

 private:
  int quitRequests_ = 0;
  std::shared_ptr<::MenuBar> menuBar_;
  std::map<std::string, std::function<bool()>> handlers_;
};

// Reruns the application object's EnableMenuItems event.
void EnableMenuItems();
// The item of that name in the application object's menu bar; raises NilObjectException when
// there is no application object, no menu bar or no such item.
std::shared_ptr<MenuItem> ApplicationMenuItem(const std::string& name);
