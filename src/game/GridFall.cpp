// Falling and refilling: entry cells, new gems streaming in from above each
// column segment, pixel falling with spacing, landing and the cascade search.
#include <algorithm>
#include <cmath>

#include "core/Globals.h"
#include "game/BoardHost.h"
#include "game/BoardSound.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "game/GemList.h"
#include "platform/Random.h"

namespace {
constexpr float FallStart = 0.04f;
constexpr float FallAccel = 0.04f;
constexpr float FallLimit = 2.0f;
constexpr float FallPause = 6;  // steps between gems starting to fall
}  // namespace

void TGameGrid::TopRowYCalc() {
  TBoard& board = Board();
  for (int x = 0; x < MaxColumns; ++x) {
    board.TopCount[x] = 0;
    for (int k = 0; k < MaxEntries; ++k) board.TopRows[x][k] = 0;
  }
  for (int x = 0; x < levelwidth; ++x) {
    for (int y = 0; y < levelheight; ++y) {
      bool above = y > 0 && PlayableAt(x, y - 1);
      // Entries past the table's six are left without a feed rather than written out of bounds.
      if (PlayableAt(x, y) && !above && board.TopCount[x] < MaxEntries) board.TopRows[x][board.TopCount[x]++] = y;
    }
    if (board.TopCount[x] == 0) board.TopRows[x][0] = -1;
  }
}

void TGameGrid::TopRowClear() {
  TBoard& board = Board();
  for (int x = 0; x < MaxColumns; ++x)
    for (int k = 0; k < MaxEntries; ++k) board.TopRows[x][k] = board.DropPending[x][k] = 0;
}

void TGameGrid::CheckTopRow() {
  TBoard& board = Board();
  if (!MakeNewGems || NoMore || !board.Gems) return;
  for (int x = 0; x < levelwidth; ++x)
    for (int k = 0; k < board.TopCount[x]; ++k) {
      TCell* c = PlayableAt(x, board.TopRows[x][k]);
      if (!c || c->Gem || board.DropPending[x][k] != 0) continue;
      TGemRef gem = TGem::Make(x, board.TopRows[x][k], TGem::Random(), 1);
      gem->SetDropInY();
      if (float(Rand(1, 10000)) < 1000.0f * Delta) gem->CreateMunchkin();
      board.Gems->InsertGem(gem);
      board.DropPending[x][k] += 1;
    }
}

int TGameGrid::DropGems() {
  TBoardHost& host = Board().Host();
  if (DropGemsFlag == 0 || NoMoreCounter > 0 || host.OutroRunning() || !Board().Gems) return 0;
  const float delta = Delta;
  CheckTopRow();
  bool busy = false;

  if (FallCounter <= 0) {
    for (int y = 0; y <= levelheight - 2; ++y)
      for (int x = 0; x < levelwidth; ++x) {
        TCell* c = CellAt(x, y);
        if (!c || !c->Gem) continue;
        TGem& g = *c->Gem;
        if (g.locked || g.dy != 0 || g.GemType == -1 || g.Swapping) continue;
        TCell* below = PlayableAt(x, y + 1);
        if (!below || below->Gem) continue;
        if (Selected(x, y)) {
          CursorClear();
          RestorePointer();
        }
        g.dy = FallStart;
        c->Gem.reset();
        FallCounter = FallPause;
        busy = true;
      }
  }
  if (FallCounter > 0) FallCounter -= delta;

  bool anyFalling = false, landed = false;
  auto& items = Board().Gems->Items;
  for (auto it = items.begin(); it != items.end();) {
    TGem& g = **it;
    if (!(g.dy > 0) || g.Swapping) {
      ++it;
      continue;
    }
    busy = anyFalling = true;
    const int oldRow = g.gy;
    const float oldY = std::trunc(g.y);
    g.y += g.dy * delta;
    g.dy = std::min(g.dy + FallAccel * delta, FallLimit);

    for (auto& other : items) {
      if (other->Swapping) continue;
      if (!(other->y > g.y)) break;
      if (other->dy > 0 && other->x == g.x && other->y - g.y < float(TGem::h)) {
        g.dy = FallStart;
        g.y = oldY;
        break;
      }
    }

    g.gx = ColumnAt(g.x);
    g.gy = RowAt(g.y);
    const int col = g.gx;
    if (col >= 0 && col < MaxColumns && Board().TopCount[col] > 0 && g.gy >= Board().TopRows[col][0]) {
      if (g.gy > oldRow)
        for (int k = Board().TopCount[col] - 1; k >= 0; --k)
          if (oldRow < Board().TopRows[col][k] && Board().TopRows[col][k] <= g.gy) {
            Board().DropPending[col][k] -= 1;
            break;
          }
      bool lands = g.gy >= levelheight - 1;
      if (!lands) {
        TCell* below = PlayableAt(col, g.gy + 1);
        lands = !below || (below->Gem && below->Gem->GemType != -1);
      }
      if (lands) {
        TCell* home = PlayableAt(col, g.gy);
        g.y = float(GridY(g.gy));
        g.dy = 0;
        if (!home) {
          // The gem was stopped above its entry (the entry was filled by a move
          // meanwhile): it has nowhere to rest, so it leaves the board and its
          // entry may be fed again.
          TBoard& board = Board();
          for (int k = 0; k < board.TopCount[col]; ++k)
            if (board.TopRows[col][k] == g.gy + 1 && board.DropPending[col][k] > 0) board.DropPending[col][k] -= 1;
          it = items.erase(it);
          continue;
        }
        home->Gem = *it;
        landed = true;
      }
    }
    ++it;
  }

  if (anyFalling) Board().Gems->SortAll();
  if (landed) {
    Board().Sound().PlayLand(LandSound);
    host.KillsAdd(DoMatches(0, 0));
  }
  if (BlockInput != 1) BlockInput = busy ? 1 : 0;
  return 1;
}
