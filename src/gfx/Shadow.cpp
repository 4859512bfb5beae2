#include "gfx/Shadow.h"

#include "gfx/Draw.h"

std::shared_ptr<TShadow> TShadow::Create(float x, float y, float alpha) {
  auto s = std::make_shared<TShadow>();
  s->Init(x, y, alpha);
  return s;
}

void TShadow::Init(float x, float y, float alpha) {
  X = x;
  Y = y;
  Alpha = alpha;
}

void TShadow::Copy(const TShadow& other) { Init(other.X, other.Y, other.Alpha); }

void TShadow::Apply() const {
  SetColor(0, 0, 0);
  SetAlpha(Alpha);
}

void TShadow::Restore() {
  SetColor(255, 255, 255);
  SetAlpha(1.0f);
}

TTextStyle TShadow::TextStyle(float textAlpha) const { return {X, Y, Alpha, textAlpha}; }
