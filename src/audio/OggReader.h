// Decodes an Ogg Vorbis file held in memory into 16-bit PCM (mono or stereo).
#pragma once
#include <cstddef>
#include <cstdint>

#include "audio/SoundData.h"

// True and `out` filled when the bytes decode to at least one frame of sound.
bool ReadOgg(const uint8_t* data, size_t size, TSoundData& out);
