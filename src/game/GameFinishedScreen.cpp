#include "game/GameFinishedScreen.h"

#include "audio/GameSound.h"
#include "audio/Mixer.h"
#include "core/DataPaths.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "game/ScreenSounds.h"
#include "gfx/Animation.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "gfx/GameImage.h"
#include "gfx/TextDraw.h"
#include "screens/GameFade.h"
#include "screens/LoadingScreen.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "ui/GameText.h"
#include "ui/Menu.h"
#include "ui/MousePointer.h"

namespace {
std::string Text(const char* key) { return GameText ? GameText->FindString(key) : std::string(); }
}  // namespace

TGameFinishedScreen::TGameFinishedScreen() { name = "gamefinished"; }

TScreen* TGameFinishedScreen::Leave() const {
  if (IsScreenRegistered(TScreenId::Title)) return FindScreen(TScreenId::Title);
  if (IsScreenRegistered(TScreenId::LevelSelect)) return FindScreen(TScreenId::LevelSelect);
  return Screens().ExitScreen.get();
}

void TGameFinishedScreen::Load() {
  name = "gamefinished";
  if (Screens().LoadingScreen) Screens().LoadingScreen->DrawLoading(1);
  ImageLoad("title.jpg", 0, 1);
  Santa = TGameImage::Create(DataPaths().ImagePath + "Santa.png", -1, 1);
  Mixer().MusicLoad("gameend.ogg", 1);
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  auto ok = AddOKButton(*Menu);
  ok->y += 10;
  Mixer().FadeMusic = 1;
  SantaFade = TAnimation::Create(float(FigureFadeMs), 0, 0, 0, 0);
  HOHOSound = TGameSound::Create(DataPaths().SoundPath + "hohoho.wav", 0);
}

void TGameFinishedScreen::Start() {
  TScreen::Start();
  SantaFade->Start();
  Screens().GameFade->Init(float(StandardFadeLength), 0);
  Clock().FixedRateLogic.Init();
}

void TGameFinishedScreen::PostFadeIn() {
  PlayThroughPool(HOHOSound);
}

void TGameFinishedScreen::Kill() {
  TScreen::Kill();
  Santa.reset();
  SantaFade.reset();
  HOHOSound.reset();
}

int TGameFinishedScreen::SetEscDestination() {
  Screens().DestinationTScreen = Leave();
  return 3 * StandardFadeLength;
}

void TGameFinishedScreen::Close() {
  Screens().GameFade->Init(float(3 * StandardFadeLength), 1, Mixer().MusicChannel, 1, 0);
  Screens().DestinationTScreen = Leave();
}

void TGameFinishedScreen::Logic() {
  TScreen::Logic();
  // The music waits until the figure has fully appeared.
  if (SantaFade && SantaFade->Manage()) Mixer().MusicPlay(1, 0, 0);
  if (Pointer().GetMh(1)) {
    if (auto ok = Menu->FindButton("OK")) ok->PlayClick();
    Close();
  } else if (Menu->Clicked("ok")) {
    Close();
  }
}

void TGameFinishedScreen::Draw() {
  SetColor(255, 255, 255);
  SetAlpha(1);
  SetBlend(BLEND_SOLID);
  if (Image) DrawImage(Image, 0, 0);
  SetBlend(BLEND_ALPHA);
  SetAlpha(SantaFade ? SantaFade->GetRatioInv() : 1.0f);
  if (Santa) Santa->Draw(float(ScreenWidth / 2 - 5), 375);
  SetAlpha(1);
  const TImageFontPtr font = GetImageFont();
  const TTextStyle style{1, 1, 0.4f, 1};
  SetImageFont(Font60);
  DrawTextShadowed(float(ScreenWidth / 2), 60, Text("End Game Text1"), 1, 1, style);
  SetImageFont(Font48);
  DrawTextShadowed(float(ScreenWidth / 2), 115, Text("End Game Text2"), 1, 1, style);
  SetImageFont(font);
  if (Menu) Menu->Draw(0, 0);
}
