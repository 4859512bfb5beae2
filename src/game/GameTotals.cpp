#include "game/GameTotals.h"

#include <cmath>

#include "core/Game.h"
#include "core/GameClock.h"
#include "game/Player.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "gfx/TextDraw.h"

namespace {
const char* const Labels[3] = {"Total Score", "Total Kills", "Total Time"};

// Lines after the first wait 30 ms each before sliding in, so their slide is their second leg.
int SlidePhase(int line) { return line > 0 ? 1 : 0; }
}  // namespace

std::shared_ptr<TGameTotals> TGameTotals::Create(const TPlayer& player) {
  auto totals = std::make_shared<TGameTotals>();
  totals->player_ = &player;
  totals->h = totals->lines * totals->gap;
  return totals;
}

void TGameTotals::SetSlideLines() {
  Items.clear();
  if (!player_) return;
  const double msPerStep = Game && Clock().FixedRateLogic.MS > 0 ? Clock().FixedRateLogic.MS : 5.0;
  Values[0] = std::to_string(player_->Score);
  Values[1] = std::to_string(player_->TotalKills);
  Values[2] = std::to_string((long long)std::floor(player_->TotalTimeTaken * msPerStep / 1000.0));
  const TImageFontPtr before = GetImageFont();
  SetImageFont(Font31);
  const int label = TextWidth(Labels[0]);
  w = label + colgap + TextWidth(Values[0]);
  SetImageFont(before);
  col1 = (800 - w) / 2;
  col2 = col1 + label + colgap;
  h = lines * gap;
  for (int i = 0; i < lines; ++i) {
    const int y = StartY + i * gap;
    std::shared_ptr<TSlideLine> line;
    if (i > 0) {
      line = Add(Labels[i], -w, y, -w, y, float(30 * i));
      line->AddPhaseSpecial(-w, y, col1, y, 300);
    } else {
      line = Add(Labels[i], -w, y, col1, y, 300);
    }
    line->AddPhaseSpecial(col1, y, col1, y, 500);
  }
  Start();
}

void TGameTotals::CentreVert() { StartY = (600 - h) / 2; }

void TGameTotals::Draw() const {
  const TImageFontPtr before = GetImageFont();
  SetImageFont(Font31);
  const TTextStyle style{3, 3, 0.4f, 1};
  SetBlend(BLEND_ALPHA);
  for (int i = 0; i < int(Items.size()) && i < 3; ++i) {
    const TSlideLine& line = *Items[size_t(i)];
    const bool sliding = line.Active && line.CurrentPhase == SlidePhase(i);
    const int b = sliding ? int(255 * line.GetRatio()) : 0;
    const float x = line.GetX(), y = line.GetY();
    SetColor(255, 255, b);
    DrawTextShadowed(x, y, line.text, 0, 1, style);
    SetColor(b, 255, 255);
    DrawTextShadowed(x + float(col2 - col1), y, Values[i], 0, 1, style);
  }
  SetColor(255, 255, 255);
  SetImageFont(before);
}
