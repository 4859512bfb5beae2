#include "screens/LoadingBar.h"

#include "core/Globals.h"
#include "gfx/Draw.h"

void TLoadingBar::Init(TImagePtr image, TImagePtr emptyImage, TImagePtr finalImage) {
  Image = std::move(image);
  EmptyImage = std::move(emptyImage);
  FinalImage = std::move(finalImage);
  for (const TImagePtr& picture : {Image, EmptyImage, FinalImage})
    if (picture) SetImageHandle(picture, 0, 0);
  x = y = 0;
  w = Image ? ImageWidth(Image) : 0;
  h = Image ? ImageHeight(Image) : 0;
  Position = Steps = StepSize = 0;
  CurrentStep = 0;
  Finished = 0;
}

void TLoadingBar::Centre(int top) {
  x = (ScreenWidth - w) / 2;
  y = top;
}

void TLoadingBar::SetSteps(int n) {
  Steps = float(n);
  StepSize = n > 0 ? float(w) / float(n) : 0.0f;
}

void TLoadingBar::SetBackgroundColour(int r, int g, int b) {
  BgR = r;
  BgG = g;
  BgB = b;
}

void TLoadingBar::SetBorderColour(int r, int g, int b) {
  BorderR = r;
  BorderG = g;
  BorderB = b;
}

void TLoadingBar::Progress() {
  ++CurrentStep;
  Position = float(CurrentStep) * StepSize;
  if (float(CurrentStep) == Steps) Finished = 1;
}

void TLoadingBar::Draw() {
  if (Mode == 1 && !Image) return;
  if (Finished == 1 && FinalImage) {
    SetBlend(BLEND_ALPHA);
    if (DrawEmptyUnderFinal == 1 && EmptyImage) DrawImage(EmptyImage, float(x), float(y));
    DrawImage(FinalImage, float(x), float(y));
    return;
  }
  if (Mode == 0) {
    SetBlend(BLEND_SOLID);
    SetColor(BgR, BgG, BgB);
    DrawRect(float(x), float(y), float(w), float(h));
    SetColor(BorderR, BorderG, BorderB);
    const float right = float(x + w - 1), bottom = float(y + h - 1);
    DrawLine(float(x), float(y), right, float(y));
    DrawLine(right, float(y), right, bottom);
    DrawLine(right, bottom, float(x), bottom);
    DrawLine(float(x), bottom, float(x), float(y));
    SetColor(255, 255, 255);
  } else {
    SetBlend(BLEND_ALPHA);
    if (Mode == 1 && EmptyImage) DrawImage(EmptyImage, float(x), float(y));
  }
  // Steps past the last would widen the filled part beyond the picture.
  const float filled = Position < float(w) ? Position : float(w);
  if (Image && filled > 0) DrawSubImageRect(Image, float(x), float(y), filled, float(h), 0, 0, filled, float(h));
  SetBlend(BLEND_SOLID);
}
