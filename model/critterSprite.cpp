#include "model/critterSprite.h"

#include "framework/Functions.h"
#include "framework/Rnd.h"
#include "model/Angles.h"
#include "model/Disc.h"
#include "model/Globals.h"
#include "model/popSurface.h"
#include "model/wormSprite.h"

critterSprite::critterSprite() : mAllele(kLoci - 1), pAllele(kLoci - 1) {}

void critterSprite::prepare(smartSurface& field) {
  age = 0;
  direction = Rnd() * kPi;
  exposed = false;
  const Color color = CMY(0.1 + 0.5 * Rnd(), 1.0, 1.0);
  iBaby = NewDisc(11, color);
  iAdult = NewDisc(13, color);
  Image(iBaby);
  phenotype = "larva";
  speed = 1.0;
  TimeSinceRepro = Globals::Interbirth;
  xLoc = Rnd() * static_cast<double>(field.Width() - 20 - ImageWidth()) + 10.0;
  yLoc = Rnd() * static_cast<double>(field.Height() - 20 - ImageHeight()) + 10.0;
  X(ToInt32(Round(xLoc)));
  Y(ToInt32(Round(yLoc)));
  Group(-1);
}

void critterSprite::move(smartSurface& field) {
  bounce(field);
  shuffle();
  age = age + 1;
  if (age == Globals::AgeAtMaturity) {
    Image(iAdult);
    phenotype = metamorphosis(Globals::Scenario);
  }
  TimeSinceRepro = TimeSinceRepro + 1;
}

std::string critterSprite::metamorphosis(const std::string& /*scenario*/) {
  Int32 G = 0;
  for (Int32 i = 0; i < kLoci; ++i) G += mAllele(i) + pAllele(i);
  Int32 E = 0;
  // As many fair tosses as there are alleles, so that E spans the dot range as G does.
  for (Int32 i = 0; i < kMostDots; ++i) {
    if (Rnd() < 0.5) ++E;
  }
  const double H = Globals::Heritability;
  const double value = H * static_cast<double>(G) + (1.0 - H) * static_cast<double>(E);
  return Str(ToInt32(Round(value)));
}

void critterSprite::collision(smartSurface& field, smartSprite& other) {
  // The bug's own conditions come first: they rule out most contacts without a look at the
  // partner or the field.
  critterSprite* partner = age > Globals::AgeAtMaturity && TimeSinceRepro > Globals::Interbirth
                               ? other.asCritter()
                               : nullptr;
  if (partner) {
    popSurface* pond = field.asPopSurface();
    // The capacity of a field index that has none is taken as 0: no births there.
    const Int32 index = pond ? pond->Index() : -1;
    const bool room = pond && index >= 0 && index <= Globals::MaxNumCritters.Ubound() &&
                      pond->numCritters < Globals::MaxNumCritters(index);
    if (room && !pond->processingClick && partner->age > Globals::AgeAtMaturity) {
      direction = ATan2(yLoc - partner->yLoc, xLoc - partner->xLoc);
      auto child = std::make_shared<critterSprite>();
      child->prepare(field);
      child->xLoc = (xLoc + partner->xLoc) / 2.0;
      child->yLoc = (yLoc + partner->yLoc) / 2.0;
      child->X(ToInt32(Round(child->xLoc)));
      child->Y(ToInt32(Round(child->yLoc)));
      child->direction = (direction + kQuarterPi) + (Rnd() * kPi) / 2.0;
      for (Int32 i = 0; i < kLoci; ++i) {
        child->mAllele(i) = Rnd() < 0.5 ? mAllele(i) : pAllele(i);
        child->pAllele(i) = Rnd() < 0.5 ? partner->mAllele(i) : partner->pAllele(i);
      }
      field.doAttach(child);
      TimeSinceRepro = 0;
    }
  }
  if (other.asWorm() && phenotype == "larva") exposed = true;
}
