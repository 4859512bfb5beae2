#include "platform/Random.h"

#include <utility>

namespace {
// xorshift64*: small, fast and good enough for a puzzle game; never zero state.
uint64_t state = 0x9E3779B97F4A7C15ull;

uint64_t Next() {
  state ^= state >> 12;
  state ^= state << 25;
  state ^= state >> 27;
  return state * 0x2545F4914F6CDD1Dull;
}
}  // namespace

void SeedRnd(uint32_t seed) {
  // Spread the seed so that nearby seeds give unrelated sequences.
  uint64_t z = (uint64_t(seed) + 1) * 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  state = z ^ (z >> 31);
  if (state == 0) state = 0x9E3779B97F4A7C15ull;
}

int Rand(int lo, int hi) {
  if (lo > hi) std::swap(lo, hi);
  uint64_t span = uint64_t(int64_t(hi) - int64_t(lo)) + 1;
  return int(int64_t(lo) + int64_t(Next() % span));
}

float Rnd(float lo, float hi) {
  double unit = double(Next() >> 11) * (1.0 / 9007199254740992.0);
  float r = float(lo + (hi - lo) * unit);
  return r < hi ? r : lo;
}
