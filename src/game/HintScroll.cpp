#include "game/HintScroll.h"

#include <cmath>

#include "audio/ChannelArray.h"
#include "audio/GameSound.h"
#include "audio/SoundBank.h"
#include "core/DataPaths.h"
#include "core/GameClock.h"
#include "core/Input.h"
#include "game/ScreenSounds.h"
#include "gfx/Animation.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "gfx/GameImage.h"
#include "gfx/TextDraw.h"
#include "ui/GameText.h"
#include "ui/Menu.h"
#include "ui/MousePointer.h"

namespace {
constexpr float UnrollDistance = 510;
constexpr int OKButtonY = 600 - 210;

}  // namespace

std::string THintScroll::PagePicture(int hint, int picture) {
  if (hint == 21) return "thumb" + std::to_string(picture / 5) + ".png";
  if (hint == 15) return "Localised/Hint" + std::to_string(hint) + ".png";
  if ((hint >= 1 && hint <= 9) || hint == 16 || hint == 17) return "Hint" + std::to_string(hint) + ".png";
  return "";
}

void THintScroll::LoadSpecial(int hint, int picture) {
  ImageLoad("hintbody.png", 0, 1);
  MidHandleImage(Image);
  Hint = hint;
  Icon.reset();
  Frame.reset();
  const std::string file = PagePicture(hint, picture);
  if (!file.empty()) Icon = TGameImage::Create(DataPaths().ImagePath + file, -1, 1);
  if (hint == 21) Frame = TGameImage::Create(DataPaths().ImagePath + "pictureframe.png", -1, 1);
  Unroll = TAnimation::Create(400, 0, 0, 0, 0);
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  auto ok = Menu->AddQuick("OK", "");
  ok->OKButton = 1;
  ok->y = float(OKButtonY);
  ok->SetAutoGlow(0, 0.3f, 1.0f, 1);
  ActivateSound = BankSoundOrNone("scroll");
  DeactivateSound = BankSoundOrNone("scroll");
  SetText();
  Active = 0;
}

void THintScroll::SetText() {
  Title = GameText ? GameText->FindString("Hint") : std::string();
  const std::string body = GameText ? GameText->FindString("Hint " + std::to_string(Hint) + " Body") : std::string();
  const TImageFontPtr before = GetImageFont();
  SetImageFont(Font31);
  // Body texts wrap at spaces only: a line end inside the text is not a break.
  std::string flat = body;
  for (char& c : flat)
    if (c == '\r' || c == '\n') c = ' ';
  Text = WrapText(flat, float(PageWidth), [](const std::string& s) { return float(TextWidth(s)); });
  if (body.empty()) Text.clear();
  TotalLines = int(Text.size());
  SetImageFont(before);
}

void THintScroll::SetOKActive(int active) {
  if (!Menu) return;
  if (auto ok = Menu->FindButton("OK")) ok->Active = active;
}

void THintScroll::Show(int sound) {
  Active = 1;
  if (Menu) Menu->ManageNoSound(0, 0);
  if (Unroll) Unroll->Start();
  MouseState = Pointer().Active;
  Pointer().On();
  if (sound) PlayActivateSound();
  SetOKActive(0);
  InputFlush();
}

void THintScroll::PlayActivateSound() { PlayThroughPool(ActivateSound); }

void THintScroll::RollUp() {
  if (!Unroll) return;
  Unroll->Reverse = 1;
  Unroll->Start();
  SetOKActive(0);
  PlayThroughPool(DeactivateSound);
}

void THintScroll::Hide() {
  if (MouseState == 0) Pointer().Off();
  InputFlush();
  Active = 0;
  Kill();
  Clock().FixedRateLogic.Init();
}

void THintScroll::Kill() {
  TScreen::Kill();
  ActivateSound.reset();
  DeactivateSound.reset();
  Unroll.reset();
  Icon.reset();
  Frame.reset();
  Active = 0;
  Text.clear();
  TotalLines = 0;
}

int THintScroll::OverlayLogic() {
  if (!Active || !Unroll) return 0;
  TScreen::Logic();
  if (Unroll->Manage()) {
    if (Unroll->Reverse == 1) {
      Hide();
      return 1;
    }
    SetOKActive(1);
  }
  if (!Unroll->Active) {
    if (Pointer().GetMh(1)) {
      if (auto ok = Menu->FindButton("OK")) ok->PlayClick();
      RollUp();
      return 0;
    }
    if (Menu->Clicked("OK")) {
      RollUp();
      return 0;
    }
    if (InputKeyHit(85)) {
      Unroll->Start();
      SetOKActive(0);
    }
  }
  return 0;
}

float THintScroll::Offset() const { return Unroll ? Unroll->GetRatio() * UnrollDistance : 0.0f; }

void THintScroll::OverlayDraw() {
  if (!Active) return;
  const float o = Offset();
  const TImageFontPtr font = GetImageFont();
  SetBlend(BLEND_ALPHA);
  SetAlpha(1);
  SetColor(255, 255, 255);
  if (Image) DrawImage(Image, 400, 300 + o);
  SetImageFont(Font31);
  const TTextStyle style{1, 1, 0.4f, 1};
  DrawTextShadowed(std::round(400 - float(TextWidth(Title)) / 2), std::round(102 + o), Title, 0, 1, style);
  const int bodyHeight = Image ? ImageHeight(Image) : 0;
  const int py = int(std::trunc(float((600 - bodyHeight) / 2) + o + 120));
  if (Icon) Icon->Draw(400, float(py));
  if (Frame) Frame->Draw(400 - 4, float(py + 4));
  float y = float(py + (TotalLines < 4 ? 70 : 50));
  for (const auto& line : Text) {
    DrawTextShadowed(std::round(400 - float(TextWidth(line)) / 2), y, line, 0, 1, style);
    y += 30;
  }
  if (Menu) Menu->Draw(0, 0);
  SetImageFont(font);
}
