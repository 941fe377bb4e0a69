#include "app/Pictures.h"

#include <array>

#include "framework/ResourceFork.h"
#include "resources/pictures/PictureNumbers.h"

namespace {
constexpr Int32 kFirst = PictureNumbers::kFirst;
constexpr std::size_t kCount = PictureNumbers::kLast - kFirst + 1;

// By picture number, from the first.
std::array<PicturePtr, kCount>& Caches() {
  static std::array<PicturePtr, kCount> caches;
  return caches;
}

PicturePtr Cached(Int32 number) {
  PicturePtr& cache = Caches()[static_cast<std::size_t>(number - kFirst)];
  if (!cache) cache = ApplicationResourceFork().GetPicture(number);
  return cache;
}

PicturePtr Ladybug(int dots) {
  return Cached(PictureNumbers::kLadybug[static_cast<std::size_t>(dots)]);
}
}  // namespace

PicturePtr CoverPicture() {
  return Cached(PictureNumbers::kCover);
}
PicturePtr Larva() {
  return Cached(PictureNumbers::kLarva);
}
PicturePtr LadyBug00() {
  return Ladybug(0);
}
PicturePtr LadyBug01() {
  return Ladybug(1);
}
PicturePtr LadyBug02() {
  return Ladybug(2);
}
PicturePtr LadyBug03() {
  return Ladybug(3);
}
PicturePtr LadyBug04() {
  return Ladybug(4);
}
PicturePtr LadyBug05() {
  return Ladybug(5);
}
PicturePtr LadyBug06() {
  return Ladybug(6);
}
PicturePtr LadyBug07() {
  return Ladybug(7);
}
PicturePtr LadyBug08() {
  return Ladybug(8);
}
PicturePtr LadyBug09() {
  return Ladybug(9);
}
PicturePtr LadyBug10() {
  return Ladybug(10);
}
PicturePtr LadyBug11() {
  return Ladybug(11);
}
PicturePtr LadyBug12() {
  return Ladybug(12);
}
PicturePtr LadyBug13() {
  return Ladybug(13);
}
PicturePtr LadyBug14() {
  return Ladybug(14);
}

void ReleasePictures() {
  for (PicturePtr& cache : Caches()) cache.reset();
}
