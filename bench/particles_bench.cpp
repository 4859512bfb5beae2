// 5,000 live additive sparks (moving under gravity, fading, spinning, some dying and being
// replaced) for 1,000 logic steps, each step drawn as one frame. Prints microseconds
// per logic step and per frame drawn, and draw calls per frame. Draws through OpenGL
// when a display is available, else through the recording back end (where every quad
// is one call; the figure in brackets is how many calls a batching back end needs).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "gfx/Draw.h"
#include "gfx/GLRenderDriver.h"
#include "gfx/GameImage.h"
#include "gfx/ImageBank.h"
#include "gfx/ParticleList.h"
#include "gfx/RecordingRenderDriver.h"
#include "platform/Random.h"

namespace {
constexpr int kParticles = 5000;
constexpr int kSteps = 1000;

std::shared_ptr<TGameImage> Spark(int size, int shade) {
  auto img = TImage::Create(size, size, 1, IMAGE_FILTERED);
  auto px = TPixmap::Create(size, size, PF_RGBA8888);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) px->WritePixel(x, y, 0xff000000u | uint32_t(shade) * 0x010101u);
  img->SetPixmap(0, px);
  return TGameImage::CreateFromImage(img, "SPARK" + std::to_string(size), 1);
}

void Spawn(TParticleList& list, const std::shared_ptr<TGameImage>& img) {
  auto p = list.AddNew(Rand(100, 700), Rand(100, 500), img, Rnd(-1, 1), Rnd(-2, 0), 0.002f, Rnd(2000, 8000),
                       1, Rand(0, 1) ? 1 : -1, Rnd(0.5f, 3), Rnd(0.5f, 1.5f), 0, Rnd(1000, 6000));
  p->NoOutOfBounds = 1;
}

// Calls a batching back end would need for what was recorded: a new one at every
// change of texture page, blend or primitive.
int Batches(const TRecordingRenderDriver& rec) {
  int calls = 0;
  const TRecordedPrimitive* last = nullptr;
  for (const auto& r : rec.recorded) {
    if (!last || last->page != r.page || last->blend != r.blend || last->primitive != r.primitive) ++calls;
    last = &r;
  }
  return calls;
}
}  // namespace

int main() {
  auto game = std::make_unique<TGame>();
  Game = game.get();
  Clock().FixedRateLogic.CalcMS();
  Delta = 1.0f;
  SeedRnd(1234);

  bool gl = false;
  TRecordingRenderDriver* rec = nullptr;
  if (std::getenv("DISPLAY") && !std::getenv("TV_BENCH_RECORD")) {
    SetRenderDriver(std::make_unique<TGLRenderDriver>());
    gl = CreateGraphics(800, 600, 0, 60, 0);
  }
  if (!gl) {
    auto driver = std::make_unique<TRecordingRenderDriver>();
    rec = driver.get();
    SetRenderDriver(std::move(driver));
    if (!CreateGraphics(800, 600)) return 1;
  }

  // Three spark pictures filed in a bank and packed together, as the game's are.
  TImageBank bank;
  bank.Insert(Spark(8, 255));
  bank.Insert(Spark(12, 200));
  bank.Insert(Spark(16, 150));
  bank.Precache();
  const std::shared_ptr<TGameImage> images[3] = {bank.Find("SPARK8"), bank.Find("SPARK12"), bank.Find("SPARK16")};

  TParticleList list;
  for (int i = 0; i < kParticles; ++i) Spawn(list, images[i % 3]);

  using Clock = std::chrono::steady_clock;
  double logicUs = 0, drawUs = 0;
  long long drawCalls = 0, batches = 0, respawned = 0;
  for (int step = 0; step < kSteps; ++step) {
    auto t0 = Clock::now();
    list.Manage();
    for (std::size_t n = list.Count(); n < kParticles; ++n, ++respawned) Spawn(list, images[n % 3]);
    auto t1 = Clock::now();
    if (rec) rec->Clear();
    SetBlend(BLEND_ALPHA);
    Cls();
    list.Draw();
    if (rec) batches += Batches(*rec);
    Flip(0);
    auto t2 = Clock::now();
    logicUs += std::chrono::duration<double, std::micro>(t1 - t0).count();
    drawUs += std::chrono::duration<double, std::micro>(t2 - t1).count();
    drawCalls += GetRenderDriver()->LastFrameDrawCalls();
  }

  std::printf("particles_bench: %d particles, %d steps, back end %s\n", kParticles, kSteps,
              gl ? "OpenGL" : "recording");
  std::printf("  logic (move, fade, spin, deaths, respawn): %.1f us per step\n", logicUs / kSteps);
  std::printf("  draw: %.1f us per frame\n", drawUs / kSteps);
  if (rec) {
    std::printf("  draw calls per frame: %.1f recorded [%.1f batched]\n", double(drawCalls) / kSteps,
                double(batches) / kSteps);
  } else {
    std::printf("  draw calls per frame: %.1f\n", double(drawCalls) / kSteps);
  }
  std::printf("  particles replaced: %lld\n", respawned);
  SetRenderDriver(nullptr);
  Game = nullptr;
  return 0;
}
