#include "Envelope.h"

#include <algorithm>
#include <cmath>

namespace {
double HeldLevel(const TAdsr& e, double t) {
  if (t < e.attack) {
    // A sine-shaped rise is smoother to the ear than a straight line.
    return 0.5 - 0.5 * std::cos(M_PI * t / e.attack);
  }
  return e.sustain + (1.0 - e.sustain) * std::exp(-(t - e.attack) / std::max(e.decay, 1e-4));
}
}  // namespace

float TAdsr::At(double t, double gate) const {
  if (t < 0.0) return 0.0f;
  if (t < gate) return static_cast<float>(HeldLevel(*this, t));
  return static_cast<float>(HeldLevel(*this, gate) * std::exp(-(t - gate) / std::max(release, 1e-4)));
}

float Struck(double t, double tau, double attack) {
  if (t < 0.0) return 0.0f;
  const double a = t < attack ? t / attack : 1.0;
  return static_cast<float>(a * std::exp(-t / tau));
}

TStruck::TStruck(double tau, double attack)
    : fall_(std::exp(-1.0 / (std::max(tau, 1e-5) * 44100.0))),
      rise_(attack > 0.0 ? 1.0 / (attack * 44100.0) : 1.0) {}
