#include "core/Game.h"
#include "core/Input.h"
#include "screens/GameFade.h"
#include "screens/Screen.h"

void TGame::ScreenChange() {
  if (!(GameFade->GetDone() && GameFade->Out == 1)) return;
  if (CurrentTScreen && CurrentTScreen->StopKill == 0) CurrentTScreen->Kill();
  if (!DestinationTScreen) {
    throw std::runtime_error("Screen '" + (CurrentTScreen ? CurrentTScreen->name : std::string()) +
                             "' does not have a destination screen set!");
  }
  LastTScreen = CurrentTScreen;
  if (DestinationTScreen == ExitScreen.get()) {
    InstantExit = 1;
    CurrentTScreen = ExitScreen.get();
  } else {
    DestinationTScreen->PreStart();
  }
  InputFlush();
}

int TGame::Fading() const { return GameFade->Active; }

float TGame::FadeVisibility() const { return GameFade && GameFade->Active ? GameFade->Ratio : 1.0f; }

void TGame::FadeOff() { NoFade = 1; }
