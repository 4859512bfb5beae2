// The settings of a screen transition beyond a plain fade (scroll, zoom, a growing
// mask). Only a record: the framework carries it, and this game makes none.
#pragma once
#include <memory>

class TGameImage;

class TTransitionEffect {
 public:
  static std::shared_ptr<TTransitionEffect> Create(int type, int length);
  std::shared_ptr<TTransitionEffect> CreateCopy() const;

  int EffectType = 0;
  int Length = 0;
  float ScrollSpeedX = 0, ScrollSpeedY = 0, ZoomSpeed = 0;
  std::shared_ptr<TGameImage> MaskImage;
  float MaskStartSize = 0, MaskEndSize = 0;
  int MaskAndFade = 0;
};
