// Plays the game screen on a real level in a hidden window with the built data and
// prints, for an idle board (no move made, panel and gauge shown), the draw calls
// of a frame, the CPU time of the screen's logic and drawing per frame (the
// driver's present excluded) and the C++ allocations made per frame.
// Run under an X server, e.g.:
//   xvfb-run -a -s "-screen 0 1280x1024x24" env LIBGL_ALWAYS_SOFTWARE=1 build/bench/game_screen_bench [frames] [level]
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "core/DataPaths.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "game/Board.h"
#include "game/GameGrid.h"
#include "game/GameLoading.h"
#include "game/GameScreen.h"
#include "game/PlayerProgress.h"
#include "audio/SoundBank.h"
#include "gfx/Animation.h"
#include "gfx/Draw.h"
#include "gfx/GLRenderDriver.h"
#include "gfx/GameFonts.h"
#include "gfx/ImageBank.h"
#include "platform/Random.h"
#include "screens/ScreenRegistry.h"
#include "ui/GameText.h"
#include "ui/Menu.h"
#include "ui/MousePointer.h"
#include "support/CountingNew.h"

int main(int argc, char** argv) {
  int frames = argc > 1 ? std::atoi(argv[1]) : 300;
  if (frames < 1) frames = 300;
  const int level = argc > 2 ? std::atoi(argv[2]) : 1;
  auto driver = std::make_unique<TGLRenderDriver>();
  TGLRenderDriver& gl = *driver;
  SetRenderDriver(std::move(driver));
  if (!CreateGraphics(800, 600, 0, 60, GRAPHICS_HIDDEN)) {
    std::fprintf(stderr, "cannot open graphics\n");
    return 1;
  }
  ScreenWidth = 800;
  ScreenHeight = 600;
  GraphicsReady = 1;
  Game = new TGame();
  DataPaths().DataPrefix = std::string(TV_BUILD_DIR) + "/";
  Game->SetDefaultPaths();
  Clock().FixedRateLogic.Create();
  Clock().FixedRateLogic.CalcMS();
  Settings().Music = 0;
  Settings().Sound = 0;
  Settings().Fade = 0;
  SeedRnd(7);
  ImageBank = std::make_unique<TImageBank>();
  ImageBank->SetPath(DataPaths().ImagePath);
  SoundBank = std::make_unique<TSoundBank>();
  SoundBank->SetPath(DataPaths().SoundPath);
  LoadGamePictures([] {});
  const std::string fontPath = DataPaths().DataPrefix + "Data/fonts/CARD1.dat";
  Font30 = LoadImageFont(fontPath, 30, 6);
  Font31 = LoadImageFont(fontPath, 31, 6);
  Font48 = LoadImageFont(fontPath, 48, 6);
  GameText = TGameText::Create(DataPaths().TextPath + "gametext.txt");
  ImageBank->Precache();

  // No profile: no tutorial page covers the board.
  static TGameScreen screen;
  RegisterScreen(TScreenId::Game, &screen);
  PlayerProgress.Level[0] = level;
  screen.GameStart();
  screen.Load();
  screen.Start();
  Pointer().x = 700;
  Pointer().y = 80;
  Delta = 1;
  // Past the "Go" and the column flash.
  for (int i = 0; i < 400; ++i) screen.Logic();

  double logicMs = 0;
  auto frame = [&] {
    // A 60 Hz frame is 3 1/3 logic steps of 5 ms.
    auto l0 = std::chrono::steady_clock::now();
    for (int i = 0; i < 3; ++i) {
      Delta = 1;
      screen.Logic();
    }
    Delta = 1.0f / 3;
    screen.Logic();
    Delta = 1;
    logicMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - l0).count();
    Cls();
    screen.Draw();
    Pointer().Draw();
  };
  for (int i = 0; i < 10; ++i) {
    frame();
    Flip(0);
  }
  double cpu = 0, worst = 0;
  long drawCalls = 0, worstCalls = 0;
  CountAllocations = false;
  Allocations = 0;
  logicMs = 0;
  for (int f = 0; f < frames; ++f) {
    CountAllocations = true;
    auto t0 = std::chrono::steady_clock::now();
    frame();
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    CountAllocations = false;
    Flip(0);
    cpu += ms;
    if (ms > worst) worst = ms;
    drawCalls += gl.LastFrameDrawCalls();
    if (gl.LastFrameDrawCalls() > worstCalls) worstCalls = gl.LastFrameDrawCalls();
  }
  // The board's share of the drawing, timed on its own.
  double boardMs = 0;
  for (int f = 0; f < frames; ++f) {
    Cls();
    auto t0 = std::chrono::steady_clock::now();
    Grid->Draw();
    gl.Flush();
    boardMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    Flip(0);
  }
  std::printf("game screen, level %d, idle board, %d frames\n", level, frames);
  std::printf("draw calls per frame   %8.1f (most %ld)\n", double(drawCalls) / frames, worstCalls);
  std::printf("logic + draw ms/frame  %8.3f (most %.3f)\n", cpu / frames, worst);
  std::printf("  of which logic       %8.3f\n", logicMs / frames);
  std::printf("  board drawn alone    %8.3f\n", boardMs / frames);
  std::printf("allocations per frame  %8.2f\n", double(Allocations.load()) / frames);

  // Where the draw calls go: each part of the frame drawn and sent on its own.
  Cls();
  int before = gl.DrawCallsThisFrame(), verticesBefore = gl.VerticesThisFrame();
  auto part = [&](const char* name, auto&& draw) {
    draw();
    gl.Flush();
    std::printf("  %-18s %3d %6d\n", name, gl.DrawCallsThisFrame() - before, gl.VerticesThisFrame() - verticesBefore);
    before = gl.DrawCallsThisFrame();
    verticesBefore = gl.VerticesThisFrame();
  };
  std::printf("draw calls and vertices by part (each part sent alone)\n");
  part("background", [&] {
    SetBlend(BLEND_SOLID);
    DrawImage(screen.Image, 0, 0);
    SetBlend(BLEND_ALPHA);
  });
  part("board", [&] { Grid->Draw(); });
  part("panel", [&] { screen.HUDDraw(); });
  part("panel picture", [&] { screen.PanelImage->Draw(0, 0); });
  part("gauge", [&] { screen.XDraw(0); });

  part("buttons", [&] { screen.Menu->Draw(0, 0); });
  part("pointer", [&] { Pointer().Draw(); });
  Flip(0);
  return 0;
}
