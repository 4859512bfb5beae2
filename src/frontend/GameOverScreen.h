// The end of a game whose lives ran out: the game's totals and, when the score is
// good enough for the high-score table, the prompt for the player's name. "OK"
// enters the name and goes back to the title; Escape leaves without entering it.
#pragma once
#include <memory>

#include "screens/Screen.h"
#include "ui/TextInput.h"

class THighScoreEntry;
class TGameTotals;
class TPlayer;

class TGameOverScreen : public TScreen {
 public:
  std::unique_ptr<THighScoreEntry> High;
  std::shared_ptr<TGameTotals> GameTotals;
  // The name field of the high-score prompt.
  TTextInputPtr InputName;

  TGameOverScreen();
  ~TGameOverScreen() override;

  void Load() override;
  void Start() override;
  void Kill() override;
  void Logic() override;
  void Draw() override;
  int SetEscDestination() override;

  // The player whose game ended (the game screen's), none without a game screen.
  static TPlayer* FinishedPlayer();

 private:
  // Typing and Enter in the name field.
  void ManageEntry();
};
