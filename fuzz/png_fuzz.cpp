// Feeds arbitrary bytes to the PNG reader: it must refuse or decode, never crash or over-read.
#include <cstddef>
#include <cstdint>

#include "gfx/Pixmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TPixmapPtr p = LoadPixmapPNG(data, size);
  if (p && p->pixels.size() != size_t(p->pitch) * size_t(p->height)) __builtin_trap();
  return 0;
}
