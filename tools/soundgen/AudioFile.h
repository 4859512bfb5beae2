// Writers for the two file kinds the game loads: 16-bit PCM WAV and Ogg Vorbis.
#pragma once
#include <string>

#include "Signal.h"

// Samples beyond +-1 are clamped; folders above path are created.
bool WriteWav(const TSignal& s, const std::string& path);
// Variable bit rate at the given quality (-0.1 .. 1).
bool WriteOgg(const TSignal& s, const std::string& path, float quality);
