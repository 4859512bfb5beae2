#include "screens/CrossFade.h"

#include "gfx/Animation.h"
#include "gfx/Draw.h"

std::shared_ptr<TCrossFade> TCrossFade::Create(TImagePtr image1, TImagePtr image2, float lengthMs) {
  auto fade = std::make_shared<TCrossFade>();
  fade->Init(std::move(image1), std::move(image2), lengthMs);
  return fade;
}

void TCrossFade::Init(TImagePtr image1, TImagePtr image2, float lengthMs) {
  Image1 = std::move(image1);
  Image2 = std::move(image2);
  // Counting down: its inverse ratio rises from 0 to 1, and stays 1 once it has stopped.
  Anim = TAnimation::Create(lengthMs, 0, 0, 0, 0);
  Anim->Start();
}

void TCrossFade::Manage() {
  if (Anim) Anim->Manage();
}

void TCrossFade::Draw() {
  if (Image1) {
    SetBlend(BLEND_SOLID);
    DrawImage(Image1, X1, Y1);
  }
  SetBlend(BLEND_ALPHA);
  SetAlpha(Anim ? Anim->GetRatioInv() : 1.0f);
  if (Image2) DrawImage(Image2, X2, Y2);
  SetAlpha(1.0f);
}

void TCrossFade::SetImage1Coords(float x, float y) {
  X1 = x;
  Y1 = y;
}

void TCrossFade::SetImage2Coords(float x, float y) {
  X2 = x;
  Y2 = y;
}
