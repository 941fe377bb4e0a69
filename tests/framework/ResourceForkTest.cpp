#include <gtest/gtest.h>

#include <QImage>

#include "framework/QtSupport_p.h"
#include "framework/ResourceFork.h"

namespace {
TEST(ResourceForkTest, AMissingPictureIsNullAndCountsAsARead) {
  const Int32 before = ResourceFork::ReadCount();
  for (Int32 number : {0, -1, 168, 100000})
    EXPECT_EQ(ApplicationResourceFork().GetPicture(number), nullptr) << number;
  EXPECT_EQ(ResourceFork::ReadCount(), before + 4);
}

// A picture read from a file with an alpha channel shows it laid over white, never black.
TEST(ResourceForkTest, APictureFromAnImageLaysItsTransparencyOverWhite) {
  struct Case {
    QRgb pixel;
    Color shown;
  };
  const Case cases[] = {
      {qRgba(0, 0, 0, 0), Color{255, 255, 255}},     {qRgba(0, 0, 255, 255), Color{0, 0, 255}},
      {qRgba(0, 0, 0, 255), Color{0, 0, 0}},         {qRgba(255, 0, 0, 128), Color{255, 127, 127}},
      {qRgba(20, 200, 40, 0), Color{255, 255, 255}},
  };
  for (QImage::Format format : {QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied}) {
    QImage image(static_cast<int>(std::size(cases)), 2, QImage::Format_ARGB32);
    for (int x = 0; x < image.width(); ++x) {
      image.setPixel(x, 0, cases[x].pixel);
      image.setPixel(x, 1, cases[x].pixel);
    }
    PicturePtr picture = PictureFromImage(image.convertToFormat(format));
    ASSERT_EQ(picture->Width(), image.width());
    ASSERT_EQ(picture->Height(), 2);
    for (int x = 0; x < image.width(); ++x) {
      SCOPED_TRACE(x);
      const Color got = picture->Pixel(x, 1);
      EXPECT_NEAR(got.r, cases[x].shown.r, 1);
      EXPECT_NEAR(got.g, cases[x].shown.g, 1);
      EXPECT_NEAR(got.b, cases[x].shown.b, 1);
    }
  }
}
}  // namespace
