// Windows bitmap reader: 1, 4, 8, 24 and 32 bits per pixel, uncompressed or with bit
// fields, bottom-up or top-down. Every offset and length is checked against the file.
#include <cstring>

#include "gfx/Pixmap.h"

namespace {
uint32_t U32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }

// Shift and width of a contiguous channel mask; false for an empty or broken mask.
bool MaskShape(uint32_t mask, int& shift, int& bits) {
  if (!mask) return false;
  shift = 0;
  while (!(mask & 1)) mask >>= 1, ++shift;
  bits = 0;
  while (mask & 1) mask >>= 1, ++bits;
  return mask == 0;
}
uint8_t Channel(uint32_t value, int shift, int bits) {
  // A mask may cover all 32 bits, and shifting a 32-bit value by 32 is undefined.
  const uint32_t full = bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
  uint32_t v = (value >> shift) & full;
  if (bits >= 8) return uint8_t(v >> (bits - 8));
  return uint8_t(v * 255 / full);
}
}  // namespace

TPixmapPtr LoadPixmapBMP(const uint8_t* data, size_t size) {
  if (!data || size < 26 || data[0] != 'B' || data[1] != 'M') return nullptr;
  uint32_t pixelOffset = U32(data + 10);
  uint32_t headerSize = U32(data + 14);
  if (headerSize < 12 || 14 + uint64_t(headerSize) > size) return nullptr;
  int64_t width, height;
  int bpp;
  uint32_t compression = 0, colorsUsed = 0;
  if (headerSize == 12) {  // OS/2 core header
    width = U16(data + 18);
    height = int16_t(U16(data + 20));
    bpp = U16(data + 24);
  } else {
    if (headerSize < 40) return nullptr;
    width = int32_t(U32(data + 18));
    height = int32_t(U32(data + 22));
    bpp = U16(data + 28);
    compression = U32(data + 30);
    colorsUsed = U32(data + 46);
  }
  bool topDown = height < 0;
  if (topDown) height = -height;
  if (width < 1 || height < 1 || width > TPixmap::kMaxSide || height > TPixmap::kMaxSide) return nullptr;
  // 0 = BI_RGB, 3 = BI_BITFIELDS, 6 = BI_ALPHABITFIELDS; run-length packing is not read.
  if (compression != 0 && compression != 3 && compression != 6) return nullptr;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) return nullptr;

  uint32_t masks[4] = {0, 0, 0, 0};
  bool hasAlphaMask = false;
  if (bpp == 16 || bpp == 32) {
    if (compression == 3 || compression == 6) {
      // The masks follow a 40-byte header, or sit inside a longer one.
      size_t at = 14 + 40;
      int count = compression == 6 || headerSize >= 56 ? 4 : 3;
      if (at + 4 * size_t(count) > size) return nullptr;
      for (int i = 0; i < count; ++i) masks[i] = U32(data + at + 4 * i);
    } else if (bpp == 16) {
      masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    } else {
      masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    }
    hasAlphaMask = masks[3] != 0;
  } else if (compression != 0) {
    return nullptr;
  }
  int shifts[4] = {}, bits[4] = {};
  if (bpp == 16 || bpp == 32) {
    for (int i = 0; i < 3; ++i)
      if (!MaskShape(masks[i], shifts[i], bits[i])) return nullptr;
    if (hasAlphaMask && !MaskShape(masks[3], shifts[3], bits[3])) return nullptr;
  }

  // Palette.
  uint8_t palette[256][3] = {};
  if (bpp <= 8) {
    size_t entrySize = headerSize == 12 ? 3 : 4;
    size_t maxEntries = size_t(1) << bpp;
    size_t entries = colorsUsed ? colorsUsed : maxEntries;
    if (entries > maxEntries) return nullptr;
    size_t at = 14 + size_t(headerSize);
    if (at + entries * entrySize > size) return nullptr;
    for (size_t i = 0; i < entries; ++i) {
      const uint8_t* e = data + at + i * entrySize;
      palette[i][0] = e[2], palette[i][1] = e[1], palette[i][2] = e[0];
    }
  }

  uint64_t rowBytes = ((uint64_t(width) * bpp + 31) / 32) * 4;
  if (pixelOffset > size || rowBytes * uint64_t(height) > size - pixelOffset) return nullptr;
  auto out = TPixmap::Create(int(width), int(height), hasAlphaMask ? PF_RGBA8888 : PF_RGB888);
  if (!out) return nullptr;
  int outB = out->BytesPerPixel();
  for (int64_t row = 0; row < height; ++row) {
    const uint8_t* src = data + pixelOffset + rowBytes * uint64_t(topDown ? row : height - 1 - row);
    uint8_t* dst = out->Row(int(row));
    for (int64_t x = 0; x < width; ++x, dst += outB) {
      switch (bpp) {
        case 1:
        case 4:
        case 8: {
          int perByte = 8 / bpp;
          int shift = 8 - bpp * (1 + int(x % perByte));
          int index = (src[x / perByte] >> shift) & ((1 << bpp) - 1);
          std::memcpy(dst, palette[index], 3);
          break;
        }
        case 24:
          dst[0] = src[x * 3 + 2], dst[1] = src[x * 3 + 1], dst[2] = src[x * 3];
          break;
        default: {
          uint32_t v = bpp == 16 ? U16(src + x * 2) : U32(src + x * 4);
          for (int c = 0; c < 3; ++c) dst[c] = Channel(v, shifts[c], bits[c]);
          if (hasAlphaMask) dst[3] = Channel(v, shifts[3], bits[3]);
        }
      }
    }
  }
  return out;
}
