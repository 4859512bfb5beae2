// The game's sense of time: the fixed-rate logic timer and the speed it runs at
// (normal, fast-forward or slow motion). Animations turn milliseconds into logic
// ticks through it, so they follow the speed the developer keys choose.
#pragma once
#include "core/FixedRateLogic.h"

class TGameClock {
 public:
  // Milliseconds as logic ticks at the current speed.
  float CalcAnimLength(int ms) const;
  float CalcAnimLengthFromFloat(float ms) const;
  int CalcMilliSecsFromFrames(int frames, int useSpeed) const;
  void FastOn();
  void FastOff();
  void SlowMotionOn();
  void SlowMotionOff();
  // Starts timing afresh after anything that may have blocked the loop.
  void Restart();

  TFixedRateLogic FixedRateLogic;
  int Fast = 0;
  int LastFlipSync = 0;
  int SlowMotion = 0;
  float SlowMotionSpeed = 0.25f;
  float CurrentSpeed = 1.0f;
};

// The one clock of the process; it exists before the game object and without it.
TGameClock& Clock();
