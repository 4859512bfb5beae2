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

std::vector<TCreditsScreen::TLine> TCreditsScreen::Lines() {
  // The game is the studio's own work, so every role is credited to its team; then what
  // the game stands on, each with its authors and licence as its copyright file gives them.
  std::vector<TLine> lines = {
      {198, 0.8f, "A Quillmoth game"},
      {224, 0.6f,
       Role("Producer/Designer") + ", " + Role("Programmer") + ", " + Role("Artists") + ", " + Role("Music") + ", " +
           Role("Sound Engineer")},
      {242, 0.6f, "and " + Role("Testers") + ": the Quillmoth team"},
  };
  const std::pair<const char*, const char*> software[] = {
      {"SDL2 (zlib licence)", "Sam Lantinga and contributors"},
      {"OpenAL Soft (GNU LGPL 2 or later)", "Chris Robinson and the OpenAL team"},
      {"libvorbis (BSD 3-clause licence)", "Xiph.Org Foundation"},
      {"libpng (libpng licence)", "The PNG Reference Library Authors"},
      {"libjpeg-turbo (IJG, BSD 3-clause, zlib)", "D. R. Commander, Thomas G. Lane, Guido Vollbeding"},
      {"FreeType (FreeType Licence)", "David Turner, Robert Wilhelm, Werner Lemberg"},
  };
  // The small print is scaled down, so each line keeps clear of the next at its own size.
  int y = 268;
  for (const auto& [name, authors] : software) {
    lines.push_back({y, 0.6f, name});
    lines.push_back({y + 18, 0.52f, authors});
    y += 36;
  }
  lines.push_back({y, 0.6f, "Typefaces (SIL Open Font Licence 1.1)"});
  lines.push_back({y + 18, 0.52f, "Comfortaa: Johan Aakerlund"});
  lines.push_back({y + 34, 0.52f, "Lobster Two: Pablo Impallari, Igino Marini"});
  return lines;
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
  SetColor(0, 0, 0);
  DrawRect(95, 180, 272, 1);
  DrawRect(96, 181, 272, 1);
  const TImageFontPtr before = GetImageFont();
  SetImageFont(Font25);
  for (const auto& line : Lines()) {
    SetScale(line.scale, line.scale);
    DrawText(line.text, std::round(230 - float(TextWidth(line.text)) * line.scale / 2), float(line.y));
  }
  SetScale(1, 1);
  SetImageFont(before);
  SetColor(255, 255, 255);
  if (Menu) Menu->Draw(0, 0);
}
