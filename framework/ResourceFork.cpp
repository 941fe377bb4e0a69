#include "framework/ResourceFork.h"

#include <QFile>
#include <QImage>

#include "framework/QtSupport_p.h"

namespace {
Int32& Reads() {
  static Int32 reads = 0;
  return reads;
}
}  // namespace

// Picture resource N is the embedded file ":/pictures/N.png".
PicturePtr ResourceFork::GetPicture(Int32 number) const {
  ++Reads();
  const QString path = QStringLiteral(":/pictures/%1.png").arg(number);
  if (!QFile::exists(path)) return nullptr;
  QImage image(path);
  if (image.isNull()) return nullptr;
  return PictureFromImage(image);
}

Int32 ResourceFork::ReadCount() {
  return Reads();
}

ResourceFork& ApplicationResourceFork() {
  static ResourceFork fork;
  return fork;
}
