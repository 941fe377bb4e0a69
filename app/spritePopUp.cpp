#include "app/spritePopUp.h"

void spritePopUp::prepare(Int32 x, Int32 y, const std::shared_ptr<smartSprite>& sprite) {
  if (!sprite) return;
  Left(x + sprite->X() - 1);
  Top(y + sprite->Y() - 1);
  Width(sprite->ImageWidth() + 2);
  Height(sprite->ImageHeight() + 2);
  PicturePtr picture = NewPicture(Width(), Height(), 32);
  // White is left out when shown, so that only the frame and the bug cover the field.
  picture->Transparent(1);
  Graphics& g = picture->Graphics();
  g.ForeColor(RGB(150, 150, 150));
  g.DrawRect(0, 0, Width() - 1, Height() - 1);
  g.DrawPicture(sprite->Image().get(), 1, 1);
  Backdrop(picture);
}
