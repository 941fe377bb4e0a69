#pragma once

// The angles of the bugs' headings. They are these decimal values, not pi and its multiples
// at full precision: the headings of a run depend on them.
constexpr double kPi = 3.14159265;
constexpr double kTwoPi = 6.2831853;
constexpr double kQuarterPi = 0.7853981625;
