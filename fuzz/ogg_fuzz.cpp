// Feeds arbitrary bytes to the Ogg Vorbis reader: it must refuse or decode, never crash
// or over-read, and what it decodes is whole 16-bit frames of one or two channels.
#include <cstdint>
#include <cstdlib>

#include "audio/OggReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TSoundData sound;
  if (!ReadOgg(data, size, sound)) return 0;
  if ((sound.Channels != 1 && sound.Channels != 2) || sound.Bits != 16 || sound.Rate <= 0 ||
      sound.Bytes.empty() || sound.Bytes.size() % size_t(sound.Channels * 2) != 0)
    std::abort();
  return 0;
}
