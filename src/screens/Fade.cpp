#include "screens/Fade.h"

#include <algorithm>

#include "audio/Mixer.h"
#include "core/Display.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "core/SettingLimits.h"
#include "core/Settings.h"
#include "gfx/Draw.h"
#include "platform/Clock.h"

namespace {
// While a loop runs outside the main loop nothing reads window events, so the window
// system is read through the polled table instead: the window stays responsive and a
// request to close is recorded. A caller that is already polling keeps its mode.
class TPolledInputScope {
 public:
  TPolledInputScope() : mine_(PolledInputMode == 0) {
    if (mine_) InputPollingOn();
  }
  ~TPolledInputScope() {
    if (mine_) InputPollingOff();
  }
  TPolledInputScope(const TPolledInputScope&) = delete;
  TPolledInputScope& operator=(const TPolledInputScope&) = delete;

 private:
  bool mine_;
};

void ResetDrawState() {
  SetBlend(BLEND_SOLID);
  SetAlpha(1.0f);
  SetColor(255, 255, 255);
}
}  // namespace

void TFade::Init(float lengthMs, TImagePtr image, TChannelPtr channel) {
  Length = lengthMs;
  Image = std::move(image);
  Channel = std::move(channel);
  Reset();
}

void TFade::Reset() {
  StartTime = LastTime = MilliSecs();
  Elapsed = 0;
}

void TFade::CentreImage() {
  if (!Image) return;
  X = (ScreenWidth - ImageWidth(Image)) / 2;
  Y = (ScreenHeight - ImageHeight(Image)) / 2;
}

bool TFade::EndAsked() {
  // Both are read every time, so a click and a key in the same frame are both taken.
  const bool clicked = InputAnyMouseHit() != 0;
  const bool keyed = InputAnyKeyHit() != 0;
  if (clicked || keyed || Game->TerminatedEvent) {
    ResetDrawState();
    InputFlush();
    return true;
  }
  return false;
}

int TFade::FadeDo(int out) {
  TPolledInputScope polling;
  Out = out;
  InputFlush();
  while (Elapsed <= Length) {
    if (EndAsked()) return -1;
    const uint32_t now = MilliSecs();
    Elapsed = float(now - StartTime);
    // A fade without length is over at once (no division by zero).
    const float r = Length > 0 ? std::clamp(Elapsed / Length, 0.0f, 1.0f) : 1.0f;
    Ratio = Out == 1 ? 1.0f - r : r;
    if (Background) MoveBackground(now, Elapsed);
    Draw();
  }
  ResetDrawState();
  return 1;
}

int TFade::WaitForTime(int ms) {
  TPolledInputScope polling;
  Out = -1;
  Reset();
  Ratio = 1;
  while (Elapsed <= float(ms)) {
    const uint32_t now = MilliSecs();
    Elapsed = float(now - StartTime);
    if (EndAsked()) return -1;
    if (Background) MoveBackground(now, Elapsed);
    Draw();
  }
  return 0;
}

void TFade::MoveBackground(uint32_t now, float elapsed) {
  const float dt = float(now - LastTime) / 1000.0f;
  BackgroundX += BackgroundXSpeed * dt;
  BackgroundY += BackgroundYSpeed * dt;
  BackgroundZoom += BackgroundZoomSpeed * dt;
  const float fadeTime = BackgroundFadeTime;
  if (Out == -1) {
    BackgroundAlpha = 1;
  } else if (Out == 0) {
    // Without a fade time the background is simply there from the start.
    BackgroundAlpha = fadeTime > 0 ? std::min(elapsed / fadeTime, 1.0f) : 1.0f;
  } else if (fadeTime > 0) {
    // Full until the last fadeTime ms of the fade, then down to nothing.
    BackgroundAlpha = std::clamp(1.0f - (elapsed - (Length - fadeTime)) / fadeTime, 0.0f, 1.0f);
  } else {
    BackgroundAlpha = elapsed < Length ? 1.0f : 0.0f;
  }
  LastTime = now;
}

void TFade::Draw() {
  if (Display().NeedsCLSWidescreen()) {
    Display().CLSWidescreen();
  } else {
    Cls();
  }
  if (Background) {
    SetBlend(BLEND_ALPHA);
    SetScale(BackgroundZoom, BackgroundZoom);
    SetAlpha(BackgroundAlpha);
    DrawImage(Background, -BackgroundX * BackgroundZoom, -BackgroundY * BackgroundZoom);
    SetScale(1, 1);
  }
  SetBlend(BLEND_ALPHA);
  SetAlpha(Ratio);
  if (Image) DrawImage(Image, float(X), float(Y));
  Mixer().SetChannelGain(Channel, TAudioGroup::Effects, Ratio);
  Flip(FlipSync);
}

void TFade::Full() {
  Ratio = 1;
  Draw();
}

void TFade::Zero() {
  Ratio = 0;
  Draw();
}
