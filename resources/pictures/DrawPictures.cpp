// Draws the program's pictures into the folder given as the only argument: the cover, the
// larva and one ladybug for each number of dots, each as N.png under its picture number, and
// the program's icon in several sizes.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <functional>

#include "resources/pictures/Cover.h"
#include "resources/pictures/Ladybug.h"
#include "resources/pictures/Larva.h"
#include "resources/pictures/PictureNumbers.h"

namespace {
// The largest ladybug that stays inside the data card's frame and clear of its corner dot.
constexpr int kLadybugWidth = 84;
constexpr int kLadybugHeight = 68;

bool Write(const QString& path, int width, int height, const std::function<void(QPainter&)>& draw) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  draw(painter);
  painter.end();
  if (image.save(path)) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}
}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  for (const std::string& problem : Ladybug::LayoutProblems())
    std::fprintf(stderr, "%s\n", problem.c_str());
  if (!Ladybug::LayoutProblems().empty()) return 1;

  const QDir folder(QString::fromLocal8Bit(argv[1]));
  bool ok = true;
  auto numbered = [&folder](int number) { return folder.filePath(QString("%1.png").arg(number)); };
  for (int dots = 0; dots <= kMostDots; ++dots) {
    ok &= Write(numbered(PictureNumbers::kLadybug[static_cast<std::size_t>(dots)]), kLadybugWidth,
                kLadybugHeight, [dots](QPainter& p) {
                  // Head to the left, the tail 1.5 pixels in from the right edge.
                  p.translate(kLadybugWidth - 33.5, kLadybugHeight / 2.0);
                  p.rotate(-90);
                  Ladybug::Draw(p, dots);
                });
  }
  ok &= Write(numbered(PictureNumbers::kLarva), Larva::kWidth, Larva::kHeight, Larva::Draw);
  ok &= Write(numbered(PictureNumbers::kCover), Cover::kWidth, Cover::kHeight, [](QPainter& p) {
    p.fillRect(0, 0, Cover::kWidth, Cover::kHeight, Qt::white);
    Cover::Draw(p);
  });
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const QString sub = QString::asprintf("icons/%dx%d", size, size);
    ok &= folder.mkpath(sub);
    ok &= Write(folder.filePath(sub + "/quellmoor.png"), size, size,
                [size](QPainter& p) { Cover::DrawIcon(p, size); });
  }
  return ok ? 0 : 1;
}
