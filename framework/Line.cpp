#include "framework/Line.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

#include "framework/QtSupport_p.h"

namespace {
class LineWidget : public QWidget {
 public:
  explicit LineWidget(Line& line) : line_(line) { setAttribute(Qt::WA_TransparentForMouseEvents); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QPen pen(ToQ(line_.LineColor()));
    pen.setWidth(std::max(line_.BorderWidth(), 1));
    p.setPen(pen);
    const QPoint origin = pos();
    p.drawLine(QPoint(line_.X1(), line_.Y1()) - origin, QPoint(line_.X2(), line_.Y2()) - origin);
  }

 private:
  Line& line_;
};
}  // namespace

Line::Line(const ControlSpec& desc)
    : RectControl(desc, new LineWidget(*this)),
      color_(desc.borderColor),
      lineWidth_(std::max(desc.borderWidth, 1)) {
  PlaceWidget();
}

// The widget covers the pixels the line touches: its end points included.
void Line::PlaceWidget() {
  const Int32 x0 = std::min(X1(), X2()), y0 = std::min(Y1(), Y2());
  const Int32 w = std::abs(X2() - X1()) + 1, h = std::abs(Y2() - Y1()) + 1;
  Widget()->setGeometry(x0, y0, w, h);
}
