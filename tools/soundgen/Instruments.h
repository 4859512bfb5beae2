// The voices of the music and of the tonal effects. Each call renders one
// note (or one shake of sleigh bells) and adds it into the signal.
#pragma once
#include <cstdint>

#include "Signal.h"

struct TNote {
  double start = 0.0;   // seconds
  double length = 0.5;  // seconds the key is held
  double midi = 60.0;   // pitch, fractional for detuning
  float vel = 0.8f;     // loudness 0..1
  float pan = 0.0f;     // -1 left .. 1 right
};

namespace Instruments {
// Hammered metal bar: nearly pure with a short bright ting; dampers cut it at the key's release.
void Celesta(TSignal& out, const TNote& n);
// Frequency-modulated bell; ratio sets how far from harmonic the overtones lie.
void Bell(TSignal& out, const TNote& n, double ratio = 1.4, double index = 2.0, double decay = 2.2);
// Glockenspiel: a bright bar with the inharmonic partials of a free bar.
void Glock(TSignal& out, const TNote& n, double decay = 1.0);
// Plucked string (a delay-line string model); plucked short like pizzicato.
void Pluck(TSignal& out, const TNote& n, double ringSeconds = 0.7, std::uint32_t seed = 1);
// Two detuned, filtered sawtooths with a slow swell.
void Pad(TSignal& out, const TNote& n, double brightness = 3.0);
// Round, soft bass with a little body from its low harmonics.
void Bass(TSignal& out, const TNote& n);
// A shake of small sleigh bells.
void Jingle(TSignal& out, double start, float vel, float pan, std::uint32_t seed);
}  // namespace Instruments
