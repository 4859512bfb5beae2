// Drop-shadow parameters shared by images, fonts and buttons: an offset and an
// opacity; the shadow itself is the picture drawn again in black.
#pragma once
#include <memory>

#include "gfx/TextDraw.h"

class TShadow {
 public:
  float X = 1.0f, Y = 1.0f;
  float Alpha = 0.5f;

  static std::shared_ptr<TShadow> Create(float x, float y, float alpha);
  void Init(float x, float y, float alpha);
  void Copy(const TShadow& other);
  // Black at the shadow's opacity.
  void Apply() const;
  // White and opaque again.
  static void Restore();
  // The text style of this shadow under text of the given opacity.
  TTextStyle TextStyle(float textAlpha = 1.0f) const;
};
