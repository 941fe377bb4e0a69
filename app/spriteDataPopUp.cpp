#include "app/spriteDataPopUp.h"

#include <array>
#include <string_view>

#include "app/Pictures.h"
#include "framework/Exceptions.h"
#include "model/critterSprite.h"

namespace {
struct CardPicture {
  std::string_view phenotype;
  PicturePtr (*picture)();
  Int32 x, y;
};

// Looked up in this order; the first equal phenotype wins.
constexpr std::array<CardPicture, 16> kPictures{{
    {"larva", Larva, 5, 20},
    {"0", LadyBug00, 8, 3},
    {"1", LadyBug01, 8, 3},
    {"2", LadyBug02, 8, 3},
    {"3", LadyBug03, 8, 3},
    {"4", LadyBug04, 8, 3},
    {"5", LadyBug05, 8, 3},
    {"6", LadyBug06, 8, 3},
    {"7", LadyBug07, 8, 3},
    {"8", LadyBug08, 8, 3},
    {"9", LadyBug09, 8, 3},
    {"10", LadyBug10, 8, 3},
    {"11", LadyBug11, 8, 3},
    {"12", LadyBug12, 8, 3},
    {"13", LadyBug13, 8, 3},
    {"14", LadyBug14, 8, 3},
}};
}  // namespace

Int32 spriteDataPopUp::LeftFor(Int32 x, Int32 windowWidth) const {
  return x + 5 + Width() < windowWidth ? x + 5 : windowWidth - Width();
}

void spriteDataPopUp::prepare(Int32 x, Int32 y, const std::shared_ptr<smartSprite>& sprite,
                              Window& window) {
  const Int32 w = Width(), h = Height();
  Left(LeftFor(x, window.Width()));
  Top(y + 12);

  critterSprite* bug = sprite ? sprite->asCritter() : nullptr;
  if (!bug) throw NilObjectException("the data card shows only ladybugs");

  PicturePtr card = NewPicture(w, h, 32);
  card->Transparent(0);
  Graphics& g = card->Graphics();
  g.ForeColor(RGB(254, 254, 254));
  g.FillRect(0, 0, w, h);
  g.ForeColor(RGB(0, 0, 0));
  g.DrawRect(0, 0, w - 1, h - 1);

  const CardPicture* row = nullptr;
  for (const CardPicture& p : kPictures) {
    if (bug->phenotype == p.phenotype) {
      row = &p;
      break;
    }
  }
  // A phenotype with no picture of its own shows the text "Unknown phenotype".
  if (row) {
    g.DrawPicture(row->picture().get(), row->x, row->y);
  } else {
    g.DrawString("Unknown phenotype", 8, 3);
  }

  if (bug->exposed) {
    g.ForeColor(RGB(230, 85, 85));
    g.FillOval(w - 8, h - 8, 6, 6);
  }
  Backdrop(card);
}
