#include "core/Game.h"
#include "core/Globals.h"

float TGame::CalcAnimLength(int ms) const { return float(ms) / FixedRateLogic.MS / CurrentSpeed; }

float TGame::CalcAnimLengthFromFloat(float ms) const { return ms / FixedRateLogic.MS / CurrentSpeed; }

int TGame::CalcMilliSecsFromFrames(int frames, int useSpeed) const {
  float s = useSpeed ? CurrentSpeed : 1.0f;
  return int(float(frames) * FixedRateLogic.MS * s);
}

void TGame::SetFlipSync() { FlipSync = VSync ? 1 : 0; }

void TGame::FastOn() {
  Fast = 1;
  LastFlipSync = FlipSync;
  FlipSync = 0;
  FixedRateLogic.Init();
  FixedRateLogic.HistoryClear();
}

void TGame::FastOff() {
  if (Fast != 1) return;
  Fast = 0;
  FlipSync = LastFlipSync;
  FixedRateLogic.Init();
  FixedRateLogic.HistoryClear();
}

void TGame::SlowMotionOn() {
  SlowMotion = 1;
  CurrentSpeed = SlowMotionSpeed;
  FixedRateLogic.Framerate = float(FixedRateLogic.FramerateDefault) * SlowMotionSpeed;
  FixedRateLogic.CalcMS();
  FixedRateLogic.Init();
}

void TGame::SlowMotionOff() {
  SlowMotion = 0;
  CurrentSpeed = 1.0f;
  FixedRateLogic.Framerate = float(FixedRateLogic.FramerateDefault);
  FixedRateLogic.CalcMS();
  FixedRateLogic.Init();
}
