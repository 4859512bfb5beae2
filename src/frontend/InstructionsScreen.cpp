#include "frontend/InstructionsScreen.h"

#include <algorithm>
#include <cmath>

#include "audio/Mixer.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/SettingLimits.h"
#include "core/Settings.h"
#include "game/BoardParticles.h"
#include "game/Cell.h"
#include "game/Gem.h"
#include "gfx/Animation.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "gfx/GameImage.h"
#include "gfx/ImageBank.h"
#include "gfx/Particle.h"
#include "gfx/SineCounter.h"
#include "gfx/TextDraw.h"
#include "platform/Random.h"
#include "screens/GameFade.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "ui/GameText.h"
#include "ui/Menu.h"
#include "ui/MousePointer.h"

namespace {
constexpr int Cell = 50;

std::shared_ptr<TGameImage> Bank(const char* name) {
  return ImageBank ? ImageBank->Find(name, 1) : nullptr;
}


float Pulse(float a, float b, const TSineCounter& counter) { return a + (1 - counter.ratio) * b; }

void Gem(int frame, float x, float y) { DrawPicture(Bank("gems"), x, y, frame); }

bool IsLevelMap(const TScreen* screen) {
  return screen && IsScreenRegistered(TScreenId::LevelSelect) && screen == FindScreen(TScreenId::LevelSelect);
}

struct TTextPlace {
  const char* key;
  int x, y;
};
constexpr TTextPlace Texts[4] = {
    {"Instructions 1", 218, 263}, {"Instructions 2", 578, 263}, {"Instructions 3", 218, 438}, {"Instructions 4", 578, 438}};
}  // namespace

TInstructionsScreen::TInstructionsScreen()
    : glow(TSineCounter::Create(0, 360, 1, 0)), glow2(TSineCounter::Create(0, 360, 1, 0)) {
  name = "instructions";
}

void TInstructionsScreen::Load() {
  name = "instructions";
  ImageLoad("Localised/instructions.jpg", 0, 1);
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  auto ok = AddOKButton(*Menu);
  ok->MoveTo(ok->x, ok->y - 41);
  Anim1 = TAnimation::Create(1000, 0, 0, 1, 0);
  for (float ms : {1000.0f, 300.0f, 700.0f, 1000.0f}) Anim1->AddPhase(ms);
  MunchkinLength = Clock().CalcAnimLength(2000);
  MunchkinCounter = 0;
  if (!IsLevelMap(Screens().LastTScreen)) Mixer().FadeMusic = 0;
  // The board's pictures with the handles the board draws them with.
  TCell::Load();
  TGem::MidHandle(0);
  if (auto cursor = Bank("cursor"); cursor && cursor->image)
    SetImageHandle(cursor->image, float((cursor->image->width - Cell) / 2), float((cursor->image->height - Cell) / 2));
  WrapTexts();
  ClearParticles();
}

void TInstructionsScreen::WrapTexts() {
  wrapped_.clear();
  const TImageFontPtr before = GetImageFont();
  SetImageFont(Font25);
  for (const auto& place : Texts) {
    std::string text = GameText ? GameText->FindString(place.key) : std::string();
    // Only spaces break a line here; a line end inside the text is a space.
    for (char& c : text)
      if (c == '\r' || c == '\n') c = ' ';
    wrapped_.push_back(text.empty() ? std::vector<std::string>{}
                                    : WrapText(text, float(PageWidth),
                                               [](const std::string& s) { return float(TextWidth(s)); }));
  }
  SetImageFont(before);
}

void TInstructionsScreen::Start() {
  TScreen::Start();
  Anim1->Start();
  BoardParticles.Clear();
  CreatureParticles.Clear();
  Screens().GameFade->Init(float(StandardFadeLength), 0);
  Clock().FixedRateLogic.Init();
}

void TInstructionsScreen::Kill() {
  TScreen::Kill();
  Anim1.reset();
  Text.clear();
  wrapped_.clear();
  TotalLines = 0;
  ClearParticles();
}

void TInstructionsScreen::ClearParticles() {
  BoardParticles.Clear();
  EffectParticles.Clear();
  CreatureParticles.Clear();
}

int TInstructionsScreen::Phase() const { return Anim1 ? Anim1->CurrentPhase : 0; }

float TInstructionsScreen::PhaseProgress() const { return Anim1 ? Anim1->GetRatioInv() : 0.0f; }

void TInstructionsScreen::Logic() {
  TScreen::Logic();
  BoardParticles.Move();
  ManageMunchkins();
  EffectParticles.Move();
  glow->Manage();
  glow2->Manage();
  if (Anim1 && Anim1->Manage() && Anim1->CurrentPhase == PhaseMatch) PhaseTwoEffects();
  MunchkinCounter += Delta;
  if (MunchkinCounter >= MunchkinLength) MunchkinCounter -= MunchkinLength;
  if (Pointer().GetMh(1)) {
    if (auto ok = Menu ? Menu->FindButton("OK") : nullptr) ok->PlayClick();
    Close();
  } else if (Menu && Menu->Clicked("ok")) {
    Close();
  }
}

void TInstructionsScreen::ManageMunchkins() { CreatureParticles.Move(); }

void TInstructionsScreen::Close() {
  // From the level map the level's music takes over from the title's.
  const bool fromMap = IsLevelMap(Screens().LastTScreen);
  Screens().GameFade->Init(float(StandardFadeLength), 1, fromMap ? Mixer().MusicChannel : nullptr, 1);
  Screens().DestinationTScreen = Destination ? Destination : Screens().ExitScreen.get();
}

int TInstructionsScreen::SetEscDestination() {
  Screens().DestinationTScreen = Destination ? Destination : Screens().ExitScreen.get();
  return 0;
}

void TInstructionsScreen::PhaseTwoEffects() {
  auto brick = Bank("brickmid");
  for (int x : {503, 553, 603}) {
    for (int i = 0; i < 4; ++i) {
      const float d = Rnd(-1, 1);
      BoardParticles.AddNew(x + 25, 210 + 25, brick, d, Rnd(-1, -0.2f), 0.04f, 1500, 0, d >= 0 ? 1 : -1,
                            Rnd(1.5f, 3), Rnd(0.4f, 1), 0, 0);
    }
  }
  MunchkinParticles(168, 410, 30);
  BoardParticles.AddNew(136, 378, Bank("MagicHighlight"), 0, 0, 0, 800, 1, 0, 0, 1, 0, 0);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 2; ++j) SparkleParticlesMake(float(528 + 50 * i), float(360 + 50 * j), 15);
}

void TInstructionsScreen::MunchkinParticles(float x, float y, int count) {
  GoldDustStream(EffectParticles, x, y, float(ScreenWidth / 2 - 67), 417,
                 DetailScaled(count, Settings().Particles),
                 std::trunc(Clock().CalcAnimLength(1000)), Bank("sparkle"));
}

void TInstructionsScreen::SparkleParticlesMake(float x, float y, int count) {
  static const char* kinds[4] = {"snowflake", "sparkle", "sparkle", "snowflakesmall"};
  static const float scales[4][2] = {{0.3f, 1.2f}, {0.3f, 0.8f}, {0.5f, 1.2f}, {0.8f, 1.2f}};
  const int n = DetailScaled(count, Settings().Particles);
  for (int i = 0; i < n; ++i) {
    const int k = Rand(0, 3);
    auto p = EffectParticles.AddNew(int(x), int(y), Bank(kinds[k]), Rnd(-1, 1), Rnd(-1, 0), 0.02f, 1000, 1,
                                    Rand(0, 1) ? 1 : -1, Rnd(0.5f, 3), Rnd(scales[k][0], scales[k][1]), 0, 0);
    p->Color = TColor::Create(Rand(100, 255), Rand(100, 255), Rand(100, 255), 1.0f);
  }
}

// ---------------------------------------------------------------- drawing

void TInstructionsScreen::OutputText(int x, int y) {
  float ly = float(y);
  for (const auto& line : Text) {
    DrawText(line, std::round(float(x) - float(TextWidth(line)) / 2), ly);
    ly += 27;
  }
}

void TInstructionsScreen::DrawCells(int x, int y, int bricks) {
  auto cell = TCell::Create(0, 0);
  cell->active = 1;
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 3; ++col) {
      cell->sx = float(x + Cell * col);
      cell->sy = float(y + Cell * row);
      cell->gold = bricks == 1 || (bricks == 2 && row == 0) ? 1 : 0;
      cell->DrawBottom = row == 1;
      cell->DrawRight = col == 2;
      cell->DrawCorner = row == 1 && col == 2;
      cell->Draw();
    }
  }
}

void TInstructionsScreen::DrawRing(int x, int y) {
  auto ring = Bank("particlering");
  if (!ring || !ring->image || !Anim1) return;
  const float L = std::trunc(Clock().CalcAnimLength(300));
  const float fade = Clock().CalcAnimLength(100);
  const float counter = Anim1->Counter;
  const float scale = L > 0 ? std::min(1.0f, 0.2f + (L - counter) / L) : 1.0f;
  SetAlpha(counter >= fade || fade <= 0 ? 1.0f : counter / fade);
  SetScale(scale, scale);
  DrawImage(ring->image, float(x + Cell / 2), float(y + Cell / 2), 0);
  SetRotation(0);
  SetScale(1, 1);
  SetAlpha(1);
}

void TInstructionsScreen::DrawGauge(int x, int y) {
  auto empty = Bank("GaugeEmpty"), full = Bank("GaugeFull");
  if (!empty || !empty->image || !full || !full->image) return;
  const float w = float(empty->GetWidth()), H = float(empty->GetHeight());
  const float h = H - 32;
  const float f = std::floor(h * 0.1f + 0.5f);
  const float left = float(x) - w / 2, top = float(y) - H / 2;
  const float upper = h - f + 16, lower = f + 16;
  DrawSubImageRect(empty->image, left, top, w, upper, 0, 0, w, upper);
  const float fh = float(full->GetHeight());
  DrawSubImageRect(full->image, left, top + upper, w, lower, 0, fh - lower, w, lower);
}

void TInstructionsScreen::DrawSwapPanel(int x0, int y0, const int top[3], const int bottom[3], int column,
                                        int survivor) {
  const int phase = Phase();
  const float r = PhaseProgress();
  const float cx = float(x0 + Cell * column);
  const float topY = float(y0), bottomY = float(y0 + Cell);
  if (phase <= PhaseSwap) {
    const float move = phase == PhaseSwap ? Cell * r : 0;
    for (int c = 0; c < 3; ++c)
      if (c != column) Gem(bottom[c], float(x0 + Cell * c), bottomY);
    Gem(bottom[column], cx, bottomY - move);
    for (int c = 0; c < 3; ++c)
      if (c != column) Gem(top[c], float(x0 + Cell * c), topY);
    Gem(top[column], cx, topY + move);
    return;
  }
  if (phase == PhaseMatch)
    for (int c = 0; c < 3; ++c) DrawRing(x0 + Cell * c, y0 + Cell);
  for (int c = 0; c < 3; ++c) Gem(c == column ? survivor : top[c], float(x0 + Cell * c), topY);
}

void TInstructionsScreen::DrawPanelA(int x0, int y0) {
  static const int top[3] = {0, 5, 1}, bottom[3] = {5, 2, 5};
  DrawCells(x0, y0, 0);
  DrawSwapPanel(x0, y0, top, bottom, 1, 2);
}

void TInstructionsScreen::DrawPanelB(int x0, int y0) {
  static const int top[3] = {1, 2, 4}, bottom[3] = {4, 4, 3};
  DrawCells(x0, y0, Phase() <= PhaseSwap ? 1 : 2);
  DrawSwapPanel(x0, y0, top, bottom, 2, 3);
}

void TInstructionsScreen::DrawPanelC(int x0, int y0) {
  static const int top[3] = {2, 6, 3}, bottom[3] = {6, 4, 6};
  DrawCells(x0, y0, 0);
  if (Phase() <= PhaseSwap) {
    auto magic = Bank("magichighlight");
    const float mx = float(x0 - 7), my = float(y0 + Cell - 7);
    DrawPicture(magic, mx, my);
    DrawPictureAdded(magic, mx, my, Pulse(0.1f, 0.3f, *glow2));
  }
  DrawSwapPanel(x0, y0, top, bottom, 1, 4);
}

void TInstructionsScreen::DrawPanelD(int x0, int y0) {
  DrawCells(x0, y0, 0);
  const int phase = Phase();
  if (phase == PhaseMatch)
    for (int row = 0; row < 2; ++row)
      for (int c = 0; c < 3; ++c) DrawRing(x0 + Cell * c, y0 + Cell * row);
  if (phase > PhaseSwap) return;
  static const int bottom[3] = {2, 5, 2};
  for (int c = 0; c < 3; ++c) Gem(bottom[c], float(x0 + Cell * c), float(y0 + Cell));
  Gem(2, float(x0), float(y0));
  Gem(4, float(x0 + 2 * Cell), float(y0));
  auto bonus = Bank("bonus8idle");
  auto highlight = Bank("bonushighlightmid");
  const float bx = float(x0 + Cell), by = float(y0);
  DrawPicture(highlight, bx, by);
  DrawPictureAdded(highlight, bx, by, Pulse(0.3f, 0.7f, *glow2));
  if (bonus) {
    const int frames = std::max(1, bonus->Frames());
    DrawPicture(bonus, bx, by, FrameFromClock(MunchkinCounter, std::trunc(MunchkinLength), std::min(frames, 50), 1));
  }
}

void TInstructionsScreen::Draw() {
  if (Image) {
    SetBlend(BLEND_SOLID);
    DrawImage(Image, 0, 0, 0);
  }
  SetBlend(BLEND_ALPHA);
  SetColor(255, 255, 255);
  SetAlpha(1);
  const TImageFontPtr before = GetImageFont();
  SetImageFont(Font25);
  SetColor(0, 0, 0);
  for (size_t i = 0; i < std::size(Texts) && i < wrapped_.size(); ++i) {
    Text = wrapped_[i];
    TotalLines = int(Text.size());
    OutputText(Texts[i].x, Texts[i].y);
  }
  SetImageFont(before);
  SetColor(255, 255, 255);

  DrawPanelA(143, 160);
  DrawPanelB(503, 160);
  DrawPanelC(143, 335);
  DrawPanelD(503, 335);
  // The cursor on the gem about to move, in the first phase.
  if (Phase() == PhaseStart) {
    auto cursor = Bank("cursor");
    for (auto [cx, cy] : {std::pair{193, 160}, std::pair{603, 160}, std::pair{193, 335}}) {
      DrawPicture(cursor, float(cx), float(cy));
      DrawPictureAdded(cursor, float(cx), float(cy), Pulse(0.2f, 0.8f, *glow));
    }
  }
  const int phase = Phase();
  const int left = ScreenWidth / 2 - 67, right = ScreenWidth / 2 + 64;
  if (phase == PhaseGauge)
    DrawGauge(left, 387);
  else
    DrawPicture(Bank("gaugeempty"), float(left), 387);
  DrawPicture(Bank(phase <= PhaseSwap ? "gaugemax" : "gaugeempty"), float(right), 387);

  BoardParticles.Draw();
  EffectParticles.Draw();
  CreatureParticles.Draw();
  if (Menu) Menu->Draw(0, 0);
}
