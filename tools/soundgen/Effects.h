// The game's sound effects, the intro clock, the splash chime and the
// level-won fanfare: every sound that is not background music.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "Signal.h"

// How loud each kind of effect plays, as the loudness of its loudest stretch in dBFS:
// bangs and bursts on top, the board's events and cues beneath them, the interface
// softest. The music sits well under all of them, so effects carry over it.
namespace Loudness {
constexpr float Bang = -9.0f;
constexpr float Board = -14.5f;
constexpr float Cue = -12.5f;  // a move that failed: short, so it needs more to be heard
constexpr float Quiet = -17.0f;
constexpr float Chime = -19.0f;
constexpr float Interface = -21.0f;
constexpr float Rustle = -25.0f;
constexpr float MusicRms = -24.0f;  // the whole track's RMS, not its loudest stretch
}  // namespace Loudness

struct TEffect {
  std::string path;  // below the data root, e.g. "Data/sound/click.wav"
  std::function<TSignal()> render;
  float loudnessDb = Loudness::Board;
  bool loops = false;  // looping files are closed into a seamless loop instead of faded
  // Longest the sound may ring (0: no limit); longer tails are faded out over the last third.
  // Board sounds must end soon: the board hands out only channels that have finished.
  double maxSeconds = 0.0;
  double fadeOutSeconds = 0.03;  // at most this, and at most a fifth of the sound
};

std::vector<TEffect> SoundEffects();
