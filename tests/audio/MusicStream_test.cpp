// Music played from its compressed bytes as it goes: the decoder gives what decoding the
// whole file gives, a looping track joins end to start, the track keeps sounding while
// the game loop stalls, a pause holds, and tracks that end or break end quietly.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <map>
#include <thread>

#include "AudioTestKit.h"
#include "OggEncode.h"
#include "audio/Mixer.h"
#include "audio/MusicLoader.h"
#include "audio/OggReader.h"
#include "audio/VorbisStream.h"
#include "core/DataPaths.h"
#include "core/ErrorReport.h"
#include "platform/Audio.h"

using namespace audiotest;

namespace {

// Polls until the channel has finished or the deadline passes; the milliseconds it took.
int WaitUntilSilent(const TChannelPtr& channel, int deadlineMs) {
  auto start = std::chrono::steady_clock::now();
  for (;;) {
    int took = int(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
    if (!ChannelPlaying(channel) || took > deadlineMs) return took;
    Wait(5);
  }
}

// A stereo tone, different in each ear so that a swap of the channels would show.
std::vector<uint8_t> ToneOgg(double seconds, int rate, double hz) {
  std::vector<float> stereo;
  for (int i = 0; i < int(seconds * rate); ++i) {
    stereo.push_back(0.5f * float(std::sin(2 * M_PI * hz * i / rate)));
    stereo.push_back(0.3f * float(std::sin(2 * M_PI * hz * 1.5 * i / rate)));
  }
  return EncodeOgg(stereo, 2, rate);
}

std::shared_ptr<const std::string> Shared(const std::vector<uint8_t>& bytes) {
  return std::make_shared<const std::string>(bytes.begin(), bytes.end());
}

// A decoder that gives `frames` frames of a loud square wave the first time and nothing
// after starting over; every read is counted, and one of them may stall for stallMs
// (as on a machine under heavy load).
class TSquareStream : public TAudioStream {
 public:
  TSquareStream(long frames, std::atomic<int>& reads, int stallOnRead = 0, int stallMs = 0)
      : Left(frames), Reads(reads), StallOnRead(stallOnRead), StallMs(stallMs) {}
  int Channels() const override { return 1; }
  int Rate() const override { return 22050; }
  long Read(int16_t* out, long frames) override {
    if (++Reads == StallOnRead) Wait(StallMs);
    long n = std::min(frames, Left);
    for (long i = 0; i < n; ++i) out[i] = (i / 25) % 2 ? 12000 : -12000;
    Left -= n;
    return n;
  }
  bool Rewind() override { return true; }

 private:
  long Left;
  std::atomic<int>& Reads;
  int StallOnRead, StallMs;
};

}  // namespace

TEST(MusicStream, DecodesWhatWholeDecodingGivesAndLoopsWithoutASeam) {
  const int rate = 44100;
  auto ogg = ToneOgg(0.4, rate, 440);
  TSoundData whole;
  ASSERT_TRUE(ReadOgg(ogg.data(), ogg.size(), whole));
  const auto* expected = reinterpret_cast<const int16_t*>(whole.Bytes.data());
  const size_t frames = whole.Bytes.size() / 4;

  auto stream = OpenVorbisStream(Shared(ogg));
  ASSERT_TRUE(stream);
  EXPECT_EQ(stream->Channels(), 2);
  EXPECT_EQ(stream->Rate(), rate);
  // Pulled in quarter-second runs, as the player does, over two and a half plays.
  std::vector<int16_t> got;
  std::vector<int16_t> run(size_t(rate / 4) * 2);
  bool ended = false;
  while (got.size() < frames * 5) {
    long n = PullFrames(*stream, run.data(), rate / 4, true, ended);
    ASSERT_GT(n, 0);
    got.insert(got.end(), run.begin(), run.begin() + n * 2);
  }
  EXPECT_FALSE(ended);
  size_t mismatches = 0, first = 0;
  for (size_t i = 0; i < frames * 5; ++i)
    if (got[i] != expected[i % (frames * 2)] && mismatches++ == 0) first = i;
  EXPECT_EQ(mismatches, 0u) << "first difference at sample " << first << " (play " << first / (frames * 2) << ")";

  // Played once: exactly the whole track, then the end.
  auto once = OpenVorbisStream(Shared(ogg));
  ASSERT_TRUE(once);
  size_t total = 0;
  ended = false;
  while (!ended) total += size_t(PullFrames(*once, run.data(), rate / 4, false, ended));
  EXPECT_EQ(total, frames);

  // What is not a playable Vorbis stream is refused when opened.
  EXPECT_FALSE(OpenVorbisStream(nullptr));
  EXPECT_FALSE(OpenVorbisStream(Shared({'R', 'I', 'F', 'F', 0, 0, 0, 0})));
  EXPECT_FALSE(OpenVorbisStream(Shared(std::vector<uint8_t>(ogg.begin(), ogg.begin() + 60))));
  auto damaged = ogg;
  for (size_t i = 30; i < 60; ++i) damaged[i] ^= 0x5a;
  EXPECT_FALSE(OpenVorbisStream(Shared(damaged)));
  // Three channels is no layout the game plays.
  auto surround = EncodeOgg(std::vector<float>(3 * 4410, 0.1f), 3, 44100);
  ASSERT_GT(surround.size(), 100u);
  EXPECT_FALSE(OpenVorbisStream(Shared(surround)));
}

TEST(MusicStream, LoadingRefusesWhatCannotPlayWithTheSampleReport) {
  TTempDir temp;
  const std::string dir = temp.Path;
  auto ogg = ToneOgg(0.2, 22050, 440);
  WriteBytes(dir + "/good.ogg", ogg);
  WriteBytes(dir + "/headers.ogg", std::vector<uint8_t>(ogg.begin(), ogg.begin() + 60));
  WriteBytes(dir + "/garbage.ogg", {'O', 'g', 'g', 'S', 0, 2, 0, 0});
  WriteBytes(dir + "/garbage.wav", {'R', 'I', 'F', 'F', 1, 2, 3});
  const std::string wav = WriteTone(dir, "tone.wav", 440, 0.05);

  // Without a device the tracks still load, as silent sounds, keeping their loop flag.
  TSoundPtr good = LoadMusic(dir + "/good.ogg", SOUND_LOOP);
  ASSERT_TRUE(good);
  EXPECT_TRUE(SoundLooped(good));
  EXPECT_FALSE(SoundLooped(LoadMusic(dir + "/good.ogg", 0)));
  EXPECT_TRUE(LoadMusic(wav, 0)) << "WAV music is loaded whole";
  for (std::string name : {"missing.ogg", "headers.ogg", "garbage.ogg", "garbage.wav"}) {
    const std::string path = dir + "/" + name;
    EXPECT_FALSE(LoadMusic(path, SOUND_LOOP)) << name;
    try {
      LoadMusicChecked(path, SOUND_LOOP);
      ADD_FAILURE() << "no report for " << name;
    } catch (const std::runtime_error& e) {
      EXPECT_EQ(std::string(e.what()), "Error loading sample " + path);
    }
  }
  // A silent streamed track goes through every channel operation harmlessly.
  TChannelPtr channel = CueSound(good, nullptr);
  ResumeChannel(channel);
  SetChannelVolume(channel, 0.5f);
  PauseChannel(channel);
  EXPECT_EQ(ChannelPlaying(channel), 0);
  StopChannel(channel);
}

TEST(MusicStream, TrackSoundsThroughStallsHoldsWhilePausedAndShutsDownWhilePlaying) {
  TTempDir temp;
  const std::string dir = temp.Path;
  // 0.6 s of tone: the stall below covers two joins of the loop.
  WriteBytes(dir + "/music.ogg", ToneOgg(0.6, 44100, 500));
  TRecordedRun run = RecordIsolated(dir, [&](std::ostream& out) {
    TAudioGame game;
    DataPaths().MusicPath = dir + "/";
    Mixer().MusicLoad("music.ogg", 1);
    Mixer().MusicPlay(0, 0, 0);
    // The game loop blocks, as while a level loads: no audio call at all.
    Wait(1500);
    out << "playing=" << Mixer().MusicIsPlaying() << "\n";
    // Paused (as the game does when paused or sent to the background) for many of
    // the feeder's rounds, kept going by an inaudible second track.
    TChannelPtr other = CueSound(LoadMusicChecked(dir + "/music.ogg", SOUND_LOOP), nullptr);
    SetChannelVolume(other, 0.0f);
    ResumeChannel(other);
    Mixer().MusicOff();
    Wait(700);
    out << "held=" << ChannelPlaying(Mixer().MusicChannel) << "\n";
    StopChannel(other);
    Mixer().MusicOn();
    Wait(700);
    // Stopped, then the same track cued again from its start.
    Mixer().MusicStop();
    out << "stopped=" << Mixer().MusicIsPlaying() << "\n";
    Wait(300);
    Mixer().MusicPlay(0, 0, 0);
    out << "again=" << Mixer().MusicIsPlaying() << "\n";
    Wait(500);
    // Shut down while the track plays; the handles stay usable and silent.
    TChannelPtr channel = Mixer().MusicChannel;
    AudioShutdown();
    out << "afterShutdown=" << ChannelPlaying(channel) << "\n";
    ResumeChannel(channel);
    SetChannelVolume(channel, 1.0f);
    CueSound(Mixer().MusicSample, channel);
    out << "recued=" << ChannelPlaying(channel) << "\n";
    Mixer().AudioKill();
  });
  ASSERT_EQ(run.code, 0) << run.report;
  auto v = run.values;
  EXPECT_EQ(v["playing"], "1");
  EXPECT_EQ(v["held"], "1") << "a paused track is still there to be resumed";
  EXPECT_EQ(v["stopped"], "0");
  EXPECT_EQ(v["again"], "1");
  EXPECT_EQ(v["afterShutdown"], "0");
  EXPECT_EQ(v["recued"], "0");

  TRecording rec;
  ASSERT_TRUE(rec.Load(v["wav"])) << "the recording was finished at shutdown";
  auto env = rec.Envelope(20);
  ASSERT_FALSE(env.empty());
  float peak = *std::max_element(env.begin(), env.end());
  ASSERT_GT(peak, 0.05f);
  // Runs of windows with the tone at full loudness (+), silent (-) or in between (~,
  // a window that straddles a start or a stop), in order.
  std::vector<std::pair<char, int>> runs;
  for (float e : env) {
    char kind = e > peak * 0.6f ? '+' : e < peak * 0.05f ? '-' : '~';
    if (runs.empty() || runs.back().first != kind)
      runs.push_back({kind, 20});
    else
      runs.back().second += 20;
  }
  std::vector<int> loud, silent;
  for (size_t i = 0; i < runs.size(); ++i) {
    if (runs[i].first == '+') loud.push_back(runs[i].second);
    // Silences between sounds only (not the lead-in or the tail).
    else if (runs[i].first == '-' && i > 0 && i + 1 < runs.size()) silent.push_back(runs[i].second);
  }
  std::ostringstream shape;
  for (auto& r : runs) shape << r.first << r.second << " ";
  ASSERT_EQ(loud.size(), 3u) << "expected played, resumed, cued again: " << shape.str();
  EXPECT_GE(loud[0], 1400) << "the first play was broken up while the loop stalled: " << shape.str();
  EXPECT_GE(loud[1], 600) << shape.str();
  EXPECT_GE(loud[2], 400) << shape.str();
  ASSERT_EQ(silent.size(), 2u) << shape.str();
  EXPECT_GE(silent[0], 600) << "the pause did not hold: " << shape.str();
  EXPECT_LE(silent[0], 800) << shape.str();
  EXPECT_GE(silent[1], 200) << shape.str();
}

TEST(MusicStream, TracksThatEndOrGiveNothingEndWithoutSpinning) {
  TTempDir temp;
  const std::string dir = temp.Path;
  WriteBytes(dir + "/short.ogg", ToneOgg(0.3, 22050, 440));
  TRecordedRun run = RecordIsolated(dir, [&](std::ostream& out) {
    TAudioGame game;

    // Played once: heard for its length, then over; resuming does not replay it.
    TSoundPtr once = LoadMusicChecked(dir + "/short.ogg", 0);
    TChannelPtr channel = CueSound(once, nullptr);
    out << "cued=" << ChannelPlaying(channel) << "\n";
    ResumeChannel(channel);
    out << "endedAfter=" << WaitUntilSilent(channel, 3000) << "\n";
    ResumeChannel(channel);
    Wait(60);
    out << "replayed=" << ChannelPlaying(channel) << "\n";
    // Cued again, it plays again from the top.
    CueSound(once, channel);
    ResumeChannel(channel);
    out << "recued=" << ChannelPlaying(channel) << "\n";
    StopChannel(channel);

    // A looping track whose decoder gives a little once and nothing after starting
    // over: it plays what it had, ends, and its decoder is left alone.
    std::atomic<int> reads{0};
    TSoundPtr dry = CreateStreamedSound([&] { return std::make_unique<TSquareStream>(4410, reads); }, SOUND_LOOP);
    TChannelPtr dryChannel = CueSound(dry, nullptr);
    ResumeChannel(dryChannel);
    out << "dryEnded=" << (WaitUntilSilent(dryChannel, 3000) <= 3000) << "\n";
    int readsAtEnd = reads;
    Wait(300);
    out << "readsAtEnd=" << readsAtEnd << "\n";
    out << "readsLater=" << reads << "\n";

    // A track that gives nothing at all cannot be cued; one whose decoder cannot
    // even be opened neither.
    std::atomic<int> none{0};
    TSoundPtr empty = CreateStreamedSound([&] { return std::make_unique<TSquareStream>(0, none); }, SOUND_LOOP);
    TChannelPtr emptyChannel = CueSound(empty, nullptr);
    ResumeChannel(emptyChannel);
    out << "empty=" << ChannelPlaying(emptyChannel) << "\n";
    TSoundPtr unopenable = CreateStreamedSound([] { return std::unique_ptr<TAudioStream>(); }, 0);
    out << "unopenable=" << ChannelPlaying(CueSound(unopenable, nullptr)) << "\n";

    // A looping track dropped while it sounds goes on until shutdown ends it.
    {
      TChannelPtr dropped = CueSound(LoadMusicChecked(dir + "/short.ogg", SOUND_LOOP), nullptr);
      ResumeChannel(dropped);
    }
    Wait(500);
    AudioUpdate();
    Mixer().AudioKill();
  });
  ASSERT_EQ(run.code, 0) << run.report;
  auto v = run.values;
  EXPECT_EQ(v["cued"], "1");
  int endedAfter = std::stoi(v["endedAfter"]);
  EXPECT_GE(endedAfter, 200) << "0.3 s track ended too early";
  EXPECT_LE(endedAfter, 1500) << "0.3 s track did not end";
  EXPECT_EQ(v["replayed"], "0");
  EXPECT_EQ(v["recued"], "1");
  EXPECT_EQ(v["dryEnded"], "1");
  EXPECT_LE(std::stoi(v["readsAtEnd"]), 10);
  EXPECT_EQ(v["readsLater"], v["readsAtEnd"]) << "the feeder kept asking an ended decoder";
  EXPECT_EQ(v["empty"], "0");
  EXPECT_EQ(v["unopenable"], "0");
}

namespace {
struct TStallResult {
  bool ended = false;
  int longestGapMs = -1;  // the longest quiet run after the sound began
  int loudMs = 0;
};

// Six seconds of a square wave streamed in quarter-second buffers, played through the
// wave device while the refill that follows the first half second of play stalls for
// stallMs (the feeder held off the processor).
TStallResult PlayThroughAStall(int stallMs) {
  TTempDir temp;
  const std::string dir = temp.Path;
  TRecordedRun run = RecordIsolated(dir, [&](std::ostream& out) {
    TAudioGame game;
    std::atomic<int> reads{0};
    TSoundPtr sound =
        CreateStreamedSound([&] { return std::make_unique<TSquareStream>(132300, reads, 14, stallMs); }, 0);
    TChannelPtr channel = CueSound(sound, nullptr);
    ResumeChannel(channel);
    out << "ended=" << (WaitUntilSilent(channel, 12000) <= 12000) << "\n";
    Mixer().AudioKill();
  });
  TStallResult result;
  EXPECT_EQ(run.code, 0) << run.report;
  auto v = run.values;
  result.ended = v["ended"] == "1";
  TRecording rec;
  if (!rec.Load(v["wav"])) return result;
  auto env = rec.Envelope(20);
  const float peak = env.empty() ? 0.0f : *std::max_element(env.begin(), env.end());
  EXPECT_GT(peak, 0.05f);
  int gapMs = 0;
  bool started = false;
  for (float e : env) {
    if (e > peak * 0.5f) {
      result.loudMs += 20;
      if (started) result.longestGapMs = std::max(result.longestGapMs, gapMs);
      started = true;
      gapMs = 0;
    } else if (started) {
      gapMs += 20;
    }
  }
  return result;
}
}  // namespace

TEST(MusicStream, TheQueueCoversAStalledFeederAndAVoiceThatRanDryStartsAgainWithoutReplaying) {
  // Two seconds held off the processor, as on a machine loaded far beyond its cores:
  // the three seconds queued cover it.
  const TStallResult held = PlayThroughAStall(2000);
  EXPECT_TRUE(held.ended);
  EXPECT_EQ(held.longestGapMs, 0) << "the music ran dry while the feeder waited";
  EXPECT_NEAR(held.loudMs, 6000, 120);
  // Longer than the queue lasts: the voice runs dry and starts again, and all of the
  // sound plays once, none lost to the stall, none played twice after it.
  const TStallResult dry = PlayThroughAStall(3500);
  EXPECT_TRUE(dry.ended);
  EXPECT_GE(dry.longestGapMs, 200) << "the stall should have run the voice dry";
  EXPECT_NEAR(dry.loudMs, 6000, 120);
}
