// The board's own sound channels: a pool of eight that every board sound plays
// through, its first channel kept for the landing sound, and two single
// channels for the alarm and the scatter of the no-moves sequence. Sounds are
// found by name in the game's sound bank.
#pragma once
#include <memory>
#include <string>

#include "audio/ChannelArray.h"
#include "game/BoardSound.h"

class TGridSounds : public TBoardSound {
 public:
  std::shared_ptr<TChannelArray> GridChannels;
  TChannelArray::TChannelRef LandChannel;
  TChannelPtr AlarmChannel, ScatterChannel;

  // Makes the pool (eight channels sharing a loudness of 8) and takes its first
  // channel for the landing sound.
  void CreateChannels();
  void Play(const std::string& name, float pitch) override;
  void PlayLand(const std::string& name) override;
  void PlayAlarm(const std::string& name) override;
  void PlayScatter(const std::string& name) override;
  void Manage();
  void Kill();
};
