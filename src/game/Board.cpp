#include "game/Board.h"

#include "game/BoardClock.h"
#include "game/BoardEffects.h"
#include "game/BoardHost.h"
#include "game/BoardSound.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "game/GemList.h"

std::shared_ptr<TGameGrid> Grid;
int LevelPack = 0;

TBoard::TBoard(TBoardSeams seams) : seams_(std::move(seams)) {}
TBoard::~TBoard() = default;

TBoardClock& TBoard::Clock() const {
  static TBoardClock standard;
  return seams_.Clock ? *seams_.Clock : standard;
}

TBoardEffects& TBoard::Effects() const {
  static TBoardEffects silent;
  return seams_.Effects ? *seams_.Effects : silent;
}

TBoardSound& TBoard::Sound() const {
  static TBoardSound silent;
  return seams_.Sound ? *seams_.Sound : silent;
}

TBoardHost& TBoard::Host() const {
  static TBoardHost alone;
  return seams_.Host ? *seams_.Host : alone;
}

TBoard& Board() {
  static TBoard none;
  return Grid ? Grid->Board() : none;
}

TCell* CellAt(int x, int y) {
  if (x < 0 || y < 0 || x >= MaxColumns || y >= MaxRows) return nullptr;
  return Board().Cells[x][y].get();
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
