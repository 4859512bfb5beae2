// The audio device opened ahead on a helper during start-up: the game plays on that
// device, a machine without sound still ends up silent, and a shutdown while the
// device is still opening leaves nothing open behind it.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <sstream>
#include <thread>

#include "AudioTestKit.h"
#include "audio/Mixer.h"
#include "audio/SoundLoader.h"
#include "core/Settings.h"
#include "platform/Audio.h"
#include "platform/Process.h"

using namespace audiotest;

namespace {
// The game started on whatever device there is, a tone played and the audio closed.
void PlayTone(std::ostream& out, const std::string& tone) {
  TAudioGame game;
  out << "driver=" << Settings().SoundDriver << "\n";
  Mixer().SoundPlay(LoadSoundChecked(tone, 0));
  std::this_thread::sleep_for(std::chrono::milliseconds(350));
  Mixer().AudioKill();
}
}  // namespace

TEST(AudioDeviceAhead, TheGamePlaysOnTheEarlyDeviceAndWithoutOneStaysSilent) {
  TTempDir temp;
  const std::string dir = temp.Path;
  const std::string tone = WriteTone(dir, "a440.wav", 440, 0.3);
  int code = 0;
  TRecordedRun run = RecordIsolated(dir, [&](std::ostream& out) {
    StartOpeningAudioDevice();
    StartOpeningAudioDevice();  // a second call while opening changes nothing
    PlayTone(out, tone);
  });
  ASSERT_EQ(run.code, 0) << run.report;
  auto v = run.values;
  EXPECT_EQ(v["driver"], "OpenAL Generic Software");
  TRecording rec;
  ASSERT_TRUE(rec.Load(v["wav"])) << "the early device is closed properly at the end";
  EXPECT_GT(rec.Strength(440), 0.01) << "the tone was played on the device opened ahead";

  std::string report = RunIsolated(
      [&](std::ostream& out) {
        UseNoDevice(dir);
        StartOpeningAudioDevice();
        TTestGame game;
        Mixer().AudioInit(0, Game->OSVersion = OperatingSystemName());
        out << "driver=" << Settings().SoundDriver << "\n";
        Mixer().SoundPlay(LoadSoundChecked(tone, 0));
        Mixer().AudioKill();
      },
      code);
  ASSERT_EQ(code, 0) << report;
  EXPECT_EQ(ReportValues(report)["driver"], "None");

  // Shut down before anything took the device: it is closed, and a later selection
  // opens a fresh one that works.
  run = RecordIsolated(dir, [&](std::ostream& out) {
    StartOpeningAudioDevice();
    AudioShutdown();
    out << "after=" << AudioDriverName() << "\n";
    PlayTone(out, tone);
  });
  ASSERT_EQ(run.code, 0) << run.report;
  v = run.values;
  EXPECT_EQ(v["after"], "None");
  EXPECT_EQ(v["driver"], "OpenAL Generic Software");
  ASSERT_TRUE(rec.Load(v["wav"]));
  EXPECT_GT(rec.Strength(440), 0.01);
}
