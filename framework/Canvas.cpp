#include "framework/Canvas.h"

#include <QPainter>
#include <QWidget>

#include "framework/QtSupport_p.h"

namespace {
class CanvasWidget : public QWidget {
 public:
  explicit CanvasWidget(Canvas& canvas) : canvas_(canvas) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!canvas_.Backdrop()) return;
    QPainter p(this);
    p.drawImage(0, 0, ShownImage(*canvas_.Backdrop()));
  }

 private:
  Canvas& canvas_;
};
}  // namespace

Canvas::Canvas(const ControlSpec& desc) : RectControl(desc, new CanvasWidget(*this)) {}

void Canvas::Backdrop(PicturePtr picture) {
  backdrop_ = std::move(picture);
  Widget()->update();
}
