// tv_soundgen <root>: synthesises every sound effect and music track of the game
// into <root>/Data/sound, <root>/Data/music and <root>/data, then writes the stamp
// that tells the build the sounds are up to date.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "AudioFile.h"
#include "Effects.h"
#include "Music.h"

namespace {
constexpr float kEffectPeakDb = -1.0f;
// Effects are matched by how loud their loudest 50 ms are, not by their peaks: a
// cracker's bang is a sharp spike over little body, and peak-matched it played far
// quieter than a chime. The limiter may take up to 10 dB off the sharpest attacks, so
// that the bangs, whose body is small beside their snap, can still play loudest.
constexpr float kEffectMaxLimitDb = 10.0f;
constexpr double kLoudnessWindow = 0.05;
constexpr float kOggQuality = 0.3f;

float FromDb(float db) { return std::pow(10.0f, db / 20.0f); }

// Raises or lowers an effect to the common loudness, limiting what then pokes above
// the ceiling, but never squeezing a sound by more than the limiter's allowance.
void MatchLoudness(TSignal& s, float loudnessDb) {
  const float loud = s.LoudestRms(kLoudnessWindow), peak = s.Peak();
  if (loud <= 0.0f || peak <= 0.0f) return;
  const float ceiling = FromDb(kEffectPeakDb);
  const float gain = std::min(FromDb(loudnessDb) / loud, ceiling * FromDb(kEffectMaxLimitDb) / peak);
  s.Scale(gain);
  s.Limit(ceiling);
}

// One-shot effects are trimmed and faded so they neither click on starting nor on stopping.
void FinishEffect(TSignal& s, float loudnessDb, double maxSeconds, double fadeOutSeconds) {
  s.RemoveDc();
  s.NormalisePeak(kEffectPeakDb);
  // Cut the tail where it has died to -50 dB below the peak; the fade-out covers the rest.
  s.TrimTail(0.003f);
  double fadeOut = std::min(fadeOutSeconds, s.Seconds() * 0.2);
  if (maxSeconds > 0.0 && s.Seconds() > maxSeconds) {
    s.Resize(static_cast<std::size_t>(maxSeconds * kRate));
    fadeOut = maxSeconds / 3.0;
  }
  MatchLoudness(s, loudnessDb);
  s.FadeEdges(0.0015, fadeOut);
}

// Loops get the same loudness. The limiter's gain is back at rest long before the end,
// and a loop starts from silence, so the join stays smooth.
void FinishLoop(TSignal& s, float loudnessDb) { MatchLoudness(s, loudnessDb); }

// Music is matched by the whole track's RMS, well under the effects, and limited so
// that its loudest chords keep their headroom too.
void FinishMusic(TSignal& s) {
  const float rms = s.Rms();
  if (rms <= 0.0f) return;
  s.Scale(FromDb(Loudness::MusicRms) / rms);
  s.Limit(FromDb(kEffectPeakDb));
}

struct TJob {
  std::string path;
  std::function<bool()> run;
};

std::vector<TJob> Jobs(const std::string& root) {
  std::vector<TJob> jobs;
  // The long music first, so the two workers finish close together.
  for (const auto& t : MusicTracks()) {
    const std::string path = root + "/Data/music/" + t.file;
    jobs.push_back({path, [path, render = t.render] {
                      TSignal s = render();
                      FinishMusic(s);
                      return WriteOgg(s, path, kOggQuality);
                    }});
  }
  for (const auto& e : SoundEffects()) {
    const std::string path = root + "/" + e.path;
    jobs.push_back({path, [path, e] {
                      TSignal s = e.render();
                      if (e.loops) FinishLoop(s, e.loudnessDb);
                      else FinishEffect(s, e.loudnessDb, e.maxSeconds, e.fadeOutSeconds);
                      const bool ogg = path.size() > 4 && path.substr(path.size() - 4) == ".ogg";
                      return ogg ? WriteOgg(s, path, kOggQuality) : WriteWav(s, path);
                    }});
  }
  return jobs;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <data root> [stamp file]\n", argv[0]);
    return 2;
  }
  const std::string root = argv[1];
  const auto start = std::chrono::steady_clock::now();
  std::vector<TJob> jobs = Jobs(root);
  std::atomic<std::size_t> next{0};
  std::atomic<bool> failed{false};
  std::mutex printLock;
  auto worker = [&] {
    for (std::size_t i; (i = next++) < jobs.size();) {
      bool ok = false;
      const auto t0 = std::chrono::steady_clock::now();
      try {
        ok = jobs[i].run();
        if (std::getenv("TV_SOUNDGEN_TIMES")) {
          std::lock_guard<std::mutex> lock(printLock);
          std::printf("%6.2f s  %s\n",
                      std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count(),
                      jobs[i].path.c_str());
        }
      } catch (const std::exception& e) {
        std::lock_guard<std::mutex> lock(printLock);
        std::fprintf(stderr, "%s: %s\n", jobs[i].path.c_str(), e.what());
      }
      if (!ok) {
        failed = true;
        std::lock_guard<std::mutex> lock(printLock);
        std::fprintf(stderr, "could not write %s\n", jobs[i].path.c_str());
      }
    }
  };
  const unsigned threads = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
  std::vector<std::thread> pool;
  for (unsigned t = 1; t < threads; ++t) pool.emplace_back(worker);
  worker();
  for (auto& t : pool) t.join();
  if (failed) return 1;

  const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("tv_soundgen: %zu files in %.1f s\n", jobs.size(), secs);
  if (argc >= 3) {
    std::filesystem::create_directories(std::filesystem::path(argv[2]).parent_path());
    std::ofstream(argv[2]) << jobs.size() << " sound files\n";
  }
  return 0;
}
