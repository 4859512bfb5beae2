#include "frontend/GameMenu.h"

#include "audio/ChannelArray.h"
#include "audio/GameSound.h"
#include "audio/Mixer.h"
#include "audio/SoundBank.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "game/Board.h"
#include "game/GameGrid.h"
#include "gfx/Animation.h"
#include "gfx/Draw.h"
#include "player/Profile.h"
#include "screens/GameFade.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "ui/Menu.h"
#include "ui/MousePointer.h"

namespace {
constexpr float SlideDistance = 460;

std::shared_ptr<TGameSound> BankSound(const char* name) {
  return SoundBank && SoundBank->Contains(name) ? SoundBank->Find(name) : nullptr;
}

void PlayThroughPool(const std::shared_ptr<TGameSound>& sound) {
  if (sound && Mixer().Channels) Mixer().Channels->PlayGameSound(*sound, nullptr, 1.0f, 0);
}

TScreen* Registered(TScreenId id) { return IsScreenRegistered(id) ? FindScreen(id) : nullptr; }
}  // namespace

void TGameMenu::Load() {
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 5);
  auto resume = Menu->AddQuick("resume");
  resume->OKButton = 1;
  Menu->AddQuick("options");
  Menu->AddQuick("help");
  Menu->AddQuick("saveandexit");
  Menu->Centre();
  MenuY = Menu->y;
  for (auto& button : Menu->Buttons) button->SetFixedGlowOnMO(0.5f, 0.005f, 0);
  ActivateSound = BankSound("buttonclick");
  ImageLoad("scrollbody.png", 0, 1);
  MidHandleImage(Image);
  FadeIn = TAnimation::Create(400, 0, 0, 0, 0);
  FadeOut = TAnimation::Create(400, 0, 0, 0, 0);
  Active = 0;
}

void TGameMenu::Kill() {
  TScreen::Kill();
  ActivateSound.reset();
  DeactivateSound.reset();
  FadeIn.reset();
  FadeOut.reset();
  Active = 0;
}

void TGameMenu::Open() {
  if (!Menu || !FadeIn || !FadeOut) Load();
  Show(1);
}

void TGameMenu::Show(int playSound) {
  Active = 1;
  InputFlush();
  if (Menu) {
    Menu->ManageNoSound(0, 0);
    Menu->ClearGlow();
  }
  QuitFlag = 0;
  MouseState = Pointer().Active;
  // The buttons need the pointer even where the level had it hidden.
  Pointer().On();
  if (playSound == 1) PlayThroughPool(ActivateSound);
  PlayThroughPool(BankSound("scroll"));
  if (FadeIn) FadeIn->Reset();
  if (FadeOut) FadeOut->Active = 0;
  SetMenuY();
}

void TGameMenu::Hide() {
  if (MouseState == 0) Pointer().Off();
  PlayThroughPool(DeactivateSound);
  PlayThroughPool(BankSound("scroll"));
  if (FadeOut) {
    FadeOut->Reset();
    // A scroll still rising slides back from where it is.
    if (FadeIn) {
      FadeOut->Counter = FadeIn->CurrentLength() - FadeIn->Counter;
      FadeIn->Active = 0;
    }
  }
  InputFlush();
}

bool TGameMenu::Sliding() const { return (FadeIn && FadeIn->Active) || (FadeOut && FadeOut->Active); }

float TGameMenu::GetRatio() const {
  if (FadeOut && FadeOut->Active) return FadeOut->GetRatio();
  if (FadeIn && FadeIn->Active) return FadeIn->GetRatioInv();
  return 1.0f;
}

float TGameMenu::GetTopY() const { return (1.0f - GetRatio()) * SlideDistance; }

void TGameMenu::SetMenuY() {
  if (Menu) Menu->SetY(MenuY + GetTopY());
}

int TGameMenu::MenuLogic() {
  if (!FadeIn || !FadeOut) {
    // Not loaded until first opened, by the side panel's button (Open) or by this key.
    if (!InputKeyHit(27)) return Closed;
    Open();
    return Opened;
  }
  if (Active) {
    FadeIn->Manage();
    if (FadeOut->Manage() && !FadeOut->Active) {
      Active = 0;
      return Closed;
    }
    SetMenuY();
    // The buttons answer only while the scroll is at rest.
    if (!Sliding()) TScreen::Logic();
  }
  if (FadeOut->Active) return Closed;
  int result = Showing;
  if (InputKeyHit(27)) {
    if (!Active) {
      Show(1);
      return Opened;
    }
    Mixer().EscapeSoundPlay();
    Hide();
    return Closing;
  }
  if (!Active) return result;
  if (!Menu) return result;
  if (Menu->Clicked("resume")) {
    Hide();
    return Closing;
  }
  if (Menu->Clicked("options")) {
    VisitOverLevel(Registered(TScreenId::Options));
  } else if (Menu->Clicked("help")) {
    VisitOverLevel(Registered(TScreenId::Instructions));
  } else if (Menu->Clicked("saveandexit")) {
    TScreen* title = Registered(TScreenId::Title);
    Screens().GameFade->Init(float(StandardFadeLength), 1, Mixer().MusicChannel, 1);
    Screens().DestinationTScreen = title ? title : Screens().ExitScreen.get();
    if (Game->CurrentProfile) Game->CurrentProfile->Save();
  }
  return result;
}

int TGameMenu::OverlayLogic() {
  const int was = Active;
  const int result = MenuLogic();
  if (Grid && (result == Opened || result == Closing)) Grid->TogglePointer(result);
  return was && !Active ? 1 : 0;
}

void TGameMenu::VisitOverLevel(TScreen* screen) {
  TScreen* level = Registered(TScreenId::Game);
  if (!screen || !level) return;
  Screens().GameFade->Init(float(StandardFadeLength), 1, nullptr, 1);
  Screens().DestinationTScreen = screen;
  level->StopKill = 1;
  level->StopInit = 1;
  screen->Destination = level;
}

int TGameMenu::MenuDraw() {
  if (!Active) return 0;
  float veil = 0.5f;
  if (FadeIn && FadeIn->Active)
    veil *= FadeIn->GetRatioInvSine();
  else if (FadeOut && FadeOut->Active)
    veil *= FadeOut->GetRatioSine();
  SetBlend(BLEND_ALPHA);
  SetColor(0, 0, 0);
  SetAlpha(veil);
  DrawRect(0, 0, float(ScreenWidth), float(ScreenHeight));
  SetAlpha(1);
  SetColor(255, 255, 255);
  if (Image) DrawImage(Image, float(ScreenWidth) / 2, GetTopY() + float(ScreenHeight) / 2, 0);
  if (Menu) Menu->Draw(0, 0);
  return 1;
}
