#include "model/Disc.h"

PicturePtr NewDisc(Int32 size, Color color) {
  PicturePtr p = NewPicture(size, size, 32);
  p->Graphics().ForeColor(color);
  p->Graphics().FillOval(0, 0, p->Width(), p->Height());
  return p;
}
