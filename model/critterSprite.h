#pragma once

#include <string>

#include "framework/Array.h"
#include "framework/Picture.h"
#include "model/DotRange.h"
#include "model/bounceSprite.h"

// The ladybug: seven loci with two alleles each; a larva until its age reaches
// Globals::AgeAtMaturity, then an adult whose dots (its phenotype) come from its alleles,
// from chance and from the scenario's heritability.
class critterSprite : public bounceSprite {
 public:
  critterSprite();

  Int32 age = 0;             // days: frames in which the bug moved
  Int32 TimeSinceRepro = 0;  // days since the bug last started a birth
  PicturePtr iBaby;          // 11 x 11 disc in the bug's colour
  PicturePtr iAdult;         // 13 x 13 disc in the same colour
  Array<Int32> mAllele;      // maternal alleles, indices 0 to kLoci - 1, each 0 or 1
  Array<Int32> pAllele;      // paternal alleles
  std::string phenotype;     // "larva", or the number of dots "0" to "14"
  bool exposed = false;      // touched a worm while a larva

  // Sets a new larva up for the field: 4 draws (heading, colour, x, y).
  void prepare(smartSurface& field) override;
  // One day: bounce and step, age, maturity at exactly AgeAtMaturity, TimeSinceRepro.
  void move(smartSurface& field) override;
  // The dots of a new adult: 14 draws. The scenario's name does not enter the result.
  virtual std::string metamorphosis(const std::string& scenario);
  // Mating with a touching adult (19 draws per birth) and exposure to a worm.
  void collision(smartSurface& field, smartSprite& other) override;
  critterSprite* asCritter() override { return this; }
};
