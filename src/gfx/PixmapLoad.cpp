#include "gfx/Pixmap.h"
#include "platform/Files.h"

TPixmapPtr LoadPixmapFromMemory(const uint8_t* data, size_t size) {
  if (!data || size < 4) return nullptr;
  if (data[0] == 0x89 && data[1] == 'P' && data[2] == 'N' && data[3] == 'G') return LoadPixmapPNG(data, size);
  if (data[0] == 0xFF && data[1] == 0xD8) return LoadPixmapJPEG(data, size);
  if (data[0] == 'B' && data[1] == 'M') return LoadPixmapBMP(data, size);
  // TGA has no signature; its reader checks the header for plausibility.
  return LoadPixmapTGA(data, size);
}

// LoadPixmap itself lives with the decoding ahead of start-up (PixmapAhead.cpp).
