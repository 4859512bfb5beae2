// OpenAL Soft behind the audio service. Handles outlive the device: each records the
// generation of the device it was made on and turns silent once that device is gone.
#include "platform/Audio.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Voices whose handles were dropped while sounding; bounded so that looping orphans
// (which would never end) cannot use up the device's voices.
constexpr size_t kMaxDetached = 64;

// A streamed sound keeps this many buffers of this length queued on its voice: three
// seconds of sound ahead, in pieces small enough that a refill decodes in a millisecond
// or two. One second was not enough on a machine busy with many more runnable threads
// than cores: the feeder was now and then kept off the processor long enough for the
// music to run dry mid-track. A cue decodes only the first second, at once; the feeder
// tops the rest up on its next round.
constexpr int kStreamBuffers = 12;
constexpr int kStreamBuffersAtCue = 4;
constexpr int kStreamBufferMs = 250;
// How often the feeder looks at the streamed voices. A buffer lasts ten times as long,
// so a refill is never late unless the whole machine stalls for most of a second.
constexpr auto kFeederPeriod = std::chrono::milliseconds(25);

struct TStreamVoice;

// A voice whose handle was dropped while it sounded, left to play to its end.
struct TDetachedVoice {
  ALuint Source = 0;
  TSoundPtr Sound;
  std::shared_ptr<TStreamVoice> Stream;
};

using TLock = std::unique_lock<std::recursive_mutex>;

struct TDeviceState {
  ALCdevice* Device = nullptr;
  ALCcontext* Context = nullptr;
  int Generation = 0;
  std::string Driver = "None";
  std::deque<TDetachedVoice> Detached;
  // Every operation of the service holds this lock, and so does the feeder thread while
  // it refills, so that the main thread's cue, stop, pause and volume calls never meet a
  // refill half done. Recursive because releasing a handle inside an operation runs the
  // handle's own clean-up, which takes the lock as well.
  std::recursive_mutex Mutex;
  // The streamed voices the feeder keeps filled. The music plays from a thread of its
  // own rather than from the frame's upkeep: the game loop blocks for far longer than a
  // second while a level loads, and the paused loop sleeps waiting for events, so
  // refills tied to frames would leave the music to run dry.
  std::vector<std::weak_ptr<TStreamVoice>> Streams;
  std::thread Feeder;
  std::condition_variable_any FeederWake;
  bool FeederStop = false;

  ~TDeviceState();
};

TDeviceState& State() {
  static TDeviceState state;
  return state;
}

TLock Lock() { return TLock(State().Mutex); }

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

ALenum PcmFormat(int channels, int bits) {
  if (channels == 1 && bits == 8) return AL_FORMAT_MONO8;
  if (channels == 1 && bits == 16) return AL_FORMAT_MONO16;
  if (channels == 2 && bits == 8) return AL_FORMAT_STEREO8;
  if (channels == 2 && bits == 16) return AL_FORMAT_STEREO16;
  return 0;
}

// One playing of a streamed sound on a voice: its decoder and the buffers it keeps
// queued there. The voice (source) belongs to the channel; the buffers belong to this.
struct TStreamVoice {
  ALuint Source = 0;
  int Generation = -1;
  std::unique_ptr<TAudioStream> Decoder;
  ALenum Format = 0;
  int Rate = 0;
  int Channels = 1;
  bool Loop = false;
  // Asked to play and not paused since: only then may a voice that ran dry be restarted,
  // so the feeder never undoes a pause.
  bool Running = false;
  // The decoder has nothing more to give.
  bool Drained = false;
  // Stopped, with buffers queued since it stopped that have not been played yet.
  bool Primed = false;
  std::vector<ALuint> Buffers, Free;
  std::vector<int16_t> Scratch;

  bool Usable() const { return Source != 0 && Live(Generation); }

  ALint SourceState() const {
    ALint state = AL_STOPPED;
    if (Usable()) alGetSourcei(Source, AL_SOURCE_STATE, &state);
    return state;
  }

  // Decodes into free buffers (at most `most`) and queues them behind the rest. Caller
  // holds the lock.
  void Fill(int most = kStreamBuffers) {
    const long frames = static_cast<long>(Scratch.size()) / Channels;
    for (; most > 0 && !Drained && !Free.empty(); --most) {
      long got = PullFrames(*Decoder, Scratch.data(), frames, Loop, Drained);
      if (got <= 0) break;
      ALuint buffer = Free.back();
      alBufferData(buffer, Format, Scratch.data(), static_cast<ALsizei>(got * Channels * 2), Rate);
      if (alGetError() != AL_NO_ERROR) {
        Drained = true;
        break;
      }
      Free.pop_back();
      alSourceQueueBuffers(Source, 1, &buffer);
    }
  }

  ALint Count(ALenum what) const {
    ALint n = 0;
    alGetSourcei(Source, what, &n);
    return n;
  }

  void Unqueue(ALint count) {
    for (; count > 0; --count) {
      ALuint buffer = 0;
      alSourceUnqueueBuffers(Source, 1, &buffer);
      if (alGetError() != AL_NO_ERROR) break;
      Free.push_back(buffer);
    }
  }

  void Play() {
    alSourcePlay(Source);
    Primed = false;
  }

  // Takes back the buffers already played, refills them and, when the voice ran dry
  // while it should be sounding, starts it again.
  void Feed() {
    if (!Usable()) return;
    alGetError();
    const ALint state = SourceState();
    // A stopped voice reports every buffer on it as played, even one queued after it
    // stopped; Primed tells those fresh ones apart.
    if (state == AL_STOPPED)
      Unqueue(Primed ? 0 : Count(AL_BUFFERS_QUEUED));
    else
      Unqueue(Count(AL_BUFFERS_PROCESSED));
    const ALint before = Count(AL_BUFFERS_QUEUED);
    Fill();
    if (SourceState() != AL_STOPPED) return;
    // Ran dry during this very refill: what was queued before it has been played.
    if (state != AL_STOPPED) Unqueue(before);
    if (Count(AL_BUFFERS_QUEUED) <= 0) return;
    if (Running)
      Play();
    else
      Primed = true;
  }

  // Nothing left to play: the decoder has ended and the voice has played what it had.
  bool Finished() const {
    if (!Usable()) return true;
    if (!Drained || SourceState() != AL_STOPPED) return false;
    return !Primed || Count(AL_BUFFERS_QUEUED) == 0;
  }

  // Still sounding, or run dry with more to come while it should be sounding.
  bool Sounding() const {
    ALint state = SourceState();
    return state == AL_PLAYING || (state == AL_STOPPED && Running && !Finished());
  }

  ~TStreamVoice() {
    if (!Live(Generation)) return;
    if (Source != 0) {
      alSourceStop(Source);
      alSourcei(Source, AL_BUFFER, 0);
    }
    if (!Buffers.empty()) alDeleteBuffers(static_cast<ALsizei>(Buffers.size()), Buffers.data());
  }
};

void ReapDetached() {
  auto& voices = State().Detached;
  for (auto it = voices.begin(); it != voices.end();) {
    bool sounding = false;
    if (it->Stream) {
      sounding = it->Stream->Sounding();
    } else {
      ALint state = AL_STOPPED;
      alGetSourcei(it->Source, AL_SOURCE_STATE, &state);
      sounding = state == AL_PLAYING;
    }
    if (!sounding) {
      it->Stream.reset();
      ReleaseSource(it->Source);
      it = voices.erase(it);
    } else {
      ++it;
    }
  }
  while (voices.size() > kMaxDetached) {
    voices.front().Stream.reset();
    ReleaseSource(voices.front().Source);
    voices.pop_front();
  }
}

// A device that was unplugged or failed plays nothing more; its streams end rather than
// being restarted every period.
bool DeviceConnected() {
  auto& s = State();
  if (!s.Device || !alcIsExtensionPresent(s.Device, "ALC_EXT_disconnect")) return s.Device != nullptr;
  ALCint connected = 1;
  alcGetIntegerv(s.Device, alcGetEnumValue(s.Device, "ALC_CONNECTED"), 1, &connected);
  return connected != 0;
}

// Refills every streamed voice; true while one of them is meant to be sounding.
bool FeedStreams() {
  auto& s = State();
  if (!s.Context) return false;
  const bool connected = DeviceConnected();
  bool running = false;
  for (auto it = s.Streams.begin(); it != s.Streams.end();) {
    auto voice = it->lock();
    if (!voice || !voice->Usable()) {
      it = s.Streams.erase(it);
      continue;
    }
    if (!connected) voice->Drained = true;
    voice->Feed();
    if (voice->Finished()) {
      it = s.Streams.erase(it);
    } else {
      running = running || voice->Running;
      ++it;
    }
  }
  return running;
}

// The feeder asks for a higher priority than the game's own threads, where the system
// allows it (a real-time class needs a real-time limit, a lower nice value a nice limit;
// refusals leave it as it was), so that a busy machine serves the music first.
void RaiseFeederPriority() {
  sched_param param{};
  param.sched_priority = std::max(1, sched_get_priority_min(SCHED_RR));
  if (pthread_setschedparam(pthread_self(), SCHED_RR, &param) == 0) return;
  const int now = getpriority(PRIO_PROCESS, 0);
  setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), std::max(-20, now - 10));
}

void FeederLoop() {
  RaiseFeederPriority();
  auto& s = State();
  TLock lock = Lock();
  while (!s.FeederStop) {
    // With nothing meant to be sounding (no music, or the music paused) the feeder
    // sleeps until a cue or a resume wakes it, rather than waking for nothing.
    if (FeedStreams())
      s.FeederWake.wait_for(lock, kFeederPeriod, [&] { return s.FeederStop; });
    else
      s.FeederWake.wait(lock);
  }
}

// Caller holds the lock.
void StartFeeder() {
  auto& s = State();
  if (s.Feeder.joinable()) {
    s.FeederWake.notify_all();
    return;
  }
  s.FeederStop = false;
  s.Feeder = std::thread(FeederLoop);
}

// Must be called without the lock held: the feeder takes it to finish its round.
void StopFeeder() {
  auto& s = State();
  {
    TLock lock = Lock();
    if (!s.Feeder.joinable()) return;
    s.FeederStop = true;
  }
  s.FeederWake.notify_all();
  s.Feeder.join();
  TLock lock = Lock();
  s.FeederStop = false;
}

TDeviceState::~TDeviceState() {
  // A process that ends without shutting the service down must not leave the feeder
  // running into the destruction of what it uses.
  if (Feeder.joinable()) {
    {
      std::lock_guard<std::recursive_mutex> lock(Mutex);
      FeederStop = true;
    }
    FeederWake.notify_all();
    Feeder.join();
  }
}

}  // namespace

class TAudioSound {
 public:
  ALuint Buffer = 0;
  int Generation = -1;
  int Channels = 1;
  bool Loop = false;
  // Set for a streamed sound, which holds no buffer of its own.
  TAudioStreamOpener Open;
  ~TAudioSound() {
    TLock lock = Lock();
    if (Buffer != 0 && Live(Generation)) alDeleteBuffers(1, &Buffer);
  }
};

class TAudioChannel {
 public:
  ALuint Source = 0;
  int Generation = -1;
  TSoundPtr Sound;
  // The playing of a streamed sound cued here, if that is what the channel holds.
  std::shared_ptr<TStreamVoice> Stream;
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

  // Lets go of a streamed playing: its buffers leave the voice before they are deleted.
  void DropStream() {
    Stream.reset();
  }

  ~TAudioChannel() {
    TLock lock = Lock();
    if (!Usable()) return;
    bool sounding = Stream ? Stream->Sounding() : SourceState() == AL_PLAYING;
    if (sounding) {
      State().Detached.push_back(TDetachedVoice{Source, std::move(Sound), std::move(Stream)});
      ReapDetached();
    } else {
      DropStream();
      ReleaseSource(Source);
    }
  }
};

namespace {
// Starts a streamed sound on a channel: a decoder of its own, its buffers filled and
// queued so that it starts at once when resumed. Caller holds the lock.
void CueStream(TAudioChannel& channel, const TAudioSound& sound) {
  std::unique_ptr<TAudioStream> decoder = sound.Open ? sound.Open() : nullptr;
  if (!decoder) return;
  const int channels = decoder->Channels();
  const int rate = decoder->Rate();
  const ALenum format = PcmFormat(channels, 16);
  if (format == 0 || rate <= 0 || rate > 384000) return;
  auto voice = std::make_shared<TStreamVoice>();
  voice->Source = channel.Source;
  voice->Generation = channel.Generation;
  voice->Decoder = std::move(decoder);
  voice->Format = format;
  voice->Rate = rate;
  voice->Channels = channels;
  voice->Loop = sound.Loop;
  voice->Scratch.resize(static_cast<size_t>(std::max(1, rate * kStreamBufferMs / 1000) * channels));
  alGetError();
  voice->Buffers.resize(kStreamBuffers);
  alGenBuffers(kStreamBuffers, voice->Buffers.data());
  if (alGetError() != AL_NO_ERROR) {
    voice->Buffers.clear();
    return;
  }
  voice->Free.assign(voice->Buffers.rbegin(), voice->Buffers.rend());
  // The queue plays through once; looping is the decoder starting over.
  alSourcei(channel.Source, AL_LOOPING, AL_FALSE);
  voice->Fill(kStreamBuffersAtCue);
  ALint queued = 0;
  alGetSourcei(channel.Source, AL_BUFFERS_QUEUED, &queued);
  if (queued <= 0) return;
  channel.Stream = voice;
  channel.Cued = true;
  State().Streams.push_back(voice);
}
}  // namespace

TSoundPtr CreateSound(const void* pcm, size_t bytes, int channels, int bits, int rate, int flags) {
  TLock lock = Lock();
  auto sound = std::make_shared<TAudioSound>();
  sound->Channels = channels;
  sound->Loop = (flags & SOUND_LOOP) != 0;
  if (!State().Context || pcm == nullptr || bytes == 0 || rate <= 0) return sound;
  ALenum format = PcmFormat(channels, bits);
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

TSoundPtr CreateStreamedSound(TAudioStreamOpener open, int flags) {
  TLock lock = Lock();
  auto sound = std::make_shared<TAudioSound>();
  sound->Loop = (flags & SOUND_LOOP) != 0;
  if (!State().Context) return sound;
  sound->Open = std::move(open);
  sound->Generation = State().Generation;
  return sound;
}

bool SoundLooped(const TSoundPtr& sound) { return sound && sound->Loop; }

TChannelPtr AllocChannel() {
  TLock lock = Lock();
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
  TLock lock = Lock();
  if (!channel) channel = AllocChannel();
  channel->Cued = false;
  channel->DropStream();
  if (channel->Usable()) {
    // Detach the old buffer before its sound may be released below.
    alSourceStop(channel->Source);
    alSourcei(channel->Source, AL_BUFFER, 0);
  }
  channel->Sound = sound;
  if (!channel->Usable()) return channel;
  if (sound && sound->Open && Live(sound->Generation)) {
    alSourceRewind(channel->Source);
    CueStream(*channel, *sound);
  } else if (sound && sound->Buffer != 0 && Live(sound->Generation)) {
    alSourceRewind(channel->Source);
    alSourcei(channel->Source, AL_BUFFER, static_cast<ALint>(sound->Buffer));
    alSourcei(channel->Source, AL_LOOPING, sound->Loop ? AL_TRUE : AL_FALSE);
    channel->Cued = true;
  }
  channel->ApplyPan();
  return channel;
}

void ResumeChannel(const TChannelPtr& channel) {
  TLock lock = Lock();
  if (!channel || !channel->Usable()) return;
  ALint state = channel->SourceState();
  if (channel->Stream) {
    auto& voice = *channel->Stream;
    if (state == AL_PLAYING || (state == AL_INITIAL && !channel->Cued)) return;
    voice.Running = true;
    StartFeeder();
    // A voice that ran dry while held starts again once refilled; one that has played
    // everything has nothing queued and stays finished.
    voice.Feed();
    if (state != AL_STOPPED && voice.SourceState() != AL_PLAYING) voice.Play();
    return;
  }
  if (state == AL_PAUSED || (state == AL_INITIAL && channel->Cued)) alSourcePlay(channel->Source);
}

void PauseChannel(const TChannelPtr& channel) {
  TLock lock = Lock();
  if (!channel || !channel->Usable()) return;
  if (channel->Stream) channel->Stream->Running = false;
  if (channel->SourceState() == AL_PLAYING) alSourcePause(channel->Source);
}

void StopChannel(const TChannelPtr& channel) {
  TLock lock = Lock();
  if (!channel) return;
  channel->Cued = false;
  channel->DropStream();
  if (channel->Usable()) {
    alSourceStop(channel->Source);
    alSourcei(channel->Source, AL_BUFFER, 0);
  }
  channel->Sound.reset();
}

int ChannelPlaying(const TChannelPtr& channel) {
  TLock lock = Lock();
  if (!channel || !channel->Usable()) return 0;
  ALint state = channel->SourceState();
  if (state == AL_PLAYING || state == AL_PAUSED) return 1;
  // A streamed voice that ran dry still has sound to come until its decoder has ended.
  if (state == AL_STOPPED && channel->Stream) return channel->Stream->Finished() ? 0 : 1;
  return state == AL_INITIAL && channel->Cued ? 1 : 0;
}

void SetChannelVolume(const TChannelPtr& channel, float volume) {
  TLock lock = Lock();
  if (!channel) return;
  channel->Volume = volume;
  channel->ApplyVolume();
}

void SetChannelPan(const TChannelPtr& channel, float pan) {
  TLock lock = Lock();
  if (!channel) return;
  channel->Pan = pan;
  channel->ApplyPan();
}

void SetChannelRate(const TChannelPtr& channel, float rate) {
  TLock lock = Lock();
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
  // The output limiter keeps a pile-up of loud sounds from clipping the mix.
  const ALCint attributes[] = {ALC_OUTPUT_LIMITER_SOFT, ALC_TRUE, 0};
  ALCcontext* context = alcCreateContext(device, attributes);
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
  TLock lock = Lock();
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
  TLock lock = Lock();
  if (!OpenDevice()) {
    State().Driver = "None";
    return false;
  }
  State().Driver = name;
  return true;
}

std::string AudioDriverName() {
  TLock lock = Lock();
  return State().Driver;
}

void AudioUpdate() {
  TLock lock = Lock();
  if (State().Context) ReapDetached();
}

void AudioShutdown() {
  StopFeeder();
  TLock lock = Lock();
  auto& s = State();
  s.Driver = "None";
  // A device still opening is closed as soon as it is there, never left open behind us.
  if (opening.valid()) {
    auto [device, context] = TakeOpening();
    if (context) alcDestroyContext(context);
    if (device) alcCloseDevice(device);
  }
  if (!s.Context) return;
  s.Streams.clear();
  for (auto& voice : s.Detached) {
    voice.Stream.reset();
    ReleaseSource(voice.Source);
  }
  s.Detached.clear();
  // Sources and buffers still held by live handles go with the context and device.
  alcMakeContextCurrent(nullptr);
  alcDestroyContext(s.Context);
  alcCloseDevice(s.Device);
  s.Context = nullptr;
  s.Device = nullptr;
  ++s.Generation;
}
