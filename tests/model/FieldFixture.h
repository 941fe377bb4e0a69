#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/Rnd.h"
#include "model/critterSprite.h"
#include "model/popSurface.h"

// The seven fields of the main window (0 and 1 the large fields, 2 to 6 the pools) with
// the program's settings and scenario 1, and bugs placed by hand without any draw.
// Rnd is unscripted before and after each test.
class FieldFixture : public ::testing::Test {
 protected:
  // Field 0's corner in its window; each further field stands elsewhere, so that a bug
  // carried between fields is placed by the field it is dropped on.
  static constexpr Int32 kLeft = 16;
  static constexpr Int32 kTop = 31;

  void SetUp() override;
  void TearDown() override;

  popSurface& Field(Int32 index) { return *fields_.at(static_cast<std::size_t>(index)); }

  // A bug with its corner at (x, y), heading along +x, attached to the field. From
  // AgeAtMaturity on it is an adult with phenotype "7"; before, a larva. Every maternal
  // allele is mAllele and every paternal one pAllele.
  std::shared_ptr<critterSprite> AddBug(popSurface& field, Int32 x, Int32 y, Int32 age,
                                        Int32 timeSinceRepro, Int32 mAllele = 0, Int32 pAllele = 0);
  // Adds young larvae in rows from the field's top-left corner, apart from each other,
  // until the field holds count bugs.
  void FillTo(popSurface& field, Int32 count);

  // Scripts exactly these draws for f, and checks that f takes every one of them.
  template <class F>
  void WithDraws(std::vector<double> draws, F&& f) {
    RndControl::Script(std::move(draws));
    f();
    EXPECT_EQ(RndControl::Remaining(), 0u) << "draws left over";
    RndControl::Unscript();
  }

 private:
  std::vector<std::unique_ptr<popSurface>> fields_;
};
