#include "framework/Graphics.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "framework/Picture.h"
#include "framework/QtSupport.h"

namespace {
QRgb Rgb(Color c) {
  return qRgb(c.r, c.g, c.b);
}

void SetPixel(QImage& img, Int32 x, Int32 y, QRgb value) {
  if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return;
  reinterpret_cast<QRgb*>(img.scanLine(y))[x] = value;
}
}  // namespace

void Graphics::FillRect(Int32 x, Int32 y, Int32 width, Int32 height) {
  QImage& img = picture_.impl().image;
  const Int32 x0 = std::max(x, 0), y0 = std::max(y, 0);
  const Int32 x1 = std::min<Int32>(x + std::max(width, 0), img.width());
  const Int32 y1 = std::min<Int32>(y + std::max(height, 0), img.height());
  const QRgb c = Rgb(foreColor_);
  for (Int32 j = y0; j < y1; ++j) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(j));
    std::fill(line + x0, line + std::max(x0, x1), c);
  }
  picture_.Touch();
}

void Graphics::FillOval(Int32 x, Int32 y, Int32 width, Int32 height) {
  if (width <= 0 || height <= 0) return;
  QImage& img = picture_.impl().image;
  const double rx = width / 2.0, ry = height / 2.0;
  const double cx = x + rx, cy = y + ry;
  const QRgb c = Rgb(foreColor_);
  for (Int32 j = std::max(y, 0); j < std::min<Int32>(y + height, img.height()); ++j) {
    const double dy = (j + 0.5 - cy) / ry;
    for (Int32 i = std::max(x, 0); i < std::min<Int32>(x + width, img.width()); ++i) {
      const double dx = (i + 0.5 - cx) / rx;
      if (dx * dx + dy * dy <= 1.0) SetPixel(img, i, j, c);
    }
  }
  picture_.Touch();
}

void Graphics::DrawRect(Int32 x, Int32 y, Int32 width, Int32 height) {
  if (width < 0 || height < 0) return;
  QImage& img = picture_.impl().image;
  const QRgb c = Rgb(foreColor_);
  for (Int32 i = x; i <= x + width; ++i) {
    SetPixel(img, i, y, c);
    SetPixel(img, i, y + height, c);
  }
  for (Int32 j = y; j <= y + height; ++j) {
    SetPixel(img, x, j, c);
    SetPixel(img, x + width, j, c);
  }
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
