// The game object's music states, fades and volume rules, checked on silent channels
// (no device in this process), which remember the volumes they are given.
#include <gtest/gtest.h>

#include "AudioTestKit.h"
#include "audio/GameSound.h"
#include "screens/GameFade.h"

using namespace audiotest;

namespace {
TSoundPtr SilentSound(int flags = SOUND_LOOP) { return CreateSound(nullptr, 0, 1, 16, 22050, flags); }
}  // namespace

TEST(GameAudio, MusicFadesInAndOutOverTheirLengths) {
  TTestGame game;
  game->MusicChannel = AllocChannel();
  game->MusicSet(SilentSound(), "title.ogg", 1);
  game->MusicPlay(1, 0, 0);
  // 50 ms less one is 9.8 ticks of a 10-tick fade: the track starts nearly silent.
  EXPECT_FLOAT_EQ(game->MusicFadeInCounter, 9.8f);
  EXPECT_NEAR(ChannelVolume(game->MusicChannel), 0.02f, 1e-5);
  EXPECT_EQ(game->MusicRestart, 0);
  EXPECT_EQ(game->MusicName, "title.ogg");
  for (int i = 0; i < 5; ++i) game->MusicFadeInManage();
  EXPECT_NEAR(ChannelVolume(game->MusicChannel), 0.52f, 1e-5);
  for (int i = 0; i < 10; ++i) game->MusicFadeInManage();
  EXPECT_FLOAT_EQ(game->MusicFadeInCounter, 0.0f);
  EXPECT_FLOAT_EQ(ChannelVolume(game->MusicChannel), 1.0f);

  // A delay holds the fade until the update in which it runs out.
  game->MusicFadeInDelay = 2.5f;
  game->MusicPlay(1, 50, 0);
  float start = ChannelVolume(game->MusicChannel);
  EXPECT_NEAR(start, 0.01f, 1e-5);  // half of 0.02: the custom volume is 50%
  game->MusicFadeInManage();
  game->MusicFadeInManage();
  EXPECT_FLOAT_EQ(ChannelVolume(game->MusicChannel), start);
  game->MusicFadeInManage();
  EXPECT_FLOAT_EQ(game->MusicFadeInDelay, 0.0f);
  EXPECT_GT(ChannelVolume(game->MusicChannel), start);

  // Without a fade the track starts at its full volume; silent starts it at 0.
  game->MusicPlay(0, 0, 0);
  EXPECT_FLOAT_EQ(ChannelVolume(game->MusicChannel), 1.0f);
  game->MusicPlay(0, 0, 1);
  EXPECT_FLOAT_EQ(ChannelVolume(game->MusicChannel), 0.0f);

  // A fade-out of 100 ms takes 20 updates down to nothing.
  game->MusicVolume = 80;
  game->MusicFadeOutSet(100);
  for (int i = 0; i < 10; ++i) game->MusicFadeOutManage();
  EXPECT_NEAR(ChannelVolume(game->MusicChannel), 0.4f, 1e-5);
  for (int i = 0; i < 15; ++i) game->MusicFadeOutManage();
  EXPECT_FLOAT_EQ(ChannelVolume(game->MusicChannel), 0.0f);

  // A fade shorter than a tick is already over rather than a division by nothing.
  game->MusicFadeIn = 0.5f;
  EXPECT_FLOAT_EQ(game->MusicFadeInCalc(), 1.0f);
}

TEST(GameAudio, MusicSwitchedOffRemembersTheTrackAndStartsItWhenSwitchedOn) {
  TTestGame game;
  TTempDir temp;
  std::string dir = temp.Path;
  game->MusicPath = dir + "/";
  game->MusicChannel = AllocChannel();

  // Nothing started: switching off does nothing.
  EXPECT_EQ(game->MusicOff(), 0);
  EXPECT_EQ(game->Music, 1);

  game->Music = 0;
  game->MusicLoad("title.wav", 1);  // not loaded while off: the file does not even exist yet
  game->MusicPlay(1, 0, 0);
  EXPECT_EQ(game->MusicSample, nullptr);
  EXPECT_EQ(game->MusicFileName, "title.wav");
  EXPECT_EQ(game->MusicName, "title.wav");
  EXPECT_EQ(game->MusicRestart, 1);

  WriteTone(dir, "title.wav", 440, 0.05);
  EXPECT_EQ(game->MusicOn(), 1);
  EXPECT_NE(game->MusicSample, nullptr);
  EXPECT_EQ(game->MusicRestart, 0);
  EXPECT_GT(game->MusicFadeInCounter, 0.0f);
  EXPECT_EQ(game->MusicOn(), 0);

  EXPECT_EQ(game->MusicOff(), 1);
  EXPECT_EQ(game->Music, 0);
  EXPECT_EQ(game->MusicRestart, 0);

  // Paused: the toggle does nothing.
  game->Paused = 1;
  game->ToggleMusic();
  EXPECT_EQ(game->Music, 0);
  game->Paused = 0;
  game->ToggleMusic();
  EXPECT_EQ(game->Music, 1);

  // After MusicNone there is no file to load: switching on again must not try "none".
  game->MusicNone();
  game->MusicOff();
  game->Music = 0;
  EXPECT_EQ(game->MusicOn(), 1);
  EXPECT_EQ(game->MusicSample, nullptr);
}

TEST(GameAudio, VolumesSwitchesAndTheScreenFade) {
  TTestGame game;
  game->MusicChannel = AllocChannel();
  game->SpeechChannel = AllocChannel();

  game->MusicSetVolume(150, 0);
  EXPECT_EQ(game->MusicVolume, 100);
  game->MusicChangeVolume(-30);
  EXPECT_EQ(game->MusicVolume, 70);
  EXPECT_FLOAT_EQ(ChannelVolume(game->MusicChannel), 0.7f);  // the playing track follows at once
  game->CustomMusicVolume = 50;
  EXPECT_EQ(game->GetMusicVolume(), 35);
  game->MusicSetVolume(-5, 0);
  EXPECT_EQ(game->MusicIsAudible(), 0);

  game->SpeechChangeVolume(-60);
  EXPECT_EQ(game->SpeechVolume, 40);
  EXPECT_FLOAT_EQ(ChannelVolume(game->SpeechChannel), 0.4f);

  // An effect keeps the volume it started with when the effect volume changes.
  TGameSound click;
  click.sound = SilentSound(0);
  click.volume = 0.5f;
  click.pitch = 2.0f;
  TChannelPtr channel;
  game->GameSoundPlay(channel, click, 0.25f);
  ASSERT_NE(channel, nullptr);
  EXPECT_FLOAT_EQ(ChannelVolume(channel), 0.5f);
  EXPECT_FLOAT_EQ(ChannelRate(channel), 2.0f);
  EXPECT_FLOAT_EQ(ChannelPan(channel), 0.25f);
  game->SoundChangeVolume(-120);
  EXPECT_EQ(game->SoundVolume, 0);
  EXPECT_FLOAT_EQ(ChannelVolume(channel), 0.5f);

  // Started during a screen fade, an effect starts at the fade's loudness.
  game->SoundSetVolume(80, 0);
  game->GameFade->Active = 1;
  game->GameFade->Ratio = 0.25f;
  TChannelPtr faded;
  game->GameSoundPlay(faded, click, 0);
  EXPECT_FLOAT_EQ(ChannelVolume(faded), 0.8f * 0.5f * 0.25f);
  game->GameFade->Active = 0;

  // With effects off nothing is cued.
  game->ToggleSound();
  EXPECT_EQ(game->Sound, 0);
  TChannelPtr none;
  game->GameSoundPlay(none, click, 0);
  game->SoundPlaySameChannel(none, click.sound);
  game->SoundPlayReturnChannel(none, click.sound, 1.5f);
  EXPECT_EQ(none, nullptr);

  // Speech switched off and on again.
  EXPECT_EQ(game->SpeechOff(), 1);
  EXPECT_EQ(game->SpeechOn(), 1);
  EXPECT_EQ(game->SpeechOn(), 0);
}
