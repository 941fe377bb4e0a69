#include "framework/Rectangle.h"

#include <QPainter>
#include <QWidget>

#include "framework/QtSupport_p.h"

namespace {
class RectangleWidget : public QWidget {
 public:
  explicit RectangleWidget(Rectangle& rect) : rect_(rect) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), ToQ(rect_.FillColor()));
    const int bw = rect_.BorderWidth();
    if (bw <= 0) return;
    const QColor c = ToQ(rect_.BorderColor());
    p.fillRect(0, 0, width(), bw, c);
    p.fillRect(0, height() - bw, width(), bw, c);
    p.fillRect(0, 0, bw, height(), c);
    p.fillRect(width() - bw, 0, bw, height(), c);
  }

 private:
  Rectangle& rect_;
};
}  // namespace

Rectangle::Rectangle(const ControlSpec& desc)
    : RectControl(desc, new RectangleWidget(*this)),
      fill_(desc.fillColor),
      borderWidth_(desc.borderWidth),
      borderColor_(desc.borderColor) {}

void Rectangle::FillColor(Color c) {
  fill_ = c;
  Widget()->update();
}
void Rectangle::BorderWidth(Int32 w) {
  borderWidth_ = w;
  Widget()->update();
}
void Rectangle::BorderColor(Color c) {
  borderColor_ = c;
  Widget()->update();
}
