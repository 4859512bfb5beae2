// The filters that shape the sources: a one-pole smoother and the usual
// second-order sections (low, high and band pass) with settable corner.
#pragma once

class TOnePole {
 public:
  // Low-pass with its corner at hz.
  explicit TOnePole(double hz = 1000.0) { SetHz(hz); }
  void SetHz(double hz);
  float Low(float x) { return y_ += a_ * (x - y_); }
  float High(float x) { return x - Low(x); }

 private:
  float a_ = 1.0f;
  float y_ = 0.0f;
};

class TBiquad {
 public:
  enum class EKind { Low, High, Band };
  TBiquad(EKind kind, double hz, double q) : kind_(kind) { Set(hz, q); }
  // Recomputes the coefficients; state is kept, so sweeps stay smooth.
  void Set(double hz, double q);
  float Process(float x) {
    const float y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  EKind kind_;
  float b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  float x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};
