#include "app/Pictures.h"

#include <array>

#include "framework/ResourceFork.h"

namespace {
constexpr Int32 kFirst = 168;
constexpr Int32 kLast = 184;

std::array<PicturePtr, kLast - kFirst + 1>& Caches() {
  static std::array<PicturePtr, kLast - kFirst + 1> caches;
  return caches;
}

PicturePtr Cached(Int32 number) {
  PicturePtr& cache = Caches()[static_cast<std::size_t>(number - kFirst)];
  if (!cache) cache = ApplicationResourceFork().GetPicture(number);
  return cache;
}
}  // namespace

PicturePtr CoverPicture() {
  return Cached(168);
}
PicturePtr Larva() {
  return Cached(169);
}
PicturePtr LadyBug09() {
  return Cached(170);
}
PicturePtr LadyBug08() {
  return Cached(171);
}
PicturePtr LadyBug07() {
  return Cached(172);
}
PicturePtr LadyBug06() {
  return Cached(173);
}
PicturePtr LadyBug05() {
  return Cached(174);
}
PicturePtr LadyBug00() {
  return Cached(175);
}
PicturePtr LadyBug10() {
  return Cached(176);
}
PicturePtr LadyBug01() {
  return Cached(177);
}
PicturePtr LadyBug04() {
  return Cached(178);
}
PicturePtr LadyBug03() {
  return Cached(179);
}
PicturePtr LadyBug02() {
  return Cached(180);
}
PicturePtr LadyBug12() {
  return Cached(181);
}
PicturePtr LadyBug14() {
  return Cached(182);
}
PicturePtr LadyBug13() {
  return Cached(183);
}
PicturePtr LadyBug11() {
  return Cached(184);
}

void ReleasePictures() {
  for (PicturePtr& cache : Caches()) cache.reset();
}
