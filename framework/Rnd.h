#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/Exceptions.h"

// The program's one random generator: a uniform Double in [0, 1). Seeded from the clock
// at start; every draw is counted.
double Rnd();

// Raised when a scripted sequence of draws runs out.
class RndScriptExhausted : public RuntimeException {
 public:
  RndScriptExhausted() : RuntimeException("Rnd: the scripted draws ran out") {}
  const char* ClassName() const override { return "RndScriptExhausted"; }
};

namespace RndControl {
// Restarts the generator from a fixed seed (reproducible runs).
void Seed(std::uint64_t seed);
// Draws taken since the start of the program (scripted ones included).
std::uint64_t DrawCount();
// From now on Rnd returns these values in order and raises RndScriptExhausted after the last.
void Script(std::vector<double> draws);
// Scripted draws not yet taken.
std::size_t Remaining();
// Back to the generator.
void Unscript();
}  // namespace RndControl
