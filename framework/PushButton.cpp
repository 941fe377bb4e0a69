#include "framework/PushButton.h"

#include <QFont>
#include <QPushButton>

#include "framework/QtSupport_p.h"
#include "framework/Runtime.h"

PushButton::PushButton(const ControlSpec& desc)
    : RectControl(desc, new QPushButton), default_(desc.isDefault) {
  auto* button = static_cast<QPushButton*>(Widget());
  QFont font = button->font();
  font.setPixelSize(desc.textSize > 0 ? desc.textSize : 12);
  button->setFont(font);
  button->setDefault(default_);
  Caption(desc.text);
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
