#include "framework/MenuBar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "framework/Application.h"
#include "framework/Runtime.h"

MenuBar::MenuBar() = default;

MenuBar::~MenuBar() {
  delete help_;
}

QMenuBar* MenuBar::MakeBarWidget() {
  GatherApplicationItems(*this);
  auto* bar = new QMenuBar;
  bar->setNativeMenuBar(false);
  for (const auto& menu : Children()) bar->addMenu(menu->Menu());
  if (help_) bar->addMenu(help_);
  return bar;
}

// Moves each application-menu item's entry from its parent's menu into the Help menu; an
// item already moved stays where it is.
void MenuBar::GatherApplicationItems(MenuItem& menu) {
  for (const auto& item : menu.Children()) {
    if (!item->IsApplicationMenuItem()) {
      GatherApplicationItems(*item);
      continue;
    }
    if (!help_) {
      help_ = new QMenu(QStringLiteral("Help"));
      QObject::connect(help_, &QMenu::aboutToShow,
                       [] { Runtime::Dispatch([] { EnableMenuItems(); }); });
    }
    QAction* entry = item->Action();
    if (help_->actions().contains(entry)) continue;
    if (&menu != this) menu.Menu()->removeAction(entry);
    help_->addAction(entry);
  }
}
