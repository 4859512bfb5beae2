#include "gfx/Sprite.h"

// Drawing is filled in once the drawing layer is in.
void TSprite::DoDraw() {}
void TSprite::Draw() {}
void TSprite::DrawLight(float, float, float, float, std::shared_ptr<TGameImage>) {}
void TSprite::DrawNormal() {}
void TSprite::DrawRounded() {}
void TSprite::DrawShadow(const std::shared_ptr<TGameImage>&, int, int) {}
void TSprite::DrawWithOffset() {}
void TSprite::DrawAt(bool) {}
