#include "screens/GameFade.h"

#include <algorithm>
#include <cmath>

#include "audio/Mixer.h"
#include "core/Display.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "audio/ChannelArray.h"
#include "audio/GameChannel.h"
#include "core/SettingLimits.h"
#include "core/Settings.h"
#include "gfx/Color.h"
#include "gfx/Draw.h"
#include "screens/Screen.h"
#include "screens/ScreenSwitch.h"
#include "ui/MousePointer.h"

namespace {
// Shift, Control, Alt and the system keys, generic and left or right. Pressed alone they
// begin a chord (Super+Q, Alt+Enter) rather than ask to skip the fade; skipping would
// also flush the held state the chord is read from, and the chord would be lost.
bool IsModifierKey(int key) {
  return key == 16 || key == 17 || key == 18 || key == 91 || key == 92 || (key >= 160 && key <= 165);
}

// The lowest key pressed once since the last read that is not a modifier, or -1.
int FirstSkippingKeyHit() {
  for (int key = InputFirstKeyHit(); key >= 0 && key < 256; ++key)
    if (KeyHits[key] == 1 && !IsModifierKey(key)) return key;
  return -1;
}
}  // namespace

int TGameFade::Init(float lengthMs, int out, TChannelPtr channel, int allowAnim, int startCounter,
                    std::shared_ptr<TGameChannel> channel2) {
  if (Active) {
    if (out == 1 && Out == 0) leave_ = {true, lengthMs, std::move(channel), allowAnim, std::move(channel2)};
    return 0;
  }
  leave_ = {};
  Length = int(Clock().CalcAnimLength(int(lengthMs)));
  Counter = float(startCounter);
  Active = 1;
  Out = out;
  InputFlush();
  Done = 0;
  Channel = std::move(channel);
  Channel2 = std::move(channel2);
  AllowAnim = allowAnim;
  FadeInAborted = 0;
  FadeCounterBeforeAbort = 0;
  SetToFullOnAbort = 1;
  AbortKey = -1;
  if (out) Mixer().FadeMusic = 1;
  Ratio = out ? 1.0f : 0.0f;
  if (startCounter > 0) CalcRatio();
  if (Settings().Fade == 0 || Screens().NoFade == 1) Finish();
  return 1;
}

void TGameFade::CalcRatio() {
  float r = Length > 0 ? std::clamp(Counter / float(Length), 0.0f, 1.0f) : 1.0f;
  Ratio = Out ? 1.0f - r : r;
}

bool TGameFade::ExitRequested() const {
  return Screens().DestinationTScreen && Screens().DestinationTScreen == Screens().ExitScreen.get();
}

int TGameFade::Manage() {
  if (!Active) return 0;
  // The close request came in this update, after the fade-in had started: turn round now.
  if (leave_.Asked && ExitRequested()) {
    Finish();
    return 0;
  }
  int key = FirstSkippingKeyHit();
  if (key >= 0 || Pointer().GetMh(1)) {
    if (!Out) {
      FadeInAborted = 1;
      AbortKey = key >= 0 ? key : -1;
    }
    Finish();
    return -1;
  }
  Counter += Delta;
  CalcRatio();
  FadeChannels();
  if (Counter >= float(Length)) {
    Finish();
    return 1;
  }
  return 0;
}

void TGameFade::Finish() {
  const float shown = Ratio;
  TLeaveRequest leave = std::move(leave_);
  leave_ = {};
  const bool leaving = !Out && leave.Asked && ExitRequested();

  Active = 0;
  Done = 1;
  if (Out) {
    Ratio = 0;
  } else {
    if (SetToFullOnAbort) Ratio = 1;
    if (FadeInAborted) FadeCounterBeforeAbort = Counter;
  }
  FadeChannels();
  if (Out) {
    if (Channel2) {
      if (Channel2IsGameChannelArray && Mixer().Channels) {
        Mixer().Channels->StopGameChannel(Channel2);
      } else {
        StopChannel(Channel2->Channel);
        Channel2.reset();
      }
    }
    Mixer().SpeechStop();
  }
  if (Out) {
    // Keep the picture covered while the next screen loads.
    if (Settings().Fade && !Screens().NoFade && GraphicsReady) {
      if (Display().UsingVirtualResolution) {
        Display().CLSWidescreen();
      } else {
        Cls();
      }
      if (!Screens().FadeMouse) Pointer().Draw();
      Flip(1);
    }
    if (Screens().CurrentTScreen) Screens().CurrentTScreen->PostFadeOut();
  } else if (Screens().CurrentTScreen) {
    Screens().CurrentTScreen->PostFadeIn();
  }
  Screens().NoFade = 0;
  InputFlush();

  if (leaving) {
    // Darken from what the player sees now, so the picture does not flash up first.
    const float ticks = Clock().CalcAnimLength(int(leave.LengthMs));
    const int from = int(std::trunc((1.0f - std::clamp(shown, 0.0f, 1.0f)) * ticks));
    Init(leave.LengthMs, 1, std::move(leave.Channel), leave.AllowAnim, from, std::move(leave.Channel2));
  }
}

void TGameFade::FadeChannels() {
  Mixer().SetChannelGain(Channel, TAudioGroup::Music, Ratio);
  if (Channel2) Mixer().SetChannelGain(Channel2->Channel, TAudioGroup::Effects, Ratio);
  Mixer().SetChannelGain(Mixer().SpeechChannel, TAudioGroup::Speech, Ratio);
}

void TGameFade::Draw() {
  if (!Active) return;
  SetBlend(BLEND_ALPHA);
  SetAlpha(1.0f - Ratio);
  if (Display().ClsColor) {
    SetColor(Display().ClsColor->R, Display().ClsColor->G, Display().ClsColor->B);
  } else {
    SetColor(0, 0, 0);
  }
  if (Display().UsingVirtualResolution && Settings().FullScreen) {
    // The bars beside the picture fade with it.
    Display().ResetVRViewport();
    DrawRect(0, 0, VirtualResolutionWidth(), VirtualResolutionHeight());
    Display().RestoreVRViewPort();
  } else {
    DrawRect(0, 0, float(ScreenWidth), float(ScreenHeight));
  }
  SetAlpha(1.0f);
  SetColor(255, 255, 255);
}

int TGameFade::GetDone() {
  int d = Done;
  Done = 0;
  return d;
}
