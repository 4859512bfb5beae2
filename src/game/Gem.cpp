#include "game/Gem.h"

#include <algorithm>
#include <cmath>

#include "core/Globals.h"
#include "game/Board.h"
#include "game/BoardClock.h"
#include "game/BoardEffects.h"
#include "game/BoardHost.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "platform/Random.h"
#include "platform/Recycling.h"

int TGem::IdleFrames[TypeCount] = {};
int TGem::IdleLengths[TypeCount] = {};
int TGem::ActivateFrames[TypeCount] = {};
int TGem::PointerAnimLengths[TypeCount] = {};
float TGem::IdleTicks[TypeCount] = {};
float TGem::IdleCounters[TypeCount] = {};
int TGem::AnimCycle = 400;

void TGem::InitArrays() {
  static const int activate[8] = {4, 1, 14, 50, 6, 50, 50, 50};
  static const int pointer[8] = {300, 1000, 1000, 2000, 300, 2000, 2000, 2000};
  for (int t = 8; t < TypeCount; ++t) {
    IdleFrames[t] = 50;
    IdleLengths[t] = t == 15 ? 1000 : 2000;
    ActivateFrames[t] = activate[t - 8];
    PointerAnimLengths[t] = pointer[t - 8];
  }
}

void TGem::InitIdleAnims() {
  if (IdleLengths[8] == 0) InitArrays();
  for (int t = 8; t < TypeCount; ++t) {
    IdleTicks[t] = Board().Clock().AnimLength(float(IdleLengths[t]));
    IdleCounters[t] = IdleTicks[t] - 1;
  }
}

void TGem::ApplyShadow() {
  if (Board().Effects().GemShadows())
    SetShadow(1, 1.5f, 1.5f, 0.5f);
  else
    Shadow = 0;
}

int TGem::CalcAnimCycle() { return int(Board().Clock().AnimLength(2000)); }

TGemRef TGem::Make(int x, int y, int type, int falling) {
  auto g = MakeRecycled<TGem>();
  g->GemType = g->OrigGemType = type;
  g->ImageFrame = type - 1;
  g->image = GemsImage;
  g->ApplyShadow();
  if (falling) g->dy = 0.04f;
  g->CalcCoords(x, y);
  g->ExplosionLength = Board().Clock().AnimLength(300);
  AnimCycle = CalcAnimCycle();
  return g;
}

int TGem::Random() { return Board().GemTypes[Rand(0, GemTypeCount - 1)]; }

void TGem::CalcCoords(int cx, int cy) {
  gx = cx;
  gy = cy;
  x = float(GridX(cx));
  y = float(GridY(cy));
}

void TGem::Explode(int full) {
  if (ExplosionCounter != 0) return;
  ExplosionCounter = ExplosionLength;
  int power = Grid ? std::max(1, Grid->BonusPower) : 1;
  if (full)
    Board().Effects().GemBurst(MidX(), MidY(), 15 / power, 4 / power);
  else
    Board().Effects().GemBurst(MidX(), MidY(), 4, 2);
  MakeMunchkinParticle();
  GemType = -1;
}

int TGem::Destroy() {
  if (locked) {
    ExplosionCounter = ExplosionLength;
    int power = Grid ? std::max(1, Grid->BonusPower) : 1;
    Board().Effects().FlamePuffs(MidX(), MidY(), 4 / power);
    if (Munchkin && Grid) Grid->ScoreSpriteCreate(gx, gy, 0, 1);
    MakeMunchkinParticle();
    Unlock();
    GemType = -1;
    return 1;
  }
  if (Munchkin && Grid) Grid->ScoreSpriteCreate(gx, gy, 0, 1);
  Explode(1);
  return 0;
}

void TGem::Unlock() {
  int power = Grid ? std::max(1, Grid->BonusPower) : 1;
  Board().Effects().UnlockSplinters(MidX(), MidY(), 25 / power, 15 / power);
  locked = 0;
  if (Grid) Grid->Locked -= 1;
}

void TGem::CreateMunchkin() {
  Munchkin = 1;
  MunchkinCounter = float(Rand(0, int(MunchkinLength) - 1));
}

void TGem::MakeMunchkinParticle() {
  if (!Munchkin) return;
  if (Grid) Grid->MunchkinPlaying = 1;
  Board().Host().MunchkinFreed();
  int power = Grid ? std::max(1, Grid->BonusPower) : 1;
  Board().Effects().CreatureFreed(MidX(), MidY(), Board().Host().OutroRunning() ? 0 : 30 / power);
}

void TGem::Manage() {
  MunchkinCounter += Delta;
  if (MunchkinLength > 0)
    while (MunchkinCounter >= MunchkinLength) MunchkinCounter -= MunchkinLength;
}

void TGem::SetHintWobble(int on) {
  HintWobble = on;
  UseOffset = on;
  if (!on) offx = 0;
}

void TGem::SetDropInY() {
  y -= CellSize;
  gy = RowAt(y);
}
