#pragma once

#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;

// A menu item, or a menu when items are appended to it. Text "-" makes a separator.
// KeyboardShortcut names the command key and a key, as "Cmd+Q"; the command key is Ctrl
// on this platform. An item with AutoEnable True is always enabled; one with AutoEnable
// False is enabled only by code. A disabled item's shortcut does nothing.
class MenuItem : public std::enable_shared_from_this<MenuItem> {
 public:
  MenuItem();
  virtual ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  void Name(const std::string& name) { name_ = name; }
  const std::string& Text() const { return text_; }
  void Text(const std::string& text);
  const std::string& KeyboardShortcut() const { return shortcut_; }
  void KeyboardShortcut(const std::string& shortcut);
  bool AutoEnable() const { return autoEnable_; }
  void AutoEnable(bool v);
  bool Enabled() const { return autoEnable_ || enabled_; }
  void Enabled(bool v);

  void Append(std::shared_ptr<MenuItem> item);
  const std::vector<std::shared_ptr<MenuItem>>& Children() const { return children_; }
  // The direct child of that name, or null.
  std::shared_ptr<MenuItem> Child(const std::string& name) const;
  // The item of that name anywhere below this one (this one included), or null.
  std::shared_ptr<MenuItem> Lookup(const std::string& name);
  MenuItem* Parent() const { return parent_; }

  // Carries the item out as a choice in the menu would: nothing when it is disabled, and
  // nothing while a modal dialog is up unless the item still makes sense behind one.
  void Choose();
  // True for the items whose command still makes sense while a modal dialog blocks the
  // program's other windows (Quit); their shortcuts work from the dialog too.
  virtual bool WorksBehindModalDialog() const { return false; }
  // True for the item that belongs in the application's own menu (About).
  virtual bool IsApplicationMenuItem() const { return false; }
  // The actions of the items below this one that have a keyboard shortcut; only those that
  // work behind a modal dialog when `behindModalDialog`.
  std::vector<QAction*> ShortcutActions(bool behindModalDialog);

  bool IsSeparator() const { return text_ == "-"; }
  // Framework use.
  QAction* Action() const { return action_; }
  QMenu* Menu();

 protected:
  // What choosing the item does: by default the application's handler bound to the name.
  virtual void Perform();

 private:
  void SyncAction();
  // What stands for the item in its parent's menu: its sub-menu once it has one.
  QAction* EntryAction() const;
  std::string name_, text_, shortcut_;
  bool autoEnable_ = false;
  bool enabled_ = false;
  std::vector<std::shared_ptr<MenuItem>> children_;
  MenuItem* parent_ = nullptr;
  QAction* action_ = nullptr;
  QMenu* menu_ = nullptr;
};
