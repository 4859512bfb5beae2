#include "game/BoardClock.h"

#include "core/Game.h"
#include "core/Globals.h"

namespace {
// Without a game object (the level checker, a bare rules test) a step is the
// standard 5 ms tick at normal speed.
constexpr float StepMs = 5.0f;
}  // namespace

float BoardDelta() { return Delta; }
void SetBoardDelta(float d) { Delta = d; }
float BoardAnimLength(float ms) {
  // A game object whose timer was never set up has no step length yet.
  if (Game && Game->FixedRateLogic.MS > 0) return Game->CalcAnimLengthFromFloat(ms);
  return ms / StepMs;
}
