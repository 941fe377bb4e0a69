#include "framework/Functions.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

Int32 Ticks() {
  using namespace std::chrono;
  const auto since = steady_clock::now().time_since_epoch();
  const auto ticks = duration_cast<microseconds>(since).count() * 60 / 1000000;
  return static_cast<Int32>(ticks % std::numeric_limits<Int32>::max());
}

std::string Str(Int32 value) {
  return std::to_string(value);
}

std::string Str(double value) {
  if (!std::isfinite(value)) return "NA";
  if (value == 0.0) return "0";  // also -0.0
  char buf[400];
  const double mag = std::fabs(value);
  // Fixed notation for the magnitudes a user meets, every draw of Rnd included (its smallest
  // above zero is 2^-53, about 1.1e-16); the shortest round-trip text otherwise.
  const auto format =
      (mag >= 1e-16 && mag < 1e16) ? std::chars_format::fixed : std::chars_format::general;
  const auto res = std::to_chars(buf, buf + sizeof buf, value, format);
  return std::string(buf, res.ptr);
}

namespace {
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The power of ten of the first non-zero digit of a number of [sign] digits [. digits]
// [e [sign] digits], its exponent included; the exponent's size is capped, far beyond any
// Double. Tells a number too large for a Double from one too small.
std::int64_t LeadingPower(const char* p, const char* end) {
  if (p != end && (*p == '+' || *p == '-')) ++p;
  std::int64_t power = 0;
  bool seen = false;
  for (; p != end && IsDigit(*p); ++p) {
    seen = seen || *p != '0';
    if (seen) ++power;
  }
  if (seen) --power;
  if (p != end && *p == '.') {
    for (++p; p != end && IsDigit(*p); ++p) {
      if (!seen) --power;
      seen = seen || *p != '0';
    }
  }
  if (p != end && (*p == 'e' || *p == 'E')) {
    ++p;
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '+' || *p == '-')) ++p;
    std::int64_t exponent = 0;
    for (; p != end && IsDigit(*p); ++p)
      exponent = std::min<std::int64_t>(exponent * 10 + (*p - '0'), 1'000'000'000);
    power += negative ? -exponent : exponent;
  }
  return power;
}
}  // namespace

double Val(const std::string& text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
  const std::size_t start = i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t digitsStart = i;
  std::size_t digits = 0;
  while (i < n && IsDigit(text[i])) ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  std::size_t end = i;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t expDigits = j;
    while (j < n && IsDigit(text[j])) ++j;
    if (j > expDigits) end = j;
  }
  // from_chars takes no leading "+".
  const char* first = text.data() + (text[start] == '+' ? digitsStart : start);
  const char* last = text.data() + end;
  double result = 0.0;
  const auto res = std::from_chars(first, last, result, std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    // Too large saturates, too small is zero.
    const bool negative = text[start] == '-';
    if (LeadingPower(first, last) < 0) return negative ? -0.0 : 0.0;
    return negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
  }
  if (res.ec != std::errc() || !std::isfinite(result)) return 0.0;
  return result;
}

std::string Chr(Int32 code) {
  std::string out;
  const auto c = static_cast<std::uint32_t>(code);
  if (code < 0 || c > 0x10FFFF) return out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}
