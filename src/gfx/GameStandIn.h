// Temporary stand-in for the few game-object values the toolkit reads (the logic
// delta, the millisecond-to-tick conversion, the scroll offset, the screen size).
// It goes away as soon as the real game object is available.
#pragma once
#include <string>

struct TGameStandIn {
  float Speed = 1.0f;
  float ScrollX = 0.0f;
  float ScrollY = 0.0f;
  std::string ImagePath = "Data/graphics/";
  float CalcAnimLength(float ms) const { return ms / 5.0f / Speed; }
};

inline TGameStandIn Game;
inline float Delta = 1.0f;
inline constexpr int ScreenWidth = 800;
inline constexpr int ScreenHeight = 600;
