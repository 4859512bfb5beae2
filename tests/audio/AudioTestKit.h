// Helpers for the audio tests: test tones written as WAV files, a game object to play
// through, a child process that records what OpenAL Soft plays into a WAV file, and
// measurements of that recording (loudness over time, strength of a frequency).
#pragma once
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "audio/Mixer.h"
#include "core/DataPaths.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "audio/WavReader.h"
#include "platform/Process.h"
#include "support/TestFolder.h"

namespace audiotest {

// A folder of its own for one test.
struct TTempDir {
  std::string Path = FreshTestFolder().string();
};

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void Put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(uint8_t(v));
  b.push_back(uint8_t(v >> 8));
}
inline void Put32(std::vector<uint8_t>& b, uint32_t v) {
  Put16(b, v & 0xffff);
  Put16(b, v >> 16);
}

// Interleaved 16-bit samples as a WAV file of the given layout (8-bit converts them).
inline std::vector<uint8_t> MakeWav(int channels, int bits, int rate, const std::vector<int16_t>& samples) {
  std::vector<uint8_t> data;
  for (int16_t s : samples) {
    if (bits == 8)
      data.push_back(uint8_t((s >> 8) + 128));
    else
      Put16(data, uint16_t(s));
  }
  std::vector<uint8_t> b = {'R', 'I', 'F', 'F'};
  Put32(b, uint32_t(36 + data.size()));
  for (char c : std::string("WAVEfmt ")) b.push_back(uint8_t(c));
  Put32(b, 16);
  Put16(b, 1);
  Put16(b, uint32_t(channels));
  Put32(b, uint32_t(rate));
  Put32(b, uint32_t(rate * channels * bits / 8));
  Put16(b, uint32_t(channels * bits / 8));
  Put16(b, uint32_t(bits));
  for (char c : std::string("data")) b.push_back(uint8_t(c));
  Put32(b, uint32_t(data.size()));
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

inline std::vector<int16_t> Tone(double hz, double seconds, int rate, double amplitude = 0.5) {
  std::vector<int16_t> s(size_t(seconds * rate));
  for (size_t i = 0; i < s.size(); ++i) s[i] = int16_t(amplitude * 32767 * std::sin(2 * M_PI * hz * double(i) / rate));
  return s;
}

// A mono 16-bit tone file at 22050 Hz.
inline std::string WriteTone(const std::string& dir, const std::string& name, double hz, double seconds) {
  std::string path = dir + "/" + name;
  WriteBytes(path, MakeWav(1, 16, 22050, Tone(hz, seconds, 22050)));
  return path;
}

// A fresh game object in the global `Game`, with the logic timer's tick length set;
// the settings and markers it saves go to a folder of its own.
struct TTestGame {
  std::unique_ptr<TGame> Owner = std::make_unique<TGame>();
  TTempDir Folder;
  TTestGame() {
    Game = Owner.get();
    DataPaths().SubPath = Folder.Path + "/";
    Game->Ini->FileName = Folder.Path + "/tinselvale";
    Clock().FixedRateLogic.CalcMS();
    Delta = 1.0f;
  }
  ~TTestGame() { Game = nullptr; }
  TGame* operator->() { return Owner.get(); }
};

// A test game with the audio device and its channels open, as the game opens them.
struct TAudioGame : TTestGame {
  TAudioGame() {
    Owner->OSVersion = OperatingSystemName();
    Mixer().AudioInit(0, Owner->OSVersion);
    Mixer().AudioChannelsInit();
  }
};

// Runs body in a child process, so OpenAL reads the configuration this test wrote.
// Returns the child's report text; exitCode gets its exit status (0 when body returned).
// A child that hangs (the audio library's mixer thread has been seen to stall once on a
// badly overloaded machine) is stopped by an alarm and the scenario is run once more.
inline std::string RunIsolatedOnce(const std::function<void(std::ostream&)>& body, int& exitCode) {
  int fds[2];
  if (pipe(fds) != 0) {
    exitCode = -1;
    return "";
  }
  pid_t pid = fork();
  if (pid == 0) {
    alarm(90);
    close(fds[0]);
    std::ostringstream report;
    int code = 0;
    try {
      body(report);
    } catch (const std::exception& e) {
      report << "exception=" << e.what() << "\n";
      code = 3;
    }
    std::string text = report.str();
    size_t done = 0;
    while (done < text.size()) {
      ssize_t n = write(fds[1], text.data() + done, text.size() - done);
      if (n <= 0) break;
      done += size_t(n);
    }
    _exit(code);
  }
  close(fds[1]);
  std::string text;
  char buf[4096];
  ssize_t n;
  while ((n = read(fds[0], buf, sizeof buf)) > 0) text.append(buf, size_t(n));
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
  return text;
}

// The key=value lines of a child's report.
inline std::map<std::string, std::string> ReportValues(const std::string& report) {
  std::map<std::string, std::string> values;
  std::istringstream in(report);
  std::string line;
  while (std::getline(in, line))
    if (auto eq = line.find('='); eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
  return values;
}

inline void Wait(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

inline std::string RunIsolated(const std::function<void(std::ostream&)>& body, int& exitCode) {
  std::string text = RunIsolatedOnce(body, exitCode);
  if (exitCode == 128 + SIGALRM) text = RunIsolatedOnce(body, exitCode);
  return text;
}

// Points OpenAL Soft at its wave writer (call in the child, before any OpenAL use).
inline std::string UseWaveDevice(const std::string& dir) {
  std::string wav = dir + "/out.wav";
  std::ofstream conf(dir + "/alsoft.conf");
  conf << "[general]\ndrivers=wave\nfrequency=44100\nchannels=stereo\nsample-type=int16\n"
       << "[wave]\nfile=" << wav << "\n";
  conf.close();
  setenv("ALSOFT_CONF", (dir + "/alsoft.conf").c_str(), 1);
  return wav;
}

// A child run on the wave device: its exit status, its report and the report's values,
// the recording's path among them as "wav".
struct TRecordedRun {
  int code = 0;
  std::string report;
  std::map<std::string, std::string> values;
};

// Runs body in a child that plays on the wave device in dir; body ends with the audio
// closed (Mixer().AudioKill() while its game still stands), so the recording is complete.
inline TRecordedRun RecordIsolated(const std::string& dir, const std::function<void(std::ostream&)>& body) {
  TRecordedRun run;
  run.report = RunIsolated(
      [&](std::ostream& out) {
        const std::string wav = UseWaveDevice(dir);
        body(out);
        out << "wav=" << wav << "\n";
      },
      run.code);
  run.values = ReportValues(run.report);
  return run;
}

// Points OpenAL Soft at a back end that does not exist, as on a machine without sound.
inline void UseNoDevice(const std::string& dir) {
  std::ofstream conf(dir + "/alsoft.conf");
  conf << "[general]\ndrivers=nosuchdevice\n";
  conf.close();
  setenv("ALSOFT_CONF", (dir + "/alsoft.conf").c_str(), 1);
}

// Runs the game's audio upkeep at the logic rate (one update per 5 ms) for ms of wall time.
inline void RunLogic(int ms) {
  auto start = std::chrono::steady_clock::now();
  int done = 0;
  for (;;) {
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    if (elapsed.count() >= ms) break;
    while (done < elapsed.count() / 5) {
      Mixer().AudioManage();
      ++done;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

// A recording as mono floats (-1..1) at its own rate.
struct TRecording {
  int Rate = 0;
  std::vector<float> Left, Right, Mono;

  bool Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    TSoundData pcm;
    if (!ReadWav(bytes.data(), bytes.size(), pcm) || pcm.Bits != 16 || pcm.Channels != 2) return false;
    Rate = pcm.Rate;
    const auto* s = reinterpret_cast<const int16_t*>(pcm.Bytes.data());
    size_t frames = pcm.Bytes.size() / 4;
    for (size_t i = 0; i < frames; ++i) {
      Left.push_back(s[2 * i] / 32768.0f);
      Right.push_back(s[2 * i + 1] / 32768.0f);
      Mono.push_back((Left.back() + Right.back()) / 2);
    }
    return true;
  }

  // Root-mean-square loudness of each window of ms milliseconds.
  std::vector<float> Envelope(int ms) const {
    size_t window = size_t(Rate * ms / 1000);
    std::vector<float> out;
    for (size_t at = 0; window > 0 && at + window <= Mono.size(); at += window) {
      double sum = 0;
      for (size_t i = at; i < at + window; ++i) sum += double(Mono[i]) * Mono[i];
      out.push_back(float(std::sqrt(sum / double(window))));
    }
    return out;
  }

  // Strength of one frequency over the whole recording (Goertzel), per sample.
  double Strength(double hz) const { return StrengthOf(Mono, hz); }
  double StrengthOf(const std::vector<float>& x, double hz) const {
    double w = 2 * M_PI * hz / Rate, c = 2 * std::cos(w), s1 = 0, s2 = 0;
    for (float v : x) {
      double s0 = v + c * s1 - s2;
      s2 = s1;
      s1 = s0;
    }
    double power = s1 * s1 + s2 * s2 - c * s1 * s2;
    return x.empty() ? 0 : std::sqrt(std::max(0.0, power)) / double(x.size());
  }
};

}  // namespace audiotest
