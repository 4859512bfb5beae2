// Loads sound files (WAV or Ogg Vorbis, told apart by their contents) into the audio
// service, and the reporting loader that ends the game when a sound cannot be had.
#pragma once
#include <string>

#include "platform/Audio.h"

// The sound in the file, or none when the file is missing, unreadable or damaged.
// flags: SOUND_LOOP (1) to repeat, 0 to play once.
TSoundPtr LoadSound(const std::string& path, int flags);
// As LoadSound, but a failure is the fatal report "Error loading sample " + path.
TSoundPtr LoadSoundChecked(const std::string& path, int flags);
