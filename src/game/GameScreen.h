// The screen levels are played on: it loads what the board needs, builds the
// level, runs the board every logic step with the mouse as its input, and
// draws the background, the board and the board's particles. A cleared board
// leads straight into the next level.
#pragma once
#include <memory>
#include <string>

#include "screens/Screen.h"

class TBoardParticles;
class TGridSounds;
class TBoardHost;

class TGameScreen : public TScreen {
 public:
  TGameScreen();
  ~TGameScreen() override;

  void Load() override;
  void Start() override;
  void Logic() override;
  void Draw() override;
  void Kill() override;

  // A fresh board for the current level, filled until it holds a move.
  void LevelStart();
  // On to the level after a won one: the gold pack follows the classic pack,
  // and the classic pack follows the gold pack's last level.
  void NextLevel();
  // The level to play: the one the player reached in the current pack.
  void ReadProgress();

  int Level = 1;
  int Score = 0;
  int Kills = 0;
  // The board asked for the level again (no move left), or was cleared; both
  // are acted on after the board's step.
  int RestartPending = 0;
  int LevelWon = 0;
  std::shared_ptr<TBoardParticles> Particles;
  std::shared_ptr<TGridSounds> Sounds;

 private:
  void LoadBackground();
  std::shared_ptr<TBoardHost> host_;
};
