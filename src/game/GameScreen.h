// The screen levels are played on: it loads what the board needs, builds the
// level, runs the board every logic step with the mouse as its input, and
// draws the background, the board and the board's particles. The side panel,
// level start and end sequences and the menus join it later.
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

  int Level = 1;
  int Score = 0;
  int Kills = 0;
  // The board asked for a new start (won, or no move left); done after its step.
  int RestartPending = 0;
  std::shared_ptr<TBoardParticles> Particles;
  std::shared_ptr<TGridSounds> Sounds;

 private:
  std::shared_ptr<TBoardHost> host_;
};
