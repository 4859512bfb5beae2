// The 24-bit BMP picture the game writes for the desktop wallpaper, and the PNG
// screenshots named after the date and time.
#pragma once
#include <string>

#include "gfx/Pixmap.h"

// Appends the whole BMP file (54-byte header, bottom row first, BGR, rows padded to 4).
void WriteBitmap(std::string& out, const TPixmap& pixmap);
// Loads the picture and writes its first frame as a BMP (safely: temp file + rename).
// False when the picture cannot be loaded or the file cannot be written.
bool SaveImageAsBitmap(const std::string& sourcePath, const std::string& targetPath);
// Saves the window's picture as "<folder>YYYY-MM-DD HHNNSS screenshot.png" and returns
// the path ("" for folder means the current folder).
std::string SaveScreenshot(const std::string& folder);
