#include "tests/model/FieldFixture.h"

#include "framework/Layout.h"
#include "model/Disc.h"
#include "model/Globals.h"

void FieldFixture::SetUp() {
  RndControl::Unscript();
  Globals::CreateArrays();
  Globals::SetPopulationConstants();
  Globals::setScenario(1);
  for (Int32 i = 0; i <= Globals::NumPopSurfaces; ++i) {
    const ControlSpec desc{.kind = ControlKind::SpriteSurface,
                           .name = "popSurfaces",
                           .index = i,
                           .left = kLeft + 300 * i,
                           .top = kTop + 40 * i,
                           .width = i < 2 ? 256 : 117,
                           .height = i < 2 ? 184 : 95};
    fields_.push_back(std::make_unique<popSurface>(desc));
    fields_.back()->prepare();
  }
}

void FieldFixture::TearDown() {
  RndControl::Unscript();
  fields_.clear();
  Globals::Release();
}

std::shared_ptr<critterSprite> FieldFixture::AddBug(popSurface& field, Int32 x, Int32 y, Int32 age,
                                                    Int32 timeSinceRepro, Int32 mAllele,
                                                    Int32 pAllele) {
  auto bug = std::make_shared<critterSprite>();
  bug->iBaby = NewDisc(11, RGB(200, 40, 40));
  bug->iAdult = NewDisc(13, RGB(200, 40, 40));
  const bool adult = age >= Globals::AgeAtMaturity;
  bug->Image(adult ? bug->iAdult : bug->iBaby);
  bug->phenotype = adult ? "7" : "larva";
  bug->age = age;
  bug->TimeSinceRepro = timeSinceRepro;
  bug->speed = 1.0;
  bug->direction = 0.0;
  bug->Group(-1);
  for (Int32 i = 0; i < kLoci; ++i) {
    bug->mAllele(i) = mAllele;
    bug->pAllele(i) = pAllele;
  }
  bug->X(x);
  bug->Y(y);
  field.doAttach(bug);
  return bug;
}

void FieldFixture::FillTo(popSurface& field, Int32 count) {
  const Int32 perRow = (field.Width() - 4) / 13;
  for (Int32 k = 0; field.sprites.Ubound() < count; ++k)
    AddBug(field, 2 + 13 * (k % perRow), 2 + 13 * (k / perRow), 0, 0);
}
