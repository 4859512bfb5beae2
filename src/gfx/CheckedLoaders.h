// Picture loaders for data the game cannot do without: the picture asked for, or a
// fatal logged report naming the path. The sound loader of the same kind lives with
// the sound code.
#pragma once
#include <string>

#include "gfx/Image.h"

TImagePtr LoadImageChecked(const std::string& path, int flags = -1);
TImagePtr LoadAnimImageChecked(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                               int cellCount, int flags = -1);
