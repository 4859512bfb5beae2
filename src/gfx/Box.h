// A rectangle used as a sprite's hit box, and as a plain filled rectangle when it
// is given a colour.
#pragma once
#include <memory>

#include "gfx/Color.h"

class TBox {
 public:
  int Active = 1;
  std::shared_ptr<TColor> Color;
  float X = 0.0f, Y = 0.0f, W = 0.0f, H = 0.0f;

  static std::shared_ptr<TBox> Create(float x, float y, float w, float h, std::shared_ptr<TColor> colour = nullptr);
  void Init(float x, float y, float w, float h, std::shared_ptr<TColor> colour = nullptr);
  // Draws a filled rectangle, only when a colour is set.
  void Draw() const;
  // Grows by dx on the left and right, dy at the top and bottom.
  void Expand(float dx, float dy);
  void Kill() { Color.reset(); }
};
