// Moves and lines: the slide of two gems, the decision whether a move stands,
// the line search and the bursts with their scores, bricks, locks and bonuses.
#include <string>

#include "core/Globals.h"
#include "game/BoardEffects.h"
#include "game/BoardHost.h"
#include "game/BoardSound.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "game/GemList.h"
#include "platform/Random.h"

void TGameGrid::StartSwap() {
  dx = mx;
  dy = my;
  HintEnd();
  TCell* src = CellAt(cx, cy);
  TCell* dst = CellAt(dx, dy);
  if (!src || !src->Gem || !dst) return;
  const float factor = 50.0f / SwapTime;
  if (dst->Gem) {
    dst->Gem->dx = float(cx - dx) * factor;
    dst->Gem->dy = float(cy - dy) * factor;
    dst->Gem->Swapping = 1;
    SwapDest = dst->Gem;
  } else {
    SwapDest.reset();
  }
  src->Gem->dx = float(dx - cx) * factor;
  src->Gem->dy = float(dy - cy) * factor;
  src->Gem->Swapping = 1;
  SwapSource = src->Gem;
  Board().Sound().Play(SwapSound);
  SwapCounter = SwapTime;
}

void TGameGrid::SwapManage() {
  if (SwapCounter <= 0) return;
  SwapCounter -= Delta;
  if (SwapCounter > 0) {
    if (SwapSource) SwapSource->Move();
    if (SwapDest) SwapDest->Move();
  } else {
    SwapCounter = 0;
    SwapGems();
  }
}

void TGameGrid::SwapGems() {
  if (NoMoreCounter > 0 && NoMore && JiggleDirection == 0) return;
  auto settle = [](const TGemRef& g, int x, int y) {
    if (!g) return;
    g->CalcCoords(x, y);
    g->Stop();
    g->Swapping = 0;
  };
  TCell* src = CellAt(cx, cy);
  TCell* dst = CellAt(dx, dy);

  if (FailedMove == 1) {
    FailedMove = 0;
    settle(SwapSource, cx, cy);
    settle(SwapDest, dx, dy);
    SwapSource.reset();
    SwapDest.reset();
    CursorClear();
    Board().Host().KillsAdd(DoMatches(0, 0));
    return;
  }
  if (!src || !dst || !SwapSource) {
    // Nothing left to exchange (the board was rebuilt under the slide).
    settle(SwapSource, cx, cy);
    settle(SwapDest, dx, dy);
    SwapSource.reset();
    SwapDest.reset();
    CursorClear();
    return;
  }

  if (MoveNeedsMatchFlag) {
    if (!SwapDest && dst->Gem) {
      SwapReverse();
      return;
    }
    src->Gem = SwapDest;
    dst->Gem = SwapSource;
    int found = DoMatches(1, 1);
    bool stands = found > 0 && (src->match || dst->match);
    src->Gem = SwapSource;
    dst->Gem = SwapDest;
    if (!stands) {
      ClearMatches();
      SwapReverse();
      return;
    }
  }

  src->Gem = SwapDest;
  dst->Gem = SwapSource;
  SwapSource->CalcCoords(dx, dy);
  if (SwapDest) SwapDest->CalcCoords(cx, cy);
  if (NoMoreCounter == 0) {
    SwapSource->Stop();
    SwapSource->Swapping = 0;
    if (SwapDest) {
      SwapDest->Stop();
      SwapDest->Swapping = 0;
    }
  }
  SwapSource.reset();
  SwapDest.reset();
  CursorClear();
  if (Board().Gems) Board().Gems->SortAll();
  // The marks of the trial search are redone by the real one.
  ClearMatches();
  if (NoMoreCounter == 0) Board().Host().KillsAdd(DoMatches(0, 0));
}

void TGameGrid::SwapReverse() {
  if (NoMoreCounter == 0) Board().Sound().Play(FailedSound);
  for (TGem* g : {SwapSource.get(), SwapDest.get()})
    if (g) {
      g->dx = -g->dx;
      g->dy = -g->dy;
    }
  SwapCounter = SwapTime;
  FailedMove = 1;
}

int TGameGrid::DoMatches(int countOnly, int includeSwapping) {
  auto usable = [&](int x, int y) -> TGem* {
    TCell* c = CellAt(x, y);
    if (!c || !c->Gem) return nullptr;
    TGem* g = c->Gem.get();
    if (g->GemType < 1 || g->GemType > 7) return nullptr;
    if (g->Swapping && !includeSwapping) return nullptr;
    return g;
  };
  int total = 0;
  // Rows, then columns: a run of three or more is marked and the scan resumes after it.
  for (int pass = 0; pass < 2; ++pass) {
    const int lines = pass == 0 ? levelheight : levelwidth;
    const int length = pass == 0 ? levelwidth : levelheight;
    for (int line = 0; line < lines; ++line) {
      auto at = [&](int i) { return pass == 0 ? usable(i, line) : usable(line, i); };
      int i = 0;
      while (i <= length - 3) {
        TGem* start = at(i);
        if (!start) {
          ++i;
          continue;
        }
        int run = 1;
        while (i + run < length) {
          TGem* next = at(i + run);
          if (!next || next->GemType != start->GemType) break;
          ++run;
        }
        if (run >= 3) {
          for (int k = 0; k < run; ++k) {
            TCell* c = pass == 0 ? CellAt(i + k, line) : CellAt(line, i + k);
            c->match = 1;
          }
          total += run;
          i += run;
        } else {
          ++i;
        }
      }
    }
  }

  MunchkinPlaying = 0;
  int count = 0;
  for (int x = 0; x < levelwidth; ++x)
    for (int y = 0; y < levelheight; ++y)
      if (TCell* c = CellAt(x, y); c && c->match) ++count;
  if (countOnly) return count;

  int unlocked = 0, removed = 0;
  for (int x = 0; x < levelwidth; ++x)
    for (int y = 0; y < levelheight; ++y) {
      TCell* c = CellAt(x, y);
      if (!c || !c->match) continue;
      c->match = 0;
      TGemRef g = c->Gem;
      if (!g) continue;
      if (g->locked) {
        g->Unlock();
        ScoreSpriteCreate(x, y, total, 0);
        unlocked = 1;
        continue;
      }
      if (Selected(x, y)) {
        CursorClear();
        RestorePointer();
      }
      ScoreSpriteCreate(x, y, total, g->Munchkin ? 1 : 0);
      g->Explode(1);
      BonusRoll(x, y);
      if (RemoveGold(x, y)) removed = 1;
    }

  if (count > 0) {
    Board().Host().ResetHintShowCounter();
    if (removed) {
      Board().Sound().Play(MatchSound, MatchPitch + Rnd(-0.1f, 0.1f));
      if (Gold <= 3) Board().Host().FewBricksLeft();
    }
    Board().Sound().Play(MatchNoBrickSound, MatchPitch + Rnd(-0.1f, 0.1f));
    if (unlocked) Board().Sound().Play(UnlockSound);
    PlayMunchkinSound();
  }
  return count;
}

void TGameGrid::ClearMatches() {
  for (int x = 0; x < levelwidth; ++x)
    for (int y = 0; y < levelheight; ++y)
      if (TCell* c = CellAt(x, y)) c->match = 0;
}

int TGameGrid::ScoreFor(int total) {
  if (total <= 0) return 0;
  if (total <= 3) return 10;
  if (total >= 10) return 80;
  return (total - 2) * 10;
}

void TGameGrid::ScoreSpriteCreate(int x, int y, int total, int creature) {
  int points = ScoreFor(total);
  std::string picture = "score" + std::to_string(points == 0 ? 10 : points);
  if (creature) {
    points += 100;
    picture = "score100";
  }
  Board().Host().AddScore(points);
  Board().Effects().ScorePicture(float(GridX(x) + 25), float(GridY(y) + 25 - 15), picture);
}

int TGameGrid::RemoveGold(int x, int y) {
  TCell* c = CellAt(x, y);
  if (!c) return 0;
  int armour = c->armour;
  if (c->armour == 1)
    c->armour = 0;
  else if (c->gold == 1)
    c->gold = 0;
  else
    return 0;
  Gold -= 1;
  Board().Effects().BrickDebris(float(GridX(x) + 25), float(GridY(y) + 25), armour);
  if (Gold < 1) TargetMet = 1;
  return 1;
}

int TGameGrid::DestroySquare(int x, int y) {
  TCell* c = CellAt(x, y);
  // A gem already bursting has been scored and freed its creature once.
  if (!c || !c->Gem || c->Gem->GemType == -1) return 0;
  return c->Gem->Destroy();
}

void TGameGrid::PlayMunchkinSound() {
  if (MunchkinPlaying > 0) Board().Sound().Play(MagicSound);
}

void TGameGrid::BonusRoll(int x, int y) {
  const int chance = (Gold <= 3 && Locked < Gold) ? 60 : 30;
  if (!(float(Rand(1, 1000)) < float(chance) * Delta)) return;
  int list[24];
  int n = 0;
  for (int i = 0; i < Board().LevelBonusCount && i < 20; ++i) list[n++] = Board().LevelBonuses[i];
  if (Gold <= 3 && (Locked == 1 || Locked == 2)) list[n++] = 14, list[n++] = 14;
  const int level = Board().Host().CurrentLevel();
  const bool late = (LevelPack == 0 && level > 4) || (LevelPack == 1 && level > 5);
  if (Gold <= 3 && Locked < Gold && late) list[n++] = 13, list[n++] = 13;
  if (n == 0) return;
  int type = list[Rand(0, n - 1)];
  if (type == 14 && Board().LevelBonusCount > 1 && !AnyLockedGem()) {
    // Re-pick only when the list offers something else, or the draw would never end.
    bool other = false;
    for (int i = 0; i < n; ++i) other = other || list[i] != 14;
    while (other && type == 14) type = list[Rand(0, n - 1)];
  }
  TCell* c = CellAt(x, y);
  if (!c) return;
  TGemRef gem = TGem::Make(x, y, type, 0);
  if (Board().Gems) Board().Gems->InsertGem(gem);
  c->Gem = gem;
}
