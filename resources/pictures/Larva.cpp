#include "resources/pictures/Larva.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace Larva {
namespace {
constexpr double kAxis = kHeight / 2.0;

// The segments from the head back: centre along the body, half length, half width.
struct Segment {
  double x;
  double halfLength;
  double halfWidth;
};
constexpr std::array<Segment, 11> kSegments{{
    {17, 4.5, 9.5},  // the three segments that carry the legs
    {25, 4.5, 11.5},
    {33, 4.5, 12.5},
    {40.5, 4, 13},  // the abdomen, narrowing to the tail
    {47.5, 4, 12.5},
    {54, 3.8, 11.5},
    {60, 3.5, 10.2},
    {65.5, 3.2, 8.8},
    {70.5, 3, 7.2},
    {75, 2.8, 5.6},
    {79.5, 3, 4},
}};
// The segments whose sides carry orange spots (indices into kSegments).
constexpr std::array<std::size_t, 3> kSpotted{0, 3, 6};

const QColor kDark(44, 46, 56);
const QColor kDarker(22, 22, 28);
const QColor kOrange(246, 138, 30);

void DrawLegs(QPainter& p) {
  p.setPen(QPen(kDarker, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  // For the upper side, from the body out to the foot; the lower side mirrors it. The feet
  // stay two pixels inside the picture's top and bottom edges.
  const std::array<std::array<QPointF, 3>, 3> legs{{
      {QPointF(17, 7), QPointF(13, 16.5), QPointF(6, 21.5)},
      {QPointF(25, 9), QPointF(24, 18), QPointF(19, 22)},
      {QPointF(33, 10), QPointF(36, 18), QPointF(34, 22.5)},
  }};
  for (int side : {-1, 1}) {
    for (const auto& leg : legs) {
      QPainterPath path(QPointF(leg[0].x(), kAxis + side * leg[0].y()));
      for (int i = 1; i < 3; ++i) path.lineTo(leg[i].x(), kAxis + side * leg[i].y());
      p.drawPath(path);
    }
  }
}

void DrawSegments(QPainter& p) {
  // From the tail forward, so that each segment lies over the one behind it.
  for (auto it = kSegments.rbegin(); it != kSegments.rend(); ++it) {
    const QRectF box(it->x - it->halfLength - 1, kAxis - it->halfWidth, 2 * it->halfLength + 2,
                     2 * it->halfWidth);
    QLinearGradient shade(box.topLeft(), box.bottomLeft());
    shade.setColorAt(0, QColor(78, 80, 92));
    shade.setColorAt(0.45, kDark);
    shade.setColorAt(1, kDarker);
    p.setPen(QPen(kDarker, 0.9));
    p.setBrush(shade);
    p.drawRoundedRect(box, it->halfLength, it->halfWidth * 0.8);
  }
  // Rows of small bristly bumps along the back and the sides.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(14, 14, 18));
  for (std::size_t i = 1; i < kSegments.size() - 1; ++i) {
    const Segment& s = kSegments[i];
    for (int side : {-1, 1}) {
      p.drawEllipse(QPointF(s.x, kAxis + side * 0.3 * s.halfWidth), 1.2, 1.2);
      p.drawEllipse(QPointF(s.x, kAxis + side * (s.halfWidth + 0.4)), 1.5, 1.5);
    }
  }
  p.setBrush(kOrange);
  for (std::size_t i : kSpotted) {
    const Segment& s = kSegments[i];
    for (int side : {-1, 1})
      p.drawEllipse(QPointF(s.x, kAxis + side * s.halfWidth * 0.62), s.halfLength * 0.8,
                    s.halfWidth * 0.3);
  }
}

void DrawHead(QPainter& p) {
  p.setPen(QPen(kDarker, 1, Qt::SolidLine, Qt::RoundCap));
  for (int side : {-1, 1}) p.drawLine(QPointF(6, kAxis + side * 3), QPointF(2, kAxis + side * 5.5));
  p.setBrush(kDarker);
  p.drawEllipse(QPointF(9, kAxis), 5, 5.5);
}
}  // namespace

void Draw(QPainter& painter) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  DrawLegs(painter);
  DrawSegments(painter);
  DrawHead(painter);
  painter.restore();
}
}  // namespace Larva
