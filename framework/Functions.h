#pragma once

#include <cmath>
#include <string>

#include "framework/Types.h"

// A tick is 1/60 of a second since an arbitrary moment; the count varies between runs
// and is never negative.
Int32 Ticks();

// The nearest whole number; halves go away from zero. NaN and infinities pass unchanged.
inline double Round(double value) {
  return std::round(value);
}

// Double to Int32 for every Double: the fraction is dropped (towards zero), NaN gives 0 and
// values beyond the Int32 range saturate at its ends.
inline Int32 ToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return 2147483647;
  if (value <= -2147483648.0) return -2147483647 - 1;
  return static_cast<Int32>(value);
}

// The decimal digits of an Int32, with a leading "-" when negative.
std::string Str(Int32 value);

// The shortest text that Val reads back to exactly this Double: 6.5 -> "6.5", 1.0 -> "1",
// 12345678.0 -> "12345678". Magnitudes from 1e-16 (every draw of Rnd) up to 1e16 are
// written without an exponent; NaN and
// infinities, which Val never yields, are written "NA" so that they never reach a user as
// "nan" or "inf".
std::string Str(double value);

// The leading decimal number of the text (after any blanks): an optional sign, digits with
// an optional decimal point, an optional exponent. 0 when the text starts with no number;
// never NaN or infinity (a number too large for a Double saturates).
double Val(const std::string& text);

// The one-character text of a character code (UTF-8 for codes above 127).
std::string Chr(Int32 code);

// Inline, so that a sine and a cosine of one angle can be computed together.
inline double Sin(double radians) {
  return std::sin(radians);
}
inline double Cos(double radians) {
  return std::cos(radians);
}
// The angle of the point (x, y) in radians, in (-pi, pi]; 0 for the origin.
inline double ATan2(double y, double x) {
  return std::atan2(y, x);
}
