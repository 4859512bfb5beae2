// Drawing the game screen: the background, the board and its particles, the side
// panel with its numbers, gauge and buttons, the level's start and end pictures,
// the board's messages and the hint scroll over everything.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/GameClock.h"
#include "core/Globals.h"
#include "game/Board.h"
#include "game/BoardParticles.h"
#include "game/GameGrid.h"
#include "game/GameScreen.h"
#include "gfx/Animation.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "gfx/GameImage.h"
#include "gfx/SineCounter.h"
#include "gfx/TextDraw.h"
#include "screens/Overlay.h"
#include "ui/Menu.h"

TImageFontPtr TGameScreen::HudFont() { return Font30; }

namespace {
void DrawCentred(const std::shared_ptr<TSprite>& sprite, float x, float y, float scale, float alpha) {
  if (!sprite || !sprite->image || !sprite->image->image || alpha <= 0) return;
  SetScale(scale, scale);
  SetAlpha(alpha);
  DrawImage(sprite->image->image, x, y);
  SetScale(1, 1);
  SetAlpha(1);
}
}  // namespace

float TGameScreen::GetHUDX() const {
  if (!OutroRunning()) return 0;
  const float slide = Clock().CalcAnimLengthFromFloat(1500);
  if (slide <= 0 || OutroAnim->Counter >= slide) return 0;
  return -(1.0f - OutroAnim->Counter / slide) * 150.0f;
}

uint64_t TGameScreen::StandingKey(bool sidePanel) const {
  // Without a background the layer would not cover what lies under it.
  if (!Image) return 0;
  uint64_t h = Grid ? Grid->StandingKey() : 1;
  const auto mix = [&h](uint64_t v) { h = (h ^ v) * 1099511628211ull; };
  mix(uint64_t(uintptr_t(Image.get())));
  mix(uint64_t(uintptr_t(Grid.get())));
  mix(sidePanel);
  if (sidePanel) {
    float x = GetHUDX();
    uint32_t bits = 0;
    static_assert(sizeof bits == sizeof x);
    std::memcpy(&bits, &x, sizeof bits);
    mix(bits);
    mix(uint64_t(uintptr_t(PanelImage.get())));
  }
  return h;
}

void TGameScreen::DrawStanding(bool sidePanel) {
  if (Image) {
    SetBlend(BLEND_SOLID);
    DrawImage(Image, 0, 0);
  }
  SetBlend(BLEND_ALPHA);
  if (Grid) Grid->DrawStanding();
  SetColor(255, 255, 255);
  SetAlpha(1);
  if (sidePanel && PanelImage) PanelImage->Draw(GetHUDX(), 0);
}

void TGameScreen::Draw() {
  SetColor(255, 255, 255);
  SetAlpha(1);
  // Under the won level's panel the side panel is gone and the snow is the panel's.
  const int panel = PanelShowing();
  // The background, the board's frame and cells and the side panel change seldom: kept as
  // one picture, they cost one opaque quad a frame instead of a screenful of blending.
  if (!standing_.Draw(StandingKey(!panel), float(ScreenWidth), float(ScreenHeight))) {
    DrawStanding(!panel);
    standing_.Keep();
  }
  SetColor(255, 255, 255);
  SetAlpha(1);
  SetBlend(BLEND_ALPHA);
  if (Grid) Grid->DrawMoving();
  Cursor.Draw();
  Particles->BoardParticles.Draw();
  if (!panel) {
    HUDDraw();
    if (Menu) Menu->Draw(GetHUDX(), 0);
    Particles->EffectParticles.Draw();
  }
  Particles->BonusParticles.Draw();
  Particles->CreatureParticles.Draw();
  Particles->ScoreParticles.Draw();
  DiagonalTextDraw();
  if (TOverlay* scroll = HintScroll(); scroll && scroll->Active) scroll->OverlayDraw();
  if (panel) LevelCompletePanel()->OverlayDraw();
  if (TOverlay* menu = GameMenu(); menu && menu->Active) menu->OverlayDraw();
}

void TGameScreen::DrawPanelValue(float x, float y, const std::string& text, const TTextStyle& style) {
  // The value's middle sits on the middle of its box.
  DrawTextShadowed(x, std::round(y + 40 - float(TextHeight(text)) / 2), text, 0, 1, style);
}

void TGameScreen::HUDDraw() {
  const float x = GetHUDX();
  SetBlend(BLEND_ALPHA);
  SetColor(255, 255, 255);
  SetAlpha(1);

  const int score = Player->LevelScore();
  if (score != shownScore_) {
    FormatScore(scoreText_, score);
    shownScore_ = score;
  }
  const int level = CurrentLevel();
  if (level != shownLevel_) {
    levelText_ = std::to_string(level);
    shownLevel_ = level;
  }
  const double ms = double(Player->TimeTaken) * double(Clock().FixedRateLogic.MS > 0 ? Clock().FixedRateLogic.MS : 5);
  const long long seconds = ms > 0 ? (long long)(ms / 1000) : 0;
  if (seconds != shownSeconds_) {
    FormatTime(timeText_, ms);
    shownSeconds_ = seconds;
  }
  const TImageFontPtr font = GetImageFont();
  SetImageFont(HudFont());
  const TTextStyle style{1, 1, 0.6f, 1};
  DrawPanelValue(x + 15, 98, scoreText_, style);
  DrawPanelValue(x + 57, 185, levelText_, style);
  DrawPanelValue(x + 30, 270, timeText_, style);
  SetImageFont(font);
  StatusTextDraw();
  XDraw(x);
}

void TGameScreen::XDraw(float x) {
  const float gx = x + float(DiagonalGaugeX), gy = float(DiagonalGaugeY);
  SetColor(255, 255, 255);
  SetAlpha(1);
  const float gauge = Grid ? Grid->DiagonalGauge : 0;
  const float most = Grid ? Grid->DiagonalGaugeMax : 10;
  if (gauge >= most && XActive2Image) {
    XActive2Image->Draw(gx, gy);
    return;
  }
  if (XInactiveImage) XInactiveImage->Draw(gx, gy);
  if (gauge <= 0 || !XActive1Image || !XActive1Image->image || most <= 0) return;
  // The lit part rises from a 16-pixel base, leaving the picture's 16-pixel top for a full gauge.
  const float w = float(XActive1Image->GetWidth()), h = float(XActive1Image->GetHeight());
  const float shown = std::min(h, 16 + (h - 32) * gauge / most);
  DrawSubImageRect(XActive1Image->image, gx - w / 2, gy - h / 2 + (h - shown), w, shown, 0, h - shown, w, shown);
}

void TGameScreen::StatusTextDraw() {
  SetBlend(BLEND_ALPHA);
  SetColor(255, 255, 255);
  if (OutroRunning()) {
    const float last = Clock().CalcAnimLengthFromFloat(1500);
    if (last > 0 && OutroAnim->Counter < last) {
      const float t = 1.0f - OutroAnim->Counter / last;
      const float grow = std::min(1.0f, t * 3.0f);
      DrawCentred(WellDone, 400, 300, 0.4f + 0.6f * SinDeg(grow * 90.0f), std::min(1.0f, t * 4.0f));
    }
  }
  if (IntroAnim && IntroAnim->Active) {
    // "Go" swells out of the board's middle and fades as it passes full size.
    const float t = 1.0f - IntroAnim->GetRatio();
    const float cx = Grid ? float(Grid->sx) + float(Grid->levelwidth * CellSize) / 2 : 400.0f;
    const float alpha = t < 0.2f ? t / 0.2f : t > 0.7f ? (1.0f - t) / 0.3f : 1.0f;
    DrawCentred(Go, cx, 300, 0.5f + 0.7f * t, alpha);
  }
  if (Grid && Grid->NoMore && !Grid->Exploded && !noMoreMovesText_.empty()) {
    const TImageFontPtr font = GetImageFont();
    SetImageFont(Font48);
    const TTextStyle style{2, 2, 0.6f, 1};
    SetColor(255, 50, 50);
    DrawTextShadowed(std::round(400 - float(TextWidth(noMoreMovesText_)) / 2), float(600 / 2 - 80),
                     noMoreMovesText_, 0, 1, style);
    SetColor(255, 255, 255);
    SetImageFont(font);
  }
}

void TGameScreen::DiagonalTextDraw() {
  if (!Grid || Grid->DiagonalTextCounter <= 0 || gaugeFullText_.empty()) return;
  if (TOverlay* scroll = HintScroll(); scroll && scroll->Active) return;
  const float length = float(std::max(1, Grid->DiagonalTextLength));
  const float counter = Grid->DiagonalTextCounter;
  const float quarter = length / 4;
  const float alpha = std::clamp((length - counter) / quarter, 0.0f, 1.0f);
  const float scale = counter < quarter ? 1.0f + 0.15f * (1.0f - counter / quarter) : 1.0f;
  const TImageFontPtr font = GetImageFont();
  SetImageFont(Font48);
  const float x = float(800 / 2 + DiagonalGaugeX);
  const float y = std::round(300 - float(TextHeight(gaugeFullText_)) * scale / 2);
  SetScale(scale, scale);
  // A white glow under the gold letters.
  SetBlend(BLEND_LIGHT);
  SetColor(255, 255, 255);
  SetAlpha(alpha * 0.5f);
  DrawText(gaugeFullText_, std::round(x - float(TextWidth(gaugeFullText_)) * scale / 2), y);
  const TTextStyle style{2, 2, 0.6f, alpha};
  SetColor(255, 214, 112);
  DrawTextShadowed(x, y, gaugeFullText_, 1, scale, style);
  SetScale(1, 1);
  SetColor(255, 255, 255);
  SetAlpha(1);
  SetBlend(BLEND_ALPHA);
  SetImageFont(font);
}
