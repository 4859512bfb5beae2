// Pixels through the OpenGL back end in a hidden window, read back with GrabPixmap.
#include <gtest/gtest.h>

#include "HiddenWindow.h"
#include "gfx/Atlas.h"
#include "gfx/Draw.h"
#include "gfx/GLRenderDriver.h"

namespace {
class DrawWindow : public ::testing::Test {
 protected:
  TGLRenderDriver* gl = nullptr;
  void SetUp() override {
    auto d = std::make_unique<TGLRenderDriver>();
    gl = d.get();
    ASSERT_TRUE(OpenHiddenWindow(std::move(d), 800, 600)) << PlatformLastError();
    SetClsColor(0, 0, 0);
    SetBlend(BLEND_SOLID);
    Cls();
  }
  void TearDown() override { CloseGraphics(); }

  static uint32_t At(int x, int y) { return GrabPixmap(x, y, 1, 1)->ReadPixel(0, 0) & 0xffffff; }
  static TImagePtr SolidImage(uint32_t argb, int w = 8, int h = 8, TPixelFormat format = PF_RGBA8888, int flags = 0) {
    auto p = TPixmap::Create(w, h, format);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) p->WritePixel(x, y, argb);
    return LoadImage(p, flags);
  }
  // Fills a 10x10 background square, then draws a square of (r,g,b) at alpha a over it in `mode`.
  static uint32_t Blend(int mode, uint32_t dst, int r, int g, int b, float a) {
    SetBlend(BLEND_SOLID);
    SetAlpha(1);
    SetColor(int(dst >> 16) & 255, int(dst >> 8) & 255, int(dst) & 255);
    DrawRect(100, 100, 10, 10);
    SetBlend(mode);
    SetColor(r, g, b);
    SetAlpha(a);
    DrawRect(100, 100, 10, 10);
    return At(105, 105);
  }
};

void ExpectColor(uint32_t got, int r, int g, int b, int tolerance = 2) {
  EXPECT_NEAR(int(got >> 16) & 255, r, tolerance) << std::hex << got;
  EXPECT_NEAR(int(got >> 8) & 255, g, tolerance) << std::hex << got;
  EXPECT_NEAR(int(got) & 255, b, tolerance) << std::hex << got;
}
}  // namespace

TEST_F(DrawWindow, BlendModeArithmetic) {
  // Alpha: src*a + dst*(1-a).
  ExpectColor(Blend(BLEND_ALPHA, 0x204060, 200, 100, 0, 0.5f), 116, 82, 48);
  // Light: src*a + dst, saturating.
  ExpectColor(Blend(BLEND_LIGHT, 0x204060, 200, 100, 0, 0.5f), 132, 114, 96);
  ExpectColor(Blend(BLEND_LIGHT, 0xC0C0C0, 255, 255, 255, 1), 255, 255, 255);
  // Shade: src*dst.
  ExpectColor(Blend(BLEND_SHADE, 0x808080, 255, 128, 0, 1), 128, 64, 0);
  // Modulate 2x: 2*src*dst, so half intensity leaves dst alone.
  ExpectColor(Blend(BLEND_MODULATE2X, 0x604020, 128, 255, 64, 1), 96, 128, 16);
  // Solid overwrites whatever the alpha.
  ExpectColor(Blend(BLEND_SOLID, 0x204060, 10, 20, 30, 0.1f), 10, 20, 30);
  // Mask: alpha below 0.5 discarded, the rest overwrites.
  ExpectColor(Blend(BLEND_MASK, 0x204060, 10, 20, 30, 0.4f), 0x20, 0x40, 0x60);
  ExpectColor(Blend(BLEND_MASK, 0x204060, 10, 20, 30, 0.6f), 10, 20, 30);
  // Unknown modes behave as solid.
  ExpectColor(Blend(99, 0x204060, 10, 20, 30, 0.1f), 10, 20, 30);
}

TEST_F(DrawWindow, NoTrianglesGoOnForQuadsThatWouldLeaveEveryPixelAsItWas) {
  // Alpha zero changes nothing in the blends that weigh by alpha, so those quads never
  // reach the library; the other blends draw whatever the alpha.
  auto picture = SolidImage(0xff80c0ff);
  const struct {
    int mode;
    bool drawn;
  } cases[] = {{BLEND_ALPHA, false}, {BLEND_LIGHT, false}, {BLEND_MASK, false},
               {BLEND_SOLID, true},  {BLEND_SHADE, true},  {BLEND_MODULATE2X, true}};
  for (const auto& c : cases) {
    Flip(0);
    const uint32_t got = Blend(c.mode, 0x204060, 200, 100, 0, 0);
    DrawImage(picture, 100, 100);
    const uint32_t after = At(105, 105);
    Flip(0);
    // The background square, then the rectangle and the picture when they are drawn.
    EXPECT_EQ(gl->LastFrameVertices(), c.drawn ? 18 : 6) << "blend " << c.mode;
    if (!c.drawn) {
      ExpectColor(got, 0x20, 0x40, 0x60);
      ExpectColor(after, 0x20, 0x40, 0x60);
    }
  }
  ExpectColor(Blend(BLEND_SOLID, 0x204060, 10, 20, 30, 0), 10, 20, 30);
}

TEST_F(DrawWindow, ClampedColourAndAlpha) {
  ExpectColor(Blend(BLEND_SOLID, 0, 300, -5, 128, 1), 255, 0, 128);
  ExpectColor(Blend(BLEND_ALPHA, 0x102030, 255, 255, 255, 1.5f), 255, 255, 255);
  ExpectColor(Blend(BLEND_ALPHA, 0x102030, 255, 255, 255, -0.2f), 0x10, 0x20, 0x30);
}

TEST_F(DrawWindow, MaskedPicturesAndTexturedColour) {
  // A 24-bit picture with a black hole in the middle, masked.
  auto p = TPixmap::Create(4, 4, PF_RGB888);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) p->WritePixel(x, y, (x == 1 && y == 1) ? 0xff000000u : 0xffff8000u);
  auto masked = LoadImage(p, IMAGE_MASKED);
  SetClsColor(0, 0, 255);
  Cls();
  SetBlend(BLEND_MASK);
  SetColor(255, 255, 255);
  DrawImage(masked, 10, 10);
  ExpectColor(At(10, 10), 255, 128, 0);
  ExpectColor(At(11, 11), 0, 0, 255);  // hole shows the background
  // The colour tints textures.
  SetColor(255, 0, 255);
  DrawImage(masked, 20, 10);
  ExpectColor(At(20, 10), 255, 0, 0);
  // Unmasked, black stays black.
  SetColor(255, 255, 255);
  DrawImage(LoadImage(p, 0), 30, 10);
  ExpectColor(At(31, 11), 0, 0, 0);
}

TEST_F(DrawWindow, ViewportClipsDrawingAndCls) {
  SetViewport(100, 50, 20, 10);
  SetColor(255, 0, 0);
  DrawRect(0, 0, 800, 600);
  ExpectColor(At(100, 50), 255, 0, 0);
  ExpectColor(At(119, 59), 255, 0, 0);
  ExpectColor(At(99, 50), 0, 0, 0);
  ExpectColor(At(120, 50), 0, 0, 0);
  ExpectColor(At(100, 60), 0, 0, 0);
  SetClsColor(0, 255, 0);
  Cls();
  ExpectColor(At(105, 55), 0, 255, 0);
  ExpectColor(At(5, 5), 0, 0, 0);
  // The whole screen switches clipping off again.
  SetViewport(0, 0, int(VirtualResolutionWidth()), int(VirtualResolutionHeight()));
  Cls();
  ExpectColor(At(5, 5), 0, 255, 0);
  // Virtual resolution: 400x300 units stretched over 800x600 pixels.
  SetVirtualResolution(400, 300);
  SetViewport(0, 0, 400, 300);
  SetColor(255, 255, 255);
  DrawRect(10, 10, 5, 5);
  ExpectColor(At(20, 20), 255, 255, 255);
  ExpectColor(At(29, 29), 255, 255, 255);
  ExpectColor(At(30, 30), 0, 255, 0);
}

TEST_F(DrawWindow, FramesSurviveAContextChangeAndBatch) {
  auto red = SolidImage(0xffff0000u);
  auto strip = TPixmap::Create(40, 8, PF_RGBA8888);
  for (int x = 0; x < 40; ++x)
    for (int y = 0; y < 8; ++y) strip->WritePixel(x, y, x < 8 ? 0xff00ff00u : 0xff0000ffu);
  auto anim = LoadAnimImage(strip, 8, 8, 0, 5, 0);
  DrawImage(red, 0, 0);
  ExpectColor(At(3, 3), 255, 0, 0);
  Flip(0);

  // Same images, new context: they are uploaded again on their next draw.
  ASSERT_TRUE(CreateGraphics(640, 480, 0, 60, GRAPHICS_HIDDEN));
  EXPECT_EQ(GraphicsWidth(), 640);
  EXPECT_EQ(VirtualResolutionWidth(), 800);  // carried over: the old picture stretched over the new size
  SetVirtualResolution(640, 480);
  SetViewport(0, 0, 640, 480);
  SetBlend(BLEND_SOLID);
  Cls();
  DrawImage(red, 0, 0);
  ExpectColor(At(3, 3), 255, 0, 0);

  // Many frames of one strip and text in the built-in font: a handful of draw calls (at
  // least one for each of the two textures; the rectangle may join either batch).
  Flip(0);
  for (int i = 0; i < 200; ++i) DrawImage(anim, float(i % 40) * 8, float(i / 40) * 8, i % 5);
  DrawText("Hello", 10, 100);
  DrawText("World", 10, 120);
  SetBlend(BLEND_ALPHA);
  DrawRect(0, 0, 2, 2);
  Flip(0);
  EXPECT_LE(gl->LastFrameDrawCalls(), 4);
  EXPECT_GE(gl->LastFrameDrawCalls(), 2);
  // A blend switched away and back between two draws does not break the batch.
  SetBlend(BLEND_ALPHA);
  for (int i = 0; i < 100; ++i) {
    DrawImage(anim, float(i % 40) * 8, 200, i % 5);
    SetBlend(BLEND_LIGHT);
    SetBlend(BLEND_ALPHA);
  }
  Flip(0);
  EXPECT_EQ(gl->LastFrameDrawCalls(), 1);
  // Strip frames drew the right cells.
  Cls();
  DrawImage(anim, 0, 0, 0);
  DrawImage(anim, 8, 0, 3);
  ExpectColor(At(4, 4), 0, 255, 0);
  ExpectColor(At(12, 4), 0, 0, 255);
  // The built-in font puts white pixels where its bitmap has them.
  Cls();
  SetBlend(BLEND_MASK);
  DrawText("|", 0, 0);
  auto grab = GrabPixmap(0, 0, 8, 16);
  int lit = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 8; ++x)
      if ((grab->ReadPixel(x, y) & 0xffffff) == 0xffffff) {
        ++lit;
        EXPECT_TRUE(BuiltInFontBitmap('|')[y] & (0x80 >> x)) << x << "," << y;
      }
  EXPECT_GT(lit, 20);
}

TEST_F(DrawWindow, ImageFontFromAVectorFile) {
  const char* path = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  auto font = LoadImageFont(path, 24, FONT_SMOOTH);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->_imageFlags, IMAGE_FILTERED | IMAGE_MIPMAPPED);
  SetImageFont(font);
  EXPECT_GT(TextHeight("x"), 20);
  int w = TextWidth("Hello");
  EXPECT_GT(w, 40);
  EXPECT_LT(w, 80);
  EXPECT_EQ(TextWidth("\x01"), 0);
  SetBlend(BLEND_ALPHA);
  DrawText("Hello", 10, 10);
  auto grab = GrabPixmap(10, 10, w, TextHeight("Hello"));
  int lit = 0;
  for (int y = 0; y < grab->height; ++y)
    for (int x = 0; x < grab->width; ++x) lit += (grab->ReadPixel(x, y) & 0xff) > 128;
  EXPECT_GT(lit, 50);
  // The glyph page let its own copy of the pixels go once uploaded; a glyph rendered
  // later makes it again, and the glyphs already on the page still draw beside it.
  const TImageGlyph& h = font->LoadGlyph(font->CharToGlyph('H'));
  ASSERT_NE(h._image, nullptr);
  const TTexturePagePtr page = h._image->frames[0].page;
  EXPECT_FALSE(page->HasPixels());
  const std::string pair = "H\xd6";  // H and O-umlaut, which "Hello" did not need
  const int hWidth = TextWidth("H"), pairWidth = TextWidth(pair);
  SetBlend(BLEND_SOLID);
  SetColor(0, 0, 0);
  DrawRect(0, 0, 800, 600);
  SetColor(255, 255, 255);
  SetBlend(BLEND_ALPHA);
  DrawText(pair, 10, 100);
  EXPECT_EQ(font->LoadGlyph(font->CharToGlyph(0xd6))._image->frames[0].page, page);
  auto litIn = [](const TPixmapPtr& grabbed) {
    int lit = 0;
    for (int y = 0; y < grabbed->height; ++y)
      for (int x = 0; x < grabbed->width; ++x) lit += (grabbed->ReadPixel(x, y) & 0xff) > 128;
    return lit;
  };
  EXPECT_GT(litIn(GrabPixmap(10, 100, hWidth, TextHeight(pair))), 30);
  EXPECT_GT(litIn(GrabPixmap(10 + hWidth, 100, pairWidth - hWidth, TextHeight(pair))), 30);
  EXPECT_FALSE(page->HasPixels());
  // A space glyph has no image but advances.
  const TImageGlyph& space = font->LoadGlyph(font->CharToGlyph(' '));
  EXPECT_EQ(space._image, nullptr);
  EXPECT_GT(space._advance, 3);
  // Missing, empty and non-font files are none.
  EXPECT_EQ(LoadImageFont("/nonexistent.ttf", 12), nullptr);
  EXPECT_EQ(LoadImageFont("/etc/hostname", 12), nullptr);
  EXPECT_EQ(LoadImageFont(path, 0), nullptr);
  SetImageFont(nullptr);
}

TEST_F(DrawWindow, TrimmedPicturesLookLikeWholeOnesInEveryBlend) {
  // A soft blob inside a wide empty border, once packed (the page keeps the blob and a
  // ring of empty pixels) and once whole on a page of its own, drawn turned, stretched
  // and filtered over a coloured ground in every blend: the two must match.
  auto pixmap = TPixmap::Create(40, 30, PF_RGBA8888);
  for (int y = 8; y < 22; ++y)
    for (int x = 12; x < 30; ++x) {
      const uint32_t a = uint32_t(std::min(255, 40 + 12 * std::min({x - 12, 29 - x, y - 8, 21 - y})));
      pixmap->WritePixel(x, y, (a << 24) | (uint32_t(x * 6) << 16) | (uint32_t(y * 8) << 8) | 0x40u);
    }
  auto packed = LoadImage(pixmap, IMAGE_FILTERED);
  ASSERT_EQ(PackImages({packed}, 256), 1);
  ASSERT_TRUE(packed->Frame(0)->trim.Any());
  auto whole = LoadImage(pixmap, IMAGE_FILTERED);
  ASSERT_FALSE(whole->Frame(0)->trim.Any());
  SetImageHandle(packed, 20, 15);
  SetImageHandle(whole, 20, 15);

  for (int mode : {BLEND_ALPHA, BLEND_LIGHT, BLEND_MASK, BLEND_SOLID, BLEND_SHADE, BLEND_MODULATE2X}) {
    SetTransform(0, 1, 1);
    SetBlend(BLEND_SOLID);
    SetAlpha(1);
    for (int band = 0; band < 10; ++band) {
      SetColor(40 + band * 20, 200 - band * 15, 90);
      DrawRect(0, float(band * 20), 400, 20);
    }
    SetColor(255, 255, 255);
    SetAlpha(0.8f);
    SetBlend(mode);
    SetTransform(30, 1.7f, 1.3f);
    DrawImage(packed, 100, 100);
    DrawImage(whole, 300, 100);
    SetTransform(0, 1, 1);
    auto left = GrabPixmap(50, 50, 100, 100), right = GrabPixmap(250, 50, 100, 100);
    int worst = 0;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 100; ++x) {
        const uint32_t a = left->ReadPixel(x, y), b = right->ReadPixel(x, y);
        for (int shift : {0, 8, 16}) worst = std::max(worst, std::abs(int((a >> shift) & 255) - int((b >> shift) & 255)));
      }
    EXPECT_LE(worst, 2) << "blend " << mode;
    Flip(0);
  }
}
