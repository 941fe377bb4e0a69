#include "framework/PushButton.h"

#include <QFont>
#include <QPushButton>

#include "framework/QtSupport.h"
#include "framework/Runtime.h"

PushButton::PushButton(const ControlSpec& spec)
    : RectControl(spec, new QPushButton), default_(spec.isDefault) {
  auto* button = static_cast<QPushButton*>(Widget());
  QFont font = button->font();
  font.setPixelSize(spec.textSize > 0 ? spec.textSize : 12);
  button->setFont(font);
  button->setDefault(default_);
  Caption(spec.text);
  QObject::connect(button, &QPushButton::clicked, [this] {
    Runtime::Dispatch([this] {
      if (onAction) onAction();
    });
  });
}

void PushButton::Caption(const std::string& caption) {
  caption_ = caption;
  static_cast<QPushButton*>(Widget())->setText(ToQ(caption));
}

void PushButton::Push() {
  if (!Enabled() || !Visible()) return;
  if (onAction) onAction();
}
