#include "frontend/GalleryScreen.h"

#include "audio/ChannelArray.h"
#include "audio/GameSound.h"
#include "audio/Mixer.h"
#include "audio/SoundBank.h"
#include "core/DataPaths.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "gfx/Draw.h"
#include "gfx/GameImage.h"
#include "frontend/PictureChoice.h"
#include "gfx/SineCounter.h"
#include "player/Profile.h"
#include "screens/GameFade.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "ui/Menu.h"
#include "ui/MousePointer.h"

namespace {
std::shared_ptr<TGameImage> TopLeft(const std::string& file) {
  auto picture = TGameImage::Create(DataPaths().ImagePath + file, -1, 0);
  if (picture) picture->MidHandle(0);
  return picture;
}

void FadeOut() { Screens().GameFade->Init(float(StandardFadeLength), 1, nullptr, 1); }
}  // namespace

TGalleryScreen::TGalleryScreen() : glow(TSineCounter::Create(0, 360, 1, 0)) { name = "gallery"; }

void TGalleryScreen::SlotOrigin(int k, int& x, int& y) const {
  x = TopX + XGap * (k % Cols);
  y = TopY + YGap * (k / Cols);
  if (k == Total - 1) x += 2 * XGap;
}

int TGalleryScreen::SlotAt(int x, int y) const {
  int found = -1;
  for (int k = 0; k < Total; ++k) {
    int sx, sy;
    SlotOrigin(k, sx, sy);
    if (sx <= x && x < sx + PicW && sy < y && y < sy + PicH) found = k;
  }
  return found;
}

bool TGalleryScreen::Unlocked(const TProfile* profile, int k) const {
  const int record = HintOffset + k;
  if (!profile || k < 0 || k >= Total || record < 0 || record >= int(profile->HintsShown.size())) return false;
  return profile->HintsShown[size_t(record)] != 0;
}

void TGalleryScreen::Load() {
  name = "gallery";
  ImageLoad("Localised/gallery.jpg", 0, 1);
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  auto ok = AddOKButton(*Menu);
  ok->MoveTo(ok->x, ok->y + 12);
  const TProfile* profile = Game->CurrentProfile.get();
  for (int k = 0; k < Total; ++k)
    Pics[size_t(k)] = Unlocked(profile, k) ? TopLeft("thumb" + std::to_string(k + 1) + ".png") : nullptr;
  Locked = TopLeft("lockedpicture.png");
  PicFrame = TopLeft("pictureframe.png");
  InvalidSound = SoundBank && SoundBank->Contains("invalid") ? SoundBank->Find("invalid") : nullptr;
}

void TGalleryScreen::CoreStart() {
  TScreen::CoreStart();
  // Back from the viewer the gallery is still loaded; the next departure must kill it.
  ResetStops();
  MOIndex = -1;
  Mixer().FadeMusic = 0;
  Screens().GameFade->Init(float(StandardFadeLength), 0);
}

void TGalleryScreen::Logic() {
  TScreen::Logic();
  if (Screens().Fading()) return;
  glow->Manage();
  const int old = MOIndex;
  MOIndex = SlotAt(Pointer().x, Pointer().y);
  auto ok = Menu ? Menu->FindButton("OK") : nullptr;
  if (MOIndex >= 0 && MOIndex != old) {
    if (ok) ok->PlayMouseOver();
    glow->Init(0, 180, 1, 0);
    glow->SetCounter(90);
  }
  if (MOIndex >= 0 && Pointer().GetMh(1)) {
    if (Pics[size_t(MOIndex)]) {
      TScreen* viewer = FindScreen(TScreenId::Picture);
      FadeOut();
      Screens().DestinationTScreen = viewer;
      StopKill = 1;
      StopInit = 1;
      viewer->Destination = this;
      TPictureChoice::Index = MOIndex + 1;
      if (ok) ok->PlayClick();
    } else if (InvalidSound && Mixer().Channels) {
      Mixer().Channels->PlayGameSound(*InvalidSound, nullptr, 1.0f, 0);
    }
    return;
  }
  if (Menu && Menu->Clicked("ok")) {
    FadeOut();
    Screens().DestinationTScreen = Destination ? Destination : Screens().ExitScreen.get();
  }
}

int TGalleryScreen::SetEscDestination() {
  Screens().DestinationTScreen = Destination ? Destination : Screens().ExitScreen.get();
  return 0;
}

void TGalleryScreen::Kill() {
  TScreen::Kill();
  for (auto& pic : Pics) pic.reset();
  Locked.reset();
  PicFrame.reset();
  InvalidSound.reset();
}

void TGalleryScreen::Draw() {
  if (Image) {
    SetBlend(BLEND_SOLID);
    DrawImage(Image, 0, 0, 0);
  }
  const float pulse = glow->ratio / 4;
  for (int k = 0; k < Total; ++k) {
    int x, y;
    SlotOrigin(k, x, y);
    const bool hovered = k == MOIndex;
    const auto& picture = Pics[size_t(k)] ? Pics[size_t(k)] : Locked;
    SetBlend(BLEND_SOLID);
    if (picture) picture->Draw(float(x), float(y));
    SetBlend(BLEND_ALPHA);
    if (hovered && picture) {
      SetBlend(BLEND_LIGHT);
      SetAlpha(pulse);
      picture->Draw(float(x), float(y));
      SetBlend(BLEND_ALPHA);
      SetAlpha(1);
    }
    if (PicFrame) PicFrame->Draw(float(x - 9), float(y));
    if (hovered && PicFrame) {
      SetBlend(BLEND_LIGHT);
      SetAlpha(pulse);
      PicFrame->Draw(float(x - 9), float(y));
      SetBlend(BLEND_SOLID);
      SetAlpha(1);
    }
  }
  SetBlend(BLEND_ALPHA);
  if (Menu) Menu->Draw(0, 0);
}
