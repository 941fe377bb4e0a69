#include "framework/RadioButton.h"

#include <QFont>
#include <QRadioButton>

#include "framework/QtSupport_p.h"
#include "framework/Window.h"

// Radio buttons that share a parent widget are exclusive in Qt; every radio button of a
// window sits on the window's content widget, so the window's buttons form one group.
RadioButton::RadioButton(const ControlSpec& desc) : RectControl(desc, new QRadioButton) {
  auto* radio = static_cast<QRadioButton*>(Widget());
  QFont font = radio->font();
  font.setPixelSize(desc.textSize > 0 ? desc.textSize : 12);
  radio->setFont(font);
  radio->setText(ToQ(desc.text));
  radio->setChecked(desc.value);
}

std::string RadioButton::Caption() const {
  return FromQ(static_cast<QRadioButton*>(Widget())->text());
}

bool RadioButton::Value() const {
  return static_cast<QRadioButton*>(Widget())->isChecked();
}

void RadioButton::Value(bool on) {
  static_cast<QRadioButton*>(Widget())->setChecked(on);
}

void RadioButton::AttachToWindow(Window& window) {
  auto* radio = static_cast<QRadioButton*>(Widget());
  const bool on = radio->isChecked();
  // Qt leaves a checked button that joins a checked sibling checked too; it is turned on only
  // once it has joined, which turns the sibling off. The first button of a window starts on,
  // so that one is on even when the layout marks none.
  radio->setAutoExclusive(false);
  radio->setChecked(false);
  radio->setAutoExclusive(true);
  RectControl::AttachToWindow(window);
  bool siblingOn = false;
  for (auto* sibling : window.Content()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
    siblingOn = siblingOn || sibling->isChecked();
  if (on || !siblingOn) radio->setChecked(true);
}
