#include "resources/pictures/Cover.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "resources/pictures/Ladybug.h"

namespace Cover {
namespace {
// The ladybug on the cover carries six dots, three on each wing case.
constexpr int kCoverDots = 6;

// A leaf 150 long around the origin, its tip up and to the right.
void DrawLeaf(QPainter& p) {
  p.save();
  p.rotate(-35);
  QPainterPath leaf(QPointF(-75, 0));
  leaf.cubicTo(-45, -46, 38, -50, 75, 0);
  leaf.cubicTo(38, 50, -45, 46, -75, 0);
  QLinearGradient green(QPointF(0, -40), QPointF(0, 40));
  green.setColorAt(0, QColor(140, 198, 80));
  green.setColorAt(1, QColor(58, 130, 46));
  p.setPen(QPen(QColor(44, 100, 38), 1.3));
  p.setBrush(green);
  p.drawPath(leaf);
  // The stalk, then the midrib and the side veins within the leaf.
  p.setPen(QPen(QColor(198, 230, 146), 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(-86, 0), QPointF(-75, 0));
  p.setClipPath(leaf);
  p.drawLine(QPointF(-75, 0), QPointF(66, 0));
  p.setPen(QPen(QColor(176, 216, 124), 1.1, Qt::SolidLine, Qt::RoundCap));
  for (double x : {-50.0, -28.0, -6.0, 16.0, 38.0}) {
    for (int side : {-1, 1}) {
      QPainterPath vein(QPointF(x, 0));
      vein.quadTo(x + 12, side * 14, x + 24, side * 27);
      p.drawPath(vein);
    }
  }
  p.restore();
}

// Leaf and ladybug around the origin; at leaf size 1 about 150 across.
void DrawScene(QPainter& p, double leafSize) {
  p.save();
  p.scale(leafSize, leafSize);
  DrawLeaf(p);
  p.restore();
  p.save();
  p.translate(0, 8);
  p.rotate(28);
  Ladybug::Draw(p, kCoverDots);
  p.restore();
}
}  // namespace

void Draw(QPainter& painter) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  // The build machine's font (quellmoor.sh installs it); another serif stands in without it.
  QFont font("DejaVu Serif");
  font.setStyleHint(QFont::Serif);
  font.setBold(true);
  font.setPixelSize(25);
  painter.setFont(font);
  painter.setPen(QColor(40, 96, 44));
  painter.drawText(QRectF(0, 6, kWidth, 34), Qt::AlignCenter, "Quellmoor");
  painter.setPen(QPen(QColor(214, 40, 30), 1.6, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(42, 42), QPointF(kWidth - 42, 42));

  // A pale sunny disc behind the leaf.
  const QPointF middle(kWidth / 2.0, 120);
  QRadialGradient sun(middle, 76);
  sun.setColorAt(0, QColor(255, 246, 200));
  sun.setColorAt(0.8, QColor(255, 250, 228));
  sun.setColorAt(1, QColor(255, 255, 255));
  painter.setPen(Qt::NoPen);
  painter.setBrush(sun);
  painter.drawEllipse(middle, 76, 76);

  painter.translate(middle);
  painter.scale(0.92, 0.92);
  DrawScene(painter, 1);
  painter.restore();
}

void DrawIcon(QPainter& painter, int size) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(size / 2.0, size / 2.0);
  // The ladybug fills the icon; the leaf behind it is smaller than on the cover.
  painter.scale(size / 104.0, size / 104.0);
  painter.translate(-2, 2);
  DrawScene(painter, 0.66);
  painter.restore();
}
}  // namespace Cover
