// The audio service every sound of the game goes through: loaded sounds,
// channels (voices that play one sound at a time) and the choice of back end.
// OpenAL Soft stands behind every named back end; "None" is silence that accepts every call.
#pragma once
#include <cstddef>
#include <memory>
#include <string>

#include "platform/AudioStream.h"

class TAudioSound;
class TAudioChannel;
// A loaded sample. Shared: the bank, a channel playing it and the music fields may all hold it.
using TSoundPtr = std::shared_ptr<TAudioSound>;
// A voice. Dropping the last handle of a channel that is still sounding lets it play to its end.
using TChannelPtr = std::shared_ptr<TAudioChannel>;

// Sound flag: the sound repeats until stopped.
constexpr int SOUND_LOOP = 1;

// Makes a sound from interleaved PCM samples (8-bit unsigned or 16-bit signed native-endian,
// 1 or 2 channels). Always gives a sound; without a working device it is a silent one.
TSoundPtr CreateSound(const void* pcm, size_t bytes, int channels, int bits, int rate, int flags);
// Makes a sound that is decoded while it plays, from a small queue of buffers kept full
// by the service itself, so the game loop's pauses never starve it. Every cue opens a
// decoder of its own through `open`. Without a working device it is a silent sound.
TSoundPtr CreateStreamedSound(TAudioStreamOpener open, int flags);
// Whether the sound repeats (SOUND_LOOP).
bool SoundLooped(const TSoundPtr& sound);

// A fresh, idle channel (silent when there is no device or no voice left).
TChannelPtr AllocChannel();
// Stops whatever the channel plays and prepares the sound on it, paused.
// Without a channel a new one is allocated; the channel used is returned.
TChannelPtr CueSound(const TSoundPtr& sound, TChannelPtr channel);
// Starts a cued sound or continues a paused one; a finished sound is not restarted.
void ResumeChannel(const TChannelPtr& channel);
// Holds playing, keeping the position.
void PauseChannel(const TChannelPtr& channel);
// Stops for good.
void StopChannel(const TChannelPtr& channel);
// 1 while the channel has a sound that has not finished (cued and paused count), else 0.
int ChannelPlaying(const TChannelPtr& channel);
// Volume factor 0..1, pan -1 (left) .. 1 (right), rate 1 = normal. Values out of range
// (negative, not a number) are clamped where they reach the device; the channel keeps
// what it was given.
void SetChannelVolume(const TChannelPtr& channel, float volume);
void SetChannelPan(const TChannelPtr& channel, float pan);
void SetChannelRate(const TChannelPtr& channel, float rate);
// What the channel was last given (1, 0 and 1 for none); these work on silent channels too.
float ChannelVolume(const TChannelPtr& channel);
float ChannelPan(const TChannelPtr& channel);
float ChannelRate(const TChannelPtr& channel);

// The step that makes the OpenAL devices available; the library is linked, so it always succeeds.
bool EnableOpenAL();
// Starts opening the audio device on a helper thread, so that start-up can set up the
// display meanwhile; the first operation that needs the device waits for it. Does
// nothing while the device is open or already being opened.
void StartOpeningAudioDevice();
// Selects a back end by name ("FreeAudio", "DirectSound", "OpenAL Generic Software").
// False when the name is unknown or no device opens; then everything is silent.
bool SelectAudioDriver(const std::string& name);
// The back end in use: one of the names above, or "None".
std::string AudioDriverName();
// Once a frame: releases voices whose handles were dropped and whose sound has ended.
void AudioUpdate();
// Closes the device (a recording back end finishes its file here). Sounds and channels made
// before stay valid objects but are silent from now on.
void AudioShutdown();
