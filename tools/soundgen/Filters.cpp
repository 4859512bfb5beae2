#include "Filters.h"

#include <algorithm>
#include <cmath>

#include "Signal.h"

void TOnePole::SetHz(double hz) {
  a_ = static_cast<float>(1.0 - std::exp(-2.0 * M_PI * std::min(hz, kRate * 0.45) / kRate));
}

void TBiquad::Set(double hz, double q) {
  hz = std::clamp(hz, 10.0, kRate * 0.45);
  const double w = 2.0 * M_PI * hz / kRate;
  const double cw = std::cos(w);
  const double alpha = std::sin(w) / (2.0 * q);
  const double a0 = 1.0 + alpha;
  double b0 = 0, b1 = 0, b2 = 0;
  switch (kind_) {
    case EKind::Low:
      b0 = (1.0 - cw) / 2.0;
      b1 = 1.0 - cw;
      b2 = b0;
      break;
    case EKind::High:
      b0 = (1.0 + cw) / 2.0;
      b1 = -(1.0 + cw);
      b2 = b0;
      break;
    case EKind::Band:  // unity gain at the centre
      b0 = alpha;
      b1 = 0.0;
      b2 = -alpha;
      break;
  }
  b0_ = static_cast<float>(b0 / a0);
  b1_ = static_cast<float>(b1 / a0);
  b2_ = static_cast<float>(b2 / a0);
  a1_ = static_cast<float>(-2.0 * cw / a0);
  a2_ = static_cast<float>((1.0 - alpha) / a0);
}
