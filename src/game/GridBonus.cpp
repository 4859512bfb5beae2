// Bonus pieces acting on the board: the bomb, the two crackers and the paint pot
// act where they are pressed; the star, the brush and the key ride on the pointer
// to the cell they act on. A full power gauge widens each one's reach once.
#include <algorithm>
#include <cstdlib>

#include "game/BoardEffects.h"
#include "game/BoardHost.h"
#include "game/BoardSound.h"
#include "game/Cell.h"
#include "game/GameGrid.h"

namespace {
float CentreOf(int column) { return float(GridX(column) + CellSize / 2); }
float MiddleOf(int row) { return float(GridY(row) + CellSize / 2); }
}  // namespace

int TGameGrid::BonusArea(int x, int y, int power, int (&cells)[25][2]) const {
  const int reach = power == 2 ? 2 : 1;
  int n = 0;
  for (int ax = x - reach; ax <= x + reach; ++ax)
    for (int ay = y - reach; ay <= y + reach; ++ay) {
      if (reach == 2 && std::abs(ax - x) == 2 && std::abs(ay - y) == 2) continue;
      if (ax < 0 || ay < 0 || ax >= levelwidth || ay >= levelheight || !PlayableAt(ax, ay)) continue;
      cells[n][0] = ax;
      cells[n][1] = ay;
      ++n;
    }
  return n;
}

void TGameGrid::UseBonus(int x, int y, int type) {
  HintEnd();
  const int power = BonusPower == 2 ? 2 : 1;
  int locked = 0;
  int cells[25][2];
  if (type == 8) {
    MunchkinPlaying = 0;
    const int n = BonusArea(x, y, power, cells);
    for (int i = 0; i < n; ++i) locked |= DestroySquare(cells[i][0], cells[i][1]);
    PlayMunchkinSound();
    Board().Sound().Play(ExplodeSound);
    if (locked) Board().Sound().Play(UnlockSound);
    EmptyGauge();
  } else if (type == 9 || type == 10) {
    MunchkinPlaying = 0;
    const bool row = type == 9;
    const int at = row ? y : x;
    const int last = row ? levelheight - 1 : levelwidth - 1;
    const int span = row ? levelwidth : levelheight;
    for (int line = std::max(0, at - (power - 1)); line <= std::min(last, at + (power - 1)); ++line) {
      for (int i = 0; i < span; ++i) locked |= row ? DestroySquare(i, line) : DestroySquare(line, i);
      if (row)
        Board().Effects().CrackerFlyers(CentreOf(x), MiddleOf(line), 1);
      else
        Board().Effects().CrackerFlyers(CentreOf(line), MiddleOf(y), 0);
    }
    PlayMunchkinSound();
    if (row) {
      Board().Sound().Play(HornSound);
      if (locked) Board().Sound().Play(UnlockSound);
    } else {
      if (locked) Board().Sound().Play(UnlockSound);
      Board().Sound().Play(TornadoSound);
    }
    EmptyGauge();
  } else if (type == 12) {
    int removed = 0;
    const int n = BonusArea(x, y, power, cells);
    for (int i = 0; i < n; ++i) {
      TCell* c = CellAt(cells[i][0], cells[i][1]);
      if (c->Gem && c->Gem->locked) continue;
      removed |= RemoveGold(cells[i][0], cells[i][1]);
    }
    DestroySquare(x, y);
    Board().Effects().IceSparks(CentreOf(x), MiddleOf(y), 20);
    Board().Sound().Play(PaintpotSound);
    if (removed) Board().Sound().Play(MatchSound, MatchPitch);
    EmptyGauge();
  } else {
    return;
  }
  Board().Host().ResetHintShowCounter();
}

int TGameGrid::UseTarget(int x, int y, int type) {
  HintEnd();
  const int power = BonusPower == 2 ? 2 : 1;
  auto gemAt = [](int gx, int gy) -> TGem* {
    TCell* c = PlayableAt(gx, gy);
    return c && c->Gem ? c->Gem.get() : nullptr;
  };
  // The target and its four neighbours inside the level.
  auto cross = [&](int (&cells)[25][2]) {
    static const int step[5][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    int n = 0;
    for (const auto& s : step) {
      int ax = x + s[0], ay = y + s[1];
      if (ax < 0 || ay < 0 || ax >= levelwidth || ay >= levelheight || !PlayableAt(ax, ay)) continue;
      cells[n][0] = ax;
      cells[n][1] = ay;
      ++n;
    }
    return power == 2 ? n : std::min(n, 1);
  };
  int cells[25][2];

  if (type == 11) {
    MunchkinPlaying = 0;
    int n = 0;
    if (power == 2) {
      n = BonusArea(x, y, 1, cells);
    } else if (PlayableAt(x, y)) {
      cells[0][0] = x;
      cells[0][1] = y;
      n = 1;
    }
    int counted = 0, locked = 0;
    for (int i = 0; i < n; ++i) {
      TGem* g = gemAt(cells[i][0], cells[i][1]);
      if (!g || g->GemType == -1) continue;
      ++counted;
      locked |= DestroySquare(cells[i][0], cells[i][1]);
    }
    if (counted) {
      Board().Sound().Play(StarSound);
      if (locked) Board().Sound().Play(UnlockSound);
      PlayMunchkinSound();
      Board().Sound().Play(MatchNoBrickSound, MatchPitch);
      EmptyGauge();
    } else {
      Board().Sound().Play(InvalidSound);
    }
  } else if (type == 13) {
    if (TGem* g = gemAt(x, y); g && g->locked) {
      Board().Sound().Play(LockedSound);
      return 0;
    }
    int removed = 0;
    const int n = cross(cells);
    for (int i = 0; i < n; ++i) {
      TGem* g = gemAt(cells[i][0], cells[i][1]);
      if (g && g->locked) continue;
      removed |= RemoveGold(cells[i][0], cells[i][1]);
    }
    if (removed) {
      Board().Sound().Play(BrushSound);
      Board().Sound().Play(MatchSound, MatchPitch);
      EmptyGauge();
    } else {
      Board().Sound().Play(BrushInvalidSound);
    }
  } else if (type == 14) {
    int unlocked = 0;
    const int n = cross(cells);
    for (int i = 0; i < n; ++i) {
      TGem* g = gemAt(cells[i][0], cells[i][1]);
      if (!g || !g->locked) continue;
      g->Unlock();
      unlocked = 1;
    }
    if (unlocked) {
      Board().Sound().Play(UnlockSound);
      EmptyGauge();
    } else {
      Board().Sound().Play(InvalidSound);
    }
  } else {
    return 0;
  }

  // The piece is used up whatever it did.
  DestroySquare(cx, cy);
  if (type == 11) Board().Effects().Fireballs(CentreOf(x), MiddleOf(y), 60);
  if (type == 14) Board().Effects().Fireballs(CentreOf(x), MiddleOf(y), 30);
  RestorePointer();
  Board().Host().ResetHintShowCounter();
  return 1;
}
