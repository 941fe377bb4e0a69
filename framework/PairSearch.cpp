#include "framework/PairSearch_p.h"

#include <algorithm>
#include <cstdint>

#include "framework/Picture.h"
#include "framework/Sprite.h"

namespace {
// A sprite's image rectangle, 64-bit so that sprites near the ends of Int32 cannot overflow.
struct Box {
  std::int64_t x, y, right, bottom;
  Int32 group;
  std::uint32_t index;
};

// Both tests are written without branches (& and | on Booleans): in a crowd about half of
// the candidates fail, which a branch would mispredict.
bool GroupsPair(Int32 a, Int32 b) {
  return ((a < 0) & (b < 0) & (a == b)) | (((a > 0) | (b > 0)) & (a != b));
}

bool Overlap(const Box& a, const Box& b) {
  return (a.x < b.right) & (b.x < a.right) & (a.y < b.bottom) & (b.y < a.bottom);
}

bool Touch(const Box& a, const Box& b) {
  return GroupsPair(a.group, b.group) & Overlap(a, b);
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Up to a few dozen sprites, comparing every pair costs less than sorting or hashing them.
void PairsOfAll(const std::vector<Box>& boxes, SpritePairs& pairs) {
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    for (std::size_t j = i + 1; j < boxes.size(); ++j) {
      if (Touch(boxes[i], boxes[j])) pairs.emplace_back(boxes[i].index, boxes[j].index);
    }
  }
}

// A few hundred sprites, the size of a field: sorted along x, each sprite is compared only
// with those whose x ranges overlap its own; the pairs found are then put in order.
void PairsBySweep(const std::vector<Box>& boxes, SpritePairs& pairs) {
  const std::size_t first = pairs.size();
  std::vector<Box> byX(boxes);
  std::sort(byX.begin(), byX.end(), [](const Box& a, const Box& b) { return a.x < b.x; });
  for (std::size_t p = 0; p < byX.size(); ++p) {
    const Box& a = byX[p];
    for (std::size_t q = p + 1; q < byX.size() && byX[q].x < a.right; ++q) {
      const Box& o = byX[q];
      if (a.y < o.bottom && o.y < a.bottom && GroupsPair(a.group, o.group))
        pairs.emplace_back(std::min(a.index, o.index), std::max(a.index, o.index));
    }
  }
  std::sort(pairs.begin() + static_cast<std::ptrdiff_t>(first), pairs.end());
}

// Crowds of thousands, where a sweep's x ranges hold too many sprites: a grid of cells as
// large as the largest sprite, so that sprites that overlap lie in the same or neighbouring
// cells. The cells are hashed into buckets, at least two per sprite, and each bucket's
// sprites stored together; a bucket shared by two cells only adds candidates, which the
// overlap test rejects, and partners found twice are merged.
class HashedGrid {
 public:
  HashedGrid(const std::vector<Box>& boxes, std::int64_t cell) : boxes_(boxes), cell_(cell) {
    while (buckets_ < 2 * boxes.size()) buckets_ *= 2;
    mask_ = buckets_ - 1;
    cellX_.resize(boxes.size());
    cellY_.resize(boxes.size());
    start_.assign(buckets_ + 1, 0);
    for (std::size_t k = 0; k < boxes.size(); ++k) {
      cellX_[k] = FloorDiv(boxes[k].x, cell_);
      cellY_[k] = FloorDiv(boxes[k].y, cell_);
      ++start_[BucketOf(cellX_[k], cellY_[k]) + 1];
    }
    for (std::size_t b = 0; b < buckets_; ++b) start_[b + 1] += start_[b];
    grid_.resize(boxes.size());
    std::vector<std::uint32_t> next(start_.begin(), start_.end() - 1);
    for (std::size_t k = 0; k < boxes.size(); ++k)
      grid_[next[BucketOf(cellX_[k], cellY_[k])]++] = boxes[k];
  }

  // Each bucket holds its sprites in order of attachment, so the later partners of a sprite
  // are the tail of every bucket it looks at. Every candidate is written, to be kept only
  // when it touches.
  void Pairs(SpritePairs& pairs) {
    std::vector<std::uint32_t> partners(boxes_.size());
    for (std::size_t k = 0; k < boxes_.size(); ++k) {
      const Box& a = boxes_[k];
      std::size_t found = 0;
      for (std::int64_t dy = -1; dy <= 1; ++dy) {
        for (std::int64_t dx = -1; dx <= 1; ++dx) {
          const std::size_t b = BucketOf(cellX_[k] + dx, cellY_[k] + dy);
          for (std::uint32_t g = start_[b + 1]; g > start_[b] && grid_[g - 1].index > a.index;) {
            const Box& o = grid_[--g];
            if (found == partners.size()) partners.resize(2 * partners.size());
            partners[found] = o.index;
            found += Touch(a, o);
          }
        }
      }
      const auto end = partners.begin() + static_cast<std::ptrdiff_t>(found);
      std::sort(partners.begin(), end);
      for (auto it = partners.begin(); it != end; ++it) {
        if (it == partners.begin() || *it != it[-1]) pairs.emplace_back(a.index, *it);
      }
    }
  }

 private:
  std::size_t BucketOf(std::int64_t cx, std::int64_t cy) const {
    const std::uint64_t h = static_cast<std::uint64_t>(cx) * 0x9E3779B97F4A7C15u ^
                            static_cast<std::uint64_t>(cy) * 0xC2B2AE3D27D4EB4Fu;
    return static_cast<std::size_t>((h ^ (h >> 29)) & mask_);
  }

  const std::vector<Box>& boxes_;
  std::int64_t cell_;
  std::size_t buckets_ = 64;
  std::uint64_t mask_ = 0;
  std::vector<std::int64_t> cellX_, cellY_;
  std::vector<std::uint32_t> start_;
  std::vector<Box> grid_;
};
}  // namespace

void GatherPairs(const std::vector<std::shared_ptr<Sprite>>& sprites, SpritePairs& pairs) {
  std::vector<Box> boxes;
  boxes.reserve(sprites.size());
  std::int64_t cell = 1;
  for (std::size_t i = 0; i < sprites.size(); ++i) {
    const Sprite& s = *sprites[i];
    const std::int64_t w = s.Image() ? s.Image()->Width() : 0;
    const std::int64_t h = s.Image() ? s.Image()->Height() : 0;
    if (w <= 0 || h <= 0) continue;
    boxes.push_back(
        Box{s.X(), s.Y(), s.X() + w, s.Y() + h, s.Group(), static_cast<std::uint32_t>(i)});
    cell = std::max({cell, w, h});
  }
  if (boxes.size() <= 16) {
    PairsOfAll(boxes, pairs);
  } else if (boxes.size() <= 256) {
    PairsBySweep(boxes, pairs);
  } else {
    HashedGrid(boxes, cell).Pairs(pairs);
  }
}
