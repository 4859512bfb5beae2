// One picture blending into another over a logic-tick timer: the intro's slide show.
// The second picture is drawn over the first and comes up from nothing to full,
// and stays shown once the timer has run out.
#pragma once
#include <memory>

#include "gfx/Image.h"

class TAnimation;

class TCrossFade {
 public:
  static std::shared_ptr<TCrossFade> Create(TImagePtr image1, TImagePtr image2, float lengthMs);
  void Draw();
  // Takes the pictures and starts the blend.
  void Init(TImagePtr image1, TImagePtr image2, float lengthMs);
  // Once per logic update.
  void Manage();
  void SetImage1Coords(float x, float y);
  void SetImage2Coords(float x, float y);

  TImagePtr Image1, Image2;
  float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  std::shared_ptr<TAnimation> Anim;
};
