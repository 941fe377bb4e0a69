#pragma once

#include <string>

#include "framework/Types.h"

class Picture;

// Drawing into a picture. Coordinates are pixels from the picture's top-left corner; what
// falls outside the picture is cut off.
class Graphics {
 public:
  explicit Graphics(Picture& picture) : picture_(picture) {}

  Color ForeColor() const { return foreColor_; }
  void ForeColor(Color c) { foreColor_ = c; }
  Int32 TextSize() const { return textSize_; }
  // 0 means the default size (12).
  void TextSize(Int32 size) { textSize_ = size; }

  // Fills the pixels x..x+width-1, y..y+height-1.
  void FillRect(Int32 x, Int32 y, Int32 width, Int32 height);
  // Fills the pixels of that rectangle whose centres lie in the inscribed ellipse; a 1 by 1
  // oval is one pixel.
  void FillOval(Int32 x, Int32 y, Int32 width, Int32 height);
  // A one-pixel frame on the columns x and x+width and the rows y and y+height.
  void DrawRect(Int32 x, Int32 y, Int32 width, Int32 height);
  // Draws the picture at its own size with its top-left corner at (x, y); a null picture
  // draws nothing.
  void DrawPicture(const Picture* picture, Int32 x, Int32 y);
  // Draws one line of text whose box has its top-left corner at (x, y), in ForeColor.
  void DrawString(const std::string& text, Int32 x, Int32 y);

 private:
  Picture& picture_;
  Color foreColor_{0, 0, 0};
  Int32 textSize_ = 0;
};
