#include "framework/PopupMenu.h"

#include <QComboBox>
#include <QFont>

#include "framework/QtSupport_p.h"

PopupMenu::PopupMenu(const ControlSpec& desc) : RectControl(desc, new QComboBox) {
  auto* combo = static_cast<QComboBox*>(Widget());
  QFont font = combo->font();
  font.setPixelSize(desc.textSize > 0 ? desc.textSize : 12);
  combo->setFont(font);
  for (const auto& row : desc.rows) combo->addItem(ToQ(row));
  ListIndex(desc.listIndex);
}

Int32 PopupMenu::ListIndex() const {
  return static_cast<QComboBox*>(Widget())->currentIndex();
}

void PopupMenu::ListIndex(Int32 row) {
  if (row < 0 || row >= ListCount()) return;
  static_cast<QComboBox*>(Widget())->setCurrentIndex(row);
}

Int32 PopupMenu::ListCount() const {
  return static_cast<QComboBox*>(Widget())->count();
}

std::string PopupMenu::List(Int32 row) const {
  return FromQ(static_cast<QComboBox*>(Widget())->itemText(row));
}

void PopupMenu::AddRow(const std::string& text) {
  static_cast<QComboBox*>(Widget())->addItem(ToQ(text));
}
