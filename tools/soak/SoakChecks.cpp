#include "SoakChecks.h"

#include <cstdint>

#include "core/IniFile.h"
#include "game/Board.h"
#include "player/ByteStream.h"
#include "player/Profile.h"
#include "player/ProfileGameData.h"

namespace {
// The one-time record the level-complete page spends on the gallery picture of a
// fifth classic level.
int GalleryRecord(int level) { return level / 5 + 88; }
}  // namespace

std::vector<std::pair<std::string, int>> AbsurdSettings() {
  return {{"PARTICLES", INT32_MAX},
          {"SOUND VOLUME", INT32_MAX},
          {"MUSIC VOLUME", INT32_MIN},
          {"SPEECH VOLUME", INT32_MIN},
          {"SCREENSHAKE", INT32_MAX},
          {"WINDOWED PROCESS PRIORITY", INT32_MAX},
          {"WINDOWED THREAD PRIORITY", INT32_MIN},
          {"FULL SCREEN THREAD PRIORITY", INT32_MAX}};
}

std::vector<std::string> ProfileFaults(const std::string& bytes, const TSoakExpectations& expected) {
  std::vector<std::string> faults;
  if (bytes.empty()) return {"the profile file is missing or empty"};
  // A profile object of its own: the game's current profile and progress stay untouched.
  TProfile profile;
  TProfileGameData data;
  bool gameBlock = false;
  profile.LoadUserFunction = [&](TByteReader& in) {
    data.Read(in);
    gameBlock = true;
    return 1;
  };
  try {
    if (profile.Decode(bytes) == 0) return {"the profile file reads as corrupt"};
  } catch (const TShortRead&) {
    return {"the profile file ends too early"};
  }
  // The game reads a file cut inside the unused pack slots, but it always writes them all.
  if (bytes.size() < TProfile::HeadSize + TProfileGameData::Size) return {"the profile file ends too early"};
  if (!gameBlock) return {"the profile file has no game block"};
  const int next = expected.LevelsWon + 1;
  if (data.LevelPack != 0)
    faults.push_back("the profile names pack " + std::to_string(data.LevelPack) + ", not the classic pack");
  if (next <= LevelsPerPack && data.Level[0] != next)
    faults.push_back("the profile's next classic level is " + std::to_string(data.Level[0]) + ", not " +
                     std::to_string(next));
  if (data.Unlocked[0] < next)
    faults.push_back("the profile unlocks classic levels up to " + std::to_string(data.Unlocked[0]) + ", not " +
                     std::to_string(next));
  for (int level = 5; level <= expected.LevelsWon && level <= LevelsPerPack; level += 5)
    if (profile.HintsShown[size_t(GalleryRecord(level))] == 0)
      faults.push_back("the gallery picture of level " + std::to_string(level) + " is not recorded as shown");
  for (int level = expected.LevelsWon + 1; level <= LevelsPerPack; ++level)
    if (level % 5 == 0 && profile.HintsShown[size_t(GalleryRecord(level))] != 0)
      faults.push_back("the gallery picture of level " + std::to_string(level) + ", not yet won, is recorded");
  return faults;
}

std::vector<std::string> SettingsFaults(const std::string& bytes, const TSoakExpectations& expected) {
  if (bytes.empty()) return {"the settings file is missing or empty"};
  // Read with the settings reader, over empty values so that a missing key shows.
  TIniFile ini;
  ini.Add("PROFILE NAME", "");
  ini.Add("MUSIC VOLUME", "");
  if (expected.Absurd)
    for (const auto& setting : AbsurdSettings())
      if (!ini.Find(setting.first)) ini.Add(setting.first, "");
  ini.Overlay(bytes);
  std::vector<std::string> faults;
  const std::string* name = ini.Find("PROFILE NAME");
  if (!name || *name != expected.Player)
    faults.push_back("the settings name the player \"" + (name ? *name : std::string()) + "\", not \"" +
                     expected.Player + "\"");
  if (expected.MusicVolume >= 0) {
    const std::string* volume = ini.Find("MUSIC VOLUME");
    if (!volume || *volume != std::to_string(expected.MusicVolume))
      faults.push_back("the settings hold music volume \"" + (volume ? *volume : std::string()) + "\", not " +
                       std::to_string(expected.MusicVolume));
  }
  if (expected.Absurd)
    for (const auto& [key, value] : AbsurdSettings()) {
      if (key == "MUSIC VOLUME" && expected.MusicVolume >= 0) continue;
      const std::string* kept = ini.Find(key);
      if (!kept || *kept != std::to_string(value))
        faults.push_back("the settings hold " + key + "=" + (kept ? *kept : std::string()) + ", not the " +
                         std::to_string(value) + " written");
    }
  return faults;
}
