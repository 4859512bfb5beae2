// What the layers below the screens may know of the change between screens: whether
// a fade runs (widgets take no input meanwhile) and how much of the picture it leaves
// visible (a sound started meanwhile starts that loud). The screen switch answers.
#pragma once
#include "core/Service.h"

class TScreenFade : public TService<TScreenFade> {
 public:
  virtual int Fading() const = 0;
  virtual float FadeVisibility() const = 0;

 protected:
  ~TScreenFade() = default;
};

// Both answers without a screen switch: no fade, all visible.
inline bool ScreenFading() { return TScreenFade::Current() && TScreenFade::Current()->Fading(); }
inline float ScreenFadeVisibility() { return TScreenFade::Current() ? TScreenFade::Current()->FadeVisibility() : 1.0f; }
