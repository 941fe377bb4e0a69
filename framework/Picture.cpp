#include "framework/Picture.h"

#include <QPainter>

#include <algorithm>

#include "framework/QtSupport_p.h"

Picture::Picture(Int32 width, Int32 height, Int32 depth)
    : impl_(std::make_unique<Impl>()),
      width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      depth_(depth),
      graphics_(*this) {
  impl_->image = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
  impl_->image.fill(Qt::white);
}

Picture::~Picture() = default;

Int32 Picture::Depth() const {
  return depth_;
}
Int32 Picture::Transparent() const {
  return transparent_;
}
void Picture::Transparent(Int32 value) {
  transparent_ = value;
}

Color Picture::Pixel(Int32 x, Int32 y) const {
  const QImage& img = impl_->image;
  if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return Color{255, 255, 255};
  const QRgb p = img.pixel(x, y);
  return Color{static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
               static_cast<std::uint8_t>(qBlue(p))};
}

PicturePtr NewPicture(Int32 width, Int32 height, Int32 depth) {
  return std::make_shared<Picture>(width, height, depth);
}

PicturePtr PictureFromImage(const QImage& image) {
  auto picture = NewPicture(image.width(), image.height(), 32);
  QPainter painter(&picture->impl().image);
  painter.drawImage(0, 0, image);
  painter.end();
  picture->Touch();
  return picture;
}

const QImage& ShownImage(const Picture& picture, bool whiteIsTransparent) {
  Picture::Impl& d = picture.impl();
  if (picture.Transparent() != 1 && !whiteIsTransparent) return d.image;
  if (d.shownVersion != picture.Version() || d.shownTransparent != 1) {
    d.shown = d.image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < d.shown.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(d.shown.scanLine(y));
      for (int x = 0; x < d.shown.width(); ++x) {
        if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu) line[x] = 0;
      }
    }
    d.shownVersion = picture.Version();
    d.shownTransparent = 1;
  }
  return d.shown;
}
