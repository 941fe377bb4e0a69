#include "shell/Menu.h"

#include "framework/Application.h"
#include "framework/Exceptions.h"

namespace {
std::shared_ptr<Menu>& Instance() {
  static std::shared_ptr<Menu> instance;
  return instance;
}

std::shared_ptr<MenuItem> NewMenu(const char* name, const char* text) {
  auto menu = std::make_shared<MenuItem>();
  menu->Name(name);
  menu->AutoEnable(false);
  menu->Text(text);
  menu->KeyboardShortcut("");
  return menu;
}
}  // namespace

std::shared_ptr<Menu> Menu::Shared() {
  if (!Instance()) {
    Instance() = std::make_shared<Menu>();
    Instance()->Constructor();
  }
  return Instance();
}

void Menu::Release() {
  Instance().reset();
}

void Menu::Constructor() {
  Untitled1();
  Untitled2();
  Untitled3();
}

void Menu::AddItem(const char* menuName, std::shared_ptr<MenuItem> item, const char* name,
                   bool autoEnable, const char* text, const char* shortcut) {
  item->Name(name);
  item->AutoEnable(autoEnable);
  item->Text(text);
  if (shortcut) item->KeyboardShortcut(shortcut);
  Child(menuName)->Append(std::move(item));
}

void Menu::Untitled1() {
  Append(NewMenu("UntitledMenu2", "File"));
  AddItem("UntitledMenu2", std::make_shared<MenuItem>(), "FileReset", false, "Reset...", "");
  AddItem("UntitledMenu2", std::make_shared<QuitMenuItem>(), "FileQuit", true, "Quit", "Cmd+Q");
}

void Menu::Untitled2() {
  Append(NewMenu("UntitledMenu0", "Edit"));
  const char* edit = "UntitledMenu0";
  AddItem(edit, std::make_shared<MenuItem>(), "EditUndo", false, "Undo", "Cmd+Z");
  AddItem(edit, std::make_shared<MenuItem>(), "UntitledMenu1", false, "-", nullptr);
  AddItem(edit, std::make_shared<MenuItem>(), "EditCut", false, "Cut", "Cmd+X");
  AddItem(edit, std::make_shared<MenuItem>(), "EditCopy", false, "Copy", "Cmd+C");
  AddItem(edit, std::make_shared<MenuItem>(), "EditPaste", false, "Paste", "Cmd+V");
  AddItem(edit, std::make_shared<MenuItem>(), "EditClear", false, "Clear", "");
}

void Menu::Untitled3() {
  Append(NewMenu("Tools", "Tools"));
  AddItem("Tools", std::make_shared<MenuItem>(), "ToolsSample", false, "Histogram...", "");
  AddItem("Tools", std::make_shared<MenuItem>(), "ToolsScatterplot", false, "Scatterplot...", "");
  AddItem("Tools", std::make_shared<MenuItem>(), "ToolsTellthetruth", false, "Tell the truth...",
          "");
  AddItem("Tools", std::make_shared<AppMenuItem>(), "AppAboutMyApplication", false,
          "About Quellmoor...", "");
}

std::shared_ptr<AppMenuItem> AppAboutMyApplication() {
  auto item = std::dynamic_pointer_cast<AppMenuItem>(ApplicationMenuItem("AppAboutMyApplication"));
  if (!item) throw NilObjectException("AppAboutMyApplication is not an AppMenuItem");
  return item;
}
std::shared_ptr<MenuItem> ToolsTellthetruth() {
  return ApplicationMenuItem("ToolsTellthetruth");
}
std::shared_ptr<MenuItem> ToolsScatterplot() {
  return ApplicationMenuItem("ToolsScatterplot");
}
std::shared_ptr<MenuItem> ToolsSample() {
  return ApplicationMenuItem("ToolsSample");
}
std::shared_ptr<MenuItem> FileReset() {
  return ApplicationMenuItem("FileReset");
}
