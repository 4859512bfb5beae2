// A sound of the game with its playing settings: the name the bank files it under,
// the rate and loudness it plays at. Played through the game object, so the master
// switch, volume and screen fade apply.
#pragma once
#include <memory>
#include <string>

#include "platform/Audio.h"

class TGameSound {
 public:
  // A new sound loaded from path (flags: SOUND_LOOP or 0); a file that cannot be loaded is fatal.
  static std::shared_ptr<TGameSound> Create(const std::string& path, int flags);
  void Load(const std::string& path, int flags);
  // Plays on channel (a new one when none; the channel used is left in it), panned -1..1.
  void PlayInChannel(TChannelPtr& channel, float pan) const;

  std::string name;  // upper case
  TSoundPtr sound;
  float pitch = 1.0f;
  // The loudness factor; a channel pool overwrites it with the balanced loudness it plays at.
  float volume = 1.0f;
};
