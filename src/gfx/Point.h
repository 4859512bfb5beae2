// Plain positions: whole-pixel points (pointer and screen coordinates) and exact
// ones (level-map nodes).
#pragma once
#include <memory>

class TPoint {
 public:
  int X = 0, Y = 0;
  static std::shared_ptr<TPoint> Create(int x, int y) {
    auto p = std::make_shared<TPoint>();
    p->Set(x, y);
    return p;
  }
  void Set(int x, int y) {
    X = x;
    Y = y;
  }
};

class TAccuratePoint {
 public:
  float X = 0.0f, Y = 0.0f;
  void Set(float x, float y) {
    X = x;
    Y = y;
  }
};
