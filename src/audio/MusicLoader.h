// Loads the music tracks. An Ogg Vorbis track is kept compressed and decoded as it
// plays, which holds well under a megabyte instead of the ten or more the decoded track
// would take; any other file (WAV) is loaded whole like a sound effect.
#pragma once
#include <string>

#include "platform/Audio.h"

// The track in the file, or none when it is missing, unreadable or not playable.
// flags: SOUND_LOOP (1) to repeat, 0 to play once.
TSoundPtr LoadMusic(const std::string& path, int flags);
// As LoadMusic, but a failure is the fatal report "Error loading sample " + path.
TSoundPtr LoadMusicChecked(const std::string& path, int flags);
