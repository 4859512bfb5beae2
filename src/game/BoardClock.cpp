#include "game/BoardClock.h"

#include "app/Globals.h"

namespace {
// The logic tick is 5 ms; the game's speed setting never changes during play.
constexpr float StepMs = 5.0f;
}  // namespace

float BoardDelta() { return Delta; }
void SetBoardDelta(float d) { Delta = d; }
float BoardAnimLength(float ms) { return ms / StepMs; }
