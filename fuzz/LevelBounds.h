// What both level targets hold the reader to: whatever the bytes say, the board it
// leaves behind has sizes and tables within their limits.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/Board.h"
#include "game/Cell.h"
#include "game/GameGrid.h"

// Reads the bytes as a level into a fresh Grid; aborts (the fuzzer's finding) on
// anything out of bounds.
inline void LoadLevelWithinBounds(const uint8_t* data, size_t size) {
  Grid = TGameGrid::Create();
  Grid->LoadText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (Grid->levelwidth < 1 || Grid->levelwidth > MaxColumns || Grid->levelheight < 1 ||
      Grid->levelheight > MaxRows || Board().LevelBonusCount > MaxLevelBonuses)
    std::abort();
  for (int x = 0; x < MaxColumns; ++x)
    if (Board().TopCount[x] > MaxEntries) std::abort();
}
