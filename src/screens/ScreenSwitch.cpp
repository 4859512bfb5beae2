#include "screens/ScreenSwitch.h"

#include <chrono>
#include <string>

#include "core/ErrorReport.h"
#include "core/Input.h"
#include "core/TimingReport.h"
#include "platform/Memory.h"
#include "screens/GameFade.h"
#include "screens/Screen.h"

TScreenSwitch::TScreenSwitch()
    : ExitScreen(std::make_unique<TExitScreen>()), GameFade(std::make_unique<TGameFade>()) {}

TScreenSwitch::~TScreenSwitch() = default;

void TScreenSwitch::ScreenChange() {
  if (!(GameFade->GetDone() && GameFade->Out == 1)) return;
  const auto started = std::chrono::steady_clock::now();
  if (CurrentTScreen && CurrentTScreen->StopKill == 0) CurrentTScreen->Kill();
  // The heap keeps freed memory on purpose (KeepHeapStill); what the screen left behind
  // goes back before the next one loads, so the two never fill memory together, and the
  // garbage of that loading goes back once it is done.
  ReturnFreedMemory();
  // A programming error, reported like every fatal condition: shown, logged, and the
  // program ends without claiming a clean exit.
  if (!DestinationTScreen) {
    ShowError("Screen '" + (CurrentTScreen ? CurrentTScreen->name : std::string()) +
                  "' does not have a destination screen set!",
              1, 1);
    return;
  }
  LastTScreen = CurrentTScreen;
  if (DestinationTScreen == ExitScreen.get()) {
    InstantExit = 1;
    CurrentTScreen = ExitScreen.get();
  } else {
    DestinationTScreen->PreStart();
    ReturnFreedMemory();
    // How long the player looks at a black screen between two screens; the line is
    // also how scripts driving the game know which screen it has gone to.
    if (TimingReportEnabled()) {
      const std::string what = "change to " + DestinationTScreen->name;
      ReportTiming(what.c_str(), MillisecondsSince(started));
    }
  }
  InputFlush();
}

int TScreenSwitch::Fading() const { return GameFade->Active; }

float TScreenSwitch::FadeVisibility() const { return GameFade && GameFade->Active ? GameFade->Ratio : 1.0f; }

void TScreenSwitch::FadeOff() { NoFade = 1; }
