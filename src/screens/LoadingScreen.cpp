#include "screens/LoadingScreen.h"

#include "audio/Mixer.h"
#include "core/DataPaths.h"
#include "core/Display.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "core/Settings.h"
#include "gfx/CheckedLoaders.h"
#include "gfx/Draw.h"
#include "gfx/Sprite.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "screens/GameFade.h"
#include "screens/ScreenSwitch.h"
#include "ui/Button.h"
#include "ui/MousePointer.h"

TLoadingScreen::TLoadingScreen() : LoadingBar(std::make_unique<TLoadingBar>()) {}

void TLoadingScreen::SpecialLoad(const std::string& background, const std::string& bar, const std::string& text) {
  name = "loading";
  ImageLoad(background, 0, 1);
  if (!bar.empty()) {
    const std::size_t dot = bar.rfind('.');
    const std::string stem = dot == std::string::npos ? bar : bar.substr(0, dot);
    const std::string ext = dot == std::string::npos ? std::string() : bar.substr(dot + 1);
    auto optional = [&](const std::string& word) -> TImagePtr {
      const std::string path = DataPaths().ImagePath + stem + word + "." + ext;
      return PathExists(ResolveDataPath(path)) ? LoadImageChecked(path, -1) : nullptr;
    };
    TImagePtr empty = optional("empty");
    TImagePtr final = optional("final");
    if (!LoadingBar) LoadingBar = std::make_unique<TLoadingBar>();
    LoadingBar->Init(LoadImageChecked(DataPaths().ImagePath + bar, -1), empty, final);
  }
  LoadingTextImage = LoadImageChecked(DataPaths().ImagePath + text, -1);
  MidHandleImage(LoadingTextImage);
  LoadingX = ScreenWidth / 2;
  LoadingY = ScreenHeight / 2;
  Finished = 0;
  Mixer().MusicNone();
}

void TLoadingScreen::SetSteps(int n) {
  if (LoadingBar) LoadingBar->SetSteps(n);
}

void TLoadingScreen::SetClickHereButton(const std::string& image, const std::string& imageMO,
                                        const std::string& soundMO, const std::string& soundClick, int y) {
  ClickHereButton = std::make_shared<TButton>();
  ClickHereButton->Load(image, imageMO, soundMO, soundClick, 0, 0, 1);
  ClickHereButton->CentreX(float(y));
  ClickHereButton->OKButton = 1;
}

void TLoadingScreen::Progress() {
  if (!LoadingBar) return;
  LoadingBar->Progress();
  Finished = LoadingBar->Finished;
  if (Finished == 1) {
    InputFlush();
    Pointer().UpdateCoords();
  }
}

void TLoadingScreen::Start() {
  TScreen::Start();
  if (EscapeCloses == 0) Game->IgnoreEscapeKey = 1;
}

void TLoadingScreen::Kill() {
  TScreen::Kill();
  LoadingBar.reset();
  LoadingTextImage2.reset();
  if (ClickHereButton) {
    ClickHereButton->Kill();
    ClickHereButton.reset();
  }
  if (CustomKillFunction) CustomKillFunction();
}

void TLoadingScreen::Draw() {
  TScreen::Draw();
  if (Finished == 0 || !ClickHereButton) {
    if (LoadingBar) LoadingBar->Draw();
    SetBlend(BLEND_ALPHA);
    if (Finished == 0) DrawLoading(0);
  } else {
    if (LoadingBar && LoadingBar->FinalImage) LoadingBar->Draw();
    ClickHereButton->Draw();
  }
  if (CustomDrawFunction) CustomDrawFunction();
}

void TLoadingScreen::DrawLoading(int mode) {
  if (mode != 0) {
    if (Display().NeedsCLSWidescreen()) {
      Display().CLSWidescreen();
    } else {
      Cls();
    }
  }
  if (mode == 0 || Settings().Music == 1) {
    SetBlend(BLEND_ALPHA);
    const TImagePtr& picture = LoadingTextImage2 && DrawLoadingTextImage2 == 1 ? LoadingTextImage2 : LoadingTextImage;
    if (picture) DrawImage(picture, float(LoadingX), float(LoadingY));
  }
  if (mode != 0) {
    if (Screens().FadeMouse != 1) Pointer().Draw();
    Flip(1);
  }
}

void TLoadingScreen::Logic() {
  bool goOn = true;
  if (ClickHereButton) {
    const int hit = Pointer().GetMh(0);
    ClickHereButton->Manage();
    const bool escape = EscapeCloses == 0 && InputKeyHit(27);
    goOn = ClickHereButton->Clicked || hit || escape;
    if (goOn && !ClickHereButton->Clicked) ClickHereButton->SimulateClick();
  }
  if (!goOn) return;
  // Further presses while the fade runs change nothing, nor does one during the way out.
  if (Screens().GameFade->Init(float(StandardFadeLength), 1, FadeMusic == 1 ? Mixer().MusicChannel : nullptr, 0, 0, nullptr))
    Screens().DestinationTScreen = Destination;
}

void TScreenSwitch::MoveBar() {
  if (!LoadingScreen) return;
  LoadingScreen->Progress();
  // Steps come far faster than a display refreshes, and under a software renderer a
  // presented frame costs more than loading the item did: only frames the display could
  // show are drawn, and the full bar always is. Not tied to the display's refresh
  // either: a moving bar shows no tearing, and waiting for it would only slow loading.
  TPresentPacer& pacer = LoadingScreen->BarFrames;
  if (pacer.Due(MilliSecs(), LoadingScreen->Finished == 1)) {
    LoadingScreen->Draw();
    Flip(0);
    pacer.Presented(MilliSecs());
  }
  // No main loop reads the window system while loading runs; reading it here keeps the
  // window alive and records a request to close, which the main loop acts on next.
  InputPump();
}
