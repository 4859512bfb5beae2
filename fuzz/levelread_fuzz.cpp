// Feeds arbitrary bytes to the level reader alone, many times faster than the target
// that also plays the board, so that a long campaign reaches far into the reader's
// corners: whatever the file says, the board's sizes and tables stay in bounds.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "game/Board.h"
#include "game/Cell.h"
#include "game/GameGrid.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Grid = TGameGrid::Create();
  Grid->LoadText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (Grid->levelwidth < 1 || Grid->levelwidth > MaxColumns || Grid->levelheight < 1 ||
      Grid->levelheight > MaxRows || LevelBonusCount > MaxLevelBonuses)
    std::abort();
  for (int x = 0; x < MaxColumns; ++x)
    if (TopCount[x] > MaxEntries) std::abort();
  Grid->Clear();
  Grid.reset();
  return 0;
}
