#include "tests/support/AppTestHelpers.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include "framework/MenuBar.h"
#include "framework/QtSupport_p.h"
#include "framework/Window.h"

namespace {
QMenuBar* BarOf(Window& window) {
  return window.Widget() ? window.Widget()->findChild<QMenuBar*>() : nullptr;
}

QMenu* MenuTitled(QMenuBar& bar, const QString& title) {
  for (QAction* action : bar.actions()) {
    if (action->menu() && action->text() == title) return action->menu();
  }
  return nullptr;
}
}  // namespace

namespace AppTestHelpers {
bool ShowsMenuBar(Window& window, MenuBar& bar) {
  QMenuBar* shown = BarOf(window);
  if (!shown) return false;
  QList<QMenu*> expected;
  for (const auto& menu : bar.Children()) expected << menu->Menu();
  if (bar.HelpMenu()) expected << bar.HelpMenu();
  QList<QMenu*> menus;
  for (QAction* action : shown->actions()) menus << action->menu();
  return menus == expected;
}

bool ChooseFromMenuBar(Window& window, const std::string& menuTitle, const std::string& itemText) {
  QMenuBar* bar = BarOf(window);
  QMenu* menu = bar ? MenuTitled(*bar, ToQ(menuTitle)) : nullptr;
  if (!menu) return false;
  // Opening the menu brings its items up to date, as it does for a user.
  menu->popup(bar->mapToGlobal(QPoint(0, bar->height())));
  QCoreApplication::processEvents();
  QAction* item = nullptr;
  for (QAction* action : menu->actions()) {
    if (!action->isSeparator() && action->text() == ToQ(itemText)) item = action;
  }
  if (!item || !item->isEnabled()) {
    menu->hide();
    QCoreApplication::processEvents();
    return false;
  }
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
  QCoreApplication::processEvents();
  return true;
}
}  // namespace AppTestHelpers
