#include "gfx/CheckedLoaders.h"

#include "core/ErrorReport.h"
#include "gfx/Draw.h"
#include "platform/Files.h"

TImagePtr LoadImageChecked(const std::string& path, int flags) {
  TImagePtr image = LoadImage(path, flags);
  if (!image) FatalError("Error loading bitmap " + path);
  return image;
}

TImagePtr LoadAnimImageChecked(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                               int cellCount, int flags) {
  TImagePtr image = LoadAnimImage(path, cellWidth, cellHeight, firstCell, cellCount, flags);
  if (!image) FatalError("Error loading anim bitmap " + path);
  return image;
}
