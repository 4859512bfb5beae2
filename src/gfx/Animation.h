// A multi-phase timer that screens, dialogs and transitions use to drive any
// timed effect (fades, slides, pulses) through a ratio between 0 and 1.
// Each phase runs for its own length; the clock counts down (ratio 1 -> 0) or,
// reversed, up (ratio 0 -> 1); passes may repeat, bounce back and forth, or stop.
#pragma once
#include <array>
#include <memory>

// The frame of an F-frame strip for clock c of a pass of length L: with d = 1 the
// first frame shows at c = 0, with d = 0 at c = L. Always within 0..F-1.
int FrameFromClock(float c, float L, int F, int d);

class TAnimation {
 public:
  static constexpr int MAX_PHASES = 50;

  int Active = 0;
  int LoopTotal = 0;  // passes before finishing; 0 = no limit
  float Counter = 0.0f;
  int CurrentPhase = 0;
  int Finished = 0;
  int TotalPhases = 1;
  int Cycle = 0;
  int Direction = 1;  // 1 = phases forwards, 0 = backwards
  std::array<float, MAX_PHASES> Length{};
  int LeaveActive = 0;
  int PingPong = 0;
  int Reverse = 0;  // 1 = the clock counts up from 0, 0 = down from the phase length
  int OriginalReverse = 0;
  int LoopCount = 0;

  virtual ~TAnimation() = default;
  static std::shared_ptr<TAnimation> Create(float ms, int leaveActive, int reverse, int cycle, int pingPong);
  // Sets the animation up again with one phase; it is not started.
  void Init(float ms, int leaveActive, int reverse, int cycle, int pingPong);
  // Phases past MAX_PHASES, and an insertion index outside 0..TotalPhases, are ignored.
  void AddPhase(float ms);
  void InsertPhase(float ms, int index);
  void Start();
  void Reset();
  // Jumps to the last phase (the first when running backwards) and ends it at once.
  void Stop();
  void Clear();
  // 1 when a phase ended during this call.
  virtual int Manage();
  // Ends the current phase and moves to the next one; 1 when the animation finished.
  int EndAnim();

  float CurrentLength() const;
  float GetRatio() const;
  float GetRatioInv() const;
  float GetRatioSine() const;
  float GetRatioInvSine() const;
  float GetRatioSine180() const;
  float GetRatioInvSine180() const;
  int GetAnimFrame(int frames) const;
  // As GetAnimFrame, but mirrored while the clock runs backwards.
  int GetAnimFrameProper(int frames) const;
};
