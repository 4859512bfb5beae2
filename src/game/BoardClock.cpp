#include "game/BoardClock.h"

#include "core/Game.h"
#include "core/GameClock.h"

namespace {
std::shared_ptr<TBoardClock> current;
TBoardClock standard;
}  // namespace

void SetBoardClock(std::shared_ptr<TBoardClock> clock) { current = std::move(clock); }
TBoardClock& BoardClock() { return current ? *current : standard; }

float TGameTimerClock::AnimLength(float ms) {
  if (Game && Clock().FixedRateLogic.MS > 0) return Clock().CalcAnimLengthFromFloat(ms);
  return TBoardClock::AnimLength(ms);
}
