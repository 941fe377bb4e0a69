#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <utility>

#include "framework/Functions.h"
#include "model/Globals.h"
#include "tests/model/FieldFixture.h"

// Thousands of days of all seven fields from a fixed seed, with a bug carried from one field
// to another now and then, checking the fields' books after every frame.
namespace {
using LongRunTest = FieldFixture;

constexpr int kDays = 5000;
constexpr int kDaysBetweenMoves = 7;

// Fills the field to its capacity with a mixed population: random alleles, random ages and
// the adults' dots drawn as at maturity. It is not the main window's filling (the model's
// tests stand below the windows): its draws come in another order, the ages reach 200 by
// truncation rather than rounding, and every field is filled, not the Left field alone.
void Populate(popSurface& field) {
  for (Int32 n = 0; n < Globals::MaxNumCritters(field.Index()); ++n) {
    auto bug = std::make_shared<critterSprite>();
    bug->prepare(field);
    for (Int32 i = 0; i < kLoci; ++i) {
      bug->mAllele(i) = Rnd() < Globals::AlleleFreq(0) ? 1 : 0;
      bug->pAllele(i) = Rnd() < Globals::AlleleFreq(0) ? 1 : 0;
    }
    bug->age = ToInt32(Rnd() * (Globals::Lifespan + 1));
    if (bug->age >= Globals::AgeAtMaturity) {
      bug->Image(bug->iAdult);
      bug->phenotype = bug->metamorphosis(Globals::Scenario);
    }
    field.doAttach(bug);
  }
}

TEST_F(LongRunTest, FieldsKeepTheirBooksOverThousandsOfDays) {
  RndControl::Seed(20240611);
  for (Int32 f = 0; f <= Globals::NumPopSurfaces; ++f) Populate(Field(f));

  std::set<const smartSprite*> seen;
  // Checks one field after a frame; returns its numbers of bugs and of newborns.
  auto check = [&](popSurface& field) -> std::pair<Int32, Int32> {
    EXPECT_EQ(field.sprites(0), nullptr);
    EXPECT_EQ(field.AttachedSprites().size(), static_cast<std::size_t>(field.sprites.Ubound()));
    Int32 bugs = 0, newborn = 0;
    for (Int32 i = 1; i <= field.sprites.Ubound(); ++i) {
      const auto& sprite = field.sprites(i);
      if (!sprite) {
        ADD_FAILURE() << "an empty entry " << i;
        continue;
      }
      EXPECT_TRUE(seen.insert(sprite.get()).second) << "a bug in two lists";
      EXPECT_EQ(sprite->Surface(), &field);
      const auto* bug = dynamic_cast<const critterSprite*>(sprite.get());
      if (!bug) continue;
      ++bugs;
      if (bug->age == 0) ++newborn;
      EXPECT_LE(bug->age, Globals::Lifespan);
      EXPECT_TRUE(std::isfinite(bug->xLoc) && std::isfinite(bug->yLoc));
    }
    EXPECT_EQ(field.numCritters, bugs);
    return {bugs, newborn};
  };

  long births = 0, moves = 0;
  for (int day = 1; day <= kDays && !HasFailure(); ++day) {
    seen.clear();
    Int32 total = 0;
    for (Int32 f = 0; f <= Globals::NumPopSurfaces; ++f) {
      Field(f).Update();
      const auto [bugs, newborn] = check(Field(f));
      // Births stop at the capacity (a drop may take a field past it).
      if (newborn > 0) {
        EXPECT_LE(bugs, Globals::MaxNumCritters(f));
      }
      total += bugs;
      births += newborn;
    }
    if (day % kDaysBetweenMoves != 0) continue;
    // Carry a random bug, pressed inside its image, to a random point of another field.
    popSurface& from = Field(ToInt32(Rnd() * 7));
    popSurface& to = Field(ToInt32(Rnd() * 7));
    if (from.sprites.Ubound() == 0) continue;
    const auto& pick = from.sprites(1 + ToInt32(Rnd() * from.sprites.Ubound()));
    auto held = from.mouseDown(from.Left() + pick->X() + 5, from.Top() + pick->Y() + 5);
    ASSERT_NE(held, nullptr);
    to.spriteDrop(held, to.Left() + 1 + ToInt32(Rnd() * (to.Width() - 2)),
                  to.Top() + 1 + ToInt32(Rnd() * (to.Height() - 2)));
    ++moves;
    // The click frames neither breed nor, right after a day's sweep, lose a bug.
    seen.clear();
    Int32 after = 0;
    for (Int32 f = 0; f <= Globals::NumPopSurfaces; ++f) after += check(Field(f)).first;
    EXPECT_EQ(after, total);
  }
  EXPECT_GT(births, 1000);
  EXPECT_GT(moves, 500);
}
}  // namespace
