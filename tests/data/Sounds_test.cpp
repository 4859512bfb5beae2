// Checks the synthesised sound and music files in the built data tree: every
// file the game opens is there under its exact name, decodes, and is clean
// (levels, edges, loop seams) and fit for how the game plays it.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {
namespace fs = std::filesystem;

const fs::path kRoot = TV_BUILD_DIR;

enum class EKind { Effect, Loop, Music };

struct TExpect {
  const char* path;
  EKind kind;
  double minSeconds, maxSeconds;
};

// Board sounds are kept short: the board's channel pool hands out only idle channels,
// and the match sounds are played slowed down to 0.6 of their speed.
const TExpect kFiles[] = {
    {"Data/sound/buttonclick.wav", EKind::Effect, 0.05, 0.8},
    {"Data/sound/buttonClick.wav", EKind::Effect, 0.05, 0.8},
    {"Data/sound/buttonMO.wav", EKind::Effect, 0.03, 0.4},
    {"Data/sound/click.wav", EKind::Effect, 0.03, 0.5},
    {"Data/sound/clickrev.wav", EKind::Effect, 0.03, 0.5},
    {"Data/sound/invalid.wav", EKind::Effect, 0.1, 0.7},
    {"Data/sound/swap.wav", EKind::Effect, 0.15, 0.5},
    {"Data/sound/failed.wav", EKind::Effect, 0.1, 0.7},
    {"Data/sound/matchbrick.wav", EKind::Effect, 0.2, 1.2},
    {"Data/sound/matchnobrick.wav", EKind::Effect, 0.2, 1.2},
    {"Data/sound/lockedclick.wav", EKind::Effect, 0.05, 0.7},
    {"Data/sound/unlock.wav", EKind::Effect, 0.3, 2.0},
    {"Data/sound/land.wav", EKind::Effect, 0.05, 0.4},
    {"Data/sound/hint.wav", EKind::Effect, 0.3, 2.0},
    {"Data/sound/levelstart.wav", EKind::Effect, 0.5, 2.5},
    {"Data/sound/levelend.ogg", EKind::Effect, 1.0, 5.0},
    {"Data/sound/alarm.wav", EKind::Effect, 0.8, 2.0},
    {"Data/sound/echopop.wav", EKind::Effect, 0.4, 1.6},
    {"Data/sound/wind.wav", EKind::Effect, 0.8, 2.5},
    {"Data/sound/scroll.wav", EKind::Effect, 0.3, 1.2},
    {"Data/sound/explode.wav", EKind::Effect, 0.5, 2.5},
    {"Data/sound/star.wav", EKind::Effect, 0.4, 2.0},
    {"Data/sound/brush.wav", EKind::Effect, 0.2, 1.0},
    {"Data/sound/paintpot.wav", EKind::Effect, 0.2, 1.2},
    {"Data/sound/cracker.wav", EKind::Effect, 0.2, 1.2},
    {"Data/sound/gaugefull.wav", EKind::Effect, 0.5, 2.5},
    {"Data/sound/magic.wav", EKind::Effect, 0.5, 2.5},
    {"Data/sound/hohoho.wav", EKind::Effect, 0.8, 2.5},
    {"Data/sound/tick.wav", EKind::Loop, 0.999, 1.001},
    {"data/splashsound.wav", EKind::Loop, 2.0, 6.0},
    {"Data/music/title.ogg", EKind::Music, 40.0, 120.0},
    {"Data/music/level1.ogg", EKind::Music, 40.0, 120.0},
    {"Data/music/level2.ogg", EKind::Music, 40.0, 120.0},
    {"Data/music/level3.ogg", EKind::Music, 40.0, 120.0},
    {"Data/music/level4.ogg", EKind::Music, 40.0, 120.0},
    {"Data/music/level5.ogg", EKind::Music, 40.0, 120.0},
    {"Data/music/levelend.ogg", EKind::Music, 30.0, 120.0},
    {"Data/music/gameend.ogg", EKind::Music, 40.0, 120.0},
    {"Data/music/gameover.ogg", EKind::Music, 40.0, 120.0},
};

struct TPcm {
  int rate = 0;
  int channels = 0;
  int bits = 0;
  std::vector<std::vector<float>> ch;  // -1..1
  double Seconds() const { return ch.empty() ? 0.0 : static_cast<double>(ch[0].size()) / rate; }
};

std::vector<unsigned char> ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Le(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= static_cast<std::uint32_t>(b[at + i]) << (8 * i);
  return v;
}

// Our own reading of the RIFF layout, independent of the writer: walks the chunks,
// so a misplaced or mis-sized chunk shows up as an error.
bool ParseWav(const std::vector<unsigned char>& b, TPcm& out, std::string& why) {
  if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
      std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
    why = "not RIFF/WAVE";
    return false;
  }
  if (Le(b, 4, 4) + 8 != b.size()) {
    why = "RIFF size does not match the file size";
    return false;
  }
  bool haveFmt = false;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::string id(b.begin() + at, b.begin() + at + 4);
    const std::uint32_t size = Le(b, at + 4, 4);
    if (at + 8 + size > b.size()) {
      why = "chunk " + id + " runs past the end";
      return false;
    }
    if (id == "fmt ") {
      if (size < 16 || Le(b, at + 8, 2) != 1) {
        why = "not plain PCM";
        return false;
      }
      out.channels = static_cast<int>(Le(b, at + 10, 2));
      out.rate = static_cast<int>(Le(b, at + 12, 4));
      out.bits = static_cast<int>(Le(b, at + 22, 2));
      const std::uint32_t align = Le(b, at + 20, 2), byteRate = Le(b, at + 16, 4);
      if (align != static_cast<std::uint32_t>(out.channels * out.bits / 8) ||
          byteRate != static_cast<std::uint32_t>(out.rate) * align) {
        why = "inconsistent block align or byte rate";
        return false;
      }
      haveFmt = true;
    } else if (id == "data") {
      if (!haveFmt || out.bits != 16 || out.channels < 1) {
        why = "data before fmt, or not 16-bit";
        return false;
      }
      const std::size_t frames = size / (2 * out.channels);
      out.ch.assign(out.channels, std::vector<float>(frames));
      for (std::size_t i = 0; i < frames; ++i)
        for (int c = 0; c < out.channels; ++c)
          out.ch[c][i] = static_cast<std::int16_t>(Le(b, at + 8 + 2 * (i * out.channels + c), 2)) / 32768.0f;
      return true;
    }
    at += 8 + size + (size & 1);
  }
  why = "no data chunk";
  return false;
}

bool DecodeOgg(const fs::path& p, TPcm& out, std::string& why) {
  OggVorbis_File vf;
  if (ov_fopen(p.c_str(), &vf) != 0) {
    why = "not an Ogg Vorbis stream";
    return false;
  }
  const vorbis_info* vi = ov_info(&vf, -1);
  out.rate = static_cast<int>(vi->rate);
  out.channels = vi->channels;
  out.bits = 0;
  out.ch.assign(out.channels, {});
  const ogg_int64_t total = ov_pcm_total(&vf, -1);
  for (auto& c : out.ch) c.reserve(total > 0 ? static_cast<std::size_t>(total) : 0);
  int section = 0;
  for (;;) {
    float** pcm = nullptr;
    const long n = ov_read_float(&vf, &pcm, 4096, &section);
    if (n < 0) {
      why = "decode error";
      ov_clear(&vf);
      return false;
    }
    if (n == 0) break;
    for (int c = 0; c < out.channels; ++c) out.ch[c].insert(out.ch[c].end(), pcm[c], pcm[c] + n);
  }
  ov_clear(&vf);
  if (static_cast<ogg_int64_t>(out.ch[0].size()) != total) {
    why = "decoded length differs from the stream's stated length";
    return false;
  }
  return true;
}

// Every file is read and decoded once for all the tests below.
const TPcm& Load(const std::string& rel) {
  static std::map<std::string, TPcm> cache;
  static std::mutex lock;
  std::lock_guard<std::mutex> guard(lock);
  auto it = cache.find(rel);
  if (it != cache.end()) return it->second;
  TPcm pcm;
  std::string why;
  const fs::path p = kRoot / rel;
  const bool ok = rel.ends_with(".ogg") ? DecodeOgg(p, pcm, why) : ParseWav(ReadBytes(p), pcm, why);
  EXPECT_TRUE(ok) << rel << ": " << why;
  return cache.emplace(rel, std::move(pcm)).first->second;
}

float Peak(const TPcm& p) {
  float m = 0.0f;
  for (const auto& c : p.ch)
    for (float v : c) m = std::max(m, std::fabs(v));
  return m;
}

double Db(double v) { return 20.0 * std::log10(std::max(v, 1e-9)); }

double Rms(const std::vector<float>& v, std::size_t from, std::size_t to) {
  double s = 0.0;
  for (std::size_t i = from; i < to; ++i) s += static_cast<double>(v[i]) * v[i];
  return to > from ? std::sqrt(s / (to - from)) : 0.0;
}

// Largest step between neighbouring samples in [from, to).
float MaxStep(const std::vector<float>& v, std::size_t from, std::size_t to) {
  float m = 0.0f;
  for (std::size_t i = from + 1; i < to; ++i) m = std::max(m, std::fabs(v[i] - v[i - 1]));
  return m;
}

class Sounds : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kRoot / "stamps/sounds.stamp")) GTEST_SKIP() << "sounds not generated in " << kRoot;
  }
};

TEST_F(Sounds, EveryFileIsThereUnderItsExactName) {
  for (const auto& e : kFiles) {
    const fs::path p = kRoot / e.path;
    bool exact = false;
    if (fs::is_directory(p.parent_path()))
      for (const auto& entry : fs::directory_iterator(p.parent_path()))
        exact = exact || entry.path().filename().string() == p.filename().string();
    EXPECT_TRUE(exact) << e.path;
  }
  // The click-here button spells its click sound with a capital C: same sound, both names.
  EXPECT_EQ(ReadBytes(kRoot / "Data/sound/buttonclick.wav"), ReadBytes(kRoot / "Data/sound/buttonClick.wav"));
  // Every track is its own piece, and the won-level fanfare is not the level-complete music.
  std::vector<std::string> distinct = {"Data/sound/levelend.ogg"};
  for (const auto& e : kFiles)
    if (e.kind == EKind::Music) distinct.push_back(e.path);
  for (std::size_t i = 0; i < distinct.size(); ++i)
    for (std::size_t j = i + 1; j < distinct.size(); ++j)
      EXPECT_NE(fs::file_size(kRoot / distinct[i]), fs::file_size(kRoot / distinct[j]))
          << distinct[i] << " and " << distinct[j];
}

TEST_F(Sounds, FormatsLevelsAndLengthsFitHowTheyArePlayed) {
  for (const auto& e : kFiles) {
    SCOPED_TRACE(e.path);
    const TPcm& p = Load(e.path);
    if (p.ch.empty()) continue;
    EXPECT_TRUE(p.rate == 44100 || (p.rate == 22050 && e.kind != EKind::Music)) << p.rate;
    if (e.kind == EKind::Music) {
      EXPECT_EQ(p.channels, 2);
    } else if (std::string(e.path).ends_with(".wav")) {
      EXPECT_EQ(p.channels, 1);
    }
    EXPECT_GE(p.Seconds(), e.minSeconds);
    EXPECT_LE(p.Seconds(), e.maxSeconds);

    // Headroom everywhere; music and effects are set by their loudness (checked below),
    // which leaves the peaks of soft, round sounds and of the quiet music lower.
    const double peakDb = Db(Peak(p));
    EXPECT_LE(peakDb, -0.5);
    EXPECT_GE(peakDb, e.kind == EKind::Music ? -18.0 : -16.0);
    double loudest = 0.0, sum = 0.0;
    for (const auto& c : p.ch) {
      loudest = std::max(loudest, Rms(c, 0, c.size()));
      for (float v : c) sum += v;
    }
    EXPECT_GT(Db(loudest), -40.0) << "practically silent";
    EXPECT_LT(std::fabs(sum / (p.ch.size() * p.ch[0].size())), 0.01) << "offset from zero";

    if (e.kind == EKind::Music) {
      // Real stereo, not the same signal twice.
      double diff = 0.0;
      for (std::size_t i = 0; i < p.ch[0].size(); ++i) diff += std::fabs(p.ch[0][i] - p.ch[1][i]);
      EXPECT_GT(diff / p.ch[0].size(), 0.002);
    }
    if (e.kind == EKind::Effect) {
      // Played once from start to finish: must neither click on starting nor on stopping.
      // The last quarter millisecond must already be nearly silent (a cut-off shows up there).
      const std::size_t n = p.ch[0].size(), edge = p.rate / 4000;
      for (const auto& c : p.ch) {
        EXPECT_LT(std::fabs(c.front()), 0.01f);
        EXPECT_LT(std::fabs(c.back()), 0.01f);
        float head = 0.0f, tail = 0.0f;
        for (std::size_t i = 0; i < edge; ++i) head = std::max(head, std::fabs(c[i]));
        for (std::size_t i = n - edge; i < n; ++i) tail = std::max(tail, std::fabs(c[i]));
        EXPECT_LT(head, 0.05f) << "starts with a step";
        EXPECT_LT(tail, 0.05f) << "still sounding when it stops";
      }
    }
  }
}

TEST_F(Sounds, LoopsJoinTheirEndToTheirStartWithoutAJump) {
  for (const auto& e : kFiles) {
    if (e.kind == EKind::Effect) continue;
    SCOPED_TRACE(e.path);
    const TPcm& p = Load(e.path);
    for (const auto& c : p.ch) {
      const std::size_t n = c.size(), w = p.rate / 200;  // 5 ms either side of the seam
      ASSERT_GT(n, 2 * w);
      const float jump = std::fabs(c.front() - c.back());
      const float local = std::max(MaxStep(c, n - w, n), MaxStep(c, 0, w));
      EXPECT_LE(jump, 2.0f * local + 0.01f) << "seam step " << jump << " against " << local << " nearby";
      // The sound just before the seam carries on just after it: neither side falls silent.
      const double before = Rms(c, n - 4 * w, n), after = Rms(c, 0, 4 * w);
      if (e.kind == EKind::Music) {
        EXPECT_GT(before, 0.002);
        EXPECT_GT(after, 0.002);
      }
    }
  }
}

// RMS of the loudest 50 ms of a sound over all its channels (a shorter sound counts as
// padded with silence): how loud a short effect strikes the ear.
double LoudestRms(const TPcm& p) {
  const std::size_t w = static_cast<std::size_t>(p.rate) / 20, n = p.ch.empty() ? 0 : p.ch[0].size();
  double sum = 0.0, best = 0.0;
  auto energy = [&](std::size_t i) {
    double e = 0.0;
    for (const auto& c : p.ch) e += static_cast<double>(c[i]) * c[i];
    return e / static_cast<double>(p.ch.size());
  };
  for (std::size_t i = 0; i < n; ++i) {
    sum += energy(i);
    if (i >= w) sum -= energy(i - w);
    best = std::max(best, sum);
  }
  return std::sqrt(best / static_cast<double>(w));
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0.0 : v[v.size() / 2];
}

// A stretch's share of quick sample-to-sample change: about 1.4 for noise that reaches
// the top of the band, well under 1 for a sound kept to the low kilohertz.
double Brightness(const std::vector<float>& v) {
  double d = 0.0, e = 0.0;
  for (std::size_t i = 1; i < v.size(); ++i) {
    d += static_cast<double>(v[i] - v[i - 1]) * (v[i] - v[i - 1]);
    e += static_cast<double>(v[i]) * v[i];
  }
  return e > 0.0 ? std::sqrt(d / e) : 0.0;
}

TEST_F(Sounds, TheMixPutsBangsOnTopTheInterfaceSoftestAndTheMusicUnderneath) {
  // Effects by their loudest 50 ms, music over its whole length. Once every effect was
  // as loud as every other and the music as loud as a match: the menu's rustle and the
  // hint chime came out loudest, a cracker's bang under a match, and a failed swap lost
  // under the music, which with a few effects on top clipped the output.
  std::map<std::string, double> level;
  std::vector<double> music;
  for (const auto& e : kFiles) {
    const TPcm& p = Load(e.path);
    if (p.ch.empty()) continue;
    if (e.kind == EKind::Music) {
      double s = 0.0;
      for (const auto& c : p.ch) s += Rms(c, 0, c.size()) * Rms(c, 0, c.size());
      music.push_back(Db(std::sqrt(s / p.ch.size())));
    } else {
      level[std::string(e.path).substr(std::string(e.path).rfind('/') + 1)] = Db(LoudestRms(p));
    }
  }
  ASSERT_FALSE(music.empty());
  auto median = [&](std::initializer_list<const char*> names) {
    std::vector<double> v;
    for (const char* n : names) v.push_back(level[n]);
    return Median(v);
  };
  const double board = median({"matchbrick.wav", "matchnobrick.wav", "unlock.wav", "star.wav", "magic.wav"});
  for (const char* bang : {"cracker.wav", "explode.wav", "echopop.wav", "paintpot.wav"})
    EXPECT_GE(level[bang], board + 2.0) << bang << " against the board's " << board << " dB";
  for (const char* soft : {"buttonclick.wav", "buttonMO.wav", "click.wav", "clickrev.wav", "scroll.wav", "hint.wav"})
    EXPECT_LE(level[soft], board - 4.0) << soft << " against the board's " << board << " dB";
  EXPECT_GE(level["failed.wav"], board) << "a failed swap must carry over the music";
  for (double m : music) {
    EXPECT_NEAR(m, Median(music), 3.0) << "music tracks against each other";
    EXPECT_LE(m, board - 8.0) << "music against the board's " << board << " dB";
    EXPECT_GE(m, board - 12.0) << "music against the board's " << board << " dB";
  }

  // The menu's paper rustle is paper, not hiss to the top of the band.
  const TPcm& rustle = Load("Data/sound/scroll.wav");
  ASSERT_FALSE(rustle.ch.empty());
  EXPECT_LT(Brightness(rustle.ch[0]), 0.6);

  // Selecting a gem clicks dozens of times a minute: the click must be over within a
  // tenth of a second, with nothing (no room hiss) left ringing 40 dB under its peak.
  const TPcm& click = Load("Data/sound/click.wav");
  ASSERT_FALSE(click.ch.empty());
  const float top = Peak(click);
  std::size_t last = 0;
  for (std::size_t i = 0; i < click.ch[0].size(); ++i)
    if (std::fabs(click.ch[0][i]) > 0.01f * top) last = i;
  EXPECT_LE(static_cast<double>(last) / click.rate, 0.1) << "the click still rings";
}

// 10 ms loudness frames of a mono sound.
std::vector<double> Envelope(const std::vector<float>& v, int rate) {
  std::vector<double> env;
  const std::size_t w = rate / 100;
  for (std::size_t i = 0; i + w <= v.size(); i += w) env.push_back(Rms(v, i, i + w));
  return env;
}

TEST_F(Sounds, LaughIsThreeDeepHosAndTheClockTicksTwiceASecond) {
  const TPcm& ho = Load("Data/sound/hohoho.wav");
  ASSERT_FALSE(ho.ch.empty());
  const auto env = Envelope(ho.ch[0], ho.rate);
  const double top = *std::max_element(env.begin(), env.end());
  // A syllable rises past half the loudest level after the sound had fallen below a quarter.
  int syllables = 0;
  bool quiet = true;
  for (double e : env) {
    if (quiet && e >= 0.5 * top) ++syllables, quiet = false;
    if (e < 0.25 * top) quiet = true;
  }
  EXPECT_EQ(syllables, 3);

  // The voice's pitch, by autocorrelation over the loudest stretch: a deep voice, 70-160 Hz.
  const std::size_t loud = (std::max_element(env.begin(), env.end()) - env.begin()) * (ho.rate / 100);
  const std::size_t span = ho.rate / 20;
  ASSERT_LT(loud + span + ho.rate / 50, ho.ch[0].size());
  const auto& v = ho.ch[0];
  double best = -1e9;
  int bestLag = 0;
  for (int lag = ho.rate / 300; lag <= ho.rate / 50; ++lag) {
    double r = 0.0;
    for (std::size_t i = loud; i < loud + span; ++i) r += static_cast<double>(v[i]) * v[i + lag];
    if (r > best) best = r, bestLag = lag;
  }
  const double hz = static_cast<double>(ho.rate) / bestLag;
  EXPECT_GE(hz, 70.0);
  EXPECT_LE(hz, 160.0);

  // Tick and tock: two strokes half a second apart in the one-second loop.
  const TPcm& tick = Load("Data/sound/tick.wav");
  ASSERT_FALSE(tick.ch.empty());
  const auto tenv = Envelope(tick.ch[0], tick.rate);
  const double ttop = *std::max_element(tenv.begin(), tenv.end());
  std::vector<std::size_t> strokes;
  for (std::size_t i = 0; i < tenv.size(); ++i)
    if (tenv[i] >= 0.4 * ttop && (i == 0 || tenv[i - 1] < 0.4 * ttop)) strokes.push_back(i);
  ASSERT_EQ(strokes.size(), 2u);
  EXPECT_NEAR((strokes[1] - strokes[0]) * 0.01, 0.5, 0.03);
}

// Frequency where most of a sound's energy sits, from the zero crossings of its loud part.
double ZeroCrossingHz(const std::vector<float>& v, int rate) {
  float top = 0.0f;
  for (float x : v) top = std::max(top, std::fabs(x));
  std::size_t first = 0, last = 0, crossings = 0;
  for (std::size_t i = 1; i < v.size(); ++i) {
    if (std::fabs(v[i]) < 0.1f * top) continue;
    if (!first) first = i;
    last = i;
  }
  for (std::size_t i = first + 1; i <= last; ++i) crossings += (v[i - 1] < 0.0f) != (v[i] < 0.0f);
  return last > first ? crossings * 0.5 * rate / (last - first) : 0.0;
}

TEST_F(Sounds, MatchChimesStayBrightWhenPlayedSlowerAndTheReverseClickMirrorsTheClick) {
  // Matches replay these at 0.7-0.9 of their speed, give or take 0.1: even at 0.6 they must
  // stay chimes (well above the muddy low register), and at full speed not turn into hiss.
  for (const char* name : {"Data/sound/matchbrick.wav", "Data/sound/matchnobrick.wav"}) {
    SCOPED_TRACE(name);
    const TPcm& p = Load(name);
    ASSERT_FALSE(p.ch.empty());
    const double hz = ZeroCrossingHz(p.ch[0], p.rate);
    EXPECT_GE(hz * 0.6, 400.0);
    EXPECT_LE(hz, 6000.0);
  }

  // Cancelling a selection plays the selection click backwards.
  const TPcm& click = Load("Data/sound/click.wav");
  const TPcm& rev = Load("Data/sound/clickrev.wav");
  ASSERT_FALSE(click.ch.empty());
  ASSERT_FALSE(rev.ch.empty());
  std::vector<float> back(rev.ch[0].rbegin(), rev.ch[0].rend());
  const auto& fwd = click.ch[0];
  const int maxLag = click.rate / 100;
  double best = 0.0;
  for (int lag = -maxLag; lag <= maxLag; ++lag) {
    double xy = 0.0, xx = 0.0, yy = 0.0;
    for (std::size_t i = 0; i < fwd.size(); ++i) {
      const long j = static_cast<long>(i) + lag;
      if (j < 0 || j >= static_cast<long>(back.size())) continue;
      xy += static_cast<double>(fwd[i]) * back[j];
      xx += static_cast<double>(fwd[i]) * fwd[i];
      yy += static_cast<double>(back[j]) * back[j];
    }
    if (xx > 0.0 && yy > 0.0) best = std::max(best, xy / std::sqrt(xx * yy));
  }
  EXPECT_GT(best, 0.9);
}

}  // namespace
