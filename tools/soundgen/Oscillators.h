// The raw tone and noise sources the instruments are built from: a table
// sine, a band-limited sawtooth, a triangle and a repeatable noise source.
#pragma once
#include <cstdint>

// sin(2 pi cycles), from a table; accurate to about -100 dB, which is far below
// what the 16-bit files can carry.
float FastSin(double cycles);
// Equal-tempered frequency of a MIDI note number (69 = A 440 Hz).
double NoteHz(double midi);

// Sawtooth with polyBLEP corners, so it does not alias at high notes.
class TSaw {
 public:
  explicit TSaw(double hz, double phase = 0.0) : phase_(phase), step_(hz / 44100.0) {}
  void SetHz(double hz) { step_ = hz / 44100.0; }
  float Next();

 private:
  double phase_;
  double step_;
};

// A steady sine by rotating a unit vector: one complex multiply a sample.
class TPhasor {
 public:
  explicit TPhasor(double hz, double phaseCycles = 0.0);
  float Next() {
    const double s = s_;
    const double c = c_;
    s_ = s * wc_ + c * ws_;
    c_ = c * wc_ - s * ws_;
    return static_cast<float>(s);
  }

 private:
  double s_, c_, ws_, wc_;
};

// Triangle from a phase accumulator; its harmonics fall fast enough not to need band-limiting
// at the bass pitches it is used for.
float Triangle(double cycles);

// A small xorshift generator: every sound is built from its own seed, so the
// files come out the same on every build.
class TNoise {
 public:
  explicit TNoise(std::uint32_t seed) : s_(seed ? seed : 0x9e3779b9u) {}
  std::uint32_t NextU();
  // Uniform in [-1, 1).
  float White();
  // Uniform in [lo, hi).
  double Range(double lo, double hi);

 private:
  std::uint32_t s_;
};
