#include "game/BoardCursor.h"

#include "core/Input.h"
#include "game/Board.h"
#include "game/GameGrid.h"
#include "ui/FocusRing.h"
#include "ui/MousePointer.h"

void TBoardCursor::Step(int& x, int& y, int dx, int dy) {
  if (!Grid) return;
  for (int nx = x + dx, ny = y + dy; nx >= 0 && ny >= 0 && nx < Grid->levelwidth && ny < Grid->levelheight;
       nx += dx, ny += dy) {
    if (PlayableAt(nx, ny)) {
      x = nx;
      y = ny;
      return;
    }
  }
}

void TBoardCursor::Place() {
  x_ = y_ = -1;
  if (!Grid) return;
  const int mx = Grid->levelwidth / 2, my = Grid->levelheight / 2;
  int best = -1;
  for (int x = 0; x < Grid->levelwidth; ++x) {
    for (int y = 0; y < Grid->levelheight; ++y) {
      if (!PlayableAt(x, y)) continue;
      const int d = (x - mx) * (x - mx) + (y - my) * (y - my);
      if (best >= 0 && d >= best) continue;
      best = d;
      x_ = x;
      y_ = y;
    }
  }
}

void TBoardCursor::Keys() {
  if (!Grid) return;
  TMousePointer& mouse = Pointer();
  int dx = 0, dy = 0;
  if (InputKeyHit(37)) dx = -1;
  if (InputKeyHit(39)) dx = 1;
  if (InputKeyHit(38)) dy = -1;
  if (InputKeyHit(40)) dy = 1;
  bool pick = InputKeyHit(13) != 0;
  if (InputKeyHit(32)) pick = true;
  // The first key after the mouse only brings the cursor back where it was.
  if (dx || dy || pick) {
    const bool wasResting = mouse.Resting;
    mouse.Resting = 1;
    if (x_ < 0 || !PlayableAt(x_, y_)) {
      Place();
      dx = dy = 0;
    } else if (!wasResting) {
      dx = dy = 0;
      pick = false;
    }
  }
  if (!mouse.Resting) return;
  if (x_ >= 0 && !PlayableAt(x_, y_)) Place();
  if (x_ < 0) return;
  auto centre = [](int x, int y, TMousePointer& m) { m.RestAt(GridX(x) + CellSize / 2, GridY(y) + CellSize / 2); };
  if (dx && dy) dy = 0;  // both at once: across first
  if ((dx || dy) && Grid->Mode == 1 && Grid->PointerGemType == 0) {
    // A picked gem goes the way pressed, as if dragged there: the board's own rules
    // swap it, refuse it or swap it back. The cursor stays on its cell.
    centre(x_ + dx, y_ + dy, mouse);
    mouse.Tap();
    return;
  }
  if (dx || dy) Step(x_, y_, dx, dy);
  centre(x_, y_, mouse);
  if (pick) mouse.Tap();
}

void TBoardCursor::Draw() const {
  if (!Grid || x_ < 0 || !Pointer().Resting || !PlayableAt(x_, y_)) return;
  DrawFocusFrame(float(GridX(x_)), float(GridY(y_)), float(CellSize), float(CellSize), 4);
}
