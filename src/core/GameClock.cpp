#include "core/GameClock.h"

#include "core/Globals.h"

TGameClock& Clock() {
  static TGameClock clock;
  return clock;
}

float TGameClock::CalcAnimLength(int ms) const { return float(ms) / FixedRateLogic.MS / CurrentSpeed; }

float TGameClock::CalcAnimLengthFromFloat(float ms) const { return ms / FixedRateLogic.MS / CurrentSpeed; }

int TGameClock::CalcMilliSecsFromFrames(int frames, int useSpeed) const {
  float s = useSpeed ? CurrentSpeed : 1.0f;
  return int(float(frames) * FixedRateLogic.MS * s);
}

void TGameClock::Restart() {
  FixedRateLogic.Init();
  FixedRateLogic.HistoryClear();
}

void TGameClock::FastOn() {
  Fast = 1;
  LastFlipSync = FlipSync;
  FlipSync = 0;
  Restart();
}

void TGameClock::FastOff() {
  if (Fast != 1) return;
  Fast = 0;
  FlipSync = LastFlipSync;
  Restart();
}

void TGameClock::SlowMotionOn() {
  SlowMotion = 1;
  CurrentSpeed = SlowMotionSpeed;
  FixedRateLogic.Framerate = float(FixedRateLogic.FramerateDefault) * SlowMotionSpeed;
  FixedRateLogic.CalcMS();
  FixedRateLogic.Init();
}

void TGameClock::SlowMotionOff() {
  SlowMotion = 0;
  CurrentSpeed = 1.0f;
  FixedRateLogic.Framerate = float(FixedRateLogic.FramerateDefault);
  FixedRateLogic.CalcMS();
  FixedRateLogic.Init();
}
