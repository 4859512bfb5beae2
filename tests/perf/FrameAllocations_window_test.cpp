// Frames that allocate nothing: once a scene has been drawn a few times, drawing it
// again (pictures, strips, text, shapes, particles in every blend, through the OpenGL
// back end) takes no memory from the heap. This executable counts every operator new.
#include <gtest/gtest.h>

#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "gfx/Draw.h"
#include "gfx/GLRenderDriver.h"
#include "gfx/GameImage.h"
#include "gfx/ParticleList.h"
#include "support/CountingNew.h"

namespace {
TImagePtr Disc(int frames) {
  auto strip = TPixmap::Create(16 * frames, 16, PF_RGBA8888);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16 * frames; ++x) {
      int dx = x % 16 - 8, dy = y - 8;
      strip->WritePixel(x, y, (dx * dx + dy * dy < 50 ? 0xff000000u : 0u) | uint32_t(x * 3) << 8 | 0x80u);
    }
  return LoadAnimImage(strip, 16, 16, 0, frames, IMAGE_FILTERED);
}
}  // namespace

TEST(FrameAllocations, ASceneDrawnAgainTakesNoHeap) {
  TGame game;
  Game = &game;
  Clock().FixedRateLogic.CalcMS();
  Delta = 1.0f;
  auto d = std::make_unique<TGLRenderDriver>();
  TGLRenderDriver* gl = d.get();
  SetRenderDriver(std::move(d));
  ASSERT_TRUE(CreateGraphics(320, 240, 0, 60, GRAPHICS_HIDDEN)) << PlatformLastError();

  auto strip = TGameImage::CreateFromImage(Disc(8), "DISC", 1);
  auto single = Disc(1);
  TParticleList particles;
  for (int i = 0; i < 60; ++i) {
    // Long-lived particles, some adding light, some turning and growing.
    auto p = particles.AddNew(10 + i * 5, 20 + (i % 7) * 25, strip, 0.01f, 0, 0, 0, i % 3 == 0, i % 2, 0.5f,
                              1, 0.0001f, 0);
    p->ImageFrame = i % 8;
  }

  auto frame = [&] {
    Cls();
    SetBlend(BLEND_ALPHA);
    for (int i = 0; i < 50; ++i) {
      SetRotation(float(i * 7));
      DrawImage(strip->image, float(i * 6), 200, i % 8);
    }
    SetRotation(0);
    DrawImage(single, 5, 5);
    SetBlend(BLEND_LIGHT);
    DrawText("Score 12345", 100, 5);
    SetBlend(BLEND_ALPHA);
    SetColor(40, 40, 40);
    DrawRect(0, 230, 320, 10);
    DrawOval(280, 10, 30, 20);
    DrawLine(0, 0, 319, 239);
    SetColor(255, 255, 255);
    particles.Manage();
    particles.Draw();
    Flip(0);
  };
  for (int i = 0; i < 5; ++i) frame();
  const long before = Allocations.load();
  for (int i = 0; i < 30; ++i) frame();
  const long taken = Allocations.load() - before;

  EXPECT_EQ(taken, 0) << "operator new calls in 30 frames";
  EXPECT_EQ(particles.Count(), 60u);
  EXPECT_GT(gl->LastFrameDrawCalls(), 0);
  CloseGraphics();
  SetRenderDriver(nullptr);
  Game = nullptr;
}
