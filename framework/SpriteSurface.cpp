#include "framework/SpriteSurface.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

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

struct Box {
  Int32 x, y, w, h, group;
  bool live;
};

bool GroupsPair(Int32 a, Int32 b) {
  if (a < 0 && a == b) return true;
  return (a > 0 || b > 0) && a != b;
}

bool Overlap(const Box& a, const Box& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

Int32 FloorDiv(Int32 a, Int32 b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}
}  // namespace

SpriteSurface::SpriteSurface(const ControlSpec& spec)
    : RectControl(spec, new SurfaceWidget(*this)) {}

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
  const std::size_t n = attached_.size();
  std::vector<Box> boxes(n);
  Int32 cell = 1;
  for (std::size_t i = 0; i < n; ++i) {
    const Sprite& s = *attached_[i];
    const Int32 w = s.Image() ? s.Image()->Width() : 0;
    const Int32 h = s.Image() ? s.Image()->Height() : 0;
    boxes[i] = Box{s.X(), s.Y(), w, h, s.Group(), w > 0 && h > 0};
    if (boxes[i].live) cell = std::max({cell, w, h});
  }

  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  if (n <= 64) {
    for (std::size_t i = 0; i < n; ++i) {
      if (!boxes[i].live) continue;
      for (std::size_t j = i + 1; j < n; ++j) {
        if (boxes[j].live && GroupsPair(boxes[i].group, boxes[j].group) &&
            Overlap(boxes[i], boxes[j]))
          pairs.emplace_back(i, j);
      }
    }
    return pairs;
  }

  // A grid of cells as large as the largest sprite: sprites that overlap lie in the same or
  // neighbouring cells. The cells are found by binary search in the sprites sorted by cell.
  struct Entry {
    std::int64_t key;
    std::uint32_t index;
  };
  auto keyOf = [](Int32 cx, Int32 cy) {
    return (static_cast<std::int64_t>(cy) << 32) + static_cast<std::int64_t>(cx);
  };
  std::vector<Entry> entries;
  entries.reserve(n);
  std::vector<Int32> cellX(n), cellY(n);
  for (std::size_t i = 0; i < n; ++i) {
    if (!boxes[i].live) continue;
    cellX[i] = FloorDiv(boxes[i].x, cell);
    cellY[i] = FloorDiv(boxes[i].y, cell);
    entries.push_back(Entry{keyOf(cellX[i], cellY[i]), static_cast<std::uint32_t>(i)});
  }
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return a.key != b.key ? a.key < b.key : a.index < b.index;
  });
  std::vector<std::size_t> partners;
  for (std::size_t i = 0; i < n; ++i) {
    if (!boxes[i].live) continue;
    partners.clear();
    for (Int32 dy = -1; dy <= 1; ++dy) {
      for (Int32 dx = -1; dx <= 1; ++dx) {
        const std::int64_t key = keyOf(cellX[i] + dx, cellY[i] + dy);
        auto lo = std::lower_bound(entries.begin(), entries.end(), key,
                                   [](const Entry& e, std::int64_t k) { return e.key < k; });
        for (auto it = lo; it != entries.end() && it->key == key; ++it) {
          const std::size_t j = it->index;
          if (j > i && GroupsPair(boxes[i].group, boxes[j].group) && Overlap(boxes[i], boxes[j]))
            partners.push_back(j);
        }
      }
    }
    std::sort(partners.begin(), partners.end());
    for (std::size_t j : partners) pairs.emplace_back(i, j);
  }
  return pairs;
}

void SpriteSurface::Update() {
  Event_NextFrame();
  const auto pairs = TouchingPairs();
  if (!pairs.empty()) {
    // Holds every sprite of the frame's pairs alive through the dispatch.
    const std::vector<std::shared_ptr<Sprite>> snapshot = attached_;
    for (const auto& [i, j] : pairs) {
      Sprite& a = *snapshot[i];
      Sprite& b = *snapshot[j];
      if (a.surface_ == this && b.surface_ == this) Event_Collision(a, b);
    }
  }
  Widget()->update();
}
