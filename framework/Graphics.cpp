#include "framework/Graphics.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdint>

#include "framework/Picture.h"
#include "framework/QtSupport_p.h"

namespace {
QRgb Rgb(Color c) {
  return qRgb(c.r, c.g, c.b);
}

// Fills the pixels x0..x1-1, y0..y1-1 that lie in the image. The bounds are 64-bit so that a
// shape reaching past the ends of Int32 is cut off rather than wrapped around.
void FillSpan(QImage& img, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
              QRgb value) {
  x0 = std::max<std::int64_t>(x0, 0);
  y0 = std::max<std::int64_t>(y0, 0);
  x1 = std::min<std::int64_t>(x1, img.width());
  y1 = std::min<std::int64_t>(y1, img.height());
  if (x0 >= x1) return;
  for (std::int64_t j = y0; j < y1; ++j) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(static_cast<int>(j)));
    std::fill(line + x0, line + x1, value);
  }
}
}  // namespace

void Graphics::FillRect(Int32 x, Int32 y, Int32 width, Int32 height) {
  if (width > 0 && height > 0) {
    FillSpan(picture_.impl().image, x, y, std::int64_t{x} + width, std::int64_t{y} + height,
             Rgb(foreColor_));
  }
  picture_.Touch();
}

void Graphics::FillOval(Int32 x, Int32 y, Int32 width, Int32 height) {
  if (width <= 0 || height <= 0) return;
  QImage& img = picture_.impl().image;
  const double rx = width / 2.0, ry = height / 2.0;
  const double cx = x + rx, cy = y + ry;
  const QRgb c = Rgb(foreColor_);
  const std::int64_t i0 = std::max<std::int64_t>(x, 0), j0 = std::max<std::int64_t>(y, 0);
  const std::int64_t i1 = std::min<std::int64_t>(std::int64_t{x} + width, img.width());
  const std::int64_t j1 = std::min<std::int64_t>(std::int64_t{y} + height, img.height());
  for (std::int64_t j = j0; j < j1; ++j) {
    const double dy = (static_cast<double>(j) + 0.5 - cy) / ry;
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(static_cast<int>(j)));
    for (std::int64_t i = i0; i < i1; ++i) {
      const double dx = (static_cast<double>(i) + 0.5 - cx) / rx;
      if (dx * dx + dy * dy <= 1.0) line[i] = c;
    }
  }
  picture_.Touch();
}

void Graphics::DrawRect(Int32 x, Int32 y, Int32 width, Int32 height) {
  if (width < 0 || height < 0) return;
  QImage& img = picture_.impl().image;
  const QRgb c = Rgb(foreColor_);
  const std::int64_t right = std::int64_t{x} + width, bottom = std::int64_t{y} + height;
  FillSpan(img, x, y, right + 1, std::int64_t{y} + 1, c);
  FillSpan(img, x, bottom, right + 1, bottom + 1, c);
  FillSpan(img, x, y, std::int64_t{x} + 1, bottom + 1, c);
  FillSpan(img, right, y, right + 1, bottom + 1, c);
  picture_.Touch();
}

void Graphics::DrawPicture(const Picture* picture, Int32 x, Int32 y) {
  if (!picture || picture == &picture_) return;
  QPainter p(&picture_.impl().image);
  p.drawImage(x, y, ShownImage(*picture));
  p.end();
  picture_.Touch();
}

void Graphics::DrawString(const std::string& text, Int32 x, Int32 y) {
  QPainter p(&picture_.impl().image);
  QFont font = p.font();
  font.setPixelSize(textSize_ > 0 ? textSize_ : 12);
  p.setFont(font);
  p.setPen(ToQ(foreColor_));
  p.drawText(x, y + QFontMetrics(font).ascent(), ToQ(text));
  p.end();
  picture_.Touch();
}
