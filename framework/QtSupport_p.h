#pragma once
// Framework-internal: conversions between the framework's types and Qt's. Included by the
// framework's own sources, and by the test support, which drives the toolkit as a user does.

#include <QColor>
#include <QImage>
#include <QString>

#include <string>

#include "framework/Picture.h"
#include "framework/Types.h"

inline QString ToQ(const std::string& s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string FromQ(const QString& s) {
  return s.toStdString();
}
inline QColor ToQ(Color c) {
  return QColor(c.r, c.g, c.b);
}

// Line breaks of the program's texts are "\r"; Qt's are "\n".
inline QString DisplayText(const std::string& s) {
  QString q = ToQ(s);
  q.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return q;
}

struct Picture::Impl {
  QImage image;
  // The picture as drawn: white made transparent when Transparent is 1.
  mutable QImage shown;
  mutable std::uint64_t shownVersion = ~std::uint64_t{0};
  mutable Int32 shownTransparent = -1;
};

// A picture of the image, its transparent and translucent pixels laid over white, the
// framework's transparent colour.
PicturePtr PictureFromImage(const QImage& image);

// The image to draw for a picture: its white pixels left out when Transparent is 1 or when
// the caller asks for it; cached until the picture changes.
const QImage& ShownImage(const Picture& picture, bool whiteIsTransparent = false);
