// The music tracks are kept in memory as their compressed Ogg Vorbis bytes and decoded
// while they play: this is the decoder the audio service pulls from.
#pragma once
#include <memory>
#include <string>

#include "platform/AudioStream.h"

// A decoder at the start of the Vorbis sound in bytes (which it shares, so they stay as
// long as it lives), or none when the bytes are not a playable mono or stereo Vorbis
// stream whose first sound decodes.
std::unique_ptr<TAudioStream> OpenVorbisStream(std::shared_ptr<const std::string> bytes);
