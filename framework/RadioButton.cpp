#include "framework/RadioButton.h"

#include <QFont>
#include <QRadioButton>

#include "framework/QtSupport.h"

// Radio buttons that share a parent widget are exclusive in Qt; every radio button of a
// window sits on the window's content widget, so the window's buttons form one group.
RadioButton::RadioButton(const ControlSpec& spec) : RectControl(spec, new QRadioButton) {
  auto* radio = static_cast<QRadioButton*>(Widget());
  QFont font = radio->font();
  font.setPixelSize(spec.textSize > 0 ? spec.textSize : 12);
  radio->setFont(font);
  radio->setText(ToQ(spec.text));
  radio->setChecked(spec.value);
}

bool RadioButton::Value() const {
  return static_cast<QRadioButton*>(Widget())->isChecked();
}

void RadioButton::Value(bool on) {
  static_cast<QRadioButton*>(Widget())->setChecked(on);
}

void RadioButton::AttachToWindow(Window& window) {
  const bool on = Value();
  RectControl::AttachToWindow(window);
  if (on) Value(true);
}
