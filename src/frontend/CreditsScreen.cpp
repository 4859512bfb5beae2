#include "frontend/CreditsScreen.h"

#include <cmath>

#include "audio/Mixer.h"
#include "core/DataPaths.h"
#include "core/Globals.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "gfx/GameImage.h"
#include "gfx/TextDraw.h"
#include "screens/GameFade.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "ui/GameText.h"
#include "ui/Menu.h"

namespace {
std::string Role(const char* key) { return GameText ? GameText->FindString(key) : std::string(); }

std::shared_ptr<TGameImage> TopLeft(const std::string& file) {
  auto picture = TGameImage::Create(DataPaths().ImagePath + file, -1, 0);
  if (picture) picture->MidHandle(0);
  return picture;
}

TScreen* OptionsScreen() { return FindScreen(TScreenId::Options); }
}  // namespace

std::vector<std::pair<int, std::string>> TCreditsScreen::Lines() {
  return {
      {198, Role("Producer/Designer") + ": Maren Holloway"},
      {233, Role("Programmer") + ": Tobias Wren"},
      {268, Role("Artists") + ":"},
      {290, "Ilse Marchetti"},
      {312, "Owen Fairbrook"},
      {347, Role("Music") + ": Clara Nightingale"},
      {382, Role("Sound Engineer") + ": Pim Vasquez"},
      {417, Role("Testers") + ":"},
      {439, "Rosa Kettering"},
      {461, "Jonah Pell"},
      {483, "Agnes Thorne"},
  };
}

void TCreditsScreen::Load() {
  name = "credits";
  ImageLoad("pressie.jpg", 0, 1);
  TagImage = TopLeft("Localised/tagcredits.png");
  BottomString = TopLeft("BottomString.png");
  TopString = TopLeft("TopString.png");
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  auto ok = AddOKButton(*Menu);
  ok->MoveTo(ok->x - 172, ok->y);
  Mixer().FadeMusic = 0;
}

void TCreditsScreen::Start() {
  TScreen::Start();
  Screens().GameFade->Init(float(StandardFadeLength), 0);
}

void TCreditsScreen::Kill() {
  TScreen::Kill();
  TagImage = BottomString = TopString = nullptr;
}

void TCreditsScreen::Logic() {
  TScreen::Logic();
  if (Menu && Menu->Clicked("ok")) {
    Screens().GameFade->Init(float(StandardFadeLength), 1, nullptr, 1);
    Screens().DestinationTScreen = OptionsScreen();
  }
}

int TCreditsScreen::SetEscDestination() {
  Screens().DestinationTScreen = OptionsScreen();
  return 0;
}

void TCreditsScreen::Draw() {
  if (Image) {
    SetBlend(BLEND_SOLID);
    DrawImage(Image, 0, 0, 0);
  }
  SetBlend(BLEND_ALPHA);
  if (BottomString) BottomString->Draw(210, -26);
  if (TagImage) TagImage->Draw(10, -26);
  if (TopString) TopString->Draw(196, -26);
  TextShadowX = TextShadowY = 0;
  TextShadowAlpha = 0;
  SetColor(0, 0, 0);
  DrawRect(95, 180, 272, 1);
  DrawRect(96, 181, 272, 1);
  const TImageFontPtr before = GetImageFont();
  SetImageFont(Font25);
  for (const auto& [y, text] : Lines())
    DrawTextShadowed(std::round(230 - float(TextWidth(text)) / 2), float(y), text, 0, 1);
  SetImageFont(before);
  SetColor(255, 255, 255);
  if (Menu) Menu->Draw(0, 0);
}
