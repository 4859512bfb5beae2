#include "game/PlayerProgress.h"

#include "core/Game.h"
#include "core/Settings.h"
#include "game/Board.h"
#include "player/Profile.h"

TPackProgress PlayerProgress;

void LoadCurrentProfile() {
  const std::string name = IsSafeProfileName(Settings().ProfileName) ? Settings().ProfileName : std::string();
  Game->CurrentProfile = TProfile::Create(name);
  Game->CurrentProfile->SaveUserFunction = SaveProfileData;
  Game->CurrentProfile->LoadUserFunction = LoadProfileData;
  Game->CurrentProfile->Load();
}

void SetCurrentPlayer(const std::string& name) {
  Settings().ProfileName = name;
  LoadCurrentProfile();
  Game->IniUpdate(1);
}

int InitNewProfile(TProfile&) {
  TProfileGameData fresh;
  fresh.Init();
  LevelPack = fresh.LevelPack;
  PlayerProgress.Level = fresh.Level;
  PlayerProgress.Unlocked = fresh.Unlocked;
  return 1;
}

int SaveProfileData(std::string& out) {
  TProfileGameData data;
  data.LevelPack = LevelPack;
  data.Level = PlayerProgress.Level;
  data.Unlocked = PlayerProgress.Unlocked;
  data.Write(out);
  return 1;
}

int LoadProfileData(TByteReader& in) {
  // Read whole before anything changes: a block cut short leaves the progress as it was.
  TProfileGameData data;
  data.Init();
  data.Read(in);
  data.Bound(LevelsPerPack);
  LevelPack = data.LevelPack;
  PlayerProgress.Level = data.Level;
  PlayerProgress.Unlocked = data.Unlocked;
  return 1;
}
