#include "audio/Mixer.h"

#include <algorithm>
#include <cmath>

#include "core/DataPaths.h"
#include "core/ScreenFade.h"
#include "core/SettingLimits.h"
#include "core/Settings.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "audio/ChannelArray.h"
#include "audio/GameSound.h"
#include "audio/MusicLoader.h"
#include "audio/SoundLoader.h"
#include "platform/Process.h"

namespace {

int ClampPercent(int v) { return std::clamp(v, 0, 100); }

// (L - counter) / L for a fade of ms milliseconds; a fade too short to last a tick is over.
float FadeRatio(float ms, float counter) {
  float length = Clock().CalcAnimLength(static_cast<int>(std::trunc(ms)));
  if (!(length > 0.0f) || !std::isfinite(length)) return 1.0f;
  return (length - counter) / length;
}

}  // namespace

// ---------------------------------------------------------------- loudness

TMixer::TMixer() = default;
TMixer::~TMixer() = default;

float TMixer::Gain(TAudioGroup group, float fade) const {
  int volume = 0;
  switch (group) {
    case TAudioGroup::Music: volume = GetMusicVolume(); break;
    case TAudioGroup::Effects: volume = Settings().SoundVolume; break;
    case TAudioGroup::Speech: volume = Settings().SpeechVolume; break;
  }
  // The stored value is kept as the player's file says; only its effect is bounded.
  return SettingGain(volume) * fade;
}

void TMixer::SetChannelGain(const TChannelPtr& channel, TAudioGroup group, float fade) const {
  if (channel) SetChannelVolume(channel, Gain(group, fade));
}

void TMixer::ApplySettings() {
  MusicApplyVolume(1.0f);
  SetChannelGain(SpeechChannel, TAudioGroup::Speech);
}

// ---------------------------------------------------------------- music

void TMixer::MusicLoad(const std::string& fileName, int looped) {
  if (Settings().Music) {
    MusicStop();
    // The old track goes before the new one is read, not after. The next play cues the
    // new one anyway (MusicRestart).
    StopChannel(MusicChannel);
    MusicSample = nullptr;
    MusicSample = fileName.empty() ? nullptr : LoadMusicChecked(DataPaths().MusicPath + fileName, looped ? SOUND_LOOP : 0);
  }
  MusicLooped = looped;
  MusicRestart = 1;
  MusicFileName = fileName;
}

void TMixer::MusicSet(const TSoundPtr& sample, const std::string& fileName, int looped) {
  if (Settings().Music) {
    MusicStop();
    MusicSample = sample;
  }
  MusicLooped = looped;
  MusicRestart = 1;
  MusicFileName = fileName;
}

void TMixer::MusicPlay(int fadeIn, int customVolume, int silent) {
  CustomMusicVolume = customVolume;
  if (Settings().Music) {
    if (MusicChannel && MusicSample) {
      MusicFadeInCounter = fadeIn ? Clock().CalcAnimLength(static_cast<int>(std::trunc(MusicFadeIn - 1))) : 0.0f;
      MusicChannel = CueSound(MusicSample, MusicChannel);
      MusicFadeInApply();
      if (silent) SetChannelGain(MusicChannel, TAudioGroup::Music, 0.0f);
      ResumeChannel(MusicChannel);
      MusicRestart = 0;
      MusicStopped = 0;
    }
  } else {
    MusicRestart = 1;
  }
  MusicName = MusicFileName;
}

void TMixer::MusicStop() {
  if (Settings().Music && ChannelPlaying(MusicChannel)) {
    StopChannel(MusicChannel);
    MusicChannel = AllocChannel();
  }
  MusicRestart = 1;
}

void TMixer::MusicNone() {
  MusicFileName = "none";
  MusicName = "none";
  MusicRestart = 1;
  MusicSample = nullptr;
}

int TMixer::MusicIsPlaying() const { return Settings().Music && MusicChannel && ChannelPlaying(MusicChannel) ? 1 : 0; }

int TMixer::MusicIsAudible() const { return Settings().Music == 1 && Settings().MusicVolume > 0 ? 1 : 0; }

int TMixer::GetMusicVolume() const {
  const int volume = SettingPercent(Settings().MusicVolume);
  if (CustomMusicVolume == 0) return volume;
  return static_cast<int>(std::trunc(static_cast<float>(volume) * SettingGain(CustomMusicVolume)));
}

float TMixer::MusicFadeInCalc() const { return FadeRatio(MusicFadeIn, MusicFadeInCounter); }

float TMixer::MusicFadeOutCalc() const { return FadeRatio(MusicFadeOut, MusicFadeOutCounter); }

void TMixer::MusicApplyVolume(float ratio) {
  if (MusicChannel) SetChannelGain(MusicChannel, TAudioGroup::Music, ratio);
}

void TMixer::MusicFadeInApply() {
  float ratio = MusicFadeIn > 0 ? MusicFadeInCalc() : 1.0f;
  MusicApplyVolume(ratio);
}

void TMixer::MusicFadeOutApply() {
  float ratio = MusicFadeOut > 0 ? MusicFadeOutCalc() : 1.0f;
  MusicApplyVolume(1.0f - ratio);
}

void TMixer::MusicFadeInManage() {
  bool advance = true;
  if (MusicFadeInDelay > 0) {
    MusicFadeInDelay -= Delta;
    if (MusicFadeInDelay < 0)
      MusicFadeInDelay = 0;
    else
      advance = false;
  }
  if (advance && MusicFadeInCounter > 0) {
    MusicFadeInCounter = std::max(0.0f, MusicFadeInCounter - Delta);
    MusicFadeInApply();
  }
}

void TMixer::MusicFadeOutManage() {
  if (MusicFadeOutCounter > 0) {
    MusicFadeOutCounter = std::max(0.0f, MusicFadeOutCounter - Delta);
    MusicFadeOutApply();
  }
}

void TMixer::MusicFadeOutSet(float ms) {
  MusicFadeOut = ms;
  MusicFadeOutCounter = Clock().CalcAnimLength(static_cast<int>(std::trunc(ms)));
}

void TMixer::MusicSetVolume(int volume, int save) {
  Settings().MusicVolume = ClampPercent(volume);
  MusicApplyVolume(1.0f);
  if (save == 1) {
    SaveSettings(1);
  }
}

void TMixer::MusicChangeVolume(int step) { MusicSetVolume(ClampPercent(SettingPercent(Settings().MusicVolume) + step), 1); }

int TMixer::MusicOff() {
  if (SpecialChannel) PauseChannel(SpecialChannel);
  if (MusicRestart == 1) return 0;
  Settings().Music = 0;
  PauseChannel(MusicChannel);
  MusicRestart = 0;
  return 1;
}

int TMixer::MusicOn() {
  if (SpecialChannel) ResumeChannel(SpecialChannel);
  if (Settings().Music == 1) return 0;
  Settings().Music = 1;
  if (MusicRestart == 1 || !MusicChannel) {
    // "none" names no file: loading it would end the game over a track that never existed.
    if (MusicFileName != "none") MusicLoad(MusicFileName, MusicLooped);
    if (MusicName != "none") MusicPlay(1, 0, 0);
  } else if (MusicLooped || MusicStopped == 0) {
    ResumeChannel(MusicChannel);
  }
  return 1;
}

void TMixer::ToggleMusic() {
  if (Settings().Music)
    MusicOff();
  else
    MusicOn();
  SaveSettings(1);
}

// ---------------------------------------------------------------- effects

void TMixer::SoundPlay(const TSoundPtr& sound) {
  if (!Settings().Sound) return;
  TChannelPtr channel = CueSound(sound, nullptr);
  SetChannelGain(channel, TAudioGroup::Effects);
  ResumeChannel(channel);
}

void TMixer::SoundPlaySameChannel(TChannelPtr& channel, const TSoundPtr& sound) {
  if (!Settings().Sound) return;
  // Turned down first so the cut-off sound does not click.
  if (channel && ChannelPlaying(channel)) SetChannelVolume(channel, 0.1f);
  channel = CueSound(sound, channel);
  SetChannelGain(channel, TAudioGroup::Effects);
  ResumeChannel(channel);
}

void TMixer::SoundPlayReturnChannel(TChannelPtr& channel, const TSoundPtr& sound, float rate) {
  if (!Settings().Sound) return;
  if (channel && ChannelPlaying(channel)) SetChannelVolume(channel, 0.1f);
  channel = CueSound(sound, nullptr);
  SetChannelGain(channel, TAudioGroup::Effects);
  SetChannelRate(channel, rate);
  ResumeChannel(channel);
}

void TMixer::GameSoundPlay(TChannelPtr& channel, const TGameSound& gameSound, float pan) {
  if (!Settings().Sound) return;
  if (channel && ChannelPlaying(channel)) SetChannelVolume(channel, 0.1f);
  channel = CueSound(gameSound.sound, channel);
  if (!channel) return;
  // A sound started during a screen fade starts at the fade's loudness.
  SetChannelGain(channel, TAudioGroup::Effects,
                 gameSound.volume * ScreenFadeVisibility());
  SetChannelPan(channel, pan);
  SetChannelRate(channel, gameSound.pitch);
  ResumeChannel(channel);
}

void TMixer::SoundSetVolume(int volume, int save) {
  Settings().SoundVolume = ClampPercent(volume);
  if (save == 1) {
    SaveSettings(1);
  }
}

void TMixer::SoundChangeVolume(int step) { SoundSetVolume(ClampPercent(SettingPercent(Settings().SoundVolume) + step), 1); }

void TMixer::SoundOff() { Settings().Sound = 0; }

void TMixer::SoundOn() { Settings().Sound = 1; }

void TMixer::ToggleSound() {
  if (Settings().Sound)
    SoundOff();
  else
    SoundOn();
  SaveSettings(1);
}

// ---------------------------------------------------------------- speech

void TMixer::SpeechPlay(const TGameSound& gameSound, int interrupt) {
  if (!Settings().Speech || !SpeechChannel) return;
  if (ChannelPlaying(SpeechChannel) && interrupt == 0) return;
  SpeechChannel = CueSound(gameSound.sound, SpeechChannel);
  SetChannelGain(SpeechChannel, TAudioGroup::Speech);
  ResumeChannel(SpeechChannel);
  SpeechStopped = 0;
}

void TMixer::SpeechStop() {
  if (Settings().Speech && ChannelPlaying(SpeechChannel)) {
    StopChannel(SpeechChannel);
    SpeechChannel = AllocChannel();
  }
}

void TMixer::SpeechSetVolume(int volume, int save) {
  Settings().SpeechVolume = ClampPercent(volume);
  if (SpeechChannel) SetChannelGain(SpeechChannel, TAudioGroup::Speech);
  if (save == 1) {
    SaveSettings(1);
  }
}

void TMixer::SpeechChangeVolume(int step) { SpeechSetVolume(ClampPercent(SettingPercent(Settings().SpeechVolume) + step), 1); }

int TMixer::SpeechOff() {
  Settings().Speech = 0;
  PauseChannel(SpeechChannel);
  return 1;
}

int TMixer::SpeechOn() {
  if (Settings().Speech == 1) return 0;
  Settings().Speech = 1;
  if (!SpeechStopped) ResumeChannel(SpeechChannel);
  return 1;
}

// ---------------------------------------------------------------- back end and channels

void TMixer::ChangeSoundDriver(const std::string& name, int save) {
  if (name.rfind("OpenAL", 0) == 0) EnableOpenAL();
  Settings().SoundDriver = SelectAudioDriver(name) ? name : "None";
  SaveSettings(save);
}

void TMixer::PauseFadeManage() {
  // Direction -1 fades the music out for a pause (and holds it at the end), 1 fades it back.
  if (PauseFadeCounter <= 0) return;
  PauseFadeCounter = std::max(0.0f, PauseFadeCounter - Delta);
  float length = Clock().CalcAnimLength(static_cast<int>(std::trunc(PauseFadeLength)));
  float left = length > 0 ? std::clamp(PauseFadeCounter / length, 0.0f, 1.0f) : 0.0f;
  float ratio = PauseFadeDirection < 0 ? left : 1.0f - left;
  MusicApplyVolume(ratio);
  if (PauseFadeCounter <= 0 && PauseFadeDirection < 0) PauseChannel(MusicChannel);
}

void TMixer::ChannelsCreate(int count) {
  Channels = TChannelArray::Create(count);
  Channels->MaxVol = static_cast<float>(count);
}

void TMixer::ChannelsKill() {
  if (Channels) Channels->Kill();
  Channels.reset();
}

void TMixer::SetEscapeSound(const std::string& name) { EscapeSound = TGameSound::Create(DataPaths().SoundPath + name + ".wav", 0); }

void TMixer::StopChannels() {
  StopChannel(MusicChannel);
  StopChannel(SpeechChannel);
  MusicChannel = AllocChannel();
  SpeechChannel = AllocChannel();
}

void TMixer::EscapeSoundPlay() {
  if (EscapeSound) EscapeSound->PlayInChannel(EscapeChannel, 0.0f);
}

void TMixer::AudioInit(int soundDriverChoice, const std::string& osVersion) {
  static const char* const kNames[] = {"FreeAudio", "DirectSound", "OpenAL Generic Software"};
  ProgressMarker = 8001;
  std::string name;
  if (soundDriverChoice >= 1 && soundDriverChoice <= 3) {
    name = kNames[soundDriverChoice - 1];
  } else {
    name = Settings().SoundDriver == "None" ? "FreeAudio" : Settings().SoundDriver;
  }
  ProgressMarker = 8002;
  // Only the back end chosen last is opened: opening the first one as well would
  // open the device twice for nothing.
  if (osVersion != "Windows XP") {
    Settings().SoundDriver = "OpenAL Generic Software";
    name = Settings().SoundDriver;
  }
  ChangeSoundDriver(name, 0);
}

void TMixer::AudioChannelsInit() {
  MusicChannel = AllocChannel();
  SpeechChannel = AllocChannel();
  EscapeChannel = AllocChannel();
}

void TMixer::AudioManage() {
  if (Settings().Music == 1 && !MusicLooped && !ChannelPlaying(MusicChannel)) MusicStopped = 1;
  if (Settings().Speech == 1 && !ChannelPlaying(SpeechChannel)) SpeechStopped = 1;
  MusicFadeInManage();
  MusicFadeOutManage();
  PauseFadeManage();
  AudioUpdate();
}

void TMixer::AudioKill() {
  StopChannel(MusicChannel);
  StopChannel(SpeechChannel);
  StopChannel(EscapeChannel);
  ChannelsKill();
  AudioShutdown();
}
