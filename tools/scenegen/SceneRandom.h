// A seeded random stream owned by one picture, so that every picture comes out the
// same whatever the order or the thread it is drawn in.
#pragma once
#include <cstdint>

class TSceneRandom {
 public:
  explicit TSceneRandom(uint32_t seed) {
    uint64_t z = (uint64_t(seed) + 1) * 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    state_ = (z ^ (z >> 31)) | 1;
  }
  // Whole number from lo to hi, both included.
  int Int(int lo, int hi) {
    if (hi <= lo) return lo;
    return lo + int(Next() % uint64_t(hi - lo + 1));
  }
  // Real number from lo up to hi.
  double Real(double lo, double hi) { return lo + (hi - lo) * double(Next() >> 11) * (1.0 / 9007199254740992.0); }
  bool Chance(double p) { return Real(0, 1) < p; }

 private:
  uint64_t Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1Dull;
  }
  uint64_t state_;
};
