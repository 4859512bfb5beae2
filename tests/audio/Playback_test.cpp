// What the game really plays, recorded through OpenAL Soft's wave writer, and the game
// on a machine without sound. OpenAL reads its configuration once per process, so each
// scenario runs in a child process of its own and reports back in key=value lines.
#include <gtest/gtest.h>

#include <map>
#include <thread>

#include "AudioTestKit.h"
#include "audio/ChannelArray.h"
#include "audio/GameSound.h"
#include "audio/Mixer.h"
#include "audio/SoundBank.h"
#include "audio/SoundLoader.h"
#include "core/DataPaths.h"
#include "core/Settings.h"

using namespace audiotest;

TEST(Playback, EffectsAreHeardOnlyWhenOnAndAudibleAndPitchMovesTheTone) {
  TTempDir temp;
  std::string dir = temp.Path;
  std::string a440 = WriteTone(dir, "a440.wav", 440, 0.3);
  std::string b660 = WriteTone(dir, "b660.wav", 660, 0.3);
  std::string c880 = WriteTone(dir, "c880.wav", 880, 0.3);
  std::string d1100 = WriteTone(dir, "d1100.wav", 1100, 0.3);
  std::string e300 = WriteTone(dir, "e300.wav", 300, 0.3);
  TRecordedRun run = RecordIsolated(dir, [&](std::ostream& out) {
    TAudioGame game;
    out << "driver=" << Settings().SoundDriver << "\n";
    out << "os=" << game->OSVersion << "\n";
    Mixer().SoundPlay(LoadSoundChecked(a440, 0));  // heard
    Wait(350);
    Mixer().SoundOff();
    Mixer().SoundPlay(LoadSoundChecked(b660, 0));  // effects off
    Mixer().SoundOn();
    Mixer().SoundSetVolume(0, 0);
    Mixer().SoundPlay(LoadSoundChecked(c880, 0));  // volume 0
    // A damaged settings value reaches the device clamped, not as an error.
    Settings().SoundVolume = -50;
    Mixer().SoundPlay(LoadSoundChecked(d1100, 0));
    Wait(350);
    // 300 Hz played at 1.5 times the rate sounds at 450 Hz.
    Settings().SoundVolume = 100;
    auto tone = TGameSound::Create(e300, 0);
    tone->pitch = 1.5f;
    TChannelPtr channel;
    tone->PlayInChannel(channel, 0);
    out << "playing=" << ChannelPlaying(channel) << "\n";
    Wait(350);
    out << "finished=" << ChannelPlaying(channel) << "\n";
    Mixer().AudioKill();
  });
  ASSERT_EQ(run.code, 0) << run.report;
  auto v = run.values;
  EXPECT_EQ(v["driver"], "OpenAL Generic Software");
  EXPECT_EQ(v["os"], "Linux");
  EXPECT_EQ(v["playing"], "1");
  EXPECT_EQ(v["finished"], "0");

  TRecording rec;
  ASSERT_TRUE(rec.Load(v["wav"]));
  double heard = rec.Strength(440);
  EXPECT_GT(heard, 0.01);
  EXPECT_LT(rec.Strength(660), heard / 50) << "played with effects off";
  EXPECT_LT(rec.Strength(880), heard / 50) << "played at volume 0";
  EXPECT_LT(rec.Strength(1100), heard / 50) << "played at a negative volume";
  EXPECT_GT(rec.Strength(450), heard / 3) << "pitched tone missing";
  EXPECT_LT(rec.Strength(300), rec.Strength(450) / 10) << "pitch had no effect";
}

TEST(Playback, MusicFadesInAndOutOverTheirLengths) {
  TTempDir temp;
  std::string dir = temp.Path;
  WriteTone(dir, "music.wav", 500, 0.5);
  TRecordedRun run = RecordIsolated(dir, [&](std::ostream& out) {
    TAudioGame game;
    DataPaths().MusicPath = dir + "/";
    Mixer().MusicFadeIn = 600;
    Mixer().MusicLoad("music.wav", 1);
    Mixer().MusicPlay(1, 0, 0);
    RunLogic(1000);
    out << "playing=" << Mixer().MusicIsPlaying() << "\n";
    Mixer().MusicFadeOutSet(600);
    RunLogic(900);
    Mixer().MusicStop();
    out << "stopped=" << Mixer().MusicIsPlaying() << "\n";
    Mixer().AudioKill();
  });
  ASSERT_EQ(run.code, 0) << run.report;
  auto v = run.values;
  EXPECT_EQ(v["playing"], "1");
  EXPECT_EQ(v["stopped"], "0");

  TRecording rec;
  ASSERT_TRUE(rec.Load(v["wav"]));
  auto env = rec.Envelope(20);
  float peak = *std::max_element(env.begin(), env.end());
  ASSERT_GT(peak, 0.05f);
  // The first window with sound, the last one, and the time spent between 10% and 90%
  // of full loudness on the way up and on the way down (linear fades of 600 ms).
  size_t first = 0, last = env.size() - 1;
  while (first < env.size() && env[first] < peak * 0.02f) ++first;
  while (last > first && env[last] < peak * 0.02f) --last;
  size_t up10 = first, up90 = first, down90 = last, down10 = last;
  while (up10 < last && env[up10] < peak * 0.1f) ++up10;
  while (up90 < last && env[up90] < peak * 0.9f) ++up90;
  while (down90 > first && env[down90] < peak * 0.9f) --down90;
  while (down10 > first && env[down10] < peak * 0.1f) --down10;
  int riseMs = int(up90 - up10) * 20, fallMs = int(down90 > down10 ? 0 : down10 - down90) * 20;
  EXPECT_NEAR(riseMs, 480, 120) << "10% to 90% of a 600 ms fade-in";
  EXPECT_NEAR(fallMs, 480, 120) << "90% to 10% of a 600 ms fade-out";
  // Halfway up the fade the track is about half as loud.
  float mid = env[first + 15];
  EXPECT_NEAR(mid / peak, 0.5f, 0.15f);
  // Full loudness lasts from the end of the fade-in to the start of the fade-out.
  EXPECT_NEAR(int(down90 - up90) * 20, 520, 150);
}

TEST(Playback, PoolsFillUpAndFreeWhenSoundsEnd) {
  TTempDir temp;
  std::string dir = temp.Path;
  std::string tone = WriteTone(dir, "tone.wav", 440, 0.2);
  TRecordedRun run = RecordIsolated(dir, [&](std::ostream& out) {
    TAudioGame game;
    auto sound = TGameSound::Create(tone, 0);
    auto pool = TChannelArray::Create(4);
    pool->ChannelByIndex(1)->Reserved = 1;
    int given = 0;
    for (int i = 0; i < 3; ++i) given += pool->PlayGameSound(*sound, nullptr, 1.0f, 0) != nullptr;
    out << "given=" << given << "\n";
    out << "playing=" << pool->CountPlaying() << "\n";
    // Full: the new sound is dropped and the pool does not grow.
    out << "full=" << (pool->PlayGameSound(*sound, nullptr, 1.0f, 0) == nullptr) << "\n";
    out << "count=" << pool->Count() << "\n";
    // With the default MaxVol of 1.5, three playing and one more share 1.5 between four.
    out << "share=" << pool->BalanceVolumes(1) << "\n";
    // A channel that may be taken over is handed out while it plays.
    pool->ChannelByIndex(3)->PlayWhenFinished = 0;
    out << "takeover=" << (pool->GetChannel() == pool->ChannelByIndex(3)) << "\n";
    Wait(450);
    out << "after=" << pool->CountPlaying() << "\n";
    out << "again=" << (pool->PlayGameSound(*sound, nullptr, 1.0f, 0) != nullptr) << "\n";

    // A non-looping track that played to its end is not replayed by switching music on.
    Mixer().MusicSet(LoadSoundChecked(tone, 0), "tone.wav", 0);
    Mixer().MusicPlay(0, 0, 0);
    Wait(400);
    Mixer().AudioManage();
    out << "musicStopped=" << Mixer().MusicStopped << "\n";
    Mixer().MusicOff();
    Mixer().MusicOn();
    out << "replayed=" << Mixer().MusicIsPlaying() << "\n";
    Mixer().AudioKill();
  });
  ASSERT_EQ(run.code, 0) << run.report;
  auto v = run.values;
  EXPECT_EQ(v["given"], "3");
  EXPECT_EQ(v["playing"], "3");
  EXPECT_EQ(v["full"], "1");
  EXPECT_EQ(v["count"], "4");
  EXPECT_EQ(v["share"], "0.375");
  EXPECT_EQ(v["takeover"], "1");
  EXPECT_EQ(v["after"], "0");
  EXPECT_EQ(v["again"], "1");
  EXPECT_EQ(v["musicStopped"], "1");
  EXPECT_EQ(v["replayed"], "0");
}

TEST(Playback, WithoutADeviceEveryOperationRunsSilently) {
  TTempDir temp;
  std::string dir = temp.Path;
  std::string tone = WriteTone(dir, "tone.wav", 440, 0.05);
  WriteTone(dir, "buttonclick.wav", 440, 0.05);
  int code = 0;
  std::string report = RunIsolated(
      [&](std::ostream& out) {
        UseNoDevice(dir);
        TAudioGame game;
        out << "driver=" << Settings().SoundDriver << "\n";
        Mixer().ChangeSoundDriver("DirectSound", 1);
        out << "again=" << Settings().SoundDriver << "\n";
        DataPaths().SoundPath = dir + "/";
        DataPaths().MusicPath = dir + "/";
        Mixer().ChannelsCreate(16);
        Mixer().SetEscapeSound("buttonclick");
        TSoundBank bank;
        bank.SetPath(dir);
        auto sound = bank.Load("tone", 1, 1, "", 0);
        TChannelPtr channel;

        Mixer().MusicLoad("tone.wav", 1);
        Mixer().MusicPlay(1, 0, 0);
        for (int i = 0; i < 20; ++i) Mixer().AudioManage();
        Mixer().MusicFadeOutSet(50);
        Mixer().MusicFadeOutManage();
        Mixer().MusicSetVolume(50, 1);
        Mixer().MusicChangeVolume(10);
        Mixer().MusicOff();
        Mixer().MusicOn();
        Mixer().ToggleMusic();
        Mixer().ToggleMusic();
        Mixer().MusicStop();
        Mixer().MusicNone();
        Mixer().SoundPlay(sound->sound);
        Mixer().SoundPlaySameChannel(channel, sound->sound);
        Mixer().SoundPlayReturnChannel(channel, sound->sound, 1.2f);
        Mixer().GameSoundPlay(channel, *sound, 0.5f);
        Mixer().SoundSetVolume(70, 1);
        Mixer().SoundChangeVolume(-10);
        Mixer().ToggleSound();
        Mixer().ToggleSound();
        Mixer().SpeechPlay(*sound, 1);
        Mixer().SpeechStop();
        Mixer().SpeechSetVolume(30, 1);
        Mixer().SpeechChangeVolume(5);
        Mixer().SpeechOff();
        Mixer().SpeechOn();
        Mixer().EscapeSoundPlay();
        Mixer().StopChannels();
        Mixer().PauseFadeCounter = 10;
        Mixer().PauseFadeDirection = -1;
        Mixer().PauseFadeManage();
        int given = 0;
        for (int i = 0; i < 40; ++i) given += Mixer().Channels->PlayGameSound(*sound, nullptr, 1, 0) != nullptr;
        out << "given=" << given << "\n";
        out << "playing=" << ChannelPlaying(channel) + Mixer().Channels->CountPlaying() << "\n";
        out << "music=" << Mixer().MusicIsPlaying() << "\n";
        Mixer().AudioKill();
      },
      code);
  ASSERT_EQ(code, 0) << report;
  auto v = ReportValues(report);
  EXPECT_EQ(v["driver"], "None");
  EXPECT_EQ(v["again"], "None");
  EXPECT_EQ(v["given"], "40") << "silent channels never fill the pool";
  EXPECT_EQ(v["playing"], "0");
  EXPECT_EQ(v["music"], "0");
}
