#include "framework/MenuBar.h"

#include <QMenu>
#include <QMenuBar>

QMenuBar* MenuBar::MakeBarWidget() {
  auto* bar = new QMenuBar;
  bar->setNativeMenuBar(false);
  for (const auto& menu : Children()) bar->addMenu(menu->Menu());
  return bar;
}
