// The game's own block at the end of a profile file: the level pack being played
// and, for each of ten pack slots, the level to play next and the highest level
// the player may choose. Only slots 0 and 1 belong to a pack today.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "player/ByteStream.h"

struct TProfileGameData {
  static constexpr int Slots = 10;
  static constexpr int PacksInUse = 2;
  // 84 bytes: the pack, then a (level, unlocked) pair per slot.
  static constexpr size_t Size = 4 + 8 * Slots;

  int32_t LevelPack = 0;
  std::array<int32_t, Slots> Level{};
  std::array<int32_t, Slots> Unlocked{};

  // A new player: the first pack, level 1 everywhere.
  void Init();
  void Write(std::string& out) const;
  // Throws TShortRead when the block ends before the slots in use; slots past the end
  // of a shorter block keep the values they had.
  void Read(TByteReader& in);
  // Numbers from a damaged file become starting values before anything indexes with
  // them: a pack outside the packs in use, a level outside 1..levelsPerPack, an unlocked
  // level below 1. Unlocked levels above the last stay: one past it marks a finished pack.
  // Unused slots are kept as they were read.
  void Bound(int levelsPerPack);
};
