#include "model/smartSurface.h"

#include <string>

#include "framework/Exceptions.h"

void smartSurface::Event_NextFrame() {
  // A sprite attached during the frame is not visited until the next one.
  const Int32 n = sprites.Ubound();
  for (Int32 i = 1; i <= n; ++i) sprites(i)->redraw(*this);
  redraw();
}

void smartSurface::Event_Collision(Sprite& sprite1, Sprite& sprite2) {
  auto* s1 = static_cast<smartSprite*>(&sprite1);
  auto* s2 = static_cast<smartSprite*>(&sprite2);
  s1->collision(*this, *s2);
  s2->collision(*this, *s1);
  collision(*s1, *s2);
}

void smartSurface::Attach(const std::shared_ptr<Sprite>& sprite) {
  if (dynamic_cast<smartSprite*>(sprite.get())) SpriteSurface::Attach(sprite);
}

// The sprite is taken by value: it may be an entry of the list it is about to leave.
void smartSurface::doAttach(std::shared_ptr<smartSprite> sprite) {
  if (!sprite) return;
  // A sprite still on a field leaves that field's list first, so that it is never in two.
  if (auto* owner = dynamic_cast<smartSurface*>(sprite->Surface())) {
    for (Int32 i = 1; i <= owner->sprites.Ubound(); ++i) {
      if (owner->sprites(i) == sprite) {
        owner->doDetach(i);
        break;
      }
    }
  }
  Attach(sprite);
  sprites.Append(sprite);
  addedSprite(*sprite);
}

bool smartSurface::within(Int32 x, Int32 y) const {
  return Left() < x && x < Left() + Width() && Top() < y && y < Top() + Height();
}

void smartSurface::clear() {
  for (Int32 i = sprites.Ubound(); i >= 1; --i) doDetach(i);
  Update();
}

void smartSurface::doDetach(Int32 index) {
  // Entry 0 is no sprite: it is out of range like any index past the upper bound.
  if (index < 1 || index > sprites.Ubound())
    throw OutOfBoundsException("no sprite at index " + std::to_string(index));
  std::shared_ptr<smartSprite> held = sprites(index);
  held->Close();
  sprites.Remove(index);
  removedSprite(*held);
}
