#include "Oscillators.h"

#include <array>
#include <cmath>

namespace {
constexpr int kTableBits = 12;
constexpr int kTableSize = 1 << kTableBits;

const std::array<float, kTableSize + 1>& SineTable() {
  static const auto table = [] {
    std::array<float, kTableSize + 1> t{};
    for (int i = 0; i <= kTableSize; ++i) t[i] = static_cast<float>(std::sin(2.0 * M_PI * i / kTableSize));
    return t;
  }();
  return table;
}
}  // namespace

float FastSin(double cycles) {
  const auto& t = SineTable();
  double f = cycles - std::floor(cycles);
  const double pos = f * kTableSize;
  const int i = static_cast<int>(pos);
  const float frac = static_cast<float>(pos - i);
  return t[i] + (t[i + 1] - t[i]) * frac;
}

double NoteHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

float TSaw::Next() {
  const double t = phase_;
  double v = 2.0 * t - 1.0;
  // Soften the jump at the wrap with the two-sample polynomial residual.
  if (t < step_) {
    const double x = t / step_;
    v -= x + x - x * x - 1.0;
  } else if (t > 1.0 - step_) {
    const double x = (t - 1.0) / step_;
    v -= x * x + x + x + 1.0;
  }
  phase_ += step_;
  if (phase_ >= 1.0) phase_ -= 1.0;
  return static_cast<float>(v);
}

TPhasor::TPhasor(double hz, double phaseCycles)
    : s_(std::sin(2.0 * M_PI * phaseCycles)),
      c_(std::cos(2.0 * M_PI * phaseCycles)),
      ws_(std::sin(2.0 * M_PI * hz / 44100.0)),
      wc_(std::cos(2.0 * M_PI * hz / 44100.0)) {}

float Triangle(double cycles) {
  const double f = cycles - std::floor(cycles);
  return static_cast<float>(f < 0.5 ? 4.0 * f - 1.0 : 3.0 - 4.0 * f);
}

std::uint32_t TNoise::NextU() {
  s_ ^= s_ << 13;
  s_ ^= s_ >> 17;
  s_ ^= s_ << 5;
  return s_;
}

float TNoise::White() { return static_cast<float>(NextU() >> 8) / 8388608.0f - 1.0f; }

double TNoise::Range(double lo, double hi) { return lo + (hi - lo) * ((NextU() >> 8) / 16777216.0); }
