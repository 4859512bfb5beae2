#include "gfx/Color.h"

#include <cmath>

#include "gfx/Draw.h"

std::shared_ptr<TColor> TColor::Create(int r, int g, int b, float alpha) {
  auto c = std::make_shared<TColor>();
  c->Set(r, g, b, alpha);
  return c;
}

std::shared_ptr<TColor> TColor::GetCurrentColor() {
  auto c = std::make_shared<TColor>();
  GetColor(c->R, c->G, c->B);
  c->Alpha = 1.0f;
  return c;
}

std::shared_ptr<TColor> TColor::GetCurrentColorAndAlpha() {
  auto c = GetCurrentColor();
  c->Alpha = GetAlpha();
  return c;
}

void TColor::Apply() const {
  SetColor(R, G, B);
  SetAlpha(Alpha);
}

void TColor::ApplyNoAlpha() const { SetColor(R, G, B); }

void TColor::Copy(const TColor& other) {
  R = other.R;
  G = other.G;
  B = other.B;
  Alpha = other.Alpha;
}

void TColor::Get(int& r, int& g, int& b) const {
  r = R;
  g = G;
  b = B;
}

void TColor::GetFull(int& r, int& g, int& b, float& alpha) const {
  Get(r, g, b);
  alpha = Alpha;
}

void TColor::MultiplyByColour(const TColor& other) {
  auto mul = [](int c, int o) {
    return static_cast<int>(std::floor(static_cast<float>(c) * (static_cast<float>(o) / 255.0f) + 0.5f));
  };
  R = mul(R, other.R);
  G = mul(G, other.G);
  B = mul(B, other.B);
}

void TColor::Restore() {
  SetColor(255, 255, 255);
  SetAlpha(1.0f);
}

void TColor::Set(int r, int g, int b, float alpha) {
  R = r;
  G = g;
  B = b;
  Alpha = alpha;
}
