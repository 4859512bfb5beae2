// Sounds too long to hold decoded (the music tracks) play from a decoder that the audio
// service pulls from as it goes. This is what such a decoder offers, and the pull that
// turns it into runs of samples, starting over at the end for a looping sound.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>

class TAudioStream {
 public:
  virtual ~TAudioStream() = default;
  // 1 or 2; the samples are interleaved 16-bit signed in the machine's byte order.
  virtual int Channels() const = 0;
  // Frames per second.
  virtual int Rate() const = 0;
  // Writes up to `frames` frames into out and gives how many: at least 1 while sound
  // remains, 0 at the end, negative when the data turns out to be damaged.
  virtual long Read(int16_t* out, long frames) = 0;
  // Back to the first frame; false when that cannot be done.
  virtual bool Rewind() = 0;
};

// Opens a fresh decoder at the start of the sound, or gives none when it cannot. Each
// playing of a streamed sound has a decoder of its own.
using TAudioStreamOpener = std::function<std::unique_ptr<TAudioStream>()>;

// Fills out with up to `frames` frames. A looping stream that ends (or breaks) starts
// again from the top within the same run, so the join has no gap. `ended` is set once
// nothing more will come: the end of a stream played once, damage in one played once,
// or a looping stream that gives nothing right after starting over (which would
// otherwise be asked again and again for ever).
long PullFrames(TAudioStream& stream, int16_t* out, long frames, bool loop, bool& ended);
