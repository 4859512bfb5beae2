// The soak player's head: it looks at the screen the game shows (through the game's
// own screen objects and board rules, never its pictures), decides what a player
// would do there and hands it to TSoakInput, level after level, while it takes the
// process's figures between levels.
#pragma once
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "SoakFigures.h"
#include "SoakInput.h"

struct TSoakOptions {
  int Levels = 50;
  // Every n-th level the in-game menu is opened and, in turn, the options or the help
  // pages visited (0: never).
  int MenuEvery = 4;
  // Every n-th level the game is left through Save & Exit and taken up again (0: never).
  int SaveExitEvery = 7;
  // Logic updates per drawn frame.
  int Ticks = 10;
  uint32_t Seed = 7;
  // A level not won within this many frames counts as a stuck player or game.
  int MaxFramesPerLevel = 20000;
  std::string Player = "Soak";
  // Start from a settings file holding AbsurdSettings() (SoakChecks.h).
  int Absurd = 0;
  // Whose hands: the mouse (with keys where a mouse player uses them), the keyboard
  // alone, or a game controller alone.
  enum class THands { Mouse, Keys, Pad } Hands = THands::Mouse;
  TSoakLimits Limits;
};

class TSoakPlayer {
 public:
  explicit TSoakPlayer(const TSoakOptions& options);
  // Plays until the levels are won or something goes wrong; the faults found, none when healthy.
  std::vector<std::string> Run();

  int LevelsWon() const { return levelsWon_; }
  // The music volume the options screen was last left with (-1: never visited).
  int MusicVolume() const { return musicVolume_; }
  int MenuVisits() const { return menuVisits_; }
  int SaveExits() const { return saveExits_; }
  int HelpVisits() const { return helpVisits_; }
  int64_t Frames() const { return frames_; }
  TSoakFigures Baseline, Last;
  int BaselineLevel = 0;

 private:
  enum class TMenuPlan { None, Options, Help, SaveExit };
  void Frame();
  void Decide();
  void OnTitle();
  void OnMap();
  void OnOptions();
  void OnGame();
  void OnBoard();
  void OnMenu();
  void StartLevel(int level);
  void ClickButtonOf(class TMenu* menu, const char* name);
  void ClickAway(int avoidX, int avoidY, int avoidW, int avoidH);
  void Fail(const std::string& why);
  // Keyboard and pad hands: a direction (0 up, 1 down, 2 left, 3 right), the press
  // (Return / A), going back (Escape / B), the in-game menu (Escape / Start), the hint (H / Y).
  void Nav(int direction);
  // The key on the keyboard, the button (an SDL_GameControllerButton) on a pad.
  void Either(int sdlKey, int padButton);
  void Confirm();
  void Back();
  void OpenGameMenu();
  void AskHint();
  // Presses the widget at a logical point: a click, or the focus walked onto it and
  // pressed (slide: moved sideways that many steps instead).
  void PressAt(int x, int y, int slide = 0);
  void FocusStep();
  // One step of the board's cursor towards the cell; true when it stands there.
  bool CursorTo(int x, int y);
  bool Hands() const { return options_.Hands != TSoakOptions::THands::Mouse; }
  void Snapshot(const std::string& label);

  TSoakOptions options_;
  TSoakInput input_;
  std::mt19937 choice_;
  std::vector<std::string> faults_;
  bool done_ = false;

  int64_t frames_ = 0;
  int stillFrames_ = 0;
  bool nameTyped_ = false;
  bool galleryVisited_ = false;
  bool startFiguresTaken_ = false;
  int levelsWon_ = 0;
  int snapshotsTaken_ = 0;
  int musicVolume_ = -1;
  bool sliderMoved_ = false;

  // The level on the board and what happened in it.
  int boardLevel_ = 0;
  int64_t levelStartFrame_ = 0;
  double levelStartSeconds_ = 0;
  int moves_ = 0, bonusPresses_ = 0, restarts_ = 0;
  bool noMoreSeen_ = false;
  bool panelSeen_ = false;
  TMenuPlan plan_ = TMenuPlan::None;
  int menuStage_ = 0;  // 0 not yet, 1 asked to open, 2 options or help visited, 3 done
  bool hintAsked_ = false;
  int menuRetries_ = 0;
  int saveExits_ = 0, menuVisits_ = 0, helpVisits_ = 0;

  // Widgets still to reach with the focus, in turn.
  struct TGoal {
    int X = 0, Y = 0, Slide = 0;
  };
  std::vector<TGoal> goals_;
  int goalSteps_ = 0;
  // The board move being walked to: the cell to press, then the way to push it (-1: none).
  struct TCursorPlan {
    int X = -1, Y = -1, Direction = -1;
  } cursorPlan_;
  int cursorSteps_ = 0;
};
