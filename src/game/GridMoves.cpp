// The legal-move search: every exchange of neighbours tried in place, in a
// fixed order that the hint numbers refer to.
#include <algorithm>

#include "game/BoardClock.h"
#include "game/BoardHost.h"
#include "game/Cell.h"
#include "game/GameGrid.h"

namespace {
int TypeAt(int x, int y) {
  TCell* c = CellAt(x, y);
  return c && c->Gem ? c->Gem->GemType : 0;
}
bool IsOrdinary(int t) { return t >= 1 && t <= 7; }
}  // namespace

// Looks for three of a kind along one axis (across two neighbouring lines) in the window
// of cells a swap at (x, y) can have changed.
int TGameGrid::DoQuickMatch(int x, int y, bool horizontal) {
  HintGemType = 0;
  const int lines = horizontal ? levelheight : levelwidth;
  const int length = horizontal ? levelwidth : levelheight;
  const int line0 = horizontal ? y : x, along0 = horizontal ? x : y;
  for (int line = line0; line <= std::min(line0 + 1, lines - 1); ++line) {
    int previous = 0, run = 0;
    const int first = std::max(along0 - 2, 0), last = std::min(along0 + 3, length - 1);
    for (int i = first; i <= last; ++i) {
      int t = horizontal ? TypeAt(i, line) : TypeAt(line, i);
      if (i == first || !IsOrdinary(t) || t != previous)
        run = IsOrdinary(t) ? 1 : 0;
      else if (++run >= 3) {
        HintGemType = t;
        return 1;
      }
      previous = t;
    }
  }
  return 0;
}

int TGameGrid::DoQuickMatchHoriz(int x, int y) { return DoQuickMatch(x, y, true); }

int TGameGrid::DoQuickMatchVert(int x, int y) { return DoQuickMatch(x, y, false); }

int TGameGrid::TestMove(int n, int x1, int y1, int x2, int y2, const TGemRef& gem, int& swapped,
                        int& found, int& count) {
  TCell* target = PlayableAt(x2, y2);
  TCell* source = CellAt(x1, y1);
  if (!target || !source) return 0;
  if (target->Gem && (target->Gem->locked || target->Gem->GemType == -1)) return 0;
  source->Gem = target->Gem;
  target->Gem = gem;
  swapped = 1;
  for (int check = 0; check < 2; ++check) {
    int line = check == 0 ? DoQuickMatchHoriz(x1, y1) : DoQuickMatchVert(x1, y1);
    if (!line) continue;
    if (n == 0) {
      found = 1;
      return 1;
    }
    if (++count >= n) {
      found = 1;
      return 1;
    }
  }
  target->Gem = source->Gem;
  return 0;
}

int TGameGrid::NoMoreMoves(int n) {
  int count = 0, found = 0, swapped = 0;
  int fx = -1, fy = -1, tx = -1, ty = -1;
  TGemRef gem;
  for (int y = 0; y < levelheight && !found; ++y)
    for (int x = 0; x < levelwidth && !found; ++x) {
      TCell* cell = PlayableAt(x, y);
      if (!cell || (cell->Gem && cell->Gem->locked)) continue;
      gem = cell->Gem;
      const int type = gem ? gem->GemType : 0;
      fx = x;
      fy = y;
      if (type > 7) {
        tx = ty = -1;
        swapped = 0;
        if (n == 0 || ++count >= n) {
          found = 1;
          break;
        }
      }
      if (type != -1) {
        if (y < levelheight - 1 && TestMove(n, x, y, x, y + 1, gem, swapped, found, count)) {
          tx = x;
          ty = y + 1;
          break;
        }
        if (x < levelwidth - 1 && TestMove(n, x, y, x + 1, y, gem, swapped, found, count)) {
          tx = x + 1;
          ty = y;
          break;
        }
      }
      cell->Gem = gem;
    }

  if (!found) {
    if (n > 0 && count > 0) HintCurrent = 1;
    DebugX = DebugY = -1;
    return 1;
  }
  TCell* source = CellAt(fx, fy);
  if (swapped && tx >= 0) {
    TCell* target = CellAt(tx, ty);
    target->Gem = source->Gem;
    source->Gem = gem;
  }
  const bool hasTarget = tx >= 0;
  if (!gem || (hasTarget && gem->GemType > 7)) {
    DebugX = tx;
    DebugY = ty;
  } else if (gem->GemType == HintGemType || !hasTarget) {
    DebugX = fx;
    DebugY = fy;
  } else {
    DebugX = tx;
    DebugY = ty;
  }
  return 0;
}
