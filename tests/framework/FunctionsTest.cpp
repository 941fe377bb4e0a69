#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "framework/Functions.h"
#include "framework/Rnd.h"

namespace {
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(StrTest, WritesDoublesShortestAndWithoutExponentForEverydayValues) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {6.5, "6.5"},
      {1.0, "1"},
      {0.33, "0.33"},
      {-1.25, "-1.25"},
      {12345678.0, "12345678"},
      {0.0, "0"},
      {-0.0, "0"},
      {0.1 + 0.2, "0.30000000000000004"},
      {1e15, "1000000000000000"},
      {0.000125, "0.000125"},
      {100.0, "100"},
      // Every draw of Rnd, a multiple of 2^-53 in [0, 1), in fixed notation.
      {9.999999e-7, "0.0000009999999"},
      {-3e-10, "-0.0000000003"},
      {0x1.0p-53, "0.00000000000000011102230246251565"},
      {1.0 - 0x1.0p-53, "0.9999999999999999"},
      {1e-16, "0.0000000000000001"},
      {9e-17, "9e-17"},
      {NAN, "NA"},
      {kInf, "NA"},
      {-kInf, "NA"},
  };
  for (const Case& c : cases) EXPECT_EQ(Str(c.value), c.text) << c.value;
}

// A drawn heritability is shown with Str: no exponent, no "nan", no digit beyond those that
// read back to the value.
TEST(StrTest, WritesEveryKindOfDrawInFixedNotationAndNoLonger) {
  std::vector<double> draws;
  for (int bits = 1; bits <= 53; ++bits) {
    draws.push_back(std::ldexp(1.0, -bits));
    draws.push_back(1.0 - std::ldexp(1.0, -bits));
  }
  for (std::uint64_t k = 1; k <= 1000; ++k) draws.push_back(static_cast<double>(k) * 0x1.0p-53);
  RndControl::Seed(11);
  for (int i = 0; i < 10000; ++i) draws.push_back(Rnd());
  for (double x : draws) {
    const std::string text = Str(x);
    SCOPED_TRACE(text);
    ASSERT_EQ(text.find_first_not_of("0123456789."), std::string::npos);
    EXPECT_EQ(Val(text), x);
    // The shortest: a text cut by its last digit reads back to another value.
    if (text.find('.') != std::string::npos) {
      EXPECT_NE(text.back(), '0');
      EXPECT_NE(Val(text.substr(0, text.size() - 1)), x);
    }
  }
}

TEST(StrTest, WritesInt32sIncludingTheirEnds) {
  struct Case {
    Int32 value;
    const char* text;
  };
  const Case cases[] = {{0, "0"},
                        {-7, "-7"},
                        {40, "40"},
                        {std::numeric_limits<Int32>::max(), "2147483647"},
                        {std::numeric_limits<Int32>::min(), "-2147483648"}};
  for (const Case& c : cases) EXPECT_EQ(Str(c.value), c.text);
}

TEST(ValTest, ReadsBackWhatStrWroteExactly) {
  const double values[] = {0.0,
                           6.5,
                           -1.25,
                           0.33,
                           1.0 / 3.0,
                           -2.0 / 7.0,
                           12345678.0,
                           0.1 + 0.2,
                           123456.789e3,
                           1e-6,
                           9.999999e-7,
                           1e-300,
                           4.9406564584124654e-324,
                           2.2250738585072014e-308,
                           1e16,
                           -3.4e200,
                           kMax,
                           -kMax,
                           std::nextafter(1.0, 2.0),
                           static_cast<double>(std::numeric_limits<std::int64_t>::max())};
  for (double x : values) EXPECT_EQ(Val(Str(x)), x) << Str(x);
}

TEST(ValTest, ReadsTheLeadingNumberOfAnyTextAndNeverNaNOrInfinity) {
  const std::string zeros(400, '0');
  struct Case {
    std::string text;
    double value;
  };
  const Case cases[] = {
      {"", 0},
      {"abc", 0},
      {"  12abc", 12},
      {"\t7", 7},
      {"-", 0},
      {"+", 0},
      {".", 0},
      {"-.", 0},
      {".5", 0.5},
      {"5.", 5},
      {"+3.5", 3.5},
      {"-2.5e-3xyz", -0.0025},
      {"1E3", 1000},
      {"1e", 1},
      {"1e+", 1},
      {"2e-", 2},
      {"12.5.6", 12.5},
      {"0x10", 0},
      {"- 3", 0},
      {"+-3", 0},
      {"nan", 0},
      {"NaN", 0},
      {"inf", 0},
      {"-infinity", 0},
      {"1e400", kMax},
      {"-1e400", -kMax},
      {"1" + zeros, kMax},
      {"1e-400", 0},
      {"0." + zeros + "1", 0},
      {"-0." + zeros + "1", 0},
      {zeros + "5", 5},
      {"0e999999", 0},
      {"1e99999999999999999999", kMax},
      {"1e-99999999999999999999", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 30));
    const double v = Val(c.text);
    EXPECT_TRUE(std::isfinite(v));
    EXPECT_EQ(v, c.value);
  }
}

TEST(ToInt32Test, DropsTheFractionAndSaturates) {
  constexpr Int32 kHigh = std::numeric_limits<Int32>::max();
  constexpr Int32 kLow = std::numeric_limits<Int32>::min();
  struct Case {
    double value;
    Int32 result;
  };
  const Case cases[] = {
      {NAN, 0},
      {kInf, kHigh},
      {-kInf, kLow},
      {2147483647.9, kHigh},
      {2147483647.0, kHigh},
      {2147483646.5, 2147483646},
      {-2147483648.5, kLow},
      {-2147483648.0, kLow},
      {-2147483647.5, -2147483647},
      {1e300, kHigh},
      {-1e300, kLow},
      {-0.9, 0},
      {0.9, 0},
      {33.33, 33},
      {-33.99, -33},
  };
  for (const Case& c : cases) EXPECT_EQ(ToInt32(c.value), c.result) << c.value;
}

TEST(ChrTest, EncodesCodesAsUtf8) {
  EXPECT_EQ(Chr(65), "A");
  EXPECT_EQ(Chr(13), "\r");
  EXPECT_EQ(Chr(0xE9), "\xC3\xA9");
  EXPECT_EQ(Chr(0x2713), "\xE2\x9C\x93");
  EXPECT_EQ(Chr(0x1F41E), "\xF0\x9F\x90\x9E");
  EXPECT_EQ(Chr(-1), "");
  EXPECT_EQ(Chr(0x110000), "");
}
}  // namespace
