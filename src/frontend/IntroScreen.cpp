#include "frontend/IntroScreen.h"

#include <string>

#include "audio/ChannelArray.h"
#include "audio/GameSound.h"
#include "audio/Mixer.h"
#include "audio/SoundBank.h"
#include "core/DataPaths.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "core/SettingLimits.h"
#include "core/Settings.h"
#include "frontend/StartupLoading.h"
#include "gfx/Animation.h"
#include "gfx/CheckedLoaders.h"
#include "gfx/Draw.h"
#include "screens/CrossFade.h"
#include "screens/GameFade.h"
#include "screens/LoadingScreen.h"
#include "screens/ScreenSwitch.h"
#include "screens/SplashScreen.h"
#include "ui/MousePointer.h"

namespace {
// Phase lengths of the slide show (ms); the first is the animation's own.
constexpr float kPhases[] = {2000, 1000, 2500, 2500, 3000, 4000, 1000, 1000, 1000, 1000, 1000, 500, 3000, 2000};
}  // namespace

void TIntroScreen::Load() {
  name = "intro";
  Pointer().Off();
  SetBlend(BLEND_ALPHA);
  if (Screens().LoadingScreen) Screens().LoadingScreen->DrawLoading(1);
  MarkFirstPicture();
  if (Settings().IntroShow == 1) {
    for (int n = 1; n <= 8; ++n) {
      Intro[n - 1] = LoadImageChecked(DataPaths().ImagePath + "intro" + std::to_string(n) + ".jpg", -1);
      SetImageHandle(Intro[n - 1], 0, 0);
    }
    Intro[8] = LoadImageChecked(DataPaths().ImagePath + "loadingscreen.jpg", -1);
    SetImageHandle(Intro[8], 0, 0);
    Intro[9] = LoadImageChecked(DataPaths().ImagePath + "mainlogo.png", -1);
    ClickSound = SoundBank ? SoundBank->Find("Buttonclick") : nullptr;
    TickSound = TGameSound::Create(DataPaths().SoundPath + "tick.wav", 1);
    TickSoundNoLoop = TGameSound::Create(DataPaths().SoundPath + "tick.wav", 0);
    TickChannel = AllocChannel();
    Clock().FixedRateLogic.Init();
    Anim = TAnimation::Create(kPhases[0], 0, 0, 0, 0);
    for (std::size_t i = 1; i < std::size(kPhases); ++i) Anim->AddPhase(kPhases[i]);
  }
  Mixer().MusicLoad("title.ogg", 1);
  Mixer().FadeMusic = 0;
}

void TIntroScreen::Start() {
  TScreen::Start();
  skipAsked_ = 0;
  AutoMidHandle(false);
  if (Settings().PortalSplash == 1) ShowPortalSplash(750, 750, 750, 0);
  ShowSplashFolder("branding", 750, 750, 750);
  if (Settings().Fade == 1) ShowLogoSplash(Settings().Sound, 0, 1.0f);
  AutoMidHandle(true);
  // Asked to close during the splashes: nothing more is loaded; the main loop's first
  // update takes the request and the program ends from this screen.
  if (Game->TerminatedEvent) {
    Clock().FixedRateLogic.Init();
    return;
  }
  if (Settings().IntroShow == 1) {
    Pointer().Off();
    Screens().GameFade->Init(2000, 0, nullptr, 0, 0, nullptr);
    if (TickSound) {
      TickSound->PlayInChannel(TickChannel, 0);
      Mixer().SetChannelGain(TickChannel, TAudioGroup::Effects, TickSound->volume);
    }
  } else {
    Mixer().MusicPlay(0, 0, 0);
    Leave(0);
  }
  Clock().FixedRateLogic.Init();
}

void TIntroScreen::PostFadeIn() {
  // The fade-in may end inside another screen's update; the skip waits for our own.
  if (Screens().GameFade->FadeInAborted) {
    skipAsked_ = 1;
  } else if (Anim) {
    Anim->Start();
  }
}

void TIntroScreen::Leave(int skipped) {
  // Already on the way out of the program: nothing is loaded any more.
  if (Leaving()) return;
  Close(skipped);
  if (!Screens().GameFade->Init(float(StandardFadeLength), 1, nullptr, 0, 0, nullptr)) return;
  Screens().DestinationTScreen = Destination;
  Screens().GameFade->Manage();
  Screens().ScreenChange();
}

void TIntroScreen::Close(int skipped) {
  if (skipped == 1 && Settings().IntroShow == 1 && Anim && Anim->CurrentPhase == 0) {
    Mixer().MusicPlay(0, 0, 0);
    if (TickChannel) StopChannel(TickChannel);
    TickChannel.reset();
  }
  LoadEverything();
  Screens().NoFade = 1;
}

void TIntroScreen::PhaseStarted(int phase) {
  auto blend = [&](int from, int to) {
    const int ms = int(Anim->CurrentLength() * Clock().FixedRateLogic.MS);
    crossfade = TCrossFade::Create(Intro[from], Intro[to], float(ms));
  };
  switch (phase) {
    case 1:
      blend(0, 1);
      if (TickChannel) StopChannel(TickChannel);
      TickChannel.reset();
      if (TickSoundNoLoop) TickSoundNoLoop->PlayInChannel(TickChannel, 0);
      Mixer().MusicPlay(1, 0, 0);
      break;
    case 3: blend(1, 2); break;
    case 5: blend(2, 3); break;
    case 7: blend(3, 4); break;
    case 8: blend(4, 5); break;
    case 9: blend(5, 6); break;
    case 10: blend(6, 7); break;
    case 12: blend(7, 8); break;
    case 13:
      blend(8, 9);
      crossfade->SetImage2Coords(float(ScreenWidth / 2), 150);
      break;
    default: break;  // the last picture simply stays
  }
}

bool TIntroScreen::Leaving() const {
  return Screens().DestinationTScreen == Screens().ExitScreen.get() || Game->TerminatedEvent != 0;
}

void TIntroScreen::Logic() {
  TScreen::Logic();
  if (Leaving()) return;
  if (skipAsked_) {
    skipAsked_ = 0;
    if (ClickSound && Mixer().Channels) Mixer().Channels->PlayGameSound(*ClickSound, nullptr, 1.0f, 0);
    Leave(1);
    return;
  }
  if (Anim && Anim->Manage()) {
    if (!Anim->Active) {
      Leave(0);
      return;
    }
    PhaseStarted(Anim->CurrentPhase);
  }
  if (crossfade) crossfade->Manage();
  if (Pointer().GetMh(1) || InputKeyHit(13) || InputKeyHit(32)) {
    if (ClickSound && Mixer().Channels) Mixer().Channels->PlayGameSound(*ClickSound, nullptr, 1.0f, 0);
    Leave(1);
  }
}

void TIntroScreen::Draw() {
  if (!crossfade) {
    if (Intro[0]) {
      SetBlend(BLEND_SOLID);
      DrawImage(Intro[0], 0, 0);
    }
    SetBlend(BLEND_ALPHA);
  } else {
    crossfade->Draw();
  }
}

int TIntroScreen::SetEscDestination() {
  if (!Leaving()) Close(1);
  Mixer().FadeMusic = 0;
  Screens().DestinationTScreen = Destination;
  return 0;
}

void TIntroScreen::Kill() {
  TScreen::Kill();
  ClickSound.reset();
  TickSound.reset();
  TickSoundNoLoop.reset();
  crossfade.reset();
  Intro = {};
  Anim.reset();
}
