// Where the player stands in each level pack, and the ties between the game and
// the current profile: the profile file's game block is written from here and
// read back into here, and every new player starts at level 1 of the first pack.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "player/ByteStream.h"
#include "player/ProfileGameData.h"

class TProfile;

// Per pack slot: the level to play next and the highest level that may be chosen.
// The pack being played is LevelPack (game/Board.h).
struct TPackProgress {
  std::array<int32_t, TProfileGameData::Slots> Level{};
  std::array<int32_t, TProfileGameData::Slots> Unlocked{};
};
extern TPackProgress PlayerProgress;

// The player named by the settings becomes the current profile, read from its file
// (made when missing). A name that cannot safely name a file is used as the empty name.
void LoadCurrentProfile();
// Makes the player current and remembers the name in the settings.
void SetCurrentPlayer(const std::string& name);
// Installed at start-up as the profile type's new-profile function.
int InitNewProfile(TProfile& profile);
// The profile's hooks for the game block.
int SaveProfileData(std::string& out);
// Numbers that would point outside the packs or levels are replaced by starting values.
int LoadProfileData(TByteReader& in);
