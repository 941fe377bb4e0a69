#include "framework/Functions.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <limits>
#include <system_error>

Int32 Ticks() {
  using namespace std::chrono;
  const auto since = steady_clock::now().time_since_epoch();
  const auto ticks = duration_cast<microseconds>(since).count() * 60 / 1000000;
  return static_cast<Int32>(ticks % std::numeric_limits<Int32>::max());
}

double Round(double value) {
  return std::round(value);
}

Int32 ToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<Int32>::max();
  if (value <= -2147483648.0) return std::numeric_limits<Int32>::min();
  return static_cast<Int32>(value);
}

std::string Str(Int32 value) {
  return std::to_string(value);
}

std::string Str(double value) {
  if (!std::isfinite(value)) return "NA";
  if (value == 0.0) return "0";  // also -0.0
  char buf[400];
  const double mag = std::fabs(value);
  // Fixed notation for the magnitudes a user meets; the shortest round-trip text otherwise.
  const auto format =
      (mag >= 1e-6 && mag < 1e16) ? std::chars_format::fixed : std::chars_format::general;
  const auto res = std::to_chars(buf, buf + sizeof buf, value, format);
  return std::string(buf, res.ptr);
}

double Val(const std::string& text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
  const std::size_t start = i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t digitsStart = i;
  std::size_t digits = 0;
  while (i < n && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  std::size_t end = i;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t expDigits = j;
    while (j < n && text[j] >= '0' && text[j] <= '9') ++j;
    if (j > expDigits) end = j;
  }
  // from_chars takes no leading "+".
  const char* first = text.data() + (text[start] == '+' ? digitsStart : start);
  double result = 0.0;
  const auto res = std::from_chars(first, text.data() + end, result, std::chars_format::general);
  if (res.ec == std::errc::result_out_of_range) {
    // Too large: saturate; too small: zero. Tell them apart by the exponent's sign.
    const bool tiny = std::string(first, text.data() + end).find("e-") != std::string::npos ||
                      std::string(first, text.data() + end).find("E-") != std::string::npos;
    const bool negative = text[start] == '-';
    if (tiny) return negative ? -0.0 : 0.0;
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

double Sin(double radians) {
  return std::sin(radians);
}
double Cos(double radians) {
  return std::cos(radians);
}
double ATan2(double y, double x) {
  return std::atan2(y, x);
}
