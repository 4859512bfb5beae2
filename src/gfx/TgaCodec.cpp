// Targa reader: true-colour (16/24/32 bits), grey (8 bits) and colour-mapped (8-bit
// indices), raw or run-length packed, either row order. Every run is checked.
#include <cstring>

#include "gfx/Pixmap.h"

namespace {
struct Reader {
  const uint8_t* data;
  size_t size;
  size_t at;
  bool Take(size_t n, const uint8_t*& p) {
    if (n > size - at) return false;
    p = data + at;
    at += n;
    return true;
  }
};
}  // namespace

TPixmapPtr LoadPixmapTGA(const uint8_t* data, size_t size) {
  if (!data || size < 18) return nullptr;
  int idLength = data[0], mapType = data[1], type = data[2];
  int mapFirst = data[3] | (data[4] << 8), mapLength = data[5] | (data[6] << 8), mapBits = data[7];
  int width = data[12] | (data[13] << 8), height = data[14] | (data[15] << 8);
  int bpp = data[16], descriptor = data[17];
  bool rle = type >= 9;
  int base = rle ? type - 8 : type;
  if (base != 1 && base != 2 && base != 3) return nullptr;
  if (mapType > 1 || (base == 1 && mapType != 1)) return nullptr;
  if (width < 1 || height < 1) return nullptr;
  if (base == 1 && (bpp != 8 || (mapBits != 24 && mapBits != 32 && mapBits != 16 && mapBits != 15))) return nullptr;
  if (base == 2 && bpp != 16 && bpp != 24 && bpp != 32 && bpp != 15) return nullptr;
  if (base == 3 && bpp != 8) return nullptr;

  Reader in{data, size, 18};
  const uint8_t* p;
  if (!in.Take(size_t(idLength), p)) return nullptr;

  // A pixel as written in the file -> r, g, b, a.
  auto decode = [](const uint8_t* px, int bits, uint8_t out[4]) {
    switch (bits) {
      case 8:
        out[0] = out[1] = out[2] = px[0], out[3] = 255;
        break;
      case 15:
      case 16: {
        int v = px[0] | (px[1] << 8);
        out[0] = uint8_t(((v >> 10) & 31) * 255 / 31);
        out[1] = uint8_t(((v >> 5) & 31) * 255 / 31);
        out[2] = uint8_t((v & 31) * 255 / 31);
        out[3] = 255;
        break;
      }
      default:
        out[0] = px[2], out[1] = px[1], out[2] = px[0];
        out[3] = bits == 32 ? px[3] : 255;
    }
  };

  uint8_t palette[256][4] = {};
  if (mapType == 1) {
    int entryBytes = (mapBits + 7) / 8;
    if (!in.Take(size_t(mapLength) * entryBytes, p)) return nullptr;
    // A true-colour picture may carry a map it never uses, in any entry size:
    // skip it rather than decode entries narrower than a colour.
    for (int i = 0; base == 1 && i < mapLength; ++i) {
      int index = mapFirst + i;
      if (index < 256) decode(p + i * entryBytes, mapBits, palette[index]);
    }
  }

  // The header alone may promise a picture of a gigabyte; the rest of the file must be
  // able to hold it before any memory is set aside. A packed file needs at least one
  // count byte and one pixel for every 128 pixels.
  int pixelBytes = (bpp + 7) / 8;
  const uint64_t total = uint64_t(width) * uint64_t(height);
  const uint64_t needed = rle ? (total + 127) / 128 * uint64_t(1 + pixelBytes) : total * uint64_t(pixelBytes);
  if (needed > size - in.at) return nullptr;

  bool alpha = (base == 2 && bpp == 32) || (base == 1 && mapBits == 32);
  auto out = TPixmap::Create(width, height, alpha ? PF_RGBA8888 : PF_RGB888);
  if (!out) return nullptr;
  int outB = out->BytesPerPixel();
  bool topDown = (descriptor & 0x20) != 0;
  bool rightToLeft = (descriptor & 0x10) != 0;

  auto put = [&](size_t index, const uint8_t* px) {
    int x = int(index % size_t(width)), y = int(index / size_t(width));
    if (rightToLeft) x = width - 1 - x;
    if (!topDown) y = height - 1 - y;
    uint8_t rgba[4];
    if (base == 1)
      std::memcpy(rgba, palette[px[0]], 4);
    else
      decode(px, bpp, rgba);
    std::memcpy(out->Row(y) + x * outB, rgba, size_t(outB));
  };

  if (!rle) {
    if (!in.Take(total * size_t(pixelBytes), p)) return nullptr;
    for (size_t i = 0; i < total; ++i) put(i, p + i * size_t(pixelBytes));
  } else {
    size_t i = 0;
    while (i < total) {
      const uint8_t* head;
      if (!in.Take(1, head)) return nullptr;
      size_t count = size_t(head[0] & 0x7F) + 1;
      if (count > total - i) return nullptr;
      if (head[0] & 0x80) {
        if (!in.Take(size_t(pixelBytes), p)) return nullptr;
        for (size_t k = 0; k < count; ++k) put(i++, p);
      } else {
        if (!in.Take(count * size_t(pixelBytes), p)) return nullptr;
        for (size_t k = 0; k < count; ++k) put(i++, p + k * size_t(pixelBytes));
      }
    }
  }
  return out;
}
