// Pulling runs of samples from a streamed sound's decoder: the join of a looping sound,
// the end of one played once, and decoders that break or give nothing at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/AudioStream.h"

namespace {

// A mono "sound" whose frame i holds the value i, handed out in small pieces. It can
// break after a number of frames, refuse to start over, or hold nothing.
class TCountingStream : public TAudioStream {
 public:
  TCountingStream(long length, long piece) : Length(length), Piece(piece) {}
  int Channels() const override { return 1; }
  int Rate() const override { return 8000; }
  long Read(int16_t* out, long frames) override {
    ++Reads;
    if (BreakAt >= 0 && Pos >= BreakAt) return -1;
    long n = std::min({frames, Piece, Length - Pos});
    for (long i = 0; i < n; ++i) out[i] = static_cast<int16_t>(Pos + i);
    Pos += n;
    return n;
  }
  bool Rewind() override {
    ++Rewinds;
    if (!CanRewind) return false;
    Pos = 0;
    return true;
  }

  long Length, Piece, Pos = 0;
  long BreakAt = -1;
  bool CanRewind = true;
  int Reads = 0, Rewinds = 0;
};

}  // namespace

TEST(AudioStream, LoopingJoinsEndToStartAndAOnceSoundEndsExactly) {
  // Looping: a run longer than the sound wraps within the run, without a gap or a repeat.
  TCountingStream looped(100, 30);
  std::vector<int16_t> out(250, -1);
  bool ended = false;
  ASSERT_EQ(PullFrames(looped, out.data(), 250, true, ended), 250);
  EXPECT_FALSE(ended);
  for (long i = 0; i < 250; ++i) ASSERT_EQ(out[size_t(i)], i % 100) << "frame " << i;
  // The next run carries on where the last one stopped.
  ASSERT_EQ(PullFrames(looped, out.data(), 10, true, ended), 10);
  EXPECT_EQ(out[0], 50);

  // Played once: the run is cut at the end of the sound, and only then is the end told.
  TCountingStream once(100, 30);
  ended = false;
  EXPECT_EQ(PullFrames(once, out.data(), 60, false, ended), 60);
  EXPECT_FALSE(ended);
  EXPECT_EQ(PullFrames(once, out.data(), 60, false, ended), 40);
  EXPECT_EQ(out[39], 99);
  EXPECT_TRUE(ended);
  EXPECT_EQ(once.Rewinds, 0);
  // Nothing more comes once ended, and the decoder is not asked again.
  int reads = once.Reads;
  EXPECT_EQ(PullFrames(once, out.data(), 60, false, ended), 0);
  EXPECT_EQ(once.Reads, reads);

  // A stereo decoder fills two samples a frame: the second piece lands after the first.
  struct TStereo : TCountingStream {
    TStereo() : TCountingStream(8, 3) {}
    int Channels() const override { return 2; }
    long Read(int16_t* out, long frames) override {
      long n = std::min({frames, Piece, Length - Pos});
      for (long i = 0; i < n; ++i) out[2 * i] = out[2 * i + 1] = static_cast<int16_t>(Pos + i);
      Pos += n;
      return n;
    }
  } stereo;
  std::vector<int16_t> pairs(16, -1);
  ended = false;
  ASSERT_EQ(PullFrames(stereo, pairs.data(), 8, false, ended), 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(pairs[size_t(2 * i + 1)], i);
}

TEST(AudioStream, BrokenOrEmptyDecodersEndInsteadOfBeingAskedForEver) {
  std::vector<int16_t> out(500, -1);

  // A looping sound that holds nothing: one start-over, then the end, in a few reads.
  TCountingStream empty(0, 30);
  bool ended = false;
  EXPECT_EQ(PullFrames(empty, out.data(), 500, true, ended), 0);
  EXPECT_TRUE(ended);
  EXPECT_LE(empty.Reads, 2);
  EXPECT_LE(empty.Rewinds, 1);

  // Damage midway through a looping sound: what came before plays, then the top again.
  TCountingStream damaged(100, 30);
  damaged.BreakAt = 60;
  ended = false;
  ASSERT_EQ(PullFrames(damaged, out.data(), 150, true, ended), 150);
  EXPECT_FALSE(ended);
  EXPECT_EQ(out[59], 59);
  EXPECT_EQ(out[60], 0);
  EXPECT_EQ(out[149], 29);

  // Damage right at the top of a looping sound yields nothing at all: it ends.
  TCountingStream deadAtTop(100, 30);
  deadAtTop.BreakAt = 0;
  ended = false;
  EXPECT_EQ(PullFrames(deadAtTop, out.data(), 150, true, ended), 0);
  EXPECT_TRUE(ended);
  EXPECT_LE(deadAtTop.Reads, 2);

  // Damage in a sound played once ends it after what decoded.
  TCountingStream onceDamaged(100, 30);
  onceDamaged.BreakAt = 45;
  ended = false;
  EXPECT_EQ(PullFrames(onceDamaged, out.data(), 150, false, ended), 60);
  EXPECT_TRUE(ended);

  // A looping decoder that cannot start over ends at its end.
  TCountingStream stuck(100, 30);
  stuck.CanRewind = false;
  ended = false;
  EXPECT_EQ(PullFrames(stuck, out.data(), 150, true, ended), 100);
  EXPECT_TRUE(ended);
}
