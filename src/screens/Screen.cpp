#include "screens/Screen.h"

#include "app/Game.h"
#include "app/Input.h"
#include "gfx/Draw.h"
#include "ui/MousePointer.h"

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
  Game->Mouse->On();
  Game->IgnoreEscapeKey = 0;
  CoreStart();
}

void TScreen::CoreStart() {
  Game->CurrentTScreen = this;
  InputFlush();
  Game->Mouse->ClearButtons();
  Game->FixedRateLogic.Init();
}

void TScreen::PostFadeIn() {}
void TScreen::PostFadeOut() {}

void TScreen::Kill() {
  Image.reset();
  Header.reset();
  Menu.reset();
}

void TScreen::Logic() {}

void TScreen::Draw() {
  if (Image) {
    SetBlend(BLEND_SOLID);
    DrawImage(Image, 0, 0, 0);
  }
}

int TScreen::SetEscDestination() {
  Game->DestinationTScreen = Game->ExitScreen.get();
  return 0;
}

void TScreen::SpecificKeys() {}
