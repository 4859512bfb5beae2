// What the board rules need from the screen and the player around them: score,
// kills, freed creatures, the level end and the no-moves restart. The game
// screen attaches its own host; without one the rules run alone (tests,
// benchmarks) and these calls do nothing.
#pragma once
#include <memory>

class TBoardHost {
 public:
  virtual ~TBoardHost() = default;
  virtual int OutroRunning() { return 0; }
  virtual int LevelCompleteShowing() { return 0; }
  virtual int CurrentLevel() { return 1; }
  virtual void AddScore(int points) {}
  virtual void KillsAdd(int count) {}
  virtual void MunchkinFreed() {}
  // A match or a bonus use restarts the "no match for a while" reminder.
  virtual void ResetHintShowCounter() {}
  // A brick layer went while three or fewer remain (the one-time hint page).
  virtual void FewBricksLeft() {}
  // The settled board has no legal move.
  virtual void Quit() {}
  // Input unblocked with every brick layer gone.
  virtual void LevelEndStart() {}
  // A file the board cannot do without is missing (fatal in the game).
  virtual void FatalError(const char* text);
};

void SetBoardHost(std::shared_ptr<TBoardHost> host);
TBoardHost& BoardHost();
