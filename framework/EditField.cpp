#include "framework/EditField.h"

#include <QFont>
#include <QLineEdit>

#include "framework/QtSupport.h"

EditField::EditField(const ControlSpec& spec) : RectControl(spec, new QLineEdit) {
  auto* edit = static_cast<QLineEdit*>(Widget());
  QFont font = edit->font();
  font.setPixelSize(spec.textSize > 0 ? spec.textSize : 12);
  edit->setFont(font);
  edit->setFrame(spec.border);
  edit->setText(ToQ(spec.text));
}

std::string EditField::Text() const {
  return FromQ(static_cast<QLineEdit*>(Widget())->text());
}

void EditField::Text(const std::string& text) {
  static_cast<QLineEdit*>(Widget())->setText(ToQ(text));
}
