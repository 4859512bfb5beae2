// What the board rules need from the screen and the player around them: score,
// kills, freed creatures, hints, the level end and the no-moves sequence. The
// game screen makes its boards with its own host; without one the rules run alone (tests,
// benchmarks) and these calls do nothing.
#pragma once
#include <memory>

class TMousePointer;

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
  // Every brick layer is gone: 1 when the screen starts its level-end outro, 0
  // when it refuses (one is already running, or the level has only just begun).
  virtual int NextLevel() { return 0; }
  // A hint was accepted and is about to show.
  virtual void HintShown() {}
  // The no-moves sequence turns the music down to ratio (1 full, 0 silent).
  virtual void NoMovesMusic(float ratio) {}
  // The no-moves sequence has run out: the level is to be built again. Called
  // from inside the board's step, so the board must not be replaced there and then.
  virtual void NoMovesOver() {}
  // A file the board cannot do without is missing (fatal in the game).
  virtual void FatalError(const char* text);
  // The pointer the board is played with; none when the rules run alone.
  virtual TMousePointer* Pointer() { return nullptr; }
};

