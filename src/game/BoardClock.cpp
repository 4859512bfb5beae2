#include "game/BoardClock.h"

#include "core/Game.h"
#include "core/GameClock.h"

float TGameTimerClock::AnimLength(float ms) {
  if (Game && Clock().FixedRateLogic.MS > 0) return Clock().CalcAnimLengthFromFloat(ms);
  return TBoardClock::AnimLength(ms);
}
