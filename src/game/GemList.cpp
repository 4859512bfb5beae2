#include "game/GemList.h"

#include <algorithm>

#include "core/Globals.h"
#include "game/Board.h"
#include "game/BoardClock.h"
#include "game/BoardHost.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "platform/Random.h"

void TGemList::InsertGem(const TGemRef& gem) {
  auto at = std::find_if(Items.begin(), Items.end(), [&](const TGemRef& g) { return g->y < gem->y; });
  Items.insert(at, gem);
}

void TGemList::Remove(const TGem* gem) {
  Items.remove_if([&](const TGemRef& g) { return g.get() == gem; });
}

void TGemList::SetShadow() {
  for (const auto& gem : Items)
    if (gem) gem->ApplyShadow();
}

void TGemList::SortAll() {
  Items.sort([](const TGemRef& a, const TGemRef& b) { return a->y > b->y; });
}

int TGemList::Manage() {
  const float delta = Delta;
  for (int t = 8; t < TGem::TypeCount; ++t) {
    TGem::IdleCounters[t] += delta;
    if (TGem::IdleTicks[t] > 0)
      while (TGem::IdleCounters[t] >= TGem::IdleTicks[t]) TGem::IdleCounters[t] -= TGem::IdleTicks[t];
  }
  TGameGrid* grid = Grid.get();
  const int outro = Board().Host().OutroRunning();
  int result = 0;
  for (auto it = Items.begin(); it != Items.end();) {
    TGem& g = **it;
    if (g.Munchkin) g.Manage();
    if (g.ExplosionCounter > 0) {
      result = 1;
      g.ExplosionCounter -= delta;
      if (g.ExplosionCounter > 0) {
        g.Rotation += g.RotationSpeed * delta;
      } else {
        g.ExplosionCounter = 0;
        if (g.gy >= 0) {
          TCell* c = CellAt(g.gx, g.gy);
          if (c && c->Gem.get() == &g) c->Gem.reset();
        }
        it = Items.erase(it);
        continue;
      }
    } else if (grid) {
      bool under = grid->mx == g.gx && grid->my == g.gy && !g.Swapping && g.dy == 0 && !g.locked &&
                   grid->NoMore == 0 && !outro;
      bool selected = grid->cx == g.gx && grid->cy == g.gy;
      g.MOAnim = (under || selected) ? 1 : 0;
      if (g.MOAnimCounter > 0 || g.MOAnim == 1) {
        float before = g.MOAnimCounter;
        g.MOAnimCounter += delta;
        if (g.MOAnimCounter >= float(TGem::AnimCycle)) g.MOAnimCounter = 0;
        int motionFrames = 0;
        if (g.GemType >= 1 && g.GemType <= 7) motionFrames = g.GemType == 4 ? 27 : 28;
        float motionEnd = float(TGem::AnimCycle) / 50.0f * float(motionFrames);
        if (g.MOAnim == 0 && before <= motionEnd && g.MOAnimCounter > motionEnd) g.MOAnimCounter = 0;
      }
    }
    ++it;
  }
  return result;
}

void TGemList::MoveAll() {
  for (auto& g : Items) {
    g->Move();
    g->ManageRotation();
  }
}

void TGemList::ExplodeAll(int noRing) {
  for (auto& g : Items) {
    if (noRing) g->ExplosionShow = 0;
    g->Explode(0);
  }
}

void TGemList::ExplodeMunchkins() {
  if (Grid) Grid->MunchkinPlaying = 0;
  for (auto& g : Items)
    if (g->Munchkin) g->Explode(0);
}

void TGemList::SpreadAll() {
  if (!Grid) return;
  const float centreX = float(Grid->sx) + float(Grid->levelwidth - 1) * float(CellSize) / 2.0f;
  const float centreY = float(Grid->sy) + float(Grid->levelheight - 1) * float(CellSize) / 2.0f;
  const float spin = Board().Clock().AnimLength(3000);
  for (auto it = Items.begin(); it != Items.end();) {
    TGem& g = **it;
    const float ex = g.x - centreX, ey = g.y - centreY;
    if (ex == 0 && ey == 0) {
      // The one gem sitting on the centre has no direction to fly in.
      if (TCell* c = CellAt(g.gx, g.gy); c && c->Gem.get() == &g) c->Gem.reset();
      it = Items.erase(it);
      continue;
    }
    g.dx = ex * Rnd(0.01f, 0.016f);
    g.dy = ey * Rnd(0.01f, 0.016f);
    g.RotationSpeed = Rnd(0.5f, 1.0f);
    g.RotationLoop = 0;
    g.RotationLength = int(spin);
    g.RotationCounter = float(g.RotationLength);
    // From now on the gem picture is drawn from its centre.
    if (g.GemType <= 7) {
      g.x += float(TGem::w2);
      g.y += float(TGem::h2);
    }
    ++it;
  }
  TGem::MidHandle(1);
}
