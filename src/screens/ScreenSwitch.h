// The screen switch: which screen runs, which one comes next and which one ran
// before, the fade between them and the exit screen that ends the program. Screens
// ask it to move on; the main loop asks it whether a change is due.
#pragma once
#include <memory>

#include "core/ScreenFade.h"
#include "core/Service.h"

class TScreen;
class TExitScreen;
class TGameFade;
class TLoadingScreen;

class TScreenSwitch : public TService<TScreenSwitch>, public TScreenFade {
 public:
  using TService<TScreenSwitch>::Current;

  TScreenSwitch();
  virtual ~TScreenSwitch();

  // Once the fade out is done: kills the old screen and starts the destination.
  void ScreenChange();
  int Fading() const override;
  // How much of the picture the running screen fade leaves visible (1 when none runs).
  float FadeVisibility() const override;
  void FadeOff();
  // One step of the start-up loading bar: the loading screen moves on, is drawn and
  // presented (defined with the loading screen).
  void MoveBar();

  // The screen objects live for the whole run; these only point at them.
  TScreen* CurrentTScreen = nullptr;
  TScreen* DestinationTScreen = nullptr;
  TScreen* LastTScreen = nullptr;
  std::unique_ptr<TExitScreen> ExitScreen;
  std::unique_ptr<TGameFade> GameFade;
  std::shared_ptr<TLoadingScreen> LoadingScreen;
  int FadeOnExit = 1;
  // 1: the pointer is drawn under the fade and darkens with the picture.
  int FadeMouse = 0;
  int NoFade = 0;
  // Set when the exit screen is reached or a quit skips the fade: the loop ends.
  int InstantExit = 0;
};

inline TScreenSwitch& Screens() { return *TScreenSwitch::Current(); }
