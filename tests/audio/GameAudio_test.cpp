// The game object's music states, fades and volume rules, checked on silent channels
// (no device in this process), which remember the volumes they are given.
#include <gtest/gtest.h>

#include "AudioTestKit.h"
#include "audio/GameSound.h"
#include "audio/Mixer.h"
#include "core/DataPaths.h"
#include "core/Settings.h"
#include "screens/GameFade.h"
#include "screens/ScreenSwitch.h"

using namespace audiotest;

namespace {
TSoundPtr SilentSound(int flags = SOUND_LOOP) { return CreateSound(nullptr, 0, 1, 16, 22050, flags); }
}  // namespace

TEST(GameAudio, MusicFadesInAndOutOverTheirLengths) {
  TTestGame game;
  Mixer().MusicChannel = AllocChannel();
  Mixer().MusicSet(SilentSound(), "title.ogg", 1);
  Mixer().MusicPlay(1, 0, 0);
  // 50 ms less one is 9.8 ticks of a 10-tick fade: the track starts nearly silent.
  EXPECT_FLOAT_EQ(Mixer().MusicFadeInCounter, 9.8f);
  EXPECT_NEAR(ChannelVolume(Mixer().MusicChannel), 0.02f, 1e-5);
  EXPECT_EQ(Mixer().MusicRestart, 0);
  EXPECT_EQ(Mixer().MusicName, "title.ogg");
  for (int i = 0; i < 5; ++i) Mixer().MusicFadeInManage();
  EXPECT_NEAR(ChannelVolume(Mixer().MusicChannel), 0.52f, 1e-5);
  for (int i = 0; i < 10; ++i) Mixer().MusicFadeInManage();
  EXPECT_FLOAT_EQ(Mixer().MusicFadeInCounter, 0.0f);
  EXPECT_FLOAT_EQ(ChannelVolume(Mixer().MusicChannel), 1.0f);

  // A delay holds the fade until the update in which it runs out.
  Mixer().MusicFadeInDelay = 2.5f;
  Mixer().MusicPlay(1, 50, 0);
  float start = ChannelVolume(Mixer().MusicChannel);
  EXPECT_NEAR(start, 0.01f, 1e-5);  // half of 0.02: the custom volume is 50%
  Mixer().MusicFadeInManage();
  Mixer().MusicFadeInManage();
  EXPECT_FLOAT_EQ(ChannelVolume(Mixer().MusicChannel), start);
  Mixer().MusicFadeInManage();
  EXPECT_FLOAT_EQ(Mixer().MusicFadeInDelay, 0.0f);
  EXPECT_GT(ChannelVolume(Mixer().MusicChannel), start);

  // Without a fade the track starts at its full volume; silent starts it at 0.
  Mixer().MusicPlay(0, 0, 0);
  EXPECT_FLOAT_EQ(ChannelVolume(Mixer().MusicChannel), 1.0f);
  Mixer().MusicPlay(0, 0, 1);
  EXPECT_FLOAT_EQ(ChannelVolume(Mixer().MusicChannel), 0.0f);

  // A fade-out of 100 ms takes 20 updates down to nothing.
  Settings().MusicVolume = 80;
  Mixer().MusicFadeOutSet(100);
  for (int i = 0; i < 10; ++i) Mixer().MusicFadeOutManage();
  EXPECT_NEAR(ChannelVolume(Mixer().MusicChannel), 0.4f, 1e-5);
  for (int i = 0; i < 15; ++i) Mixer().MusicFadeOutManage();
  EXPECT_FLOAT_EQ(ChannelVolume(Mixer().MusicChannel), 0.0f);

  // A fade shorter than a tick is already over rather than a division by nothing.
  Mixer().MusicFadeIn = 0.5f;
  EXPECT_FLOAT_EQ(Mixer().MusicFadeInCalc(), 1.0f);
}

TEST(GameAudio, MusicSwitchedOffRemembersTheTrackAndStartsItWhenSwitchedOn) {
  TTestGame game;
  TTempDir temp;
  std::string dir = temp.Path;
  DataPaths().MusicPath = dir + "/";
  Mixer().MusicChannel = AllocChannel();

  // Nothing started: switching off does nothing.
  EXPECT_EQ(Mixer().MusicOff(), 0);
  EXPECT_EQ(Settings().Music, 1);

  Settings().Music = 0;
  Mixer().MusicLoad("title.wav", 1);  // not loaded while off: the file does not even exist yet
  Mixer().MusicPlay(1, 0, 0);
  EXPECT_EQ(Mixer().MusicSample, nullptr);
  EXPECT_EQ(Mixer().MusicFileName, "title.wav");
  EXPECT_EQ(Mixer().MusicName, "title.wav");
  EXPECT_EQ(Mixer().MusicRestart, 1);

  WriteTone(dir, "title.wav", 440, 0.05);
  EXPECT_EQ(Mixer().MusicOn(), 1);
  EXPECT_NE(Mixer().MusicSample, nullptr);
  EXPECT_EQ(Mixer().MusicRestart, 0);
  EXPECT_GT(Mixer().MusicFadeInCounter, 0.0f);
  EXPECT_EQ(Mixer().MusicOn(), 0);

  EXPECT_EQ(Mixer().MusicOff(), 1);
  EXPECT_EQ(Settings().Music, 0);
  EXPECT_EQ(Mixer().MusicRestart, 0);

  Mixer().ToggleMusic();
  EXPECT_EQ(Settings().Music, 1);

  // After MusicNone there is no file to load: switching on again must not try "none".
  Mixer().MusicNone();
  Mixer().MusicOff();
  Settings().Music = 0;
  EXPECT_EQ(Mixer().MusicOn(), 1);
  EXPECT_EQ(Mixer().MusicSample, nullptr);
}

TEST(GameAudio, VolumesSwitchesAndTheScreenFade) {
  TTestGame game;
  Mixer().MusicChannel = AllocChannel();
  Mixer().SpeechChannel = AllocChannel();

  Mixer().MusicSetVolume(150, 0);
  EXPECT_EQ(Settings().MusicVolume, 100);
  Mixer().MusicChangeVolume(-30);
  EXPECT_EQ(Settings().MusicVolume, 70);
  EXPECT_FLOAT_EQ(ChannelVolume(Mixer().MusicChannel), 0.7f);  // the playing track follows at once
  Mixer().CustomMusicVolume = 50;
  EXPECT_EQ(Mixer().GetMusicVolume(), 35);
  Mixer().MusicSetVolume(-5, 0);
  EXPECT_EQ(Mixer().MusicIsAudible(), 0);

  Mixer().SpeechChangeVolume(-60);
  EXPECT_EQ(Settings().SpeechVolume, 40);
  EXPECT_FLOAT_EQ(ChannelVolume(Mixer().SpeechChannel), 0.4f);

  // An effect keeps the volume it started with when the effect volume changes.
  TGameSound click;
  click.sound = SilentSound(0);
  click.volume = 0.5f;
  click.pitch = 2.0f;
  TChannelPtr channel;
  Mixer().GameSoundPlay(channel, click, 0.25f);
  ASSERT_NE(channel, nullptr);
  EXPECT_FLOAT_EQ(ChannelVolume(channel), 0.5f);
  EXPECT_FLOAT_EQ(ChannelRate(channel), 2.0f);
  EXPECT_FLOAT_EQ(ChannelPan(channel), 0.25f);
  Mixer().SoundChangeVolume(-120);
  EXPECT_EQ(Settings().SoundVolume, 0);
  EXPECT_FLOAT_EQ(ChannelVolume(channel), 0.5f);

  // Started during a screen fade, an effect starts at the fade's loudness.
  Mixer().SoundSetVolume(80, 0);
  Screens().GameFade->Active = 1;
  Screens().GameFade->Ratio = 0.25f;
  TChannelPtr faded;
  Mixer().GameSoundPlay(faded, click, 0);
  EXPECT_FLOAT_EQ(ChannelVolume(faded), 0.8f * 0.5f * 0.25f);
  Screens().GameFade->Active = 0;

  // With effects off nothing is cued.
  Mixer().ToggleSound();
  EXPECT_EQ(Settings().Sound, 0);
  TChannelPtr none;
  Mixer().GameSoundPlay(none, click, 0);
  Mixer().SoundPlaySameChannel(none, click.sound);
  Mixer().SoundPlayReturnChannel(none, click.sound, 1.5f);
  EXPECT_EQ(none, nullptr);

  // Speech switched off and on again.
  EXPECT_EQ(Mixer().SpeechOff(), 1);
  EXPECT_EQ(Mixer().SpeechOn(), 1);
  EXPECT_EQ(Mixer().SpeechOn(), 0);

  // A volume written by hand into the settings file stays as written, but what reaches
  // a channel is bounded: nothing louder than full, nothing below silence.
  Mixer().CustomMusicVolume = 0;
  Settings().MusicVolume = 2147483647;
  Settings().SpeechVolume = -40;
  Mixer().ApplySettings();
  EXPECT_FLOAT_EQ(ChannelVolume(Mixer().MusicChannel), 1.0f);
  EXPECT_FLOAT_EQ(ChannelVolume(Mixer().SpeechChannel), 0.0f);
  EXPECT_EQ(Settings().MusicVolume, 2147483647);

  // The screen fade's channels follow the picture at each group's own volume.
  Settings().MusicVolume = 60;
  Settings().SpeechVolume = 50;
  Screens().GameFade->Channel = Mixer().MusicChannel;
  Screens().GameFade->Ratio = 0.5f;
  Screens().GameFade->FadeChannels();
  EXPECT_FLOAT_EQ(ChannelVolume(Mixer().MusicChannel), 0.3f);
  EXPECT_FLOAT_EQ(ChannelVolume(Mixer().SpeechChannel), 0.25f);
}
