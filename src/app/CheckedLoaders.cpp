#include "app/ErrorReport.h"
#include "gfx/Draw.h"
#include "platform/Files.h"

TImagePtr LoadImageChecked(const std::string& path, int flags) {
  TImagePtr image = LoadImage(path, flags);
  if (!image) ShowError("Error loading bitmap " + path, 1, 1);
  return image;
}

TImagePtr LoadAnimImageChecked(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                               int cellCount, int flags) {
  TImagePtr image = LoadAnimImage(path, cellWidth, cellHeight, firstCell, cellCount, flags);
  if (!image) ShowError("Error loading anim bitmap " + path, 1, 1);
  return image;
}

std::string ReadFileChecked(const std::string& path) {
  std::string bytes;
  if (!ReadDataFile(path, bytes)) ShowError("Error loading file " + path, 1, 1);
  return bytes;
}
