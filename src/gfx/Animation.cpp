#include "gfx/Animation.h"

#include <cmath>

#include "core/GameClock.h"
#include "core/Globals.h"
#include "gfx/SineCounter.h"

int FrameFromClock(float c, float L, int F, int d) {
  if (F < 1) return 0;
  if (!(L > 0.0f)) return 0;  // no length: nothing to divide, show the first frame
  const float pos = c / L;
  const float value = (d == 1 ? pos : 1.0f - pos) * static_cast<float>(F);
  if (!(value >= 0.0f)) return 0;  // negative or NaN
  const float f = std::floor(value);
  if (f >= static_cast<float>(F - 1)) return F - 1;
  return static_cast<int>(f);
}

std::shared_ptr<TAnimation> TAnimation::Create(float ms, int leaveActive, int reverse, int cycle, int pingPong) {
  auto a = std::make_shared<TAnimation>();
  a->Init(ms, leaveActive, reverse, cycle, pingPong);
  return a;
}

void TAnimation::Init(float ms, int leaveActive, int reverse, int cycle, int pingPong) {
  Length[0] = Clock().CalcAnimLengthFromFloat(ms);
  CurrentPhase = 0;
  Finished = 0;
  TotalPhases = 1;
  Cycle = cycle;
  Direction = 1;
  LeaveActive = leaveActive;
  PingPong = pingPong;
  Reverse = reverse;
  OriginalReverse = reverse;
  LoopCount = 0;
}

void TAnimation::AddPhase(float ms) {
  if (TotalPhases >= MAX_PHASES) return;
  Length[TotalPhases++] = Clock().CalcAnimLengthFromFloat(ms);
}

void TAnimation::InsertPhase(float ms, int index) {
  if (TotalPhases >= MAX_PHASES || index < 0 || index > TotalPhases) return;
  for (int i = TotalPhases; i > index; --i) Length[i] = Length[i - 1];
  Length[index] = Clock().CalcAnimLengthFromFloat(ms);
  ++TotalPhases;
}

void TAnimation::Start() {
  if (PingPong) Reverse = OriginalReverse;
  // The clock is for phase 0, whichever phase a previous run stopped on.
  CurrentPhase = 0;
  if (Reverse) {
    Counter = 0.0f;
  } else if (Counter <= 0.0f) {
    Counter = Length[0];
  }
  Active = 1;
  Finished = 0;
  Direction = 1;
  LoopCount = 0;
}

void TAnimation::Reset() {
  Counter = 0.0f;
  Start();
}

void TAnimation::Stop() {
  CurrentPhase = Direction == 1 ? TotalPhases - 1 : 0;
  EndAnim();
}

void TAnimation::Clear() {
  // Phase lengths (and how many there are) survive; everything else is back to new.
  Active = 0;
  LoopTotal = 0;
  Counter = 0.0f;
  CurrentPhase = 0;
  Finished = 0;
  Cycle = 0;
  Direction = 1;
  LeaveActive = 0;
  PingPong = 0;
  Reverse = 0;
  OriginalReverse = 0;
  LoopCount = 0;
}

float TAnimation::CurrentLength() const {
  if (CurrentPhase < 0 || CurrentPhase >= TotalPhases) return 0.0f;
  return Length[CurrentPhase];
}

int TAnimation::Manage() {
  if (!Active) return 0;
  if (!Reverse) {
    Counter -= Delta;
    if (Counter <= 0.0f) {
      EndAnim();
      return 1;
    }
  } else {
    Counter += Delta;
    if (Counter > CurrentLength()) {
      EndAnim();
      return 1;
    }
  }
  return 0;
}

int TAnimation::EndAnim() {
  CurrentPhase += Direction == 1 ? 1 : -1;
  const bool passDone = (Direction == 1 && CurrentPhase >= TotalPhases) || (Direction != 1 && CurrentPhase <= -1);
  if (passDone) {
    ++LoopCount;
    // ">=": a finished animation left active keeps counting passes and must not
    // start cycling again once it has gone past its limit.
    const bool goOn = Cycle == 1 && !(LoopTotal > 0 && LoopCount >= LoopTotal);
    if (goOn && PingPong) {
      if (Direction == 1) {
        Counter = -Counter;
        Reverse = 1;
        Direction = 0;
        CurrentPhase = TotalPhases - 1;
      } else {
        Counter = Length[0] - (Counter - Length[0]);
        Reverse = 0;
        Direction = 1;
        CurrentPhase = 0;
      }
      return 0;
    }
    if (goOn) {
      CurrentPhase = 0;
    } else {
      Finished = 1;
      if (LeaveActive) {
        CurrentPhase = TotalPhases - 1;
        Counter = Reverse ? Length[CurrentPhase] : 0.0f;
      } else {
        Counter = 0.0f;
        CurrentPhase = 0;
        Active = 0;
      }
      return 1;
    }
  }
  Counter = Reverse ? 0.0f : Length[CurrentPhase];
  return 0;
}

float TAnimation::GetRatio() const {
  const float len = CurrentLength();
  if (len == 0.0f) return 0.0f;
  return Counter / len;
}

float TAnimation::GetRatioInv() const { return 1.0f - GetRatio(); }
float TAnimation::GetRatioSine() const { return SinDeg(GetRatio() * 90.0f); }
float TAnimation::GetRatioInvSine() const { return SinDeg((1.0f - GetRatio()) * 90.0f); }
float TAnimation::GetRatioSine180() const { return 0.5f + SinDeg((GetRatio() - 0.5f) * 180.0f) / 2.0f; }
float TAnimation::GetRatioInvSine180() const { return 0.5f + SinDeg((GetRatioInv() - 0.5f) * 180.0f) / 2.0f; }

int TAnimation::GetAnimFrame(int frames) const {
  return FrameFromClock(Counter, std::trunc(CurrentLength()), frames, Reverse);
}

int TAnimation::GetAnimFrameProper(int frames) const {
  if (frames < 1) return 0;
  const int f = GetAnimFrame(frames);
  return Reverse == 1 ? frames - 1 - f : f;
}
