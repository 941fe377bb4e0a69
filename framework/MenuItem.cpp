#include "framework/MenuItem.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>

#include "framework/Application.h"
#include "framework/QtSupport_p.h"
#include "framework/Runtime.h"

MenuItem::MenuItem() : action_(new QAction) {
  QObject::connect(action_, &QAction::triggered,
                   [this] { Runtime::Dispatch([this] { Choose(); }); });
  SyncAction();
}

MenuItem::~MenuItem() {
  delete menu_;
  delete action_;
}

void MenuItem::Text(const std::string& text) {
  text_ = text;
  // A separator draws no text: the style would draw a separator's text as a heading.
  action_->setText(IsSeparator() ? QString() : ToQ(text));
  action_->setSeparator(IsSeparator());
  if (menu_) menu_->setTitle(ToQ(text));
}

void MenuItem::KeyboardShortcut(const std::string& shortcut) {
  shortcut_ = shortcut;
  QString keys = ToQ(shortcut);
  keys.replace(QLatin1String("Cmd"), QLatin1String("Ctrl"));
  action_->setShortcut(QKeySequence(keys));
  action_->setShortcutContext(Qt::ApplicationShortcut);
}

void MenuItem::AutoEnable(bool v) {
  autoEnable_ = v;
  SyncAction();
}

void MenuItem::Enabled(bool v) {
  enabled_ = v;
  SyncAction();
}

void MenuItem::SyncAction() {
  action_->setEnabled(autoEnable_ || enabled_);
  if (menu_) menu_->menuAction()->setEnabled(true);
}

void MenuItem::Append(std::shared_ptr<MenuItem> item) {
  if (!item) return;
  QMenu* menu = Menu();
  item->parent_ = this;
  children_.push_back(item);
  menu->addAction(item->EntryAction());
}

QAction* MenuItem::EntryAction() const {
  return menu_ ? menu_->menuAction() : action_;
}

QMenu* MenuItem::Menu() {
  if (!menu_) {
    menu_ = new QMenu(ToQ(text_));
    for (const auto& child : children_) menu_->addAction(child->EntryAction());
    // Items are brought up to date just before their menu opens.
    QObject::connect(menu_, &QMenu::aboutToShow,
                     [] { Runtime::Dispatch([] { EnableMenuItems(); }); });
    // An item that becomes a menu after joining its parent's menu turns into a sub-menu there.
    if (parent_ && parent_->menu_) {
      parent_->menu_->insertAction(action_, menu_->menuAction());
      parent_->menu_->removeAction(action_);
    }
  }
  return menu_;
}

std::shared_ptr<MenuItem> MenuItem::Child(const std::string& name) const {
  for (const auto& c : children_) {
    if (c->name_ == name) return c;
  }
  return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(const std::string& name) {
  if (name_ == name) return shared_from_this();
  for (const auto& c : children_) {
    if (auto found = c->Lookup(name)) return found;
  }
  return nullptr;
}

void MenuItem::Choose() {
  if (!(autoEnable_ || enabled_) || IsSeparator()) return;
  // A window opened now would stand behind the dialog, which blocks it.
  if (QApplication::activeModalWidget() && !WorksBehindModalDialog()) return;
  Perform();
}

std::vector<QAction*> MenuItem::ShortcutActions(bool behindModalDialog) {
  std::vector<QAction*> actions;
  for (const auto& child : children_) {
    if (!child->shortcut_.empty() && !child->IsSeparator() &&
        (!behindModalDialog || child->WorksBehindModalDialog()))
      actions.push_back(child->action_);
    const std::vector<QAction*> below = child->ShortcutActions(behindModalDialog);
    actions.insert(actions.end(), below.begin(), below.end());
  }
  return actions;
}

void MenuItem::Perform() {
  if (Application* app = Application::Instance()) app->HandleMenuCommand(name_);
}
