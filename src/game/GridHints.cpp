// Telling the player what to do and what happens when nothing can be done: the
// Hint button's wobbling gem, the no-moves sequence that shakes the board and
// scatters its gems before the level is built again, and the won level's bursts.
#include <algorithm>

#include "core/Globals.h"
#include "game/BoardClock.h"
#include "game/BoardHost.h"
#include "game/BoardSound.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "game/GemList.h"

int TGameGrid::HintStart() {
  TBoardHost& host = Board().Host();
  if (HintCounter > 0 || NoMoreCounter > 0 || host.OutroRunning() || BlockInput != 0 || SwapCounter > 0) return 0;
  host.HintShown();
  Board().Sound().Play(HintSound);
  HintCounter = HintLength;
  // A search past the last move wraps HintCurrent to 1, so the second finds the first move.
  if (NoMoreMoves(HintCurrent) == 1) NoMoreMoves(HintCurrent);
  HintCurrent += 1;
  HintX = DebugX;
  HintY = DebugY;
  if (TCell* c = CellAt(HintX, HintY); c && c->Gem) c->Gem->SetHintWobble(1);
  return 1;
}

void TGameGrid::HintManage() {
  if (HintCounter <= 0) return;
  HintCounter -= Delta;
  if (HintCounter <= 0) HintEnd();
}

void TGameGrid::HintEnd() {
  HintCounter = 0;
  if (HintX != -1 && HintY != -1)
    if (TCell* c = CellAt(HintX, HintY); c && c->Gem) c->Gem->SetHintWobble(0);
}

void TGameGrid::StartNoMoreMoves() {
  RestorePointer();
  NoMore = 1;
  HintEnd();
  NoMoreCounter = Board().Clock().AnimLength(4000);
  BlockInput = 1;
  JiggleDirection = 1;
  Board().Sound().PlayAlarm(SoundNoMore);
}

void TGameGrid::ManageNoMoreMoves() {
  TBoardHost& host = Board().Host();
  if (host.OutroRunning()) return;
  if (NoMoreCounter == 0) {
    if (BlockInput == 0 && SwapCounter <= 0) {
      NoMore = NoMoreMoves(0);
      if (NoMore == 1) host.Quit();
    }
    return;
  }
  TBoardClock& clock = Board().Clock();
  const float whole = clock.AnimLength(4000), second = clock.AnimLength(1000), flying = clock.AnimLength(3000);
  if (NoMoreCounter > flying) {
    const float v = second > 0 ? std::clamp(1.0f - (whole - NoMoreCounter) / second, 0.0f, 1.0f) : 0.0f;
    host.NoMovesMusic(v);
    alpha = v;
  }
  NoMoreCounter -= Delta;
  if (NoMoreCounter > flying) {
    if (JiggleDirection > 0) {
      JiggleOffset += Delta;
      if (JiggleOffset >= JiggleMax) JiggleDirection = -1;
    } else {
      JiggleOffset -= Delta;
      if (JiggleOffset <= -JiggleMax) JiggleDirection = 1;
    }
  } else {
    if (Exploded == 0) {
      Board().Sound().PlayScatter(SoundExplode);
      Exploded = 1;
      JiggleOffset = 0;
      JiggleDirection = 0;
      if (Board().Gems) Board().Gems->SpreadAll();
    }
    if (Board().Gems) Board().Gems->MoveAll();
  }
  if (NoMoreCounter <= 0) {
    NoMoreCounter = 0;
    TGem::MidHandle(0);
    NoMore = 0;
    host.NoMovesOver();
  }
}

int TGameGrid::LevelEndStart() {
  if (!Board().Host().NextLevel()) return 0;
  if (SwapCounter > 0) {
    // A slide still under way ends with both gems where they started.
    for (TGemRef* g : {&SwapSource, &SwapDest})
      if (*g) {
        (*g)->CalcCoords((*g)->gx, (*g)->gy);
        (*g)->Stop();
        (*g)->Swapping = 0;
      }
    SwapSource.reset();
    SwapDest.reset();
    SwapCounter = 0;
    FailedMove = 0;
  }
  RestorePointer();
  CursorClear();
  HintEnd();
  BlockInput = 1;
  if (Board().Gems) {
    Board().Gems->ExplodeMunchkins();
    Board().Gems->ExplodeAll(1);
  }
  return 1;
}
