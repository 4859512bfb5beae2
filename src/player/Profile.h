// One player's progress and its file in the profile folder: a few framework
// fields, one hundred one-time records (level-start hints, first-time
// instructions, gallery unlocks) and a block of the game's own data.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "player/ByteStream.h"

class TProfile;
using TProfilePtr = std::shared_ptr<TProfile>;

class TProfile {
 public:
  static constexpr int MAX_HINTS = 100;
  // The first five words are stored with a growing key added, so the file does not
  // show the numbers plainly.
  static constexpr uint32_t BaseKey = 3961253;
  static constexpr uint32_t KeyStep = 1789447;
  // Everything before the game's own block.
  static constexpr size_t HeadSize = 440;
  // A profile is a few hundred bytes; a file past this (the settings file's own limit)
  // is damage and is not read into memory.
  static constexpr size_t MaxFileBytes = 1 << 20;

  // Extension of profile files (no dot).
  static inline std::string FileExtension = "dat";
  // Called with every profile Create makes, so the game can reset its own data for a
  // new player.
  static inline std::function<int(TProfile&)> CreateUserFunction;

  // A new profile: Init(name), then CreateUserFunction. Nothing is read or written.
  static TProfilePtr Create(const std::string& name);

  // Starting values for a new player; the hooks are left alone.
  void Init(const std::string& name);
  void ClearHints() { HintsSet(0); }
  void HintsSet(int value);
  // 1 the first time for each record (marking it, and saving when save != 0), else 0.
  // Indexes outside 0..99 answer 0 and change nothing.
  int ShowHint(int index, int save);

  // Writes the file; up to five attempts, then the failure and its reason are reported
  // (once a run for each file and reason). Nothing is written while SaveBlocked is set or
  // when the name names no file of its own.
  void Save();
  // One write: 1 written, 0 when the file cannot be created (the reason in LastFailure).
  int SaveAttempt();
  // Reads the file; a missing file is created from the values in memory. 1 when the
  // profile is in memory, 0 when the file could not be read or is corrupt: that is
  // reported with the reason, and SaveBlocked is set so the file is never replaced.
  int Load();
  int LoadAttempt();

  // The file's path in the profile folder. A name that could reach outside the folder
  // (a separator, a control character, "." or "..") is used as the empty name.
  std::string FilePath() const;
  // Whether the name names a file of its own: not empty, and safe as IsSafeProfileName says.
  bool HasFileName() const;

  // The file bytes: the head, then whatever SaveUserFunction appends.
  std::string Encode() const;
  // Lays file bytes over the fields. Returns 0 without changing anything when the first
  // word is 0 (a corrupt file), else 1. Throws TShortRead when the bytes end too early.
  int Decode(const std::string& bytes);

  std::string Name;
  int32_t CurrentLevel = 0;
  int32_t LockedLevel = 0;
  int32_t Score = 0;
  int32_t Lives = 0;
  int32_t Kills = 0;
  double TimeTaken = 0.0;
  int32_t Difficulty = 0;
  int32_t TipsFlag = 0;
  int32_t InstructionsFlag = 0;
  std::array<int32_t, MAX_HINTS> HintsShown{};
  // The game's own data after the hint records: one appends it, the other reads it back.
  std::function<int(std::string& out)> SaveUserFunction;
  std::function<int(TByteReader& in)> LoadUserFunction;
  // Set when the last load found the file corrupt.
  int loadingError = 0;
  // Set when the last load failed on a file that exists, or when the player was deleted:
  // the file may still hold the player's progress (made unreadable for a while, cut
  // short by a copy), so this run's values are never saved over it. Load clears it.
  int SaveBlocked = 0;
  // Why the last read or write failed, as the system says it.
  std::string LastFailure;
};

// Whether a player name can name a file in the profile folder without reaching outside it.
bool IsSafeProfileName(const std::string& name);

// Saves the current player when the program ends while a level is being played, so the
// level reached survives closing the window.
void SaveProfileIfPlaying();
