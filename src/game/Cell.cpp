#include "game/Cell.h"

#include "game/Board.h"

std::unique_ptr<TCell> TCell::Create(int x, int y) {
  auto c = std::make_unique<TCell>();
  c->SetCoords(x, y);
  return c;
}

void TCell::SetCoords(int cx, int cy) {
  x = cx;
  y = cy;
  sx = float(GridX(cx));
  sy = float(GridY(cy));
}
