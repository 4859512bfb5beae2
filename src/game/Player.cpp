#include "game/Player.h"

#include <cmath>
#include <cstdio>

#include "core/Globals.h"
#include "core/Input.h"
#include "game/BoardClock.h"
#include "game/BoardHost.h"
#include "game/GameGrid.h"
#include "game/GameSession.h"
#include "player/Profile.h"

void TPlayer::InitStats() {
  Score = LevelStartScore = 0;
  Lives = 3;
  Kills = TotalKills = 0;
  MunchkinsFreed = TotalMunchkinsFreed = 0;
  TimeTaken = 0;
  TotalTimeTaken = 0;
  DeathCounter = 0;
  Alive = 1;
  NoChecks = 0;
}

int TPlayer::ReadProfile(TProfile* profile, int /*flag*/) {
  if (!profile) return 0;
  Name = profile->Name;
  Score = profile->Score;
  Lives = profile->Lives;
  TotalKills = profile->Kills;
  TotalTimeTaken = profile->TimeTaken;
  return 1;
}

int TPlayer::WriteProfile(TProfile* profile) {
  if (!profile) return 0;
  // A player who never read a profile has no name of their own; the profile's
  // name is also its file name and must not be blanked.
  if (!Name.empty()) profile->Name = Name;
  profile->Score = Score;
  profile->Lives = Lives;
  profile->Kills = TotalKills;
  profile->TimeTaken = TotalTimeTaken;
  profile->Save();
  return 1;
}

void TPlayer::ProfileGameOver(TProfile* profile, int save, int resetLevel) {
  if (!profile) return;
  profile->Score = 0;
  profile->Kills = 0;
  profile->TimeTaken = 0;
  profile->Lives = 3;
  if (resetLevel && LevelPack >= 0 && LevelPack < TProfileGameData::Slots) Level[size_t(LevelPack)] = 1;
  if (save) profile->Save();
}

void TPlayer::NewLevelStats() {
  DeathCounter = 0;
  NoChecks = 0;
  Alive = 1;
  Kills = 0;
  MunchkinsFreed = 0;
  LevelStartScore = Score;
  TimeTaken = 0;
}

void TPlayer::ClearCounters() { DeathCounter = 0; }

int TPlayer::Manage() {
  int result = 0;
  if (DeathCounter > 0) {
    DeathCounter -= Delta;
    result = DeathEnd();
    if (result == -1) return -1;
  }
  if (!Board().Host().OutroRunning() && Grid && Grid->TargetMet == 0) TimeTaken += Delta;
  return result;
}

void TPlayer::Die() {
  Alive = 0;
  NoChecks = 1;
  DeathAnimLength = int(std::trunc(Board().Clock().AnimLength(5000)));
  DeathCounter = float(DeathAnimLength);
  // The profile keeps the totals of the last won level: the level only starts
  // again, so zeroing them here would lose the player's score to any save made
  // before the next win (closing the window during play saves the profile).
  if (Grid) Grid->StartNoMoreMoves();
}

void TPlayer::UpdateTotals() {
  TotalTimeTaken += TimeTaken;
  TotalKills += Kills;
}

int TPlayer::DeathEnd() {
  if (DeathCounter > 0) return 0;
  // Every death in play is followed by the level being built again, which clears
  // the count before it runs out; this ending is kept for a count that does.
  DeathCounter = 0;
  Lives -= 1;
  InputFlush();
  if (Lives < 0) {
    UpdateTotals();
    if (Screen) Screen->GameOver();
    return -1;
  }
  ClearCounters();
  NoChecks = 0;
  Alive = 1;
  if (Screen) Screen->ResumeAfterDeath();
  return 1;
}

void FormatScore(std::string& out, int score) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%06d", score);
  out.assign(buffer);
}

void FormatTime(std::string& out, double milliseconds) {
  const long long seconds = milliseconds > 0 ? (long long)(std::floor(milliseconds / 1000.0)) : 0;
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%lld: %02lld", seconds / 60, seconds % 60);
  out.assign(buffer);
}

std::string ScoreText(int score) {
  std::string s;
  FormatScore(s, score);
  return s;
}

std::string TimeText(double milliseconds) {
  std::string s;
  FormatTime(s, milliseconds);
  return s;
}
