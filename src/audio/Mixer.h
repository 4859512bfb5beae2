// The mixer: the one owner of loudness. Music, effects and speech each sound at
// the player's volume for their group times the fade asked for (a screen fade, a
// dialog's fade, the pause fade); nobody else sets a channel's volume. It also
// keeps the music track, its fades and the fixed music, speech and Escape channels.
#pragma once
#include <memory>
#include <string>

#include "core/Service.h"
#include "platform/Audio.h"

class TGameSound;
class TChannelArray;

enum class TAudioGroup { Music, Effects, Speech };

class TMixer : public TService<TMixer> {
 public:
  TMixer();
  ~TMixer();

  // ---- loudness ----
  // The player's volume of the group (0 to 1) times fade.
  float Gain(TAudioGroup group, float fade = 1.0f) const;
  // Sets channel to the group's gain times fade.
  void SetChannelGain(const TChannelPtr& channel, TAudioGroup group, float fade = 1.0f) const;
  // Applies changed settings (volumes) to what is sounding now.
  void ApplySettings();

  // ---- music ----
  void MusicLoad(const std::string& fileName, int looped);
  void MusicSet(const TSoundPtr& sample, const std::string& fileName, int looped);
  void MusicPlay(int fadeIn, int customVolume, int silent);
  void MusicStop();
  void MusicNone();
  int MusicIsPlaying() const;
  int MusicIsAudible() const;
  int GetMusicVolume() const;
  float MusicFadeInCalc() const;
  float MusicFadeOutCalc() const;
  // The music channel at the music gain times ratio.
  void MusicApplyVolume(float ratio);
  void MusicFadeInApply();
  void MusicFadeOutApply();
  void MusicFadeInManage();
  void MusicFadeOutManage();
  void MusicFadeOutSet(float ms);
  void MusicSetVolume(int volume, int save);
  void MusicChangeVolume(int step);
  int MusicOff();
  int MusicOn();
  void ToggleMusic();

  // ---- effects and speech ----
  void SoundPlay(const TSoundPtr& sound);
  void SoundPlaySameChannel(TChannelPtr& channel, const TSoundPtr& sound);
  void SoundPlayReturnChannel(TChannelPtr& channel, const TSoundPtr& sound, float rate);
  void GameSoundPlay(TChannelPtr& channel, const TGameSound& gameSound, float pan);
  void SoundSetVolume(int volume, int save);
  void SoundChangeVolume(int step);
  void SoundOff();
  void SoundOn();
  void ToggleSound();
  void SpeechPlay(const TGameSound& gameSound, int interrupt);
  void SpeechStop();
  void SpeechSetVolume(int volume, int save);
  void SpeechChangeVolume(int step);
  int SpeechOff();
  int SpeechOn();

  // ---- back end and channels ----
  void ChangeSoundDriver(const std::string& name, int save);
  void PauseFadeManage();
  void ChannelsCreate(int count);
  void ChannelsKill();
  void SetEscapeSound(const std::string& name);
  void StopChannels();
  void EscapeSoundPlay();
  // Start-up's choice of back end, opened once; osVersion is the system's name.
  void AudioInit(int soundDriverChoice, const std::string& osVersion);
  // The music, speech and Escape channels, allocated once at start-up.
  void AudioChannelsInit();
  // Once a logic update while neither paused nor suspended: marks finished music and
  // speech, advances the music fades and lets ended voices go.
  void AudioManage();
  // Stops the fixed channels, releases the pool, closes the device.
  void AudioKill();

  int CustomMusicVolume = 0;
  std::string MusicFileName = "none", MusicName = "none";
  int MusicLooped = 1, MusicRestart = 1, MusicStopped = 0;
  float MusicFadeIn = 50, MusicFadeInCounter = 0, MusicFadeInDelay = 0, MusicFadeOut = 1000, MusicFadeOutCounter = 0;
  float PauseFadeLength = 100, PauseFadeCounter = 0;
  int PauseFadeDirection = 0;
  // Whether leaving the current screen fades the music out with the picture.
  int FadeMusic = 1;
  int SpeechStopped = 0;
  TSoundPtr MusicSample;
  TChannelPtr MusicChannel, SpeechChannel, EscapeChannel, SpecialChannel;
  std::shared_ptr<TGameSound> EscapeSound;
  std::shared_ptr<TChannelArray> Channels;
};

inline TMixer& Mixer() { return *TMixer::Current(); }
