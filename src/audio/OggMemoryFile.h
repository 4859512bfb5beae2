// Ogg Vorbis files are decoded from bytes already in memory: these are the reading
// callbacks that let the Vorbis file interface walk such bytes as if they were a file.
#pragma once
#include <vorbis/vorbisfile.h>

#include <cstddef>
#include <cstdint>

struct TOggMemoryFile {
  const uint8_t* Data = nullptr;
  size_t Size = 0;
  size_t Pos = 0;
};

// Read, seek and tell over a TOggMemoryFile passed as the data source; seekable, so the
// decoder can learn the length and start over.
ov_callbacks OggMemoryCallbacks();
