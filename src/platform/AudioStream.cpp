#include "platform/AudioStream.h"

#include <algorithm>

long PullFrames(TAudioStream& stream, int16_t* out, long frames, bool loop, bool& ended) {
  const long channels = stream.Channels();
  long got = 0;
  bool justRewound = false;
  while (got < frames && !ended) {
    long n = stream.Read(out + got * channels, frames - got);
    if (n > 0) {
      got += std::min(n, frames - got);
      justRewound = false;
      continue;
    }
    if (!loop || justRewound || !stream.Rewind()) {
      ended = true;
      break;
    }
    justRewound = true;
  }
  return got;
}
