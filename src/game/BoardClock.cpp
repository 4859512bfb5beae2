#include "game/BoardClock.h"

namespace {
float delta = 1.0f;
constexpr float StepMs = 5.0f;
}  // namespace

float BoardDelta() { return delta; }
void SetBoardDelta(float d) { delta = d; }
float BoardAnimLength(float ms) { return ms / StepMs; }
