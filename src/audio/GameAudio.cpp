// The game object's music, effect, speech and channel operations: the master switches
// and volumes the player sets, applied to the channels of the audio service.
#include <algorithm>
#include <cmath>

#include "core/Game.h"
#include "core/Globals.h"
#include "audio/ChannelArray.h"
#include "audio/GameSound.h"
#include "audio/MusicLoader.h"
#include "audio/SoundLoader.h"
#include "core/SettingLimits.h"
#include "platform/Process.h"

namespace {

int ClampPercent(int v) { return std::clamp(v, 0, 100); }

// (L - counter) / L for a fade of ms milliseconds; a fade too short to last a tick is over.
float FadeRatio(const TGame& game, float ms, float counter) {
  float length = game.CalcAnimLength(static_cast<int>(std::trunc(ms)));
  if (!(length > 0.0f) || !std::isfinite(length)) return 1.0f;
  return (length - counter) / length;
}

}  // namespace

// ---------------------------------------------------------------- music

void TGame::MusicLoad(const std::string& fileName, int looped) {
  if (Music) {
    MusicStop();
    // The old track goes before the new one is read, not after. The next play cues the
    // new one anyway (MusicRestart).
    StopChannel(MusicChannel);
    MusicSample = nullptr;
    MusicSample = fileName.empty() ? nullptr : LoadMusicChecked(MusicPath + fileName, looped ? SOUND_LOOP : 0);
  }
  MusicLooped = looped;
  MusicRestart = 1;
  MusicFileName = fileName;
}

void TGame::MusicSet(const TSoundPtr& sample, const std::string& fileName, int looped) {
  if (Music) {
    MusicStop();
    MusicSample = sample;
  }
  MusicLooped = looped;
  MusicRestart = 1;
  MusicFileName = fileName;
}

void TGame::MusicPlay(int fadeIn, int customVolume, int silent) {
  CustomMusicVolume = customVolume;
  if (Music) {
    if (MusicChannel && MusicSample) {
      MusicFadeInCounter = fadeIn ? CalcAnimLength(static_cast<int>(std::trunc(MusicFadeIn - 1))) : 0.0f;
      MusicChannel = CueSound(MusicSample, MusicChannel);
      MusicFadeInApply();
      if (silent) SetChannelVolume(MusicChannel, 0.0f);
      ResumeChannel(MusicChannel);
      MusicRestart = 0;
      MusicStopped = 0;
    }
  } else {
    MusicRestart = 1;
  }
  MusicName = MusicFileName;
}

void TGame::MusicStop() {
  if (Music && ChannelPlaying(MusicChannel)) {
    StopChannel(MusicChannel);
    MusicChannel = AllocChannel();
  }
  MusicRestart = 1;
}

void TGame::MusicNone() {
  MusicFileName = "none";
  MusicName = "none";
  MusicRestart = 1;
  MusicSample = nullptr;
}

int TGame::MusicIsPlaying() const { return Music && MusicChannel && ChannelPlaying(MusicChannel) ? 1 : 0; }

int TGame::MusicIsAudible() const { return Music == 1 && MusicVolume > 0 ? 1 : 0; }

int TGame::GetMusicVolume() const {
  const int volume = SettingPercent(MusicVolume);
  if (CustomMusicVolume == 0) return volume;
  return static_cast<int>(std::trunc(static_cast<float>(volume) * SettingGain(CustomMusicVolume)));
}

float TGame::MusicFadeInCalc() const { return FadeRatio(*this, MusicFadeIn, MusicFadeInCounter); }

float TGame::MusicFadeOutCalc() const { return FadeRatio(*this, MusicFadeOut, MusicFadeOutCounter); }

void TGame::MusicApplyVolume(float ratio) {
  if (MusicChannel) SetChannelVolume(MusicChannel, SettingGain(GetMusicVolume()) * ratio);
}

void TGame::MusicFadeInApply() {
  float ratio = MusicFadeIn > 0 ? MusicFadeInCalc() : 1.0f;
  MusicApplyVolume(ratio);
}

void TGame::MusicFadeOutApply() {
  float ratio = MusicFadeOut > 0 ? MusicFadeOutCalc() : 1.0f;
  MusicApplyVolume(1.0f - ratio);
}

void TGame::MusicFadeInManage() {
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

void TGame::MusicFadeOutManage() {
  if (MusicFadeOutCounter > 0) {
    MusicFadeOutCounter = std::max(0.0f, MusicFadeOutCounter - Delta);
    MusicFadeOutApply();
  }
}

void TGame::MusicFadeOutSet(float ms) {
  MusicFadeOut = ms;
  MusicFadeOutCounter = CalcAnimLength(static_cast<int>(std::trunc(ms)));
}

void TGame::MusicSetVolume(int volume, int save) {
  MusicVolume = ClampPercent(volume);
  MusicApplyVolume(1.0f);
  if (save == 1) {
    IniUpdate(1);
    FixedRateLogic.Init();
  }
}

void TGame::MusicChangeVolume(int step) { MusicSetVolume(ClampPercent(SettingPercent(MusicVolume) + step), 1); }

int TGame::MusicOff() {
  if (SpecialChannel) PauseChannel(SpecialChannel);
  if (MusicRestart == 1) return 0;
  Music = 0;
  PauseChannel(MusicChannel);
  MusicRestart = 0;
  return 1;
}

int TGame::MusicOn() {
  if (SpecialChannel) ResumeChannel(SpecialChannel);
  if (Music == 1) return 0;
  Music = 1;
  if (MusicRestart == 1 || !MusicChannel) {
    // "none" names no file: loading it would end the game over a track that never existed.
    if (MusicFileName != "none") MusicLoad(MusicFileName, MusicLooped);
    if (MusicName != "none") MusicPlay(1, 0, 0);
  } else if (MusicLooped || MusicStopped == 0) {
    ResumeChannel(MusicChannel);
  }
  return 1;
}

void TGame::ToggleMusic() {
  if (Paused) return;
  if (Music)
    MusicOff();
  else
    MusicOn();
  IniUpdate(1);
  FixedRateLogic.Init();
}

// ---------------------------------------------------------------- effects

void TGame::SoundPlay(const TSoundPtr& sound) {
  if (!Sound) return;
  TChannelPtr channel = CueSound(sound, nullptr);
  SetChannelVolume(channel, SettingGain(SoundVolume));
  ResumeChannel(channel);
}

void TGame::SoundPlaySameChannel(TChannelPtr& channel, const TSoundPtr& sound) {
  if (!Sound) return;
  // Turned down first so the cut-off sound does not click.
  if (channel && ChannelPlaying(channel)) SetChannelVolume(channel, 0.1f);
  channel = CueSound(sound, channel);
  SetChannelVolume(channel, SettingGain(SoundVolume));
  ResumeChannel(channel);
}

void TGame::SoundPlayReturnChannel(TChannelPtr& channel, const TSoundPtr& sound, float rate) {
  if (!Sound) return;
  if (channel && ChannelPlaying(channel)) SetChannelVolume(channel, 0.1f);
  channel = CueSound(sound, nullptr);
  SetChannelVolume(channel, SettingGain(SoundVolume));
  SetChannelRate(channel, rate);
  ResumeChannel(channel);
}

void TGame::GameSoundPlay(TChannelPtr& channel, const TGameSound& gameSound, float pan) {
  if (!Sound) return;
  if (channel && ChannelPlaying(channel)) SetChannelVolume(channel, 0.1f);
  channel = CueSound(gameSound.sound, channel);
  if (!channel) return;
  float volume = SettingGain(SoundVolume) * gameSound.volume;
  // A sound started during a screen fade starts at the fade's loudness.
  volume *= FadeVisibility();
  SetChannelVolume(channel, volume);
  SetChannelPan(channel, pan);
  SetChannelRate(channel, gameSound.pitch);
  ResumeChannel(channel);
}

void TGame::SoundSetVolume(int volume, int save) {
  SoundVolume = ClampPercent(volume);
  if (save == 1) {
    IniUpdate(1);
    FixedRateLogic.Init();
  }
}

void TGame::SoundChangeVolume(int step) { SoundSetVolume(ClampPercent(SettingPercent(SoundVolume) + step), 1); }

void TGame::SoundOff() { Sound = 0; }

void TGame::SoundOn() { Sound = 1; }

void TGame::ToggleSound() {
  if (Sound)
    SoundOff();
  else
    SoundOn();
  IniUpdate(1);
  FixedRateLogic.Init();
}

// ---------------------------------------------------------------- speech

void TGame::SpeechPlay(const TGameSound& gameSound, int interrupt) {
  if (!Speech || !SpeechChannel) return;
  if (ChannelPlaying(SpeechChannel) && interrupt == 0) return;
  SpeechChannel = CueSound(gameSound.sound, SpeechChannel);
  SetChannelVolume(SpeechChannel, SettingGain(SpeechVolume));
  ResumeChannel(SpeechChannel);
  SpeechStopped = 0;
}

void TGame::SpeechStop() {
  if (Speech && ChannelPlaying(SpeechChannel)) {
    StopChannel(SpeechChannel);
    SpeechChannel = AllocChannel();
  }
}

void TGame::SpeechSetVolume(int volume, int save) {
  SpeechVolume = ClampPercent(volume);
  if (SpeechChannel) SetChannelVolume(SpeechChannel, SettingGain(SpeechVolume));
  if (save == 1) {
    IniUpdate(1);
    FixedRateLogic.Init();
  }
}

void TGame::SpeechChangeVolume(int step) { SpeechSetVolume(ClampPercent(SettingPercent(SpeechVolume) + step), 1); }

int TGame::SpeechOff() {
  Speech = 0;
  PauseChannel(SpeechChannel);
  return 1;
}

int TGame::SpeechOn() {
  if (Speech == 1) return 0;
  Speech = 1;
  if (!SpeechStopped) ResumeChannel(SpeechChannel);
  return 1;
}

// ---------------------------------------------------------------- back end and channels

void TGame::ChangeSoundDriver(const std::string& name, int save) {
  if (name.rfind("OpenAL", 0) == 0) EnableOpenAL();
  SoundDriver = SelectAudioDriver(name) ? name : "None";
  IniUpdate(save);
  FixedRateLogic.Init();
}

void TGame::PauseFadeManage() {
  // Direction -1 fades the music out for a pause (and holds it at the end), 1 fades it back.
  if (PauseFadeCounter <= 0) return;
  PauseFadeCounter = std::max(0.0f, PauseFadeCounter - Delta);
  float length = CalcAnimLength(static_cast<int>(std::trunc(PauseFadeLength)));
  float left = length > 0 ? std::clamp(PauseFadeCounter / length, 0.0f, 1.0f) : 0.0f;
  float ratio = PauseFadeDirection < 0 ? left : 1.0f - left;
  MusicApplyVolume(ratio);
  if (PauseFadeCounter <= 0 && PauseFadeDirection < 0) PauseChannel(MusicChannel);
}

void TGame::ChannelsCreate(int count) {
  Channels = TChannelArray::Create(count);
  Channels->MaxVol = static_cast<float>(count);
}

void TGame::ChannelsKill() {
  if (Channels) Channels->Kill();
  Channels.reset();
}

void TGame::SetEscapeSound(const std::string& name) { EscapeSound = TGameSound::Create(SoundPath + name + ".wav", 0); }

void TGame::StopChannels() {
  StopChannel(MusicChannel);
  StopChannel(SpeechChannel);
  MusicChannel = AllocChannel();
  SpeechChannel = AllocChannel();
}

void TGame::EscapeSoundPlay() {
  if (EscapeSound) EscapeSound->PlayInChannel(EscapeChannel, 0.0f);
}

void TGame::AudioInit(int soundDriverChoice) {
  static const char* const kNames[] = {"FreeAudio", "DirectSound", "OpenAL Generic Software"};
  ProgressMarker = 8001;
  std::string name;
  if (soundDriverChoice >= 1 && soundDriverChoice <= 3) {
    name = kNames[soundDriverChoice - 1];
  } else {
    name = SoundDriver == "None" ? "FreeAudio" : SoundDriver;
  }
  ProgressMarker = 8002;
  OSVersion = OperatingSystemName();
  // Only the back end chosen last is opened: opening the first one as well would
  // open the device twice for nothing.
  if (OSVersion != "Windows XP") {
    SoundDriver = "OpenAL Generic Software";
    name = SoundDriver;
  }
  ChangeSoundDriver(name, 0);
}

void TGame::AudioChannelsInit() {
  MusicChannel = AllocChannel();
  SpeechChannel = AllocChannel();
  EscapeChannel = AllocChannel();
}

void TGame::AudioManage() {
  if (Music == 1 && !MusicLooped && !ChannelPlaying(MusicChannel)) MusicStopped = 1;
  if (Speech == 1 && !ChannelPlaying(SpeechChannel)) SpeechStopped = 1;
  MusicFadeInManage();
  MusicFadeOutManage();
  PauseFadeManage();
  AudioUpdate();
}

void TGame::AudioKill() {
  StopChannel(MusicChannel);
  StopChannel(SpeechChannel);
  StopChannel(EscapeChannel);
  ChannelsKill();
  AudioShutdown();
}
