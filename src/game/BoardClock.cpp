#include "game/BoardClock.h"

#include "core/Game.h"

namespace {
std::shared_ptr<TBoardClock> current;
TBoardClock standard;
}  // namespace

void SetBoardClock(std::shared_ptr<TBoardClock> clock) { current = std::move(clock); }
TBoardClock& BoardClock() { return current ? *current : standard; }

float TGameTimerClock::AnimLength(float ms) {
  if (Game && Game->FixedRateLogic.MS > 0) return Game->CalcAnimLengthFromFloat(ms);
  return TBoardClock::AnimLength(ms);
}
