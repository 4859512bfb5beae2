// The OpenGL back end's batching, in a hidden window: the shader path draws masked,
// alpha, additive and untextured draws in one call and puts the same pixels on the
// screen as the fixed-function path; pixels that left memory after upload are made
// again for a new context; a layer kept in a texture draws back as it was drawn.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "HiddenWindow.h"
#include "gfx/Draw.h"
#include "gfx/GLRenderDriver.h"
#include "gfx/ImageBank.h"
#include "gfx/LayerCache.h"
#include "support/TestFolder.h"

namespace {
TGLRenderDriver* Open(bool shader) {
  auto d = std::make_unique<TGLRenderDriver>();
  TGLRenderDriver* gl = d.get();
  gl->PreferShaderBlending(shader);
  if (!OpenHiddenWindow(std::move(d), 320, 240)) return nullptr;
  SetClsColor(20, 40, 60);
  Cls();
  return gl;
}

// A soft disc: colour varying across it, alpha falling from the middle to nothing.
TImagePtr SoftDisc(int flags) {
  auto p = TPixmap::Create(24, 24, PF_RGBA8888);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) {
      int d2 = (x - 12) * (x - 12) + (y - 12) * (y - 12);
      uint32_t a = d2 >= 144 ? 0u : uint32_t(255 - d2 * 255 / 144);
      p->WritePixel(x, y, (a << 24) | uint32_t(x * 10) << 16 | uint32_t(y * 10) << 8 | 200u);
    }
  return LoadImage(p, flags);
}

// Every blend mode, textured and not, overlapping, with colour and alpha, scaled and turned.
void Scene(const TImagePtr& disc) {
  const int modes[] = {BLEND_SOLID, BLEND_MASK, BLEND_ALPHA, BLEND_LIGHT, BLEND_SHADE, BLEND_MODULATE2X};
  for (int i = 0; i < 6; ++i) {
    SetBlend(modes[i]);
    for (int k = 0; k < 4; ++k) {
      SetColor(255 - k * 40, 128 + k * 30, 60 * k);
      SetAlpha(0.25f + 0.25f * float(k));
      SetRotation(float(k * 20));
      SetScale(1.0f + 0.3f * float(k), 1.0f);
      DrawImage(disc, float(20 + k * 18), float(20 + i * 36));
      SetRotation(0);
      SetScale(1, 1);
      DrawRect(float(110 + k * 14), float(14 + i * 36), 20, 16);
      SetBlend(modes[(i + k) % 4]);
      DrawImage(disc, float(190 + k * 10), float(20 + i * 36));
      SetBlend(modes[i]);
    }
  }
  SetColor(255, 255, 255);
  SetAlpha(1);
  SetBlend(BLEND_ALPHA);
}
}  // namespace

TEST(Batching, OneCallForEveryNonMultiplyingModeAndTheSamePixels) {
  TPixmapPtr shots[2];
  for (bool shader : {true, false}) {
    TGLRenderDriver* gl = Open(shader);
    ASSERT_NE(gl, nullptr) << PlatformLastError();
    if (shader && !gl->ShaderBlending()) GTEST_SKIP() << "no shaders on this GL";
    EXPECT_EQ(gl->ShaderBlending(), shader);
    auto disc = SoftDisc(IMAGE_FILTERED);
    Scene(disc);
    shots[shader ? 0 : 1] = GrabPixmap(0, 0, 320, 240);
    Flip(0);

    // Masked, alpha and additive pictures and shapes, mixed at random: the shader draws
    // them in one call; the fixed-function path needs one per change of mode. (Solid
    // pictures have a state of their own, without blending.)
    Cls();
    const int modes[] = {BLEND_MASK, BLEND_ALPHA, BLEND_LIGHT};
    for (int i = 0; i < 40; ++i) {
      SetBlend(modes[(i * 7) % 3]);
      if (i % 3)
        DrawImage(disc, float(i * 7), 50);
      else
        DrawRect(float(i * 7), 100, 5, 5);
    }
    Flip(0);
    if (shader)
      EXPECT_EQ(gl->LastFrameDrawCalls(), 1);
    else
      EXPECT_GT(gl->LastFrameDrawCalls(), 20);
    CloseGraphics();
  }
  ASSERT_TRUE(shots[0] && shots[1]);
  int worst = 0;
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) {
      uint32_t a = shots[0]->ReadPixel(x, y), b = shots[1]->ReadPixel(x, y);
      for (int s = 0; s < 24; s += 8) worst = std::max(worst, std::abs(int((a >> s) & 255) - int((b >> s) & 255)));
    }
  // Rounding alone: the shader multiplies by alpha before the blender, not in it.
  EXPECT_LE(worst, 2);
  SetRenderDriver(nullptr);
}

TEST(Batching, PixelsLetGoAfterUploadAreMadeAgainForANewContext) {
  const auto folder = TestFolder();
  auto solid = [&](const std::string& name, uint32_t argb, int w, int h) {
    auto p = TPixmap::Create(w, h, PF_RGBA8888);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) p->WritePixel(x, y, argb);
    EXPECT_TRUE(SavePixmapPNG(*p, (folder / name).string()));
  };
  solid("red.png", 0xffff0000u, 16, 16);
  solid("green.png", 0xff00ff00u, 20, 12);
  solid("big.png", 0xff0000ffu, 300, 40);

  ASSERT_NE(Open(true), nullptr) << PlatformLastError();
  TImageBank bank;
  bank.SetPath(folder.string());
  bank.Load("red", "", IMAGE_FILTERED, 0);
  bank.Load("green", "", IMAGE_FILTERED, 0);
  bank.Load("big", "", IMAGE_FILTERED, 0);
  bank.Precache();
  auto red = bank.FindTImage("red"), green = bank.FindTImage("green"), big = bank.FindTImage("big");
  // Packed together, uploaded, and no copy of their pixels left in memory.
  EXPECT_EQ(red->Frame(0)->page, green->Frame(0)->page);
  EXPECT_TRUE(red->PixmapsReleased());
  EXPECT_TRUE(big->PixmapsReleased());
  EXPECT_FALSE(red->Frame(0)->page->HasPixels());
  EXPECT_FALSE(big->Frame(0)->page->HasPixels());

  // A new context (as a full-screen toggle makes): everything draws as before.
  ASSERT_TRUE(CreateGraphics(320, 240, 0, 60, GRAPHICS_HIDDEN));
  SetBlend(BLEND_SOLID);
  Cls();
  DrawImage(red, 10, 10);
  DrawImage(green, 40, 10);
  DrawImage(big, 0, 100);
  auto at = [](int x, int y) { return GrabPixmap(x, y, 1, 1)->ReadPixel(0, 0) & 0xffffff; };
  EXPECT_EQ(at(17, 17), 0xff0000u);
  EXPECT_EQ(at(50, 15), 0x00ff00u);
  EXPECT_EQ(at(150, 120), 0x0000ffu);
  // And the copies went again once the new textures held them.
  EXPECT_FALSE(red->Frame(0)->page->HasPixels());
  EXPECT_TRUE(red->PixmapsReleased());

  CloseGraphics();
  SetRenderDriver(nullptr);
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
}

TEST(Batching, AKeptLayerDrawsBackTheSamePixelsInOneCallUntilItsKeyChanges) {
  TGLRenderDriver* gl = Open(true);
  ASSERT_NE(gl, nullptr) << PlatformLastError();
  if (!gl->ShaderBlending()) GTEST_SKIP() << "no shaders on this GL";
  auto disc = SoftDisc(IMAGE_FILTERED);
  // Off the corner and clipped to itself: a copy turned over or shifted shows.
  const auto layer = [&] {
    SetBlend(BLEND_SOLID);
    SetColor(30, 60, 90);
    DrawRect(0, 0, 304, 230);
    SetColor(255, 255, 255);
    Scene(disc);
  };
  SetViewport(16, 10, 304, 230);
  SetOrigin(16, 10);
  TLayerCache cache;
  TPixmapPtr live;
  // Kept once the key has held still for a frame; drawn by hand until then.
  for (int frame = 0; frame < 2; ++frame) {
    Cls();
    ASSERT_FALSE(cache.Draw(7, 304, 230));
    layer();
    cache.Keep();
    live = GrabPixmap(0, 0, 320, 240);
    Flip(0);
  }
  Cls();
  ASSERT_TRUE(cache.Draw(7, 304, 230));
  TPixmapPtr kept = GrabPixmap(0, 0, 320, 240);
  Flip(0);
  EXPECT_EQ(gl->LastFrameDrawCalls(), 1);
  ASSERT_TRUE(live && kept);
  int differing = 0;
  for (int y = 10; y < 240; ++y)
    for (int x = 16; x < 320; ++x) differing += live->ReadPixel(x, y) != kept->ReadPixel(x, y);
  EXPECT_EQ(differing, 0);
  EXPECT_FALSE(cache.Draw(8, 304, 230)) << "another key is drawn by hand";
  SetOrigin(0, 0);
  SetViewport(0, 0, 320, 240);
  SetRenderDriver(nullptr);
}
