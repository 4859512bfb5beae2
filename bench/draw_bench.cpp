// Draws 10,000 alpha-blended 50x50 sprites from a 50-frame strip per frame, batched and
// then with one draw call per quad, and prints draw calls and milliseconds per frame.
// Run under an X server, e.g.:
//   xvfb-run -a -s "-screen 0 1280x1024x24" env LIBGL_ALWAYS_SOFTWARE=1 build/bench/draw_bench
#include <chrono>
#include <cstdio>
#include <ctime>

#include "gfx/Draw.h"
#include "gfx/GLRenderDriver.h"
#include "platform/Random.h"

namespace {
struct Sprite {
  float x, y;
  int frame;
};

struct Figures {
  int drawCalls;
  double wallMs, cpuMs, submitMs;
};

Figures Run(TGLRenderDriver& gl, const TImagePtr& strip, const std::vector<Sprite>& sprites, bool perQuad, int frames) {
  gl.SetFlushEveryQuad(perQuad);
  double submit = 0;
  // One frame to settle (uploads) before measuring.
  auto wall0 = std::chrono::steady_clock::now();
  std::clock_t cpu0 = std::clock();
  for (int f = -1; f < frames; ++f) {
    if (f == 0) {
      wall0 = std::chrono::steady_clock::now();
      cpu0 = std::clock();
      submit = 0;
    }
    auto s0 = std::chrono::steady_clock::now();
    Cls();
    SetBlend(BLEND_ALPHA);
    for (const auto& s : sprites) DrawImage(strip, s.x, s.y, s.frame);
    submit += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - s0).count();
    Flip(0);
  }
  double wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wall0).count();
  double cpu = 1000.0 * double(std::clock() - cpu0) / CLOCKS_PER_SEC;
  return {gl.LastFrameDrawCalls(), wall / frames, cpu / frames, submit / frames};
}
}  // namespace

int main(int argc, char** argv) {
  int frames = argc > 1 ? std::atoi(argv[1]) : 20;
  if (frames < 1) frames = 20;
  auto driver = std::make_unique<TGLRenderDriver>();
  TGLRenderDriver& gl = *driver;
  SetRenderDriver(std::move(driver));
  if (!CreateGraphics(800, 600, 0, 60, GRAPHICS_HIDDEN)) {
    std::fprintf(stderr, "cannot open graphics: %s\n", PlatformLastError().c_str());
    return 1;
  }
  // A 10 x 5 strip of 50 x 50 cells, each a soft disc of its own colour.
  auto pixels = TPixmap::Create(500, 250, PF_RGBA8888);
  for (int y = 0; y < 250; ++y)
    for (int x = 0; x < 500; ++x) {
      int cell = (y / 50) * 10 + x / 50;
      int dx = x % 50 - 25, dy = y % 50 - 25;
      uint32_t a = dx * dx + dy * dy < 600 ? 255u : 0u;
      pixels->WritePixel(x, y, (a << 24) | uint32_t(cell * 5) << 16 | uint32_t(255 - cell * 5) << 8 | 128u);
    }
  TImagePtr strip = LoadAnimImage(pixels, 50, 50, 0, 50, IMAGE_FILTERED);
  SeedRnd(1);
  std::vector<Sprite> sprites(10000);
  for (auto& s : sprites) s = {Rnd(0, 750), Rnd(0, 550), Rand(0, 49)};

  Figures batched = Run(gl, strip, sprites, false, frames);
  Figures naive = Run(gl, strip, sprites, true, frames);
  std::printf("10000 sprites 50x50, 50-frame strip, alpha blend, %d frames each, 800x600\n", frames);
  std::printf("%-22s %12s %14s %14s %16s\n", "mode", "draw calls", "wall ms/frame", "CPU ms/frame", "submit ms/frame");
  std::printf("%-22s %12d %14.2f %14.2f %16.2f\n", "batched", batched.drawCalls, batched.wallMs, batched.cpuMs,
              batched.submitMs);
  std::printf("%-22s %12d %14.2f %14.2f %16.2f\n", "one call per quad", naive.drawCalls, naive.wallMs, naive.cpuMs,
              naive.submitMs);
  CloseGraphics();
  return 0;
}
