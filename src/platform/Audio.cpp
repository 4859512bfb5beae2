// OpenAL Soft behind the audio service. Handles outlive the device: each records the
// generation of the device it was made on and turns silent once that device is gone.
#include "platform/Audio.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <future>
#include <utility>

namespace {

// Voices whose handles were dropped while sounding; bounded so that looping orphans
// (which would never end) cannot use up the device's voices.
constexpr size_t kMaxDetached = 64;

struct TDeviceState {
  ALCdevice* Device = nullptr;
  ALCcontext* Context = nullptr;
  int Generation = 0;
  std::string Driver = "None";
  std::deque<std::pair<ALuint, TSoundPtr>> Detached;
};

TDeviceState& State() {
  static TDeviceState state;
  return state;
}

bool Live(int generation) { return State().Context != nullptr && generation == State().Generation; }

float Clamp(float v, float lo, float hi, float fallback) {
  if (!std::isfinite(v)) return std::isnan(v) ? fallback : (v < 0 ? lo : hi);
  return std::min(hi, std::max(lo, v));
}

void ReleaseSource(ALuint source) {
  alSourceStop(source);
  alSourcei(source, AL_BUFFER, 0);
  alDeleteSources(1, &source);
}

void ReapDetached() {
  auto& voices = State().Detached;
  for (auto it = voices.begin(); it != voices.end();) {
    ALint state = AL_STOPPED;
    alGetSourcei(it->first, AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING) {
      ReleaseSource(it->first);
      it = voices.erase(it);
    } else {
      ++it;
    }
  }
  while (voices.size() > kMaxDetached) {
    ReleaseSource(voices.front().first);
    voices.pop_front();
  }
}

}  // namespace

class TAudioSound {
 public:
  ALuint Buffer = 0;
  int Generation = -1;
  int Channels = 1;
  bool Loop = false;
  ~TAudioSound() {
    if (Buffer != 0 && Live(Generation)) alDeleteBuffers(1, &Buffer);
  }
};

class TAudioChannel {
 public:
  ALuint Source = 0;
  int Generation = -1;
  TSoundPtr Sound;
  bool Cued = false;
  float Volume = 1.0f;
  float Pan = 0.0f;
  float Rate = 1.0f;

  bool Usable() const { return Source != 0 && Live(Generation); }

  ALint SourceState() const {
    ALint state = AL_STOPPED;
    if (Usable()) alGetSourcei(Source, AL_SOURCE_STATE, &state);
    return state;
  }

  void ApplyVolume() const {
    if (Usable()) alSourcef(Source, AL_GAIN, Clamp(Volume, 0.0f, 1.0f, 0.0f));
  }
  void ApplyPan() const {
    if (!Usable()) return;
    // A position on the unit circle in front of the listener; OpenAL pans mono sounds by it
    // and leaves stereo ones as they are.
    float p = Clamp(Pan, -1.0f, 1.0f, 0.0f);
    alSource3f(Source, AL_POSITION, p, 0.0f, -std::sqrt(1.0f - p * p));
  }
  void ApplyRate() const {
    // A rate of 0 would hold the voice forever and a pool would fill with it.
    if (Usable()) alSourcef(Source, AL_PITCH, Clamp(Rate, 0.05f, 16.0f, 1.0f));
  }

  ~TAudioChannel() {
    if (!Usable()) return;
    if (SourceState() == AL_PLAYING) {
      State().Detached.emplace_back(Source, std::move(Sound));
      ReapDetached();
    } else {
      ReleaseSource(Source);
    }
  }
};

TSoundPtr CreateSound(const void* pcm, size_t bytes, int channels, int bits, int rate, int flags) {
  auto sound = std::make_shared<TAudioSound>();
  sound->Channels = channels;
  sound->Loop = (flags & SOUND_LOOP) != 0;
  if (!State().Context || pcm == nullptr || bytes == 0 || rate <= 0) return sound;
  ALenum format = 0;
  if (channels == 1 && bits == 8) format = AL_FORMAT_MONO8;
  if (channels == 1 && bits == 16) format = AL_FORMAT_MONO16;
  if (channels == 2 && bits == 8) format = AL_FORMAT_STEREO8;
  if (channels == 2 && bits == 16) format = AL_FORMAT_STEREO16;
  if (format == 0) return sound;
  size_t frame = static_cast<size_t>(channels * bits / 8);
  bytes -= bytes % frame;
  if (bytes == 0 || bytes > 0x7fffffff) return sound;
  alGetError();
  ALuint buffer = 0;
  alGenBuffers(1, &buffer);
  if (alGetError() != AL_NO_ERROR) return sound;
  alBufferData(buffer, format, pcm, static_cast<ALsizei>(bytes), rate);
  if (alGetError() != AL_NO_ERROR) {
    alDeleteBuffers(1, &buffer);
    return sound;
  }
  sound->Buffer = buffer;
  sound->Generation = State().Generation;
  return sound;
}

bool SoundLooped(const TSoundPtr& sound) { return sound && sound->Loop; }

TChannelPtr AllocChannel() {
  auto channel = std::make_shared<TAudioChannel>();
  if (!State().Context) return channel;
  ReapDetached();
  alGetError();
  ALuint source = 0;
  alGenSources(1, &source);
  if (alGetError() != AL_NO_ERROR) return channel;
  channel->Source = source;
  channel->Generation = State().Generation;
  alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
  alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
  channel->ApplyVolume();
  channel->ApplyPan();
  channel->ApplyRate();
  return channel;
}

TChannelPtr CueSound(const TSoundPtr& sound, TChannelPtr channel) {
  if (!channel) channel = AllocChannel();
  channel->Cued = false;
  if (channel->Usable()) {
    // Detach the old buffer before its sound may be released below.
    alSourceStop(channel->Source);
    alSourcei(channel->Source, AL_BUFFER, 0);
  }
  channel->Sound = sound;
  if (!channel->Usable()) return channel;
  if (sound && sound->Buffer != 0 && Live(sound->Generation)) {
    alSourceRewind(channel->Source);
    alSourcei(channel->Source, AL_BUFFER, static_cast<ALint>(sound->Buffer));
    alSourcei(channel->Source, AL_LOOPING, sound->Loop ? AL_TRUE : AL_FALSE);
    channel->Cued = true;
  }
  channel->ApplyPan();
  return channel;
}

void ResumeChannel(const TChannelPtr& channel) {
  if (!channel || !channel->Usable()) return;
  ALint state = channel->SourceState();
  if (state == AL_PAUSED || (state == AL_INITIAL && channel->Cued)) alSourcePlay(channel->Source);
}

void PauseChannel(const TChannelPtr& channel) {
  if (!channel || !channel->Usable()) return;
  if (channel->SourceState() == AL_PLAYING) alSourcePause(channel->Source);
}

void StopChannel(const TChannelPtr& channel) {
  if (!channel) return;
  channel->Cued = false;
  if (channel->Usable()) {
    alSourceStop(channel->Source);
    alSourcei(channel->Source, AL_BUFFER, 0);
  }
  channel->Sound.reset();
}

int ChannelPlaying(const TChannelPtr& channel) {
  if (!channel || !channel->Usable()) return 0;
  ALint state = channel->SourceState();
  if (state == AL_PLAYING || state == AL_PAUSED) return 1;
  return state == AL_INITIAL && channel->Cued ? 1 : 0;
}

void SetChannelVolume(const TChannelPtr& channel, float volume) {
  if (!channel) return;
  channel->Volume = volume;
  channel->ApplyVolume();
}

void SetChannelPan(const TChannelPtr& channel, float pan) {
  if (!channel) return;
  channel->Pan = pan;
  channel->ApplyPan();
}

void SetChannelRate(const TChannelPtr& channel, float rate) {
  if (!channel) return;
  channel->Rate = rate;
  channel->ApplyRate();
}

float ChannelVolume(const TChannelPtr& channel) { return channel ? channel->Volume : 1.0f; }
float ChannelPan(const TChannelPtr& channel) { return channel ? channel->Pan : 0.0f; }
float ChannelRate(const TChannelPtr& channel) { return channel ? channel->Rate : 1.0f; }

bool EnableOpenAL() { return true; }

namespace {
using TOpened = std::pair<ALCdevice*, ALCcontext*>;

// A device with its context, or both null. Making the context current is left to the
// caller: it is a process-wide switch, thrown only when the device is taken into use.
TOpened OpenDeviceAndContext() {
  ALCdevice* device = alcOpenDevice(nullptr);
  if (!device) return {nullptr, nullptr};
  ALCcontext* context = alcCreateContext(device, nullptr);
  if (!context) {
    alcCloseDevice(device);
    return {nullptr, nullptr};
  }
  return {device, context};
}

// The device being opened on a helper; taken by the first operation that needs it.
std::future<TOpened> opening;

TOpened TakeOpening() { return opening.valid() ? opening.get() : TOpened{nullptr, nullptr}; }
}  // namespace

void StartOpeningAudioDevice() {
  if (State().Context || opening.valid()) return;
  opening = std::async(std::launch::async, OpenDeviceAndContext);
}

static bool OpenDevice() {
  auto& s = State();
  if (s.Context) return true;
  auto [device, context] = opening.valid() ? TakeOpening() : OpenDeviceAndContext();
  if (!device) return false;
  if (!alcMakeContextCurrent(context)) {
    alcDestroyContext(context);
    alcCloseDevice(device);
    return false;
  }
  s.Device = device;
  s.Context = context;
  ++s.Generation;
  return true;
}

bool SelectAudioDriver(const std::string& name) {
  // Every named back end is the same OpenAL Soft device, so switching between them keeps
  // the device and every sound already loaded on it.
  bool known = name == "FreeAudio" || name == "DirectSound" || name == "OpenAL Generic Software";
  if (!known) {
    AudioShutdown();
    return false;
  }
  if (!OpenDevice()) {
    State().Driver = "None";
    return false;
  }
  State().Driver = name;
  return true;
}

std::string AudioDriverName() { return State().Driver; }

void AudioUpdate() {
  if (State().Context) ReapDetached();
}

void AudioShutdown() {
  auto& s = State();
  s.Driver = "None";
  // A device still opening is closed as soon as it is there, never left open behind us.
  if (opening.valid()) {
    auto [device, context] = TakeOpening();
    if (context) alcDestroyContext(context);
    if (device) alcCloseDevice(device);
  }
  if (!s.Context) return;
  for (auto& voice : s.Detached) ReleaseSource(voice.first);
  s.Detached.clear();
  // Sources and buffers still held by live handles go with the context and device.
  alcMakeContextCurrent(nullptr);
  alcDestroyContext(s.Context);
  alcCloseDevice(s.Device);
  s.Context = nullptr;
  s.Device = nullptr;
  ++s.Generation;
}
