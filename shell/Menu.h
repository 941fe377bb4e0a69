#pragma once

#include <memory>

#include "framework/AppMenuItem.h"
#include "framework/MenuBar.h"
#include "framework/QuitMenuItem.h"

// The program's one menu bar, File, Edit and Tools, shared by the application object and
// every window that shows a menu bar.
class Menu : public MenuBar {
 public:
  // The shared instance, built at the first request.
  static std::shared_ptr<Menu> Shared();
  // Releases the shared instance (at shut-down).
  static void Release();

  void Constructor();
  void Untitled1();  // File
  void Untitled2();  // Edit
  void Untitled3();  // Tools

 private:
  void AddItem(const char* menuName, std::shared_ptr<MenuItem> item, const char* name,
               bool autoEnable, const char* text, const char* shortcut);
};

// The handled items, found by name in the application object's menu bar; each raises
// NilObjectException when the item is missing.
std::shared_ptr<AppMenuItem> AppAboutMyApplication();
std::shared_ptr<MenuItem> ToolsTellthetruth();
std::shared_ptr<MenuItem> ToolsScatterplot();
std::shared_ptr<MenuItem> ToolsSample();
std::shared_ptr<MenuItem> FileReset();
