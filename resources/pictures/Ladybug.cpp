#include "resources/pictures/Ladybug.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace Ladybug {
namespace {
// The body, its centre at the origin.
constexpr double kHalfWidth = 30;
constexpr double kHalfLength = 32;
// The black shield between head and wing cases, an ellipse over the body's front.
constexpr QPointF kShieldCentre{0, -28};
constexpr double kShieldHalfWidth = 19;
constexpr double kShieldHalfLength = 10;
// Red that must stay between a dot and anything else dark, so that every dot stands alone.
constexpr double kClearance = 3;

// One dot on the right wing case (x > 0); a mirrored dot has its twin on the left one.
struct Dot {
  double x;
  double y;
  bool mirrored;
};
constexpr Dot Pair(double x, double y) {
  return {x, y, true};
}
constexpr Dot One(double x, double y) {
  return {x, y, false};
}

struct Layout {
  double radius;
  std::vector<Dot> dots;
};

// Where the dots sit, by their count. Fewer dots are larger, as on real ladybugs. An odd count
// cannot be mirrored without a dot on the line between the wing cases, so its odd dot sits on
// the right wing case alone. Coordinates: x across from the midline, y from the body's centre
// toward the tail.
const std::array<Layout, kMostDots + 1>& Layouts() {
  static const std::array<Layout, kMostDots + 1> layouts{{
      /* 0 */ {0, {}},
      /* 1 */ {6.5, {One(14, 2)}},
      /* 2 */ {6.5, {Pair(14, 2)}},
      /* 3 */ {5.5, {Pair(12, -6), One(15, 11)}},
      /* 4 */ {5.5, {Pair(12, -6), Pair(15, 11)}},
      /* 5 */ {5, {Pair(10, -8), Pair(11, 12), One(20, 2)}},
      /* 6 */ {5, {Pair(10, -8), Pair(20, 2), Pair(11, 12)}},
      /* 7 */ {4.5, {Pair(9, -9), Pair(10, 5), Pair(16, 16), One(20, -3)}},
      /* 8 */ {4.5, {Pair(9, -9), Pair(20, -3), Pair(10, 5), Pair(16, 16)}},
      /* 9 */
      {4.2, {Pair(8.5, -9.5), Pair(19, -5), Pair(10, 2.5), Pair(12, 15.5), One(21, 7)}},
      /* 10 */
      {4.2, {Pair(8.5, -9.5), Pair(19, -5), Pair(10, 2.5), Pair(21, 7), Pair(12, 15.5)}},
      /* 11 */
      {3.8,
       {Pair(8, -11), Pair(19, -9), Pair(8, 1), Pair(19.5, 3.5), Pair(7.5, 13), One(18, 14.5)}},
      /* 12 */
      {3.8,
       {Pair(8, -11), Pair(19, -9), Pair(8, 1), Pair(19.5, 3.5), Pair(7.5, 13), Pair(18, 14.5)}},
      /* 13 */
      {3.6,
       {Pair(7.5, -11), Pair(18.5, -10), Pair(7.5, -0.5), Pair(19, 0.5), Pair(7.5, 10),
        Pair(18, 11), One(8, 20.5)}},
      /* 14 */
      {3.6,
       {Pair(7.5, -11), Pair(18.5, -10), Pair(7.5, -0.5), Pair(19, 0.5), Pair(7.5, 10),
        Pair(18, 11), Pair(8, 20.5)}},
  }};
  return layouts;
}

std::vector<QPointF> Centres(const Layout& layout) {
  std::vector<QPointF> centres;
  for (const Dot& dot : layout.dots) {
    centres.emplace_back(dot.x, dot.y);
    if (dot.mirrored) centres.emplace_back(-dot.x, dot.y);
  }
  return centres;
}

// How far a point lies outside an ellipse, in units of its half axes: below 1 is inside.
double EllipseMeasure(QPointF p, QPointF centre, double halfWidth, double halfLength) {
  const double dx = (p.x() - centre.x()) / halfWidth, dy = (p.y() - centre.y()) / halfLength;
  return std::sqrt(dx * dx + dy * dy);
}

const QColor kInk(24, 18, 18);

void DrawLegsAndFeelers(QPainter& p) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kInk, 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  // Each leg from under the body out to its foot, for the right side; the left mirrors it.
  const std::array<std::array<QPointF, 3>, 3> legs{{
      {QPointF(21, -15), QPointF(30, -19), QPointF(31.5, -25)},
      {QPointF(25, 0), QPointF(32, 2), QPointF(32.2, 8)},
      {QPointF(21, 14), QPointF(29.5, 18), QPointF(30, 24.5)},
  }};
  for (int side : {1, -1}) {
    for (const auto& leg : legs) {
      QPainterPath path(QPointF(side * leg[0].x(), leg[0].y()));
      for (int i = 1; i < 3; ++i) path.lineTo(side * leg[i].x(), leg[i].y());
      p.drawPath(path);
    }
  }
  p.setPen(QPen(kInk, 1.1, Qt::SolidLine, Qt::RoundCap));
  for (int side : {1, -1}) {
    QPainterPath feeler(QPointF(side * 4, -41));
    feeler.quadTo(side * 6, -46, side * 11, -46.5);
    p.drawPath(feeler);
  }
  p.setBrush(kInk);
  for (int side : {1, -1}) p.drawEllipse(QPointF(side * 11, -46.5), 1.2, 1.2);
}

// The body's shading: lit from the picture's top left, whichever way the bug is turned.
QBrush BodyBrush(const QPainter& p) {
  const QTransform back = p.worldTransform().inverted();
  QPointF light = back.map(QPointF(-1, -1)) - back.map(QPointF(0, 0));
  light /= std::hypot(light.x(), light.y());
  const QPointF focus(light.x() * kHalfWidth * 0.45, light.y() * kHalfLength * 0.45);
  QRadialGradient gradient(QPointF(0, 0), kHalfLength * 1.05, focus);
  gradient.setColorAt(0, QColor(250, 92, 62));
  gradient.setColorAt(0.55, QColor(222, 34, 26));
  gradient.setColorAt(1, QColor(168, 14, 12));
  return gradient;
}

void DrawBody(QPainter& p) {
  const QRectF body(-kHalfWidth, -kHalfLength, 2 * kHalfWidth, 2 * kHalfLength);
  p.setPen(QPen(QColor(70, 8, 6), 1.2));
  p.setBrush(BodyBrush(p));
  p.drawEllipse(body);

  // A soft shine on the front of each wing case.
  for (int side : {1, -1}) {
    const QPointF centre(side * 14, -14);
    QRadialGradient shine(centre, 9);
    shine.setColorAt(0, QColor(255, 255, 255, 70));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(centre, 9, 6);
  }

  // The line between the wing cases, from the shield to the tail.
  p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(0, -20), QPointF(0, kHalfLength));
}

void DrawShieldAndHead(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  // The shield lies over the body's front, so that it meets the wing cases in a curve.
  p.drawEllipse(kShieldCentre, kShieldHalfWidth, kShieldHalfLength);
  p.drawEllipse(QPointF(0, -37), 10, 6.5);
  p.setBrush(QColor(250, 248, 240));
  for (int side : {1, -1}) {
    p.drawEllipse(QPointF(side * 12.5, -30), 4, 3.2);
    p.drawEllipse(QPointF(side * 5, -40), 1.8, 1.4);
  }
}

void DrawDots(QPainter& p, const Layout& layout) {
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  for (QPointF centre : Centres(layout)) p.drawEllipse(centre, layout.radius, layout.radius);
}
}  // namespace

void Draw(QPainter& painter, int dots) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  DrawLegsAndFeelers(painter);
  DrawBody(painter);
  DrawShieldAndHead(painter);
  DrawDots(painter, Layouts()[static_cast<std::size_t>(dots)]);
  painter.restore();
}

std::vector<std::string> LayoutProblems() {
  std::vector<std::string> problems;
  for (int count = 0; count <= kMostDots; ++count) {
    const Layout& layout = Layouts()[static_cast<std::size_t>(count)];
    const std::vector<QPointF> centres = Centres(layout);
    const double r = layout.radius, reach = r + kClearance;
    auto complain = [&](const std::string& what, QPointF c) {
      problems.push_back(std::to_string(count) + " dots: the dot at " + std::to_string(c.x()) +
                         "," + std::to_string(c.y()) + " " + what);
    };
    if (static_cast<int>(centres.size()) != count) complain("is one of a wrong count", {});
    for (std::size_t i = 0; i < centres.size(); ++i) {
      const QPointF c = centres[i];
      if (std::abs(c.x()) < reach) complain("is too close to the midline", c);
      if (EllipseMeasure(c, {0, 0}, kHalfWidth - reach, kHalfLength - reach) > 1)
        complain("is too close to the edge", c);
      if (EllipseMeasure(c, kShieldCentre, kShieldHalfWidth + reach, kShieldHalfLength + reach) < 1)
        complain("is too close to the head", c);
      for (std::size_t j = i + 1; j < centres.size(); ++j) {
        const QPointF d = centres[j] - c;
        if (std::hypot(d.x(), d.y()) < 2 * r + kClearance) complain("is too close to another", c);
      }
    }
  }
  return problems;
}
}  // namespace Ladybug
