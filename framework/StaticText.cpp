#include "framework/StaticText.h"

#include <QFont>
#include <QLabel>
#include <QResizeEvent>

#include <algorithm>

#include "framework/QtSupport_p.h"

namespace {
Qt::Alignment AlignmentOf(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::Centre:
      return Qt::AlignHCenter | Qt::AlignTop;
    case TextAlignment::Right:
      return Qt::AlignRight | Qt::AlignTop;
    case TextAlignment::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignTop;
}

// A label that can show a long one-line text with its middle cut out, as file paths are shown
// on this desktop, rather than cut off at its end; the text then also stays clear of a control
// laid over the label's right end.
class LabelWidget : public QLabel {
 public:
  explicit LabelWidget(bool elideMiddle) : elideMiddle_(elideMiddle) {}
  void SetFullText(const QString& text) {
    full_ = text;
    Refresh();
  }

 protected:
  void resizeEvent(QResizeEvent* e) override {
    QLabel::resizeEvent(e);
    Refresh();
  }
  void showEvent(QShowEvent* e) override {
    QLabel::showEvent(e);
    Refresh();
  }

 private:
  void Refresh() {
    setText(elideMiddle_ ? fontMetrics().elidedText(full_, Qt::ElideMiddle, ClearWidth()) : full_);
  }
  // The width left of the first control stacked above the label that covers part of it.
  int ClearWidth() const {
    int clear = width();
    QWidget* parent = parentWidget();
    if (!parent) return clear;
    const QList<QWidget*> siblings = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    bool above = false;
    for (QWidget* w : siblings) {
      if (w == this) {
        above = true;
        continue;
      }
      if (!above || w->isHidden() || !w->geometry().intersects(geometry())) continue;
      if (w->x() > x()) clear = std::min(clear, w->x() - x() - 4);
    }
    return std::max(clear, 0);
  }
  bool elideMiddle_;
  QString full_;
};

LabelWidget* MakeLabel(const ControlSpec& desc) {
  auto* label = new LabelWidget(desc.elideMiddle && !desc.multiline);
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
  static_cast<LabelWidget*>(Widget())->SetFullText(DisplayText(text));
}
