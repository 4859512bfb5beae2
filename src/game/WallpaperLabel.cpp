#include "game/WallpaperLabel.h"

#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "gfx/TextDraw.h"

void DrawWallpaperLabel(float x, float y, const std::string& text, bool hover) {
  const TImageFontPtr before = GetImageFont();
  SetImageFont(Font30);
  const TTextStyle style{1, 1, 0.4f, 1};
  if (hover)
    SetColor(255, 255, 190);
  else
    SetColor(255, 214, 112);
  DrawTextShadowed(x, y, text, 0, 1, style);
  SetColor(255, 255, 255);
  SetImageFont(before);
}
