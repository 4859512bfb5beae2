// The sounds the board rules trigger, by sound-bank name. Without one the
// rules stay silent (tests, the level checker); the game screen
// gives its boards its grid channels.
#pragma once
#include <memory>
#include <string>

class TBoardSound {
 public:
  virtual ~TBoardSound() = default;
  virtual void Play(const std::string& name, float pitch = 1.0f) {}
  // The landing sound has its own channel and is skipped while that still plays.
  virtual void PlayLand(const std::string& name) {}
  // The two sounds of the no-moves sequence each keep a channel of their own, so
  // the burst of board sounds around them cannot cut them off.
  virtual void PlayAlarm(const std::string& name) { Play(name, 1.0f); }
  virtual void PlayScatter(const std::string& name) { Play(name, 1.0f); }
};

