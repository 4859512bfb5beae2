// Feeds arbitrary bytes to the WAV reader: it must refuse or accept them without reading
// outside the buffer, and what it accepts must be whole frames of a layout it can play.
#include <cstdint>
#include <cstdlib>

#include "audio/WavReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TSoundData out;
  if (ReadWav(data, size, out)) {
    size_t frame = static_cast<size_t>(out.Channels) * static_cast<size_t>(out.Bits) / 8;
    if (frame == 0 || out.Bytes.empty() || out.Bytes.size() % frame != 0 || out.Bytes.size() > size || out.Rate <= 0)
      std::abort();
  }
  return 0;
}
