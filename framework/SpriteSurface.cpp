#include "framework/SpriteSurface.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

#include "framework/PairSearch_p.h"
#include "framework/QtSupport_p.h"

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
  SpritePairs pairs;
  GatherPairs(attached_, pairs);
  return pairs;
}

void SpriteSurface::Update() {
  Event_NextFrame();
  // The last frame's buffer is reused; a handler that runs a frame of its own gets a new one.
  SpritePairs pairs = std::move(pairBuffer_);
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
