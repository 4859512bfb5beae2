#include <stdexcept>

#include "app/Game.h"
#include "app/Globals.h"
#include "gfx/Draw.h"
#include "gfx/GLRenderDriver.h"
#include "platform/Window.h"

void TGame::GraphicsCreate(int forceDX7) {
  (void)forceDX7;
  ProgressMarker = 100;
  Driver = 1;
  FullScreen = 0;
  if (FirstTime) {
    auto driver = std::make_unique<TGLRenderDriver>();
    driver->SetTitle(AppTitle);
    SetRenderDriver(std::move(driver));
  }
  if (!CreateGraphics(ScreenWidth, ScreenHeight, 0, Hertz))
    throw std::runtime_error("No DirectX or OpenGL 3D Drivers Found!");
  WindowWidth = ScreenWidth;
  WindowHeight = ScreenHeight;
  SetWindowCoords();
  SetClientCoords();
  FirstTime = 0;
  FixedRateLogic.Init();
  FixedRateLogic.HistoryClear();
}

void TGame::SetWindowCoords() { PlatformFramePosition(WindowX, WindowY); }

void TGame::SetClientCoords() { PlatformWindowPosition(ClientX, ClientY); }
