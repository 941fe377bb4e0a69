#include "model/popSurface.h"

#include "model/Globals.h"
#include "model/critterSprite.h"
#include "model/wormSprite.h"

void popSurface::prepare() {
  Visible(false);
  PicturePtr white = NewPicture(10, 10, 32);
  white->Graphics().ForeColor(RGB(255, 255, 255));
  white->Graphics().FillRect(0, 0, 10, 10);
  Backdrop(white);
  Visible(true);
  ClickToStop(true);
  FrameSpeed(2);
  numCritters = 0;
  numWorms = 0;
}

void popSurface::addedSprite(smartSprite& sprite) {
  // A sprite attached by a birth, a drop or a move goes on from its whole-pixel position.
  if (auto* b = dynamic_cast<bounceSprite*>(&sprite)) {
    b->xLoc = b->X();
    b->yLoc = b->Y();
  }
  if (sprite.asCritter()) ++numCritters;
  if (sprite.asWorm()) ++numWorms;
}

void popSurface::removedSprite(smartSprite& sprite) {
  if (sprite.asCritter()) --numCritters;
  if (sprite.asWorm()) --numWorms;
}

void popSurface::redraw() {
  Int32 i = 1;
  while (i <= sprites.Ubound()) {
    critterSprite* bug = sprites(i)->asCritter();
    if (bug && bug->age > Globals::Lifespan) {
      doDetach(i);  // the next sprite moves into entry i
    } else {
      ++i;
    }
  }
}
