// Pictures on pages of exactly their own size, in a hidden window: they must draw the
// same pixels as on the power-of-two pages with a repeated edge (filtered, stretched,
// turned, and sampled right at the edge), while mipmapped pictures keep power-of-two
// pages, whose lower levels need them.
#include <gtest/gtest.h>

#include "gfx/Draw.h"
#include "gfx/GLRenderDriver.h"
#include "gfx/ImageFrame.h"

namespace {
// Colour changing in both directions and a hard edge of alpha, so that any shift in
// where a texel is sampled shows.
TImagePtr Gradient(int w, int h, int flags) {
  auto p = TPixmap::Create(w, h, PF_RGBA8888);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t a = x == w - 1 ? 128u : 255u;
      p->WritePixel(x, y, (a << 24) | uint32_t(x * 255 / w) << 16 | uint32_t(y * 255 / h) << 8 | uint32_t((x * y) & 255));
    }
  return LoadImage(p, flags);
}

TPixmapPtr DrawScene(bool exact) {
  auto d = std::make_unique<TGLRenderDriver>();
  SetRenderDriver(std::move(d));
  if (!CreateGraphics(320, 240, 0, 60, GRAPHICS_HIDDEN)) return nullptr;
  SetExactSizeOwnPages(exact);  // after the context, which sets what it supports
  SetVirtualResolution(320, 240);
  SetViewport(0, 0, 320, 240);
  SetOrigin(0, 0);
  SetClsColor(10, 20, 30);
  Cls();
  SetBlend(BLEND_ALPHA);
  auto picture = Gradient(37, 23, IMAGE_FILTERED);
  auto nearest = Gradient(21, 13, 0);
  DrawImage(picture, 5, 5);
  SetScale(3.3f, 2.7f);
  DrawImage(picture, 60, 5);
  DrawImage(nearest, 200, 5);
  SetScale(1.7f, 1.7f);
  SetRotation(33);
  DrawImage(picture, 80, 120);
  SetRotation(0);
  SetScale(1, 1);
  // The last column and row stretched wide: sampling sits on the picture's edge.
  DrawSubImageRect(picture, 180, 120, 90, 90, 35, 21, 2, 2, 0, 0, 0);
  TPixmapPtr shot = GrabPixmap(0, 0, 320, 240);
  // What the pages cost: exactly the picture, or the power of two above it.
  const TImageFrame* frame = picture->Frame(0);
  EXPECT_EQ(frame->page->pixels.width, exact ? 37 : 64);
  EXPECT_EQ(frame->page->pixels.height, exact ? 23 : 32);
  auto mipmapped = Gradient(37, 23, IMAGE_FILTERED | IMAGE_MIPMAPPED);
  EXPECT_EQ(mipmapped->Frame(0)->page->pixels.width, 64);
  CloseGraphics();
  SetRenderDriver(nullptr);
  return shot;
}
}  // namespace

TEST(ExactPages, DrawTheSamePixelsAsPowerOfTwoPages) {
  TPixmapPtr padded = DrawScene(false), exact = DrawScene(true);
  SetExactSizeOwnPages(false);
  ASSERT_TRUE(padded && exact) << PlatformLastError();
  int worst = 0, differing = 0;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) {
      const uint32_t a = padded->ReadPixel(x, y), b = exact->ReadPixel(x, y);
      int d = 0;
      for (int s = 0; s < 24; s += 8) d = std::max(d, std::abs(int((a >> s) & 255) - int((b >> s) & 255)));
      worst = std::max(worst, d);
      differing += d > 0;
    }
  // Texture coordinates are computed against another size, so a last-bit rounding may move.
  EXPECT_LE(worst, 1);
  EXPECT_LT(differing, 50);
}
