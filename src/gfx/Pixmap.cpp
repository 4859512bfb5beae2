#include "gfx/Pixmap.h"

#include <algorithm>
#include <cstring>

TPixmapPtr TPixmap::Create(int width, int height, TPixelFormat format) {
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return nullptr;
  auto p = std::make_shared<TPixmap>();
  p->width = width;
  p->height = height;
  p->format = format;
  p->pitch = width * int(format);
  p->pixels = TPixelBytes(size_t(p->pitch) * height);
  return p;
}

uint32_t TPixmap::ReadPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return 0;
  const uint8_t* p = Row(y) + x * BytesPerPixel();
  uint32_t a = HasAlpha() ? p[3] : 255;
  return (a << 24) | (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
}

void TPixmap::WritePixel(int x, int y, uint32_t argb) {
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  uint8_t* p = Row(y) + x * BytesPerPixel();
  p[0] = uint8_t(argb >> 16);
  p[1] = uint8_t(argb >> 8);
  p[2] = uint8_t(argb);
  if (HasAlpha()) p[3] = uint8_t(argb >> 24);
}

TPixmapPtr TPixmap::Convert(TPixelFormat to) const {
  auto out = Create(width, height, to);
  if (!out) return nullptr;
  int inB = BytesPerPixel(), outB = out->BytesPerPixel();
  for (int y = 0; y < height; ++y) {
    const uint8_t* s = Row(y);
    uint8_t* d = out->Row(y);
    for (int x = 0; x < width; ++x, s += inB, d += outB) {
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
      if (outB == 4) d[3] = inB == 4 ? s[3] : 255;
    }
  }
  return out;
}

TPixmapPtr TPixmap::Masked(int maskR, int maskG, int maskB) const {
  auto out = Create(width, height, PF_RGBA8888);
  if (!out) return nullptr;
  int inB = BytesPerPixel();
  for (int y = 0; y < height; ++y) {
    const uint8_t* s = Row(y);
    uint8_t* d = out->Row(y);
    for (int x = 0; x < width; ++x, s += inB, d += 4) {
      d[0] = s[0];
      d[1] = s[1];
      d[2] = s[2];
      d[3] = (s[0] == maskR && s[1] == maskG && s[2] == maskB) ? 0 : 255;
    }
  }
  return out;
}

TPixmapPtr TPixmap::Window(int x, int y, int w, int h) const {
  int x0 = std::max(x, 0), y0 = std::max(y, 0);
  int x1 = std::min(x + w, width), y1 = std::min(y + h, height);
  if (x1 <= x0 || y1 <= y0) return nullptr;
  auto out = Create(x1 - x0, y1 - y0, format);
  int bpp = BytesPerPixel();
  for (int row = y0; row < y1; ++row)
    std::memcpy(out->Row(row - y0), Row(row) + size_t(x0) * bpp, size_t(x1 - x0) * bpp);
  return out;
}

TPixmapPtr TPixmap::Resized(int w, int h) const {
  auto out = Create(w, h, format);
  if (!out) return nullptr;
  int bpp = BytesPerPixel();
  for (int y = 0; y < h; ++y) {
    int sy0 = int(int64_t(y) * height / h);
    int sy1 = std::max(sy0 + 1, int(int64_t(y + 1) * height / h));
    for (int x = 0; x < w; ++x) {
      int sx0 = int(int64_t(x) * width / w);
      int sx1 = std::max(sx0 + 1, int(int64_t(x + 1) * width / w));
      uint32_t sum[4] = {0, 0, 0, 0};
      for (int sy = sy0; sy < sy1; ++sy)
        for (int sx = sx0; sx < sx1; ++sx)
          for (int c = 0; c < bpp; ++c) sum[c] += Row(sy)[sx * bpp + c];
      uint32_t n = uint32_t((sy1 - sy0) * (sx1 - sx0));
      for (int c = 0; c < bpp; ++c) out->Row(y)[x * bpp + c] = uint8_t((sum[c] + n / 2) / n);
    }
  }
  return out;
}
