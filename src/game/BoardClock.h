// How long the board's animations last in logic steps. Without one, a
// step is the standard 5 ms tick at normal speed (tests, the level
// checker, benchmarks); the game screen gives its boards one that follows the game's
// timer and speed. The fraction of a step itself is the framework's `Delta`,
// which the gems share with every other sprite.
#pragma once
#include <memory>

class TBoardClock {
 public:
  virtual ~TBoardClock() = default;
  // Milliseconds of animation in logic steps.
  virtual float AnimLength(float ms) { return ms / StepMs; }

 private:
  static constexpr float StepMs = 5.0f;
};

// The game's own clock: its timer and its speed. A game object whose timer was
// never set up still gives 5 ms steps.
class TGameTimerClock : public TBoardClock {
 public:
  float AnimLength(float ms) override;
};

