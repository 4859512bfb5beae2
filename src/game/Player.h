// The one playing: score and totals over the whole game, the current level's
// statistics, and the pack progress shared with the profile. The game screen
// owns it; the profile is read into it when a game starts and written back
// when a level is won.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "game/PlayerProgress.h"
#include "gfx/Sprite.h"

class TProfile;
class TGameSession;

class TPlayer : public TSprite {
 public:
  std::shared_ptr<TGameImage> ImageLife;
  float DeathCounter = 0;
  int DeathAnimLength = 1000;
  std::string Name;
  int Alive = 1;
  // The level to play and the highest one unlocked in each pack: the very numbers
  // the profile's game block keeps, so there is one copy of the progress.
  std::array<int32_t, TProfileGameData::Slots>& Level = PlayerProgress.Level;
  std::array<int32_t, TProfileGameData::Slots>& Unlocked = PlayerProgress.Unlocked;
  int Score = 0;
  int LevelStartScore = 0;
  int Lives = 3;
  int Kills = 0;
  int TotalKills = 0;
  int MunchkinsFreed = 0;
  int TotalMunchkinsFreed = 0;
  int NoChecks = 0;
  int Target = 0;
  float TimeTaken = 0;
  double TotalTimeTaken = 0;

  // The screen the player plays on (for the ending of a death count).
  TGameSession* Screen = nullptr;

  void Load() {}
  // A new game: nothing scored, nothing played.
  void InitStats();
  // Name, score, lives and totals from the profile; the pack progress is already
  // there through the profile's own load. 1 when a profile was given.
  int ReadProfile(TProfile* profile, int flag);
  // Name, score, lives and totals into the profile, which is saved.
  int WriteProfile(TProfile* profile);
  // The profile's score, kills and time back to 0 and its lives to 3; with
  // resetLevel the current pack starts again at level 1; with save it is saved.
  void ProfileGameOver(TProfile* profile, int save, int resetLevel);
  void NewLevelStats();
  void ClearCounters();
  // One logic step: the death count and the level's clock. -1 ends the screen's step.
  int Manage();
  // The board has no move left: the no-moves sequence starts, after which the
  // level is built again with the points kept.
  void Die();
  void UpdateTotals();
  int DeathEnd();
  void KillsAdd(int n) { Kills += n; }

  // The level's share of the score (the panel's number).
  int LevelScore() const { return Score - LevelStartScore; }
};

// The panel's number formats: the score at least six digits with leading zeros,
// and a time as whole minutes, ": " and two-digit seconds ("9: 05").
std::string ScoreText(int score);
std::string TimeText(double milliseconds);
// The same written into a buffer the caller keeps (no allocation when it is large enough).
void FormatScore(std::string& out, int score);
void FormatTime(std::string& out, double milliseconds);
