// Loudness shapes over a note's life: attack, decay, sustain and release,
// worked out from the time since the note started.
#pragma once

struct TAdsr {
  double attack = 0.01;   // seconds to full level
  double decay = 0.1;     // time constant of the fall towards sustain
  double sustain = 0.7;   // level held while the key is down
  double release = 0.2;   // time constant of the fall after the key is let go

  // Level at t seconds for a note held for gate seconds.
  float At(double t, double gate) const;
  // Seconds after which the level has dropped below -60 dB.
  double Length(double gate) const { return gate + release * 7.0; }
};

// exp(-t / tau) with a few-sample linear attack so struck sounds do not click.
float Struck(double t, double tau, double attack = 0.002);

// The same shape sample by sample, by recurrence: far cheaper than exp per sample.
class TStruck {
 public:
  TStruck(double tau, double attack = 0.002);
  float Next() {
    const double out = level_ * ramp_;
    level_ *= fall_;
    ramp_ = ramp_ + rise_ < 1.0 ? ramp_ + rise_ : 1.0;
    return static_cast<float>(out);
  }

 private:
  double level_ = 1.0, fall_, ramp_ = 0.0, rise_;
};
