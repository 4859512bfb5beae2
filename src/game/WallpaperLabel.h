// The "Set Wallpaper" label at the top of a full-screen picture (the level-complete
// picture and the gallery's viewer): gold text with a soft shadow that pales while
// the pointer is over it.
#pragma once
#include <string>

// Draws the label with its top-left corner at (x, y) in the 30-point game font; the
// current font and colour are left as they were.
void DrawWallpaperLabel(float x, float y, const std::string& text, bool hover);
