// The game's music: looping stereo tracks arranged from old carols and our
// own tunes, each closed into a seamless loop.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "Signal.h"

struct TTrack {
  std::string file;  // name in the music folder
  std::function<TSignal()> render;
};

std::vector<TTrack> MusicTracks();
