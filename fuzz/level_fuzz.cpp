// Feeds arbitrary bytes to the level reader, then fills the board, searches it
// for a move and runs a few logic steps, so that no level file, however
// damaged, can reach outside the board's tables.
#include "LevelBounds.h"
#include "core/Globals.h"
#include "game/Board.h"
#include "game/BoardClock.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "game/GemList.h"
#include "platform/Random.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Delta = 1.0f;  // every step a whole tick
  SeedRnd(uint32_t(size));
  LoadLevelWithinBounds(data, size);
  Grid->FillGrid();
  for (auto& g : Board().Gems->Items)
    if (g->GemType < 1 || g->GemType > 15) std::abort();
  Grid->NoMoreMoves(0);
  Grid->NoMoreMoves(3);
  Grid->DoMatches(0, 0);
  for (int i = 0; i < 100; ++i) Grid->Manage();
  Grid->Clear();
  Grid.reset();
  return 0;
}
