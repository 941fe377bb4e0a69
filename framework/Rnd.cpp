#include "framework/Rnd.h"

#include <chrono>
#include <deque>
#include <optional>
#include <random>

namespace {
struct RndState {
  std::mt19937_64 engine{static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count())};
  std::optional<std::deque<double>> script;
  std::uint64_t count = 0;
};
RndState& State() {
  static RndState state;
  return state;
}
}  // namespace

double Rnd() {
  RndState& s = State();
  if (s.script) {
    if (s.script->empty()) throw RndScriptExhausted();
    const double v = s.script->front();
    s.script->pop_front();
    ++s.count;
    return v;
  }
  ++s.count;
  // 53 random bits: uniform in [0, 1).
  return static_cast<double>(s.engine() >> 11) * 0x1.0p-53;
}

namespace RndControl {
void Seed(std::uint64_t seed) {
  State().engine.seed(seed);
}
std::uint64_t DrawCount() {
  return State().count;
}
void Script(std::vector<double> draws) {
  State().script = std::deque<double>(draws.begin(), draws.end());
}
std::size_t Remaining() {
  return State().script ? State().script->size() : 0;
}
void Unscript() {
  State().script.reset();
}
}  // namespace RndControl
