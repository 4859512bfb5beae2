// Every sound the board rules trigger goes through BoardSound, by sound-bank
// name. Nothing plays until a sink is attached, so the rules stay silent in tests;
// the game screen attaches one that plays through the grid's channels.
#pragma once
#include <memory>
#include <string>

class TBoardSoundSink {
 public:
  virtual ~TBoardSoundSink() = default;
  virtual void Play(const std::string& name, float pitch) = 0;
  // The landing sound has its own channel and is skipped while that still plays.
  virtual void PlayLand(const std::string& name) = 0;
  // The two sounds of the no-moves sequence each keep a channel of their own, so
  // the burst of board sounds around them cannot cut them off.
  virtual void PlayAlarm(const std::string& name) { Play(name, 1.0f); }
  virtual void PlayScatter(const std::string& name) { Play(name, 1.0f); }
};

void SetBoardSoundSink(std::shared_ptr<TBoardSoundSink> sink);
void BoardSound(const std::string& name, float pitch = 1.0f);
void BoardLandSound(const std::string& name);
void BoardAlarmSound(const std::string& name);
void BoardScatterSound(const std::string& name);
