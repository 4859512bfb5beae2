// What the soak player expects to find on disk after its run: the player's profile,
// read back through the game's own profile reader, holding the level reached and the
// gallery pictures unlocked, and the settings file holding the player and the last
// volume set on the options screen.
#pragma once
#include <string>
#include <utility>
#include <vector>

// Settings written as a careless hand might write them: numbers at both ends of what the
// file can hold. The file keeps them as they are; the game must bound what it does with them.
std::vector<std::pair<std::string, int>> AbsurdSettings();

struct TSoakExpectations {
  std::string Player;
  // Classic levels won in a row from level 1 by a new player.
  int LevelsWon = 0;
  // The music volume the options screen was last left with; < 0 when never visited.
  int MusicVolume = -1;
  // The run started from AbsurdSettings(), which the file must still hold (but for the
  // music volume when the options screen set it).
  bool Absurd = false;
};

// One sentence per way the profile file's bytes disagree with the run (none: as expected).
std::vector<std::string> ProfileFaults(const std::string& profileBytes, const TSoakExpectations& expected);
// The same for the settings file's bytes.
std::vector<std::string> SettingsFaults(const std::string& settingsBytes, const TSoakExpectations& expected);
