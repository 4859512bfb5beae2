// Numbers with a running maximum, shown on the developer overlay: the logic
// timer's tick count, stopwatches for logic and drawing, and frames per second.
#pragma once
#include <string>

class TTrackingVar {
 public:
  virtual ~TTrackingVar() = default;
  virtual void Init();
  virtual std::string GetDisplay();

  int Current = 0;
  int maximum = 0;
  int displayLimit = 999;
  int displayLimitChars = 3;
  std::string Label;

 protected:
  std::string Padded(int value) const;
};

// A stopwatch in milliseconds: Start, then Calc leaves the elapsed time in Current.
class TDebugVar : public TTrackingVar {
 public:
  void Start();
  void Calc();
};

class TFPSCounter : public TTrackingVar {
 public:
  void Init() override;
  std::string GetDisplay() override;
  // Once per frame: counts frames and closes a second after 1001 ms.
  void Calc();

  int counter = 0;
  int time = 0;
  int framerate = 0;
  int minimum = 999;
};
