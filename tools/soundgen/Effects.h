// The game's sound effects, the intro clock, the splash chime and the
// level-won fanfare: every sound that is not background music.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "Signal.h"

struct TEffect {
  std::string path;  // below the data root, e.g. "Data/sound/click.wav"
  std::function<TSignal()> render;
  bool loops = false;  // looping files are closed into a seamless loop instead of faded
  // Longest the sound may ring (0: no limit); longer tails are faded out over the last third.
  // Board sounds must end soon: the board hands out only channels that have finished.
  double maxSeconds = 0.0;
  double fadeOutSeconds = 0.03;  // at most this, and at most a fifth of the sound
};

std::vector<TEffect> SoundEffects();
