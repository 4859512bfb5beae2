#include "gfx/Box.h"

#include "gfx/Draw.h"

std::shared_ptr<TBox> TBox::Create(float x, float y, float w, float h, std::shared_ptr<TColor> colour) {
  auto b = std::make_shared<TBox>();
  b->Init(x, y, w, h, std::move(colour));
  return b;
}

void TBox::Init(float x, float y, float w, float h, std::shared_ptr<TColor> colour) {
  X = x;
  Y = y;
  W = w;
  H = h;
  Color = std::move(colour);
}

void TBox::Draw() const {
  if (!Color) return;
  Color->Apply();
  DrawRect(X, Y, W, H);
  TColor::Restore();
}

void TBox::Expand(float dx, float dy) {
  X -= dx;
  Y -= dy;
  W += 2.0f * dx;
  H += 2.0f * dy;
}
