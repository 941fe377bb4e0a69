#include "framework/EditField.h"

#include <QFont>
#include <QLineEdit>

#include "framework/QtSupport.h"

EditField::EditField(const ControlSpec& desc) : RectControl(desc, new QLineEdit) {
  auto* edit = static_cast<QLineEdit*>(Widget());
  QFont font = edit->font();
  font.setPixelSize(desc.textSize > 0 ? desc.textSize : 12);
  edit->setFont(font);
  edit->setFrame(desc.border);
  edit->setText(ToQ(desc.text));
}

std::string EditField::Text() const {
  return FromQ(static_cast<QLineEdit*>(Widget())->text());
}

void EditField::Text(const std::string& text) {
  static_cast<QLineEdit*>(Widget())->setText(ToQ(text));
}
