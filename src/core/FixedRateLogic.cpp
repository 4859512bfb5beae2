#include "core/FixedRateLogic.h"

#include "core/GameClock.h"
#include "core/Globals.h"
#include "platform/Clock.h"

void TFixedRateLogic::Create() { History.assign(size_t(HistorySizeMax), 0); }

void TFixedRateLogic::Init() {
  CalcMS();
  LastTime = double(MilliSecs());
  NumTicks = 0;
  LastNumTicks = 1.0;
  SetDelta(1.0f);
  TTrackingVar::Init();
  First = FirstMax;
}

std::string TFixedRateLogic::GetDisplay() { return TTrackingVar::GetDisplay(); }

void TFixedRateLogic::CalcMS() {
  int rate = int(Framerate);
  MS = rate > 0 ? 1000.0f / float(rate) : 5.0f;
}

void TFixedRateLogic::SetThreshold(int ms) { Threshold = ms; }

void TFixedRateLogic::SetDefaultFramerate(int rate) {
  FramerateDefault = rate;
  Framerate = float(rate);
}

void TFixedRateLogic::HistoryClear() {
  for (int i = 0; i < HistorySize && i < int(History.size()); ++i) History[size_t(i)] = 0;
  HistorySize = 1;
  HistoryCounter = 0;
}

void TFixedRateLogic::SetDelta(float delta) {
  FullDelta = delta;
  ::Delta = delta * DeltaMultiplier;
}

void TFixedRateLogic::Calc() {
  if (Clock().Fast) {
    NumTicks = 1.0;
  } else {
    double now = double(MilliSecs());
    if (now < LastTime) {
      NumTicks = LastNumTicks;
    } else {
      TmpMS = now - LastTime;
      if (TmpMS > Threshold) TmpMS = Threshold;
      double avg = TmpMS;
      if (First > 0) {
        --First;
      } else if (!History.empty()) {
        History[size_t(HistoryCounter)] = int(TmpMS);
        double sum = 0;
        for (int i = 0; i < HistorySize; ++i) sum += History[size_t(i)];
        avg = sum / HistorySize;
        ++HistoryCounter;
        if (HistorySize < HistorySizeMax) ++HistorySize;
        if (HistoryCounter >= HistorySize) HistoryCounter = 0;
      }
      if (JitterCorrection) {
        if (IgnoreHistoryOnSpeedChange && VSync == 1 && (TmpMS < avg - 1 || TmpMS > avg + 1))
          avg = TmpMS;
        NumTicks = avg / MS;
      } else {
        NumTicks = TmpMS / MS;
      }
    }
    LastTime = now;
    LastNumTicks = NumTicks;
    if (NumTicks > maximum) maximum = int(NumTicks);
  }
  Current = int(NumTicks);
}
