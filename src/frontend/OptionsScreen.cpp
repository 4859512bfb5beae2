#include "frontend/OptionsScreen.h"

#include "audio/GameSound.h"
#include "audio/Mixer.h"
#include "core/DataPaths.h"
#include "core/Display.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "core/Text.h"
#include "gfx/Draw.h"
#include "gfx/GameImage.h"
#include "screens/GameFade.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "ui/Menu.h"

namespace {
std::shared_ptr<TGameImage> Picture(const std::string& file, int midHandle) {
  auto picture = TGameImage::Create(DataPaths().ImagePath + file, -1, 0);
  if (picture) picture->MidHandle(midHandle);
  return picture;
}

std::shared_ptr<TGameImage> TopLeft(const std::string& file) { return Picture(file, 0); }
// A switch's label is centred on its point, so it stands left of the switch, level with it.
std::shared_ptr<TGameImage> Centred(const std::string& file) { return Picture(file, 1); }

void DrawAt(const std::shared_ptr<TGameImage>& picture, float x, float y) {
  if (picture) picture->Draw(x, y);
}

constexpr float SliderX = 111;
constexpr int SliderMargin = 8, SliderCatch = 5;
}  // namespace

float TOptionsScreen::CustomCursorX(int region) { return region == 0 ? 673.0f : region == 4 ? 635.0f : 693.0f; }

bool TOptionsScreen::ApplyMusic(int value) {
  if (value == Settings().MusicVolume) return false;
  Mixer().MusicSetVolume(value, 0);
  Game->SettingsUnsaved = 1;
  return true;
}

bool TOptionsScreen::ApplySound(int value) {
  if (value == Settings().SoundVolume) return false;
  Mixer().SoundSetVolume(value, 0);
  Game->SettingsUnsaved = 1;
  return true;
}

bool TOptionsScreen::ApplyDetail(int value) {
  if (value == Settings().Particles) return false;
  Game->ParticlesSet(value, 0);
  Game->SettingsUnsaved = 1;
  return true;
}

std::shared_ptr<TButton> TOptionsScreen::LoadToggle(int state, const std::string& toggleName) {
  return Menu->AddNew(state ? "on" : "off", state ? "onMO" : "offMO", toggleName);
}

void TOptionsScreen::ReloadToggleButton(TButton& button, int state, const std::string& toggleName) {
  button.LoadImages(state ? "on" : "off", state ? "onMO" : "offMO");
  button.name = UpperCase(toggleName);
  button.SoundMouseOver = Menu->SoundMouseOver;
  button.SoundClick = Menu->SoundClick;
}

void TOptionsScreen::Load() {
  name = "options";
  ImageLoad("pressie.jpg", 0, 1);
  MusicLabel = TopLeft("Localised/Music.png");
  SoundLabel = TopLeft("Localised/Sound.png");
  DetailLabel = TopLeft("Localised/Details.png");
  FullscreenLabel = Centred("Localised/FullScreen.png");
  WidescreenLabel = Centred("Localised/Widescreen.png");
  CustomCursorLabel = Centred("Localised/CustomCursor.png");
  TagImage = TopLeft("Localised/tagoptions.png");
  Tag2Image = TopLeft("tagoptions2.png");
  BottomString = TopLeft("BottomString.png");
  TopString = TopLeft("TopString.png");

  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  auto full = LoadToggle(Settings().FullScreen, "fullscreen");
  full->MoveTo(full->x - 94, 419);
  auto wide = LoadToggle(Settings().WideScreen, "widescreen");
  wide->MoveTo(wide->x - 94, 470);
  auto cursor = LoadToggle(Settings().CustomMousePointer, "customcursor");
  cursor->MoveTo(CustomCursorX(Settings().Region), 454);
  auto ok = AddOKButton(*Menu);
  ok->MoveTo(ok->x - 172, ok->y);
  auto credits = Menu->AddNew("credits", "creditsMO", "credits");
  credits->MoveTo(537, 510);
  for (auto& button : Menu->Buttons) button->SetFixedGlowOnMO(0.5f, 0.005f, 0);

  MusicSlider = TSlider::CreateSpecial("slider", "Dot", SliderX, 220, SliderMargin, "music", SliderCatch);
  SoundSlider = TSlider::CreateSpecial("slider", "Dot", SliderX, 298, SliderMargin, "sound", SliderCatch);
  DetailSlider = TSlider::CreateSpecial("slider", "Dot", SliderX, 376, SliderMargin, "detail", SliderCatch);
  MusicSlider->SetValue(Settings().MusicVolume);
  SoundSlider->SetValue(Settings().SoundVolume);
  DetailSlider->SetValue(Settings().Particles);
  ChannelClick = AllocChannel();
  Mixer().FadeMusic = 0;
}

void TOptionsScreen::Start() {
  TScreen::Start();
  Screens().GameFade->Init(float(StandardFadeLength), 0);
}

void TOptionsScreen::Close() {
  Game->IniUpdate(1);
  Clock().FixedRateLogic.Init();
}

void TOptionsScreen::Leave() {
  Screens().GameFade->Init(float(StandardFadeLength), 1, nullptr, 1);
  Screens().DestinationTScreen = Destination ? Destination : Screens().ExitScreen.get();
  Close();
}

void TOptionsScreen::ListFocus(TFocusRing& ring) {
  if (!Dialogs.Empty() || !Menu) return TScreen::ListFocus(ring);
  ring.Begin(this);
  // Top to bottom as they stand: the three sliders, the toggles, then credits and OK.
  auto slider = [&](const TSliderPtr& s, bool (*apply)(int), bool click) {
    if (!s) return;
    TFocusTarget t;
    t.x = s->x;
    t.y = s->y;
    t.w = float(s->w);
    t.h = float(s->h);
    t.Kind = TFocusTarget::Slider;
    t.Slide = [this, s, apply, click](int by) {
      s->SetValue(s->Value + by);
      apply(s->Value);
      if (click) ClickSound();
    };
    ring.Add(t);
  };
  slider(MusicSlider, &ApplyMusic, false);
  slider(SoundSlider, &ApplySound, true);
  slider(DetailSlider, &ApplyDetail, false);
  for (const char* name : {"fullscreen", "customcursor", "widescreen", "credits", "ok"})
    if (auto b = Menu->FindButton(name)) ring.AddButtons({b});
}

int TOptionsScreen::SetEscDestination() {
  Screens().DestinationTScreen = Destination ? Destination : Screens().ExitScreen.get();
  Close();
  return 0;
}

void TOptionsScreen::ClickSound() {
  if (ChannelClick && ChannelPlaying(ChannelClick)) return;
  auto ok = Menu ? Menu->FindButton("OK") : nullptr;
  if (ok && ok->SoundClick) Mixer().GameSoundPlay(ChannelClick, *ok->SoundClick, 0);
}

void TOptionsScreen::Kill() {
  TScreen::Kill();
  MusicLabel = SoundLabel = DetailLabel = FullscreenLabel = WidescreenLabel = CustomCursorLabel = nullptr;
  TagImage = Tag2Image = BottomString = TopString = nullptr;
  MusicSlider = SoundSlider = DetailSlider = nullptr;
  if (ChannelClick) StopChannel(ChannelClick);
  ChannelClick = nullptr;
}

void TOptionsScreen::Logic() {
  TScreen::Logic();
  if (!Menu) return;
  if (Menu->Clicked("fullscreen")) {
    const int before = Settings().FullScreen;
    Display().ToggleFullScreen();
    // A display that cannot change keeps the switch as it was.
    if (Settings().FullScreen != before)
      if (auto b = Menu->FindButton("fullscreen")) ReloadToggleButton(*b, Settings().FullScreen, "fullscreen");
  }
  if (Menu->Clicked("widescreen")) {
    const int before = Settings().WideScreen;
    Display().ToggleWideScreen();
    if (Settings().WideScreen != before)
      if (auto b = Menu->FindButton("widescreen")) ReloadToggleButton(*b, Settings().WideScreen, "widescreen");
  }
  if (Menu->Clicked("customcursor")) {
    const int before = Settings().CustomMousePointer;
    Display().ToggleCustomMousePointer();
    if (Settings().CustomMousePointer != before) {
      // The switch itself writes nothing; like a slider it must not be lost if the program ends here.
      Game->SettingsUnsaved = 1;
      if (auto b = Menu->FindButton("customcursor")) ReloadToggleButton(*b, Settings().CustomMousePointer, "customcursor");
    }
  }
  if (MusicSlider && MusicSlider->Manage()) ApplyMusic(MusicSlider->Value);
  if (SoundSlider && SoundSlider->Manage()) {
    ApplySound(SoundSlider->Value);
    ClickSound();
  }
  if (DetailSlider && DetailSlider->Manage()) ApplyDetail(DetailSlider->Value);
  if (Menu->Clicked("credits")) {
    Screens().GameFade->Init(float(StandardFadeLength), 1, nullptr, 1);
    Screens().DestinationTScreen = FindScreen(TScreenId::Credits);
  } else if (Menu->Clicked("ok")) {
    Leave();
  }
}

void TOptionsScreen::Draw() {
  if (Image) {
    SetBlend(BLEND_SOLID);
    DrawImage(Image, 0, 0, 0);
  }
  SetBlend(BLEND_ALPHA);
  DrawAt(BottomString, 210, -26);
  DrawAt(TagImage, 10, -26);
  DrawAt(TopString, 196, -26);
  DrawAt(Tag2Image, float(ScreenWidth - 405), float(ScreenHeight - 350));
  if (Menu) Menu->Draw(0, 0);
  DrawAt(MusicLabel, 231, 203);
  DrawAt(SoundLabel, 231, 281);
  DrawAt(DetailLabel, 231, 359);
  DrawAt(FullscreenLabel, 180, 445);
  DrawAt(WidescreenLabel, Settings().Region == 4 ? 162.0f : 180.0f, 496);
  DrawAt(CustomCursorLabel, Settings().Region != 0 ? 574.0f : 580.0f, 480);
  for (auto* slider : {&MusicSlider, &SoundSlider, &DetailSlider})
    if (*slider) (*slider)->Draw();
}
