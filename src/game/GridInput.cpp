// Board input: presses and drags from the game's mouse pointer turned into
// selections, moves and bonus uses, and the pointer's look while it carries a
// targeting piece.
#include <algorithm>
#include <cstdlib>

#include "core/Globals.h"
#include "game/BoardClock.h"
#include "game/BoardHost.h"
#include "game/BoardSound.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "gfx/Draw.h"
#include "gfx/GameImage.h"
#include "gfx/ImageBank.h"
#include "platform/Random.h"
#include "ui/MousePointer.h"

namespace {
bool Targeting(int type) { return type == 11 || type == 13 || type == 14; }

// A board picture the bank lacks is the bank's fatal report, as for every other.
std::shared_ptr<TGameImage> BankImage(const char* name) { return ImageBank ? ImageBank->Find(name) : nullptr; }

// Where the carried piece sits relative to the pointer's hot spot: centred on
// it, so the piece covers the cell it will act on.
constexpr int CarriedOffset = -25;
}  // namespace

int TGameGrid::CheckMouse() {
  TBoardHost& host = Board().Host();
  if (SwapCounter > 0 || host.OutroRunning() || NoMoreCounter > 0) return 0;
  TMousePointer* mouse = Board().Host().Pointer();
  if (!mouse) return 0;
  // A press counts even when its release came within the same update (a quick
  // click or a tap), so the pointer's press count is read as well as the buttons.
  // It is only read, not taken: the screen's own widgets may want the same press.
  const bool fresh = mouse->mh > 0 || (mouse->GetMb() != 0 && MouseUpFlag == 1);
  const bool pressed = mouse->GetMb() != 0 || fresh;

  const int px = mouse->x - sx, py = mouse->y - sy;
  if (px < 0 || py < 0) {
    mx = my = -1;
    return 1;
  }
  mx = px / CellSize;
  my = py / CellSize;

  if (mx >= levelwidth || my >= levelheight) {
    mx = my = -1;
    if (!(pressed && Mode == 1)) return 1;
    if (fresh) {
      ClearBonus();
      return 1;
    }
    if (!CheckDrag()) return 1;
  } else if (!PlayableAt(mx, my)) {
    if (!(pressed && Mode == 1) || !CheckDrag()) return 1;
  }

  if (!pressed) return 1;

  TCell* selected = Mode == 1 ? CellAt(cx, cy) : nullptr;
  const int selectedType = selected && selected->Gem ? selected->Gem->GemType : 0;
  if (Mode == 1 && (mx != cx || my != cy) && !Targeting(selectedType)) {
    const bool neighbour = std::abs(mx - cx) + std::abs(my - cy) == 1;
    if (!neighbour) {
      if (!fresh) {
        if (!CheckDrag()) return 1;
      } else {
        // A press on a distant gem selects that gem instead.
        CursorClear();
        Mode = 0;
      }
    }
  }

  if (Mode == 0) {
    if (!fresh) return 1;
    MouseUpFlag = 0;
    TCell* cell = PlayableAt(mx, my);
    TGem* gem = cell && cell->Gem ? cell->Gem.get() : nullptr;
    if (!gem || gem->GemType == -1) {
      if (cell) Board().Sound().Play(InvalidSound);
      return 1;
    }
    if (gem->locked) {
      Board().Sound().Play(LockedSound);
      return 1;
    }
    if (gem->GemType == 15) {
      gem->GemType = RandomBonusType();
      gem->ImageFrame = gem->GemType - 1;
    }
    const int type = gem->GemType;
    if (type == 8 || type == 9 || type == 10 || type == 12) {
      UseBonus(mx, my, type);
      return 1;
    }
    CursorSet(mx, my);
    Board().Sound().Play(ClickSound);
    if (Targeting(type)) SetBonusPointer(type, 0);
    return 1;
  }

  if (mx == cx && my == cy) {
    if (fresh) {
      Board().Sound().Play(ClickReverseSound);
      CursorClear();
      RestorePointer();
      Mode = 0;
    }
    return 1;
  }
  if (Targeting(selectedType)) {
    if (!fresh || !PlayableAt(mx, my)) return 1;
    MouseUpFlag = 0;
    if (UseTarget(mx, my, selectedType)) CursorClear();
    return 1;
  }
  TCell* target = CellAt(mx, my);
  if (target && target->Gem) {
    if (target->Gem->locked) {
      Board().Sound().Play(LockedSound);
      CursorClear();
      Mode = 0;
      return 1;
    }
    if (target->Gem->GemType == -1) return 1;
  }
  StartSwap();
  return 1;
}

int TGameGrid::CheckDrag() {
  TMousePointer* mouse = Board().Host().Pointer();
  const int vx = mouse ? mouse->x - selectedX : 0;
  const int vy = mouse ? mouse->y - selectedY : 0;
  int tx = cx, ty = cy;
  if (std::abs(vy) > std::abs(vx))
    ty += vy < 0 ? -1 : 1;
  else
    tx += vx < 0 ? -1 : 1;
  if (tx >= 0 && ty >= 0 && tx < levelwidth && ty < levelheight && PlayableAt(tx, ty)) {
    mx = tx;
    my = ty;
    return 1;
  }
  mx = my = -1;
  ClearBonus();
  return 0;
}

void TGameGrid::CursorClear() {
  cx = cy = selectedX = selectedY = -1;
  Mode = 0;
}

void TGameGrid::CursorSet(int x, int y) {
  cx = x;
  cy = y;
  TMousePointer* mouse = Board().Host().Pointer();
  selectedX = mouse ? mouse->x : -1;
  selectedY = mouse ? mouse->y : -1;
  Mode = 1;
}

void TGameGrid::ClearBonus() {
  Board().Sound().Play(ClickReverseSound);
  CursorClear();
  RestorePointer();
  Mode = 0;
}

int TGameGrid::RandomBonusType() const {
  const bool locks = AnyLockedGem();
  for (;;) {
    int t = Rand(8, 14);
    if (t != 14 || locks) return t;
  }
}

void TGameGrid::SetBonusPointer(int type, int resume) {
  if (TMousePointer* mouse = Board().Host().Pointer()) {
    if (auto small = BankImage("pointersmall")) mouse->Image = small->image;
    mouse->CalcSize();
    // The gem strip has only the seven ordinary gems; a bonus piece shows the
    // first frame of its own idle strip until its animation takes over.
    auto idle = type >= 8 && type < TGem::TypeCount ? TGem::IdleImages[type] : nullptr;
    auto gems = BankImage("gems");
    if (idle) {
      mouse->Image2 = idle->image;
      mouse->Image2Frame = 0;
    } else {
      mouse->Image2 = gems ? gems->image : nullptr;
      mouse->Image2Frame = type - 1;
    }
    mouse->Image2xoff = mouse->Image2yoff = CarriedOffset;
    mouse->offsetx = 3;
    if (mouse->Image) SetImageHandle(mouse->Image, float(mouse->offsetx), float(mouse->offsety));
  }
  PointerAnimCounter = 0;
  PointerGemType = type;
  if (Targeting(type)) {
    PointerAnimated = 1;
    InitPointerAnim();
  } else {
    PointerAnimated = 0;
  }
  if (resume) {
    PointerAnimCounter = PointerAnimCounterStored;
    if (PointerAnimCounter > 0) SetPointerFrame();
  }
}

void TGameGrid::InitPointerAnim() {
  const int t = PointerGemType;
  const float length =
      t >= 0 && t < TGem::TypeCount ? Board().Clock().AnimLength(float(TGem::PointerAnimLengths[t])) : 0;
  PointerAnimCounter = length;
  PointerAnimLength = int(length);
}

void TGameGrid::AnimatePointer() {
  if (PointerAnimCounter <= 0) return;
  PointerAnimCounter -= Delta;
  if (PointerAnimCounter > 0) {
    SetPointerFrame();
  } else if (PointerAnimated) {
    PointerAnimCounter += float(PointerAnimLength);
  } else {
    PointerAnimCounter = 0;
    RestorePointer();
  }
}

void TGameGrid::SetPointerFrame() {
  const int t = PointerGemType;
  if (t < 8 || t >= TGem::TypeCount) return;
  const int frames = std::max(1, TGem::ActivateFrames[t]);
  int reached = PointerAnimLength > 0 ? int(PointerAnimCounter / float(PointerAnimLength) * float(frames)) : 0;
  reached = std::clamp(reached, 0, frames - 1);
  TMousePointer* mouse = Board().Host().Pointer();
  if (!mouse) return;
  if (auto picture = TGem::ActivateImages[t]) mouse->Image2 = picture->image;
  mouse->Image2Frame = frames - 1 - reached;
}

void TGameGrid::RestorePointer() {
  if (TMousePointer* mouse = Board().Host().Pointer()) {
    if (auto arrow = BankImage("pointer")) mouse->Image = arrow->image;
    mouse->CalcSize();
    mouse->Image2.reset();
    mouse->Image2Frame = 0;
    mouse->Image2xoff = mouse->Image2yoff = 0;
    mouse->offsetx = 4;
    if (mouse->Image) SetImageHandle(mouse->Image, float(mouse->offsetx), float(mouse->offsety));
  }
  PointerAnimated = 0;
  PointerAnimCounter = 0;
  PointerGemType = 0;
}

void TGameGrid::TogglePointer(int kind) {
  if (kind == 2) {
    PointerGemTypeStored = PointerGemType;
    PointerAnimCounterStored = PointerAnimCounter;
    RestorePointer();
  } else if (kind == 3 && PointerGemTypeStored > 0) {
    SetBonusPointer(PointerGemTypeStored, 1);
  }
}
