#include "framework/SpriteSurface.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cstdint>

#include "framework/QtSupport.h"

namespace {
class SurfaceWidget : public QWidget {
 public:
  explicit SurfaceWidget(SpriteSurface& surface) : surface_(surface) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    if (const auto& back = surface_.Backdrop(); back && back->Width() > 0 && back->Height() > 0) {
      p.fillRect(rect(), QBrush(ShownImage(*back)));
    } else {
      p.fillRect(rect(), Qt::white);
    }
    for (const auto& sprite : surface_.AttachedSprites()) {
      if (sprite->Image())
        p.drawImage(sprite->X(), sprite->Y(), ShownImage(*sprite->Image(), true));
    }
  }

 private:
  SpriteSurface& surface_;
};

using Pairs = std::vector<std::pair<std::size_t, std::size_t>>;

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

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Appends the touching pairs of the sprites to `pairs`, in the engine's order.
void GatherPairs(const std::vector<std::shared_ptr<Sprite>>& sprites, Pairs& pairs) {
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
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      for (std::size_t j = i + 1; j < boxes.size(); ++j) {
        if (GroupsPair(boxes[i].group, boxes[j].group) && Overlap(boxes[i], boxes[j]))
          pairs.emplace_back(boxes[i].index, boxes[j].index);
      }
    }
    return;
  }

  if (boxes.size() <= 256) {
    // Sweep along x: only sprites whose x ranges overlap are compared; the pairs found are
    // then put into the engine's order.
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
    return;
  }

  // A grid of cells as large as the largest sprite: sprites that overlap lie in the same or
  // neighbouring cells. The cells are hashed into buckets, at least two per sprite, and each
  // bucket's sprites stored together; a bucket shared by two cells only adds candidates,
  // which the overlap test rejects, and partners found twice are merged.
  std::size_t buckets = 64;
  while (buckets < 2 * boxes.size()) buckets *= 2;
  const std::uint64_t mask = buckets - 1;
  auto bucketOf = [mask](std::int64_t cx, std::int64_t cy) {
    const std::uint64_t h = static_cast<std::uint64_t>(cx) * 0x9E3779B97F4A7C15u ^
                            static_cast<std::uint64_t>(cy) * 0xC2B2AE3D27D4EB4Fu;
    return static_cast<std::size_t>((h ^ (h >> 29)) & mask);
  };
  std::vector<std::int64_t> cellX(boxes.size()), cellY(boxes.size());
  std::vector<std::uint32_t> start(buckets + 1, 0);
  for (std::size_t k = 0; k < boxes.size(); ++k) {
    cellX[k] = FloorDiv(boxes[k].x, cell);
    cellY[k] = FloorDiv(boxes[k].y, cell);
    ++start[bucketOf(cellX[k], cellY[k]) + 1];
  }
  for (std::size_t b = 0; b < buckets; ++b) start[b + 1] += start[b];
  std::vector<Box> grid(boxes.size());
  {
    std::vector<std::uint32_t> next(start.begin(), start.end() - 1);
    for (std::size_t k = 0; k < boxes.size(); ++k)
      grid[next[bucketOf(cellX[k], cellY[k])]++] = boxes[k];
  }

  // Each bucket holds its sprites in order of attachment, so the later partners of a sprite
  // are the tail of every bucket it looks at. Every candidate is written, to be kept only
  // when it passes.
  std::vector<std::uint32_t> partners(boxes.size());
  for (std::size_t k = 0; k < boxes.size(); ++k) {
    const Box& a = boxes[k];
    std::size_t found = 0;
    for (std::int64_t dy = -1; dy <= 1; ++dy) {
      for (std::int64_t dx = -1; dx <= 1; ++dx) {
        const std::size_t b = bucketOf(cellX[k] + dx, cellY[k] + dy);
        for (std::uint32_t g = start[b + 1]; g > start[b] && grid[g - 1].index > a.index;) {
          const Box& o = grid[--g];
          const bool hit = GroupsPair(a.group, o.group) & Overlap(a, o);
          if (found == partners.size()) partners.resize(2 * partners.size());
          partners[found] = o.index;
          found += hit;
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
}  // namespace

SpriteSurface::SpriteSurface(const ControlSpec& desc)
    : RectControl(desc, new SurfaceWidget(*this)) {}

SpriteSurface::~SpriteSurface() {
  for (auto& s : attached_) s->surface_ = nullptr;
}

void SpriteSurface::Attach(const std::shared_ptr<Sprite>& sprite) {
  if (!sprite) return;
  if (sprite->surface_) sprite->Close();
  sprite->surface_ = this;
  attached_.push_back(sprite);
}

void SpriteSurface::Detach(Sprite& sprite) {
  auto it = std::find_if(attached_.begin(), attached_.end(),
                         [&](const auto& s) { return s.get() == &sprite; });
  sprite.surface_ = nullptr;
  if (it != attached_.end()) attached_.erase(it);
}

void SpriteSurface::Backdrop(PicturePtr picture) {
  backdrop_ = std::move(picture);
  Widget()->update();
}

std::vector<std::pair<std::size_t, std::size_t>> SpriteSurface::TouchingPairs() const {
  Pairs pairs;
  GatherPairs(attached_, pairs);
  return pairs;
}

void SpriteSurface::Update() {
  Event_NextFrame();
  // The last frame's buffer is reused; a handler that runs a frame of its own gets a new one.
  Pairs pairs = std::move(pairBuffer_);
  pairs.clear();
  GatherPairs(attached_, pairs);
  if (!pairs.empty()) {
    // Holds every sprite of the frame's pairs alive through the dispatch.
    const std::vector<std::shared_ptr<Sprite>> snapshot = attached_;
    for (const auto& [i, j] : pairs) {
      Sprite& a = *snapshot[i];
      Sprite& b = *snapshot[j];
      if (a.surface_ == this && b.surface_ == this) Event_Collision(a, b);
    }
  }
  pairBuffer_ = std::move(pairs);
  Widget()->update();
}
