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

QLabel* MakeLabel(const ControlSpec& spec) {
  auto* label = new QLabel;
  QFont font = label->font();
  font.setPixelSize(spec.textSize > 0 ? spec.textSize : 12);
  label->setFont(font);
  label->setAlignment(AlignmentOf(spec.alignment));
  label->setWordWrap(spec.multiline);
  label->setTextFormat(Qt::PlainText);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, ToQ(spec.textColor));
  label->setPalette(pal);
  // Presses on a label belong to the window.
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}
}  // namespace

StaticText::StaticText(const ControlSpec& spec) : RectControl(spec, MakeLabel(spec)) {
  Text(spec.text);
}

void StaticText::Text(const std::string& text) {
  text_ = text;
  static_cast<QLabel*>(Widget())->setText(DisplayText(text));
}
