#include "framework/StaticText.h"

#include <QFont>
#include <QLabel>

#include "framework/QtSupport.h"

namespace {
Qt::Alignment AlignmentOf(Int32 code) {
  switch (code) {
    case 1:
      return Qt::AlignHCenter | Qt::AlignTop;
    case 2:
      return Qt::AlignRight | Qt::AlignTop;
    default:
      return Qt::AlignLeft | Qt::AlignTop;
  }
}

QLabel* MakeLabel(const ControlSpec& desc) {
  auto* label = new QLabel;
  QFont font = label->font();
  font.setPixelSize(desc.textSize > 0 ? desc.textSize : 12);
  label->setFont(font);
  label->setAlignment(AlignmentOf(desc.alignment));
  label->setWordWrap(desc.multiline);
  label->setTextFormat(Qt::PlainText);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, ToQ(desc.textColor));
  label->setPalette(pal);
  // Presses on a label belong to the window.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}
}  // namespace

StaticText::StaticText(const ControlSpec& desc) : RectControl(desc, MakeLabel(desc)) {
  Text(desc.text);
}

void StaticText::Text(const std::string& text) {
  text_ = text;
  static_cast<QLabel*>(Widget())->setText(DisplayText(text));
}
