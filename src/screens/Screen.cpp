#include "screens/Screen.h"

#include <map>

#include "core/DataPaths.h"
#include "core/GameClock.h"
#include "gfx/CheckedLoaders.h"
#include "screens/ScreenSwitch.h"

#include "core/Game.h"
#include "core/Input.h"
#include "core/ErrorReport.h"
#include "gfx/Draw.h"
#include "gfx/GameImage.h"
#include "gfx/Sprite.h"
#include "ui/Menu.h"
#include "ui/MousePointer.h"

void TScreen::ImageLoad(const std::string& file, int flags, int precache) {
  // A scaled logical screen wants filtered pictures, whatever the caller asked for; the
  // window may be resized or go full screen after the picture is loaded, so always.
  flags = IMAGE_FILTERED;
  // Screens alive together that show the same picture (the in-game menu and the level's
  // end both unroll the scroll) share one copy.
  static std::map<std::string, std::weak_ptr<TImage>> shown;
  const std::string key = std::to_string(flags) + ":" + file;
  if (auto image = shown[key].lock()) {
    Image = image;
  } else {
    Image = LoadImageChecked(DataPaths().ImagePath + file, flags);
    shown[key] = Image;
  }
  SetImageHandle(Image, 0, 0);
  if (precache) PrecacheImage(Image);
}

void TScreen::HeaderLoad(const std::string& file, float x, float y, int precache) {
  auto picture = TGameImage::Create(DataPaths().ImagePath + file + Ext, -1, 1);
  Header = TSprite::Create(picture, x, y);
  if (precache) picture->Precache();
}

void TScreen::PreStart() {
  if (StopInit == 0) {
    Load();
    Start();
  } else {
    CoreStart();
  }
}

void TScreen::ResetStops() {
  StopKill = 0;
  StopInit = 0;
}

void TScreen::Load() {}

void TScreen::Start() {
  Pointer().On();
  Game->IgnoreEscapeKey = 0;
  CoreStart();
}

void TScreen::CoreStart() {
  Screens().CurrentTScreen = this;
  // The button under the pointer lights up at once, without a hover sound.
  if (Menu) Menu->ManageNoSound(0, 0);
  InputFlush();
  Pointer().ClearButtons();
  Clock().FixedRateLogic.Init();
}

void TScreen::PostFadeIn() {}
void TScreen::PostFadeOut() {}

void TScreen::Kill() {
  Dialogs.Kill();
  Image.reset();
  Header.reset();
  if (Menu) {
    Menu->Kill();
    Menu.reset();
  }
}

void TScreen::Logic() {
  if (Menu) Menu->Manage(0, 0);
}

void TScreen::RunLogic() {
  if (Dialogs.Manage()) {
    // The last dialog has gone: the button under the pointer lights up again, quietly,
    // and the press that closed the dialog does not reach the screen.
    if (Dialogs.Empty() && Menu) Menu->ManageNoSound(0, 0);
    return;
  }
  Logic();
}

void TScreen::RunDraw() {
  Draw();
  Dialogs.Draw();
}

void TScreen::Draw() {
  if (Image) {
    SetBlend(BLEND_SOLID);
    DrawImage(Image, 0, 0, 0);
  }
  if (Header) {
    SetBlend(BLEND_ALPHA);
    Header->Draw();
  }
  if (Menu) Menu->Draw(0, 0);
}

int TScreen::SetEscDestination() {
  Screens().DestinationTScreen = Screens().ExitScreen.get();
  return 0;
}

void TScreen::SpecificKeys() {}
