// A small hall: parallel damped comb filters into a chain of all-passes,
// with slightly different delays on the right so the tail spreads in stereo.
#pragma once
#include <vector>

#include "Signal.h"

class TReverb {
 public:
  // size 0..1 sets the decay time, damp 0..1 how fast the highs die away.
  TReverb(float size, float damp);
  // Returns the wet sound of the whole signal (same channel count), the input left untouched.
  // The result is longer than the input by tailSeconds.
  TSignal Wet(const TSignal& in, double tailSeconds);

 private:
  struct TComb {
    std::vector<float> buf;
    std::size_t pos = 0;
    float store = 0.0f;
  };
  struct TAllPass {
    std::vector<float> buf;
    std::size_t pos = 0;
  };
  float feedback_;
  float damp_;
};
