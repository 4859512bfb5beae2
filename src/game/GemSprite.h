// Stand-in for the toolkit's positioned, moving picture until the gem can
// derive from the real sprite type: only the fields the board rules move.
#pragma once
#include "game/BoardClock.h"

class TGemSprite {
 public:
  virtual ~TGemSprite() = default;
  float x = 0, y = 0;
  float offx = 0, offy = 0;
  int UseOffset = 0;
  float dx = 0, dy = 0;
  int ImageFrame = 0;
  float Rotation = 0;
  float RotationSpeed = 1;
  int Shadow = 0;
  float ShadowX = 3, ShadowY = 3, ShadowAlpha = 0.5f;

  virtual void Move() {
    x += dx * BoardDelta();
    y += dy * BoardDelta();
  }
  void Stop() { dx = dy = 0; }
  void SetShadow(int on, float sx, float sy, float alpha) {
    Shadow = on;
    ShadowX = sx;
    ShadowY = sy;
    ShadowAlpha = alpha;
  }
};
