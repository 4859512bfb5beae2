// An RGB colour with alpha, shared by reference between the things that tint
// themselves with it (sprites, buttons, menus, slide lines) and applied to the
// drawing state when they draw.
#pragma once
#include <memory>

class TColor {
 public:
  int R = 0, G = 0, B = 0;
  float Alpha = 1.0f;

  static std::shared_ptr<TColor> Create(int r, int g, int b, float alpha = 1.0f);
  // A new colour holding the drawing state's colour (alpha 1, or the state's alpha).
  static std::shared_ptr<TColor> GetCurrentColor();
  static std::shared_ptr<TColor> GetCurrentColorAndAlpha();

  void Apply() const;
  void ApplyNoAlpha() const;
  void Copy(const TColor& other);
  void Get(int& r, int& g, int& b) const;
  void GetFull(int& r, int& g, int& b, float& alpha) const;
  // Tints this colour by other, channel by channel (white keeps it, black blackens it).
  void MultiplyByColour(const TColor& other);
  // Puts the drawing state back to untinted and opaque (not to an earlier colour).
  static void Restore();
  void Set(int r, int g, int b, float alpha = 1.0f);
};
