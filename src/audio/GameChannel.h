// One channel of a pool of effect channels, with what the pool needs to know about it:
// whether it may be handed out, whether it may be taken over while it still sounds,
// and the loudness its last sound asked for (the pool scales from that).
#pragma once
#include <memory>
#include <string>

#include "platform/Audio.h"

class TGameChannel {
 public:
  // A new one with a freshly allocated channel.
  static std::shared_ptr<TGameChannel> Create();
  // Stops the channel and lets it go.
  void Kill();

  TChannelPtr Channel;
  std::string name;
  int Reserved = 0;          // 1: the pool never hands it out
  int PlayWhenFinished = 1;  // 1: handed out only when idle; 0: may be taken over while playing
  float OriginalVolume = 1.0f;
};
