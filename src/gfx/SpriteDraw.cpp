// The drawing half of TSprite: the picture with its tint, shadow, glow and label.
#include <cmath>

#include "core/Display.h"
#include "gfx/Draw.h"
#include "gfx/GameImage.h"
#include "core/Globals.h"
#include "gfx/Sprite.h"

namespace {
float Round(float v) { return std::floor(v + 0.5f); }
}  // namespace

void TSprite::Draw() {
  DoDraw();
  if (GlowMode > 0) DrawLight(Glow, 1.0f, 1.0f, 1.0f, nullptr);
}

void TSprite::DoDraw() {
  if (!visible) return;
  SetScale(BaseScaleX * ScaleX, BaseScaleY * ScaleY);
  SetRotation(Rotation);
  if (UseAlpha) {
    SetAlpha(Alpha);
    if (Label) Label->SetLabelAlpha(Alpha);
  }
  const bool tinted = Color != nullptr;
  if (tinted) Color->ApplyNoAlpha();
  if (RoundCoords == 1) {
    DrawRounded();
  } else {
    DrawNormal();
  }
  SetScale(1.0f, 1.0f);
  SetRotation(0.0f);
  if (UseAlpha) {
    SetAlpha(1.0f);
    if (Label) Label->SetLabelAlpha(1.0f);
  }
  if (tinted) SetColor(255, 255, 255);
}

void TSprite::DrawNormal() { DrawAt(false); }
void TSprite::DrawRounded() { DrawAt(true); }

void TSprite::DrawAt(bool round) {
  const int f = AnimCounter > 0.0f ? GetAnimFrame() : ImageFrame;
  const std::shared_ptr<TGameImage>& picture = AlternativeImage ? AlternativeImage : image;
  DrawShadow(picture, f, 0);
  float px = x, py = y;
  if (UseOffset) {
    px += offx;
    py += offy;
  }
  if (round) {
    px = Round(px);
    py = Round(py);
  }
  if (picture && picture->image) DrawImage(picture->image, px, py, f);
  if (Label) {
    float lx = UseOffset ? offx : 0.0f, ly = UseOffset ? offy : 0.0f;
    if (round) {
      lx = Round(lx);
      ly = Round(ly);
    }
    Label->DrawWithSprite(lx, ly);
  }
}

void TSprite::DrawShadow(const std::shared_ptr<TGameImage>& picture, int f, int useScroll) {
  if (Shadow != 1 || !picture || !picture->image) return;
  int r, g, b;
  GetColor(r, g, b);
  SetColor(0, 0, 0);
  SetAlpha(ShadowAlpha * Alpha);
  float sx = x + ShadowX, sy = y + ShadowY;
  if (UseOffset) {
    sx += offx;
    sy += offy;
  }
  if (useScroll == 1) {
    sx -= DisplayScrollX();
    sy -= DisplayScrollY();
  }
  if (RoundCoords == 1) {
    sx = Round(sx);
    sy = Round(sy);
  }
  DrawImage(picture->image, sx, sy, f);
  if (Color) {
    Color->ApplyNoAlpha();
  } else {
    SetColor(r, g, b);
  }
  SetAlpha(Alpha);
}

void TSprite::DrawWithOffset() {
  SetScale(BaseScaleX * ScaleX, BaseScaleY * ScaleY);
  SetRotation(Rotation);
  if (UseAlpha) SetAlpha(Alpha);
  const int f = AnimCounter > 0.0f ? GetAnimFrame() : ImageFrame;
  const std::shared_ptr<TGameImage>& picture = AlternativeImage ? AlternativeImage : image;
  DrawShadow(picture, f, 1);
  float px = x - DisplayScrollX(), py = y - DisplayScrollY();
  if (UseOffset) {
    px += offx;
    py += offy;
  }
  if (picture && picture->image) DrawImage(picture->image, px, py, f);
  SetScale(1.0f, 1.0f);
  SetRotation(0.0f);
  if (UseAlpha) SetAlpha(1.0f);
}

void TSprite::DrawLight(float intensity, float r, float g, float b, std::shared_ptr<TGameImage> picture) {
  if (!visible) return;
  SetBlend(BLEND_LIGHT);
  SetColor(static_cast<int>(std::trunc(intensity * 255.0f * r)), static_cast<int>(std::trunc(intensity * 255.0f * g)),
           static_cast<int>(std::trunc(intensity * 255.0f * b)));
  // An alternative picture the owner chose survives the glow pass.
  std::shared_ptr<TGameImage> kept = AlternativeImage;
  if (picture) AlternativeImage = std::move(picture);
  DoDraw();
  AlternativeImage = std::move(kept);
  SetBlend(BLEND_ALPHA);
  SetColor(255, 255, 255);
}
