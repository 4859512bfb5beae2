// A pool of effect channels that hands out channels in turn, so a new effect does not
// cut off the one just started, and turns all of them down together when more play at
// once than the pool's total loudness allows.
#pragma once
#include <memory>
#include <vector>

#include "audio/GameChannel.h"

class TGameSound;

class TChannelArray {
 public:
  using TChannelRef = std::shared_ptr<TGameChannel>;

  // A pool of count new channels, the first one current.
  static std::shared_ptr<TChannelArray> Create(int count);

  // Sets every channel's loudness for n = playing channels + extra: MaxVol / n, at most 1.
  float BalanceVolumes(int extra);
  // The index-th channel counted from 1, or none.
  TChannelRef ChannelByIndex(int index) const;
  int CountPlaying() const;
  // The next channel after Current that may be handed out, or none when every one is busy.
  TChannelRef GetChannel();
  // Stops and forgets every channel.
  void Kill();
  void Manage();
  // Plays gameSound on gameChannel (or on the next free one), balanced against the others;
  // none when the pool had no channel to give (nothing is played then).
  TChannelRef PlayGameSound(TGameSound& gameSound, TChannelRef gameChannel, float volume, float pan);
  // Every channel's volume = its OriginalVolume x factor x the game's effect volume.
  void SetVolume(float factor);
  // Replaces a channel by a fresh one at the end of the pool, which becomes Current.
  void StopGameChannel(const TChannelRef& gameChannel);

  // List operations.
  void AddLast(TChannelRef channel);
  void Remove(const TChannelRef& channel);
  int Count() const { return static_cast<int>(Items.size()); }
  std::vector<TChannelRef>::const_iterator begin() const { return Items.begin(); }
  std::vector<TChannelRef>::const_iterator end() const { return Items.end(); }

  float MaxVol = 1.5f;
  TChannelRef Current;

 private:
  std::vector<TChannelRef> Items;
};
