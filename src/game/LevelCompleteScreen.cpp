#include "game/LevelCompleteScreen.h"

#include <cmath>
#include <filesystem>

#include "audio/Mixer.h"
#include "core/DataPaths.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "core/SettingLimits.h"
#include "core/Settings.h"
#include "game/Board.h"
#include "game/BoardParticles.h"
#include "game/GameSession.h"
#include "game/HintPage.h"
#include "game/Player.h"
#include "game/ScreenSounds.h"
#include "game/WallpaperLabel.h"
#include "gfx/Animation.h"
#include "gfx/BitmapFile.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "gfx/GameImage.h"
#include "gfx/ImageBank.h"
#include "gfx/Sprite.h"
#include "gfx/TextDraw.h"
#include "platform/Random.h"
#include "platform/Wallpaper.h"
#include "player/Profile.h"
#include "screens/GameFade.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "ui/DialogPresets.h"
#include "ui/GameText.h"
#include "ui/Menu.h"
#include "ui/MousePointer.h"

namespace {
std::string Text(const char* key) { return GameText ? GameText->FindString(key) : std::string(); }

TOverlay* Scroll() { return IsScreenRegistered(TScreenId::HintScroll) ? FindOverlay(TScreenId::HintScroll) : nullptr; }

// A click (already taken), a new click, Enter, Space or Escape moves on.
int ContinueHit(int hit) {
  return hit || Pointer().GetMh(1) || InputKeyHit(13) || InputKeyHit(32) || InputKeyHit(27) ? 1 : 0;
}
}  // namespace

TLevelCompleteScreen::TLevelCompleteScreen() {
  name = "levelcomplete";
  WallpaperSetter = SetDesktopWallpaper;
}

std::string TLevelCompleteScreen::GetPicName() const {
  // A level number below 1 would give a negative remainder and a picture that does not exist.
  return "bg" + std::to_string(TGameSession::BackgroundNumber(Level >= 1 ? Level : 1)) + ".jpg";
}

void TLevelCompleteScreen::SetOKActive(int active) {
  if (!Menu) return;
  if (auto ok = Menu->FindButton("OK")) ok->Active = active;
}

void TLevelCompleteScreen::Load() {
  name = "levelcomplete";
  if (!Owner) Owner = GameSession();
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  auto ok = AddOKButton(*Menu);
  ok->y = float(ScreenHeight - 201);
  ok->Active = 0;
  Mixer().FadeMusic = 1;
  glow.Speed = 1.5f;
  Unroll = TAnimation::Create(400, 0, 0, 0, 0);
  ActivateSound = BankSoundOrNone("scroll");
  DeactivateSound = BankSoundOrNone("scroll");
  ClickSound = BankSoundOrNone("buttonclick");
  MOSound = BankSoundOrNone("ButtonMO");
  const TImageFontPtr before = GetImageFont();
  SetImageFont(Font30);
  LabelText = Text("Set Wallpaper");
  LabelH = TextHeight(LabelText);
  LabelW = TextWidth(LabelText);
  LabelY = Border;
  LabelX = (ScreenWidth - LabelW) / 2;
  SetImageFont(before);
  Active = 0;
}

void TLevelCompleteScreen::LoadPictures() {
  if (Image && Header) return;
  ImageLoad("scrollbody.png", 0, 1);
  MidHandleImage(Image);
  HeaderLoad("Localised/levelcomplete", float(ScreenWidth / 2), HeaderY, 1);
  Header->SetShadow(1, 3, 3, 0.4f);
}

void TLevelCompleteScreen::Show() {
  // Its pictures are loaded when a level is first won, not with every board.
  LoadPictures();
  Active = 1;
  if (Menu) Menu->ManageNoSound(0, 0);
  Start();
  InputFlush();
  Pointer().ClearButtons();
  Clock().FixedRateLogic.Init();
  PlayThroughPool(ActivateSound);
}

void TLevelCompleteScreen::Start() {
  // Not the screen start: the game screen stays the current screen under the panel.
  Mixer().MusicLoad("levelend.ogg", 1);
  Mixer().MusicPlay(1, 0, 0);
  if (Owner) {
    Level = Owner->CurrentLevel();
    Chapter = Owner->GetChapter();
    SubLevel = Owner->GetSubLevel();
    // The progress is kept before the tally shows, so closing the window now loses nothing.
    GameFinished = Owner->AdvanceLevel();
  }
  LabelMO = 0;
  SetSlideLines();
  if (Unroll) {
    Unroll->Reverse = 0;
    Unroll->Start();
  }
  MakeSnowFlakes();
}

void TLevelCompleteScreen::Hide() {
  InputFlush();
  Active = 0;
}

void TLevelCompleteScreen::Kill() {
  TScreen::Kill();
  if (DialogOK) DialogOK->Kill();
  DialogOK.reset();
  Unroll.reset();
  ActivateSound.reset();
  DeactivateSound.reset();
  ClickSound.reset();
  MOSound.reset();
  Active = 0;
}

TScreen* TLevelCompleteScreen::NextScreen() const {
  if (GameFinished && IsScreenRegistered(TScreenId::GameFinished)) return FindScreen(TScreenId::GameFinished);
  if (IsScreenRegistered(TScreenId::LevelSelect)) return FindScreen(TScreenId::LevelSelect);
  // Without a map the next level is played straight away.
  return IsScreenRegistered(TScreenId::Game) ? FindScreen(TScreenId::Game) : nullptr;
}

int TLevelCompleteScreen::SetEscDestination() {
  Screens().DestinationTScreen = NextScreen();
  return 0;
}

// ---------------------------------------------------------------- the tally and the snow

void TLevelCompleteScreen::SetSlideLines() {
  const TImageFontPtr before = GetImageFont();
  SetImageFont(Font31);
  const int score = Owner && Owner->SessionPlayer() ? Owner->SessionPlayer()->LevelScore() : 0;
  const int sw = TextWidth(std::to_string(score));
  w = 0;
  int widest = 0;
  for (const char* key : {"Score", "Matches", "Time"}) {
    const int labelWidth = TextWidth(Text(key));
    const int lineWidth = labelWidth + colgap + sw;
    if (lineWidth > w) {
      w = lineWidth;
      widest = labelWidth;
    }
  }
  col1 = (ScreenWidth - w) / 2;
  col2 = col1 + widest + colgap;
  h = lines * gap;
  StartY = float((ScreenHeight - h) / 2 - 13);
  SetImageFont(before);
}

void TLevelCompleteScreen::MakeSnowFlakes() {
  if (!Owner || !Owner->SessionParticles()) return;
  static const char* kinds[4] = {"snowflake", "sparkle", "snowflakesmall", "snowflakelarge"};
  static const float scales[4][2] = {{0.5f, 1.1f}, {0.3f, 0.7f}, {0.5f, 1.1f}, {0.4f, 1.1f}};
  const int n = DetailScaled(80, Settings().Particles);
  for (int i = 0; i < n; ++i) {
    const int x = Rand(1, ScreenWidth), y = Rand(1, ScreenHeight);
    const float dx = Rnd(-0.2f, 0.2f), dy = Rnd(0.2f, 0.5f);
    const int spin = Rand(0, 1) ? 1 : -1;
    const float spinSpeed = Rnd(0.5f, 1.0f);
    const int k = Rand(0, 3);
    auto picture = ImageBank ? ImageBank->Find(kinds[k], 1) : nullptr;
    auto p = Owner->SessionParticles()->EffectParticles.AddNew(x, y, picture, dx, dy, 0, 0, 0, spin, spinSpeed,
                                                      Rnd(scales[k][0], scales[k][1]), 0, 0);
    p->NoOutOfBounds = 1;
    p->UseAlpha = 0;
    p->cx = float(x);
    p->MiscSineCounter = TSineCounter::Create(0, 360, 0.4f, 0);
    p->MiscSineCounter->Counter = float(Rand(0, 360));
  }
}

void TLevelCompleteScreen::MoveSnowFlakes() {
  if (!Owner || !Owner->SessionParticles()) return;
  const float W = float(ScreenWidth), H = float(ScreenHeight);
  for (const auto& p : Owner->SessionParticles()->EffectParticles.Snapshot()) {
    p->Move();
    if (p->IsDead() || !p->MiscSineCounter) continue;
    p->MiscSineCounter->Manage();
    p->cx += p->dx;
    // The sway widens with the fall speed.
    p->x = p->cx + 30 * p->dy * p->MiscSineCounter->ratio;
    const float sw = p->ScaleX * p->w2, sh = p->ScaleY * p->h2;
    if (p->y >= H + sh) p->y = -sh;
    if (p->x <= -sw) p->x += W + p->ScaleX * float(p->w);
    if (p->x >= W + sw) p->x -= W + p->ScaleX * float(p->w);
    if (p->cx <= -sw) p->cx = W + sw;
    if (p->cx >= W + sw) p->cx = -sw;
  }
}

void TLevelCompleteScreen::RollUp() {
  if (!Unroll) return;
  Unroll->Reverse = 1;
  Unroll->Start();
  SetOKActive(0);
  PlayThroughPool(DeactivateSound);
}

// ---------------------------------------------------------------- every step

void TLevelCompleteScreen::SetWallpaper() {
  const std::string target = DataPaths().SubPath + "Tinselvale.bmp";
  if (!SaveImageAsBitmap(DataPaths().ImagePath + GetPicName(), target)) {
    // Saying "done" over a file that was never written would send the player looking
    // for a wallpaper that is not there.
    DialogOK = CreateErrorDialog("Failed to save file " + target);
    return;
  }
  std::error_code ec;
  const std::string absolute = std::filesystem::absolute(target, ec).string();
  if (WallpaperSetter) WallpaperSetter(ec ? target : absolute);
  DialogOK = CreateMessageDialog(Text("Wallpaper Done"));
}

int TLevelCompleteScreen::OverlayLogic() {
  if (!Active) return 0;
  MoveSnowFlakes();
  TOverlay* scroll = Scroll();
  if (scroll && scroll->Active) return 0;

  auto ok = Menu ? Menu->FindButton("OK") : nullptr;
  if (Active == 1) {
    TScreen::Logic();
    if (Unroll && Unroll->Manage()) {
      if (Unroll->Reverse == 0) {
        SetOKActive(1);
      } else {
        Active = 2;
        THintPage* hint = FindHintPage();
        if (Level % 5 == 0 && LevelPack == 0 && hint && Game->CurrentProfile &&
            Game->CurrentProfile->ShowHint(Level / 5 + 88, 1) == 1) {
          // The picture this level added to the gallery, shown once per player.
          hint->LoadSpecial(21, Level);
          hint->Show(1);
        }
        return 1;
      }
    }
    if (Unroll && !Unroll->Active) {
      if (InputKeyHit(27) || Pointer().GetMh(1)) {
        if (ok) ok->PlayClick();
        RollUp();
      } else if (Menu->Clicked("ok")) {
        RollUp();
      }
    }
    return 0;
  }

  if (DialogOK) {
    if (DialogOK->Manage() == 0) return 0;
    DialogOK->Kill();
    DialogOK.reset();
    if (Menu) Menu->ManageNoSound(0, 0);
  }
  const int hit = Pointer().GetMh(1);
  const int mx = Pointer().x, my = Pointer().y;
  if (LabelX <= mx && mx < LabelX + LabelW && LabelY <= my && my < LabelY + LabelH) {
    if (!LabelMO && ok) ok->PlayMouseOver();
    LabelMO = 1;
    if (hit) {
      if (ok) ok->PlayClick();
      SetWallpaper();
      Clock().FixedRateLogic.Init();
      return 0;
    }
  } else {
    LabelMO = 0;
  }
  glow.Manage();
  if (ContinueHit(hit)) {
    if (ok) ok->PlayClick();
    Screens().GameFade->Init(float(StandardFadeLength), 1, Mixer().MusicChannel, 1, 0);
    Screens().DestinationTScreen = NextScreen();
    return 1;
  }
  return 0;
}

// ---------------------------------------------------------------- drawing

void TLevelCompleteScreen::Draw() {
  if (!Active) return;
  if (TOverlay* scroll = Scroll(); scroll && scroll->Active) return;
  const TImageFontPtr font = GetImageFont();
  const float W = float(ScreenWidth), H = float(ScreenHeight);
  if (Active == 1) {
    const float ratio = Unroll ? Unroll->GetRatio() : 0.0f;
    const float o = ratio * UnrollDistance + 50;
    SetBlend(BLEND_ALPHA);
    SetColor(255, 255, 255);
    SetAlpha(1);
    if (Image) DrawImage(Image, W / 2, H / 2 + o);
    SetImageFont(Font31);
    const TTextStyle style{1, 1, 0.4f, 1};
    const std::string title = Text("Level") + " " + std::to_string(Level);
    DrawTextShadowed(std::round(W / 2 - float(TextWidth(title)) / 2), std::round(187 + o), title, 0, 1, style);
    SetColor(220, 220, 220);
    DrawRect(275, 231 + o, 252, 1);
    SetColor(0, 0, 0);
    DrawRect(276, 232 + o, 250, 1);
    SetColor(255, 255, 255);
    std::string values[3];
    if (Owner && Owner->SessionPlayer()) {
      const TPlayer& p = *Owner->SessionPlayer();
      values[0] = std::to_string(p.LevelScore());
      values[1] = std::to_string(p.Kills);
      values[2] = TimeText(double(p.TimeTaken) * double(Clock().FixedRateLogic.MS));
    }
    const char* labels[3] = {"Score", "Matches", "Time"};
    const int shifts[3] = {0, -20, -3};
    for (int i = 0; i < 3; ++i) {
      const float y = StartY + o + float(i * gap);
      DrawTextShadowed(float(col1 + shifts[i]), y, Text(labels[i]), 0, 1, style);
      DrawTextShadowed(float(col2), y, values[i], 0, 1, style);
    }
    if (Header) {
      Header->y = HeaderY - ratio * 180;
      Header->Draw();
    }
    if (Menu) Menu->Draw(0, 0);
    if (Owner && Owner->SessionParticles()) {
      if (Unroll && Unroll->Active) SetAlpha(1 - ratio);
      Owner->SessionParticles()->EffectParticles.Draw();
      SetAlpha(1);
    }
  } else {
    const std::string click = Text("Click Anywhere");
    SetBlend(BLEND_ALPHA);
    SetAlpha(1);
    const TTextStyle style{1, 1, 0.6f, 1};
    SetImageFont(Font31);
    SetColor(212, 179, 104);
    DrawTextShadowed(W / 2, H - 44, click, 1, 1, style);
    SetAlpha((1 - glow.ratio) * 0.2f);
    SetColor(255, 255, 255);
    DrawText(click, std::round(W / 2 - float(TextWidth(click)) / 2), H - 44);
    SetAlpha(1);
    DrawWallpaperLabel(float(LabelX), float(LabelY), LabelText, LabelMO != 0);
    if (DialogOK) DialogOK->Draw();
  }
  SetImageFont(font);
}
