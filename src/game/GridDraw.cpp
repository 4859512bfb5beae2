// Drawing the board: the gold frame with its shadow, the cells with their bricks
// and flash, the pointer highlight, the gems with their highlights and the
// cursor. Pictures come from the image bank.
#include <algorithm>
#include <cmath>

#include "game/BoardClock.h"
#include "game/BoardHost.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "game/GemList.h"
#include "gfx/Draw.h"
#include "gfx/GameImage.h"
#include "gfx/ImageBank.h"
#include "gfx/SineCounter.h"

std::shared_ptr<TGameImage> TCell::BrickImage, TCell::ArmourImage, TCell::CellImage, TCell::CellRightSideImage,
    TCell::CellBottomImage, TCell::CellCornerImage, TCell::CellPaneImage;
std::shared_ptr<TGameImage> TGem::GemsImage, TGem::LockedGemImage, TGem::RingImage;
std::shared_ptr<TGameImage> TGem::IdleImages[TGem::TypeCount], TGem::ActivateImages[TGem::TypeCount],
    TGem::AnimImages[TGem::TypeCount];

namespace {
// A picture missing from the bank ends the game with the bank's report. Without a
// bank at all (tools and tests that play headless) the board draws nothing.
std::shared_ptr<TGameImage> Bank(const std::string& name) { return ImageBank ? ImageBank->Find(name) : nullptr; }


int PictureWidth(const std::shared_ptr<TGameImage>& p) { return p && p->image ? p->image->width : CellSize + 2; }
int PictureHeight(const std::shared_ptr<TGameImage>& p) { return p && p->image ? p->image->height : CellSize + 2; }

int StripFrame(float counter, float length, int frames) {
  if (length <= 0) return 0;
  return std::clamp(int(counter / length * float(frames)), 0, frames - 1);
}
}  // namespace

void TCell::Load() {
  BrickImage = Bank("Brick");
  ArmourImage = Bank("armour");
  CellImage = Bank("Cell");
  CellRightSideImage = Bank("CellRightSide");
  CellBottomImage = Bank("CellBottom");
  CellCornerImage = Bank("CellCorner");
  CellPaneImage = Bank("CellPane");
}

void TGem::Load() {
  if (IdleLengths[8] == 0) InitArrays();
  GemsImage = Bank("gems");
  LockedGemImage = Bank("lock");
  RingImage = Bank("particlering");
  for (int t = 0; t < TypeCount; ++t) {
    IdleImages[t] = ActivateImages[t] = AnimImages[t] = nullptr;
    if (t >= 1 && t <= 7) AnimImages[t] = Bank("Gem" + std::to_string(t) + "Anim");
    if (t >= 8) IdleImages[t] = Bank("Bonus" + std::to_string(t) + "Idle");
    if (t == 11 || t == 13 || t == 14) ActivateImages[t] = IdleImages[t];
  }
}

void TGem::MidHandle(int flag) {
  for (const char* name : {"Gems", "lock", "MagicHighlight"})
    if (auto p = Bank(name)) p->MidHandle(flag);
}

void TGameGrid::SetImages() {
  CursorImage = Bank("cursor");
  if (CursorImage && CursorImage->image) {
    const auto& img = CursorImage->image;
    SetImageHandle(img, float((img->width - CellSize) / 2), float((img->height - CellSize) / 2));
  }
  BonusHighlightMidImage = Bank("BonusHighlightMid");
  MagicHighlightImage = Bank("MagicHighlight");
}

void TCell::Draw() const {
  if (!active) return;
  const auto& brick = armour == 1 ? ArmourImage : gold == 1 ? BrickImage : nullptr;
  if (brick) {
    DrawPicture(brick, sx, sy);
    if (glow > 0) DrawPictureAdded(brick, sx, sy, glow);
  } else {
    DrawPicture(CellPaneImage, sx - 1, sy - 1);
  }
  DrawPicture(CellImage, sx - 1, sy - 1);
  const float w = float(PictureWidth(CellImage)), h = float(PictureHeight(CellImage));
  if (DrawRight) DrawPicture(CellRightSideImage, sx - 1 + w - 2, sy - 1);
  if (DrawBottom) DrawPicture(CellBottomImage, sx - 1, sy - 1 + h - 2);
  if (DrawCorner) DrawPicture(CellCornerImage, sx - 1 + w - 2, sy - 1 + h - 2);
}

void TCell::DrawBorder() const {
  const float a = Grid ? Grid->alpha : 1.0f;
  auto rect = [&](float rx, float ry, float rw, float rh) { DrawRect(sx + rx, sy + ry, rw, rh); };
  SetColor(50, 50, 50);
  SetAlpha(0.5f * a);
  if (DrawBottom) {
    const TCell* downLeft = CellAt(x - 1, y + 1);
    const bool lastRow = Grid && y == Grid->levelheight - 1;
    if (!lastRow && x > 0 && downLeft && downLeft->DrawRight)
      rect(8, 54, 42, 4);
    else
      rect(0, 54, 50, 4);
  }
  if (DrawRight) rect(54, 0, 4, 50);
  if (DrawBR) rect(50, 50, 8, 8);
  SetColor(255, 214, 112);
  SetAlpha(a);
  if (DrawLeft) rect(-4, 0, 4, 50);
  if (DrawBottom) rect(0, 49, 50, 5);
  if (DrawTop) rect(0, -4, 50, 4);
  if (DrawRight) rect(49, 0, 5, 50);
  if (DrawTL) rect(-4, -4, 4, 4);
  if (DrawTR) rect(49, -4, 5, 4);
  if (DrawBR) rect(49, 49, 5, 5);
  if (DrawBL) rect(-4, 49, 4, 5);
  SetColor(255, 255, 255);
  SetAlpha(1);
}

void TGem::DrawGem() {
  TGameGrid* grid = Grid.get();
  const float glow2 = grid ? grid->glow2.ratio : 0.0f;
  if (GemType > 7 && grid) {
    DrawPicture(grid->BonusHighlightMidImage, x, y);
    DrawPictureAdded(grid->BonusHighlightMidImage, x, y, 0.3f + (1 - glow2) * 0.7f);
  }
  if (HintWobble && grid) offx = SinDeg(grid->HintCounter * 10.0f) * 3.0f;

  if (ExplosionCounter > 0) {
    if (ExplosionShow && RingImage && RingImage->image) {
      const float elapsed = ExplosionLength > 0 ? (ExplosionLength - ExplosionCounter) / ExplosionLength : 1.0f;
      const float scale = std::min(1.0f, 0.2f + elapsed);
      const float last = Board().Clock().AnimLength(100);
      SetAlpha(ExplosionCounter < last && last > 0 ? ExplosionCounter / last : 1.0f);
      SetScale(scale, scale);
      DrawImage(RingImage->image, MidX(), MidY());
      SetScale(1, 1);
      SetAlpha(1);
    }
    return;
  }

  float px = x + (UseOffset ? offx : 0.0f), py = y + (UseOffset ? offy : 0.0f);
  if (grid && grid->NoMore) px += grid->JiggleOffset;
  if (Munchkin && grid) {
    const float off = grid->Exploded ? 0.0f : 7.0f;
    DrawPicture(grid->MagicHighlightImage, px - off, py - off);
    DrawPictureAdded(grid->MagicHighlightImage, px - off, py - off, 0.1f + (1 - glow2) * 0.3f);
  }

  std::shared_ptr<TGameImage> picture = image;
  int f = ImageFrame;
  if (GemType >= 8 && GemType < TypeCount && IdleImages[GemType]) {
    picture = IdleImages[GemType];
    f = StripFrame(IdleCounters[GemType], IdleTicks[GemType], 50);
  } else if (GemType >= 1 && GemType <= 7 && MOAnimCounter > 0 && AnimImages[GemType]) {
    picture = AnimImages[GemType];
    f = StripFrame(MOAnimCounter, float(AnimCycle), 50);
  }
  if (picture && picture->image) {
    // The pieces' drop shadow is in their pictures: one quad per piece.
    SetRotation(Rotation);
    DrawImage(picture->image, px, py, f);
    SetRotation(0);
  }
  if (locked) DrawPicture(LockedGemImage, px, py);
}

void TGemList::Draw() {
  TGameGrid* grid = Grid.get();
  for (auto& g : Items)
    if (!g->Swapping) g->DrawGem();
  if (!grid) return;
  if (grid->SwapDest) grid->SwapDest->DrawGem();
  if (grid->SwapSource) grid->SwapSource->DrawGem();
}

void TGameGrid::Draw() {
  DrawStanding();
  DrawMoving();
}

uint64_t TGameGrid::StandingKey() const {
  // FNV-1a over everything DrawStanding reads.
  uint64_t h = 1469598103934665603ull;
  const auto mix = [&h](const void* data, size_t n) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < n; ++i) h = (h ^ p[i]) * 1099511628211ull;
  };
  mix(&levelwidth, sizeof levelwidth);
  mix(&levelheight, sizeof levelheight);
  mix(&alpha, sizeof alpha);
  for (int x = 0; x < levelwidth; ++x)
    for (int y = 0; y < levelheight; ++y) {
      const TCell* c = CellAt(x, y);
      const int state[] = {c != nullptr, PlayableAt(x, y) != nullptr, c ? c->active : 0, c ? c->gold : 0,
                           c ? c->armour : 0};
      mix(state, sizeof state);
      if (!c) continue;
      mix(&c->sx, sizeof c->sx);
      mix(&c->sy, sizeof c->sy);
      mix(&c->glow, sizeof c->glow);
      const int sides[] = {c->DrawLeft, c->DrawTop, c->DrawRight, c->DrawBottom, c->DrawCorner,
                           c->DrawTL,   c->DrawTR,  c->DrawBR,    c->DrawBL};
      mix(sides, sizeof sides);
    }
  return h;
}

void TGameGrid::DrawStanding() {
  SetBlend(BLEND_ALPHA);
  SetColor(220, 220, 220);
  for (int x = 0; x < levelwidth; ++x)
    for (int y = 0; y < levelheight; ++y)
      if (TCell* c = PlayableAt(x, y)) c->DrawBorder();

  SetColor(255, 255, 255);
  SetAlpha(alpha);
  for (int x = 0; x < levelwidth; ++x)
    for (int y = 0; y < levelheight; ++y)
      if (TCell* c = CellAt(x, y)) c->Draw();
}

void TGameGrid::DrawMoving() {
  SetBlend(BLEND_ALPHA);
  SetColor(255, 255, 255);
  TBoardHost& host = Board().Host();
  if (mx != -1 && my != -1 && NoMore == 0 && !host.OutroRunning() && !host.LevelCompleteShowing()) {
    TCell* c = PlayableAt(mx, my);
    if (c && !(c->Gem && c->Gem->locked)) {
      SetColor(255, 214, 112);
      SetAlpha(0.3f);
      DrawRect(float(GridX(mx) + 1), float(GridY(my) + 1), 48, 48);
      SetColor(255, 255, 255);
    }
  }

  SetAlpha(1);
  if (Board().Gems) Board().Gems->Draw();

  if (Mode == 1) {
    DrawPicture(CursorImage, float(GridX(cx)), float(GridY(cy)));
    DrawPictureAdded(CursorImage, float(GridX(cx)), float(GridY(cy)), 0.2f + (1 - glow.ratio) * 0.8f);
  }
}
