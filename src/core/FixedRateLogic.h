// The logic timer: turns the real time since the last frame into a number of
// 5 ms logic ticks, capped so that a stall never causes a burst of catch-up updates.
#pragma once
#include <vector>

#include "core/TrackingVar.h"

class TFixedRateLogic : public TTrackingVar {
 public:
  // Re-arms the timer after anything that may have blocked the loop.
  void Init() override;
  std::string GetDisplay() override;
  void Create();
  void CalcMS();
  void SetThreshold(int ms);
  // Once per frame: sets NumTicks from the elapsed time.
  void Calc();
  void SetDelta(float delta);
  void SetDefaultFramerate(int rate);
  void HistoryClear();

  int FramerateDefault = 200;
  float Framerate = 200.0f;
  double LastTime = 0;
  double TmpMS = 0;
  double NumTicks = 0;
  double LastNumTicks = 0;
  float MS = 0;
  float DeltaMultiplier = 1.0f;
  float FullDelta = 0;
  int Threshold = 50;
  int JitterCorrection = 1;
  int HistorySize = 1;
  int HistorySizeMax = 50;
  std::vector<int> History;
  int HistoryCounter = 0;
  int First = 0;
  int FirstMax = 5;
  int IgnoreHistoryOnSpeedChange = 1;
  // The frames are paced by the display (the VSync setting), so a frame far off the
  // average is a real change of speed, not jitter.
  int VSync = 0;
};
