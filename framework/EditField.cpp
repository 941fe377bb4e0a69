#include "framework/EditField.h"

#include <QFont>
#include <QLineEdit>
#include <QPalette>

#include "framework/QtSupport_p.h"
#include "framework/Window.h"

EditField::EditField(const ControlSpec& desc) : RectControl(desc, new QLineEdit) {
  auto* edit = static_cast<QLineEdit*>(Widget());
  QFont font = edit->font();
  font.setPixelSize(desc.textSize > 0 ? desc.textSize : 12);
  edit->setFont(font);
  edit->setFrame(desc.border);
  // Its own colours, whatever the desktop's theme.
  QPalette pal = edit->palette();
  pal.setColor(QPalette::Text, ToQ(desc.textColor));
  pal.setColor(QPalette::Base, ToQ(desc.fillColor));
  edit->setPalette(pal);
  edit->setText(ToQ(desc.text));
}

std::string EditField::Text() const {
  return FromQ(static_cast<QLineEdit*>(Widget())->text());
}

void EditField::Text(const std::string& text) {
  static_cast<QLineEdit*>(Widget())->setText(ToQ(text));
}

void EditField::AttachToWindow(Window& window) {
  RectControl::AttachToWindow(window);
  // The window is not on screen yet: this names the widget that gets the focus when it is.
  if (!window.Widget()->focusWidget() && Enabled() && Visible()) Widget()->setFocus();
}
