#include "game/Board.h"

#include "game/Cell.h"
#include "game/GameGrid.h"
#include "game/GemList.h"

std::shared_ptr<TGameGrid> Grid;
std::unique_ptr<TCell> Cells[MaxColumns][MaxRows];
std::shared_ptr<TGemList> Gems;
int GemTypes[15] = {};
int LevelBonuses[20] = {};
int LevelBonusCount = 0;
int LevelPack = 0;
int TopRows[MaxColumns][MaxEntries] = {};
int TopCount[MaxColumns] = {};
int DropPending[MaxColumns][MaxEntries] = {};

TCell* CellAt(int x, int y) {
  if (x < 0 || y < 0 || x >= MaxColumns || y >= MaxRows) return nullptr;
  return Cells[x][y].get();
}

TCell* PlayableAt(int x, int y) {
  TCell* c = CellAt(x, y);
  return c && c->active ? c : nullptr;
}

int GridX(int column) { return (Grid ? Grid->sx : 0) + column * CellSize; }
int GridY(int row) { return (Grid ? Grid->sy : 0) + row * CellSize; }

int ColumnAt(float px) {
  // Integer division truncating toward zero: a pixel just left of the board still gives column 0.
  return int(px - float(Grid ? Grid->sx : 0)) / CellSize;
}

int RowAt(float py) {
  float top = float(Grid ? Grid->sy : 0);
  if (py < top) return -1;
  return int(py - top) / CellSize;
}
