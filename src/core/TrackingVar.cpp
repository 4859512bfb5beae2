#include "core/TrackingVar.h"

#include <algorithm>

#include "platform/Clock.h"

void TTrackingVar::Init() {
  Current = 0;
  maximum = 0;
  displayLimit = 999;
  displayLimitChars = int(std::to_string(displayLimit).size());
}

std::string TTrackingVar::Padded(int value) const {
  std::string s = std::to_string(value);
  if (int(s.size()) < displayLimitChars) s.insert(0, size_t(displayLimitChars) - s.size(), '0');
  return s;
}

std::string TTrackingVar::GetDisplay() { return Label + Padded(Current) + "/" + Padded(maximum); }


void TDebugVar::Start() { Current = int(MilliSecs()); }

void TDebugVar::Calc() {
  Current = int(MilliSecs()) - Current;
  maximum = std::max(maximum, Current);
  maximum = std::min(maximum, displayLimit);
}

void TFPSCounter::Init() {
  counter = 0;
  time = int(MilliSecs());
  framerate = 0;
  minimum = 999;
  TTrackingVar::Init();
}

std::string TFPSCounter::GetDisplay() { return Label + Padded(Current) + "/" + Padded(minimum); }


void TFPSCounter::Calc() {
  ++counter;
  int now = int(MilliSecs());
  if (time + 1001 < now) {
    framerate = counter;
    counter = 0;
    time = now;
    maximum = std::max(maximum, framerate);
    minimum = std::min(minimum, framerate);
    Current = framerate;
  }
}
