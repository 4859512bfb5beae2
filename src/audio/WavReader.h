// Reads RIFF WAVE files of 8- or 16-bit PCM, mono or stereo. Every length is checked
// against the bytes present, so a truncated or damaged file is refused, never overrun.
#pragma once
#include <cstddef>
#include <cstdint>

#include "audio/SoundData.h"

// True and `out` filled when the bytes are a whole, playable WAV file.
bool ReadWav(const uint8_t* data, size_t size, TSoundData& out);
