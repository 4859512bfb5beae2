#include "frontend/PictureScreen.h"

#include "audio/Mixer.h"
#include "core/DataPaths.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "frontend/PictureChoice.h"
#include "game/WallpaperLabel.h"
#include "gfx/BitmapFile.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "gfx/TextDraw.h"
#include "platform/Wallpaper.h"
#include "screens/GameFade.h"
#include "screens/ScreenSwitch.h"
#include "ui/DialogPresets.h"
#include "ui/GameText.h"
#include "ui/Menu.h"
#include "ui/MousePointer.h"

std::string TPictureScreen::GetPicName() const { return "pic" + std::to_string(PicIndex) + ".jpg"; }

std::string TPictureScreen::WallpaperPath() { return DataPaths().SubPath + "Tinselvale.bmp"; }

void TPictureScreen::Load() {
  name = "picture";
  if (TPictureChoice::Index >= 1) PicIndex = TPictureChoice::Index;
  ImageLoad(GetPicName(), 0, 1);
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  auto ok = AddOKButton(*Menu);
  ok->MoveTo(ok->x, ok->y + 12);
  const TImageFontPtr before = GetImageFont();
  SetImageFont(Font30);
  LabelText = GameText ? GameText->FindString("Set Wallpaper") : std::string();
  LabelH = LabelText.empty() ? 0 : TextHeight(LabelText);
  LabelW = LabelText.empty() ? 0 : TextWidth(LabelText);
  SetImageFont(before);
  LabelY = Border;
  LabelX = (ScreenWidth - LabelW) / 2;
  Mixer().FadeMusic = 0;
}

void TPictureScreen::Start() {
  TScreen::Start();
  Screens().GameFade->Init(float(StandardFadeLength), 0);
  Clock().FixedRateLogic.Init();
  LabelMO = 0;
}

bool TPictureScreen::OverLabel(int x, int y) const {
  return LabelX <= x && x < LabelX + LabelW && LabelY <= y && y < LabelY + LabelH;
}

void TPictureScreen::SetWallpaper() {
  const std::string target = WallpaperPath();
  const bool saved = SaveImageAsBitmap(DataPaths().ImagePath + GetPicName(), target);
  // Saving takes time that must not be caught up.
  Clock().FixedRateLogic.Init();
  if (!saved) {
    Dialogs.Open(CreateErrorDialog("Failed to save file " + target));
    return;
  }
  SetDesktopWallpaper(target);
  Dialogs.Open(CreateMessageDialog(GameText ? GameText->FindString("Wallpaper Done") : std::string()));
}

void TPictureScreen::Logic() {
  TScreen::Logic();
  const int click = Pointer().GetMh(1);
  auto ok = Menu ? Menu->FindButton("OK") : nullptr;
  if (OverLabel(Pointer().x, Pointer().y)) {
    if (LabelMO == 0 && ok) ok->PlayMouseOver();
    LabelMO = 1;
    if (click) {
      if (ok) ok->PlayClick();
      SetWallpaper();
      return;
    }
  } else {
    LabelMO = 0;
  }
  if (click) {
    if (ok) ok->PlayClick();
    Close();
  } else if (Menu && Menu->Clicked("ok")) {
    Close();
  }
}

void TPictureScreen::Close() {
  Screens().GameFade->Init(float(StandardFadeLength), 1, nullptr, 1);
  Screens().DestinationTScreen = Destination ? Destination : Screens().ExitScreen.get();
}

int TPictureScreen::SetEscDestination() {
  Screens().DestinationTScreen = Destination ? Destination : Screens().ExitScreen.get();
  return 0;
}

void TPictureScreen::Draw() {
  if (Image) {
    SetBlend(BLEND_SOLID);
    DrawImage(Image, 0, 0, 0);
  }
  SetBlend(BLEND_ALPHA);
  if (Menu) Menu->Draw(0, 0);
  DrawWallpaperLabel(float(LabelX), float(LabelY), LabelText, LabelMO != 0);
}
