#include "app/Startup.h"

#include <exception>

#include "app/Game.h"
#include "app/Globals.h"
#include "app/Input.h"
#include "game/GameScreen.h"
#include "platform/Clock.h"
#include "platform/Process.h"
#include "platform/Random.h"
#include "screens/Screen.h"

namespace {
// The first screen after start-up until the title and loading screens take over.
TScreen& FirstScreen() {
  static TGameScreen screen;
  return screen;
}
}  // namespace

void RunMainLoop() {
  for (;;) {
    if (Game->MainLogicLoop() == -1) ExitGame();
    Game->ScreenDraw();
  }
}

void StartGame() {
  ProgressMarker = 0;
  ChangeToProgramFolder();

  ProgressMarker = 1001;
  if (!AcquireInstanceLock("Tinselvale")) EndProcess();
  VersionText = std::string("V") + VersionConstant;
  AppTitle = "Tinselvale GOLD " + VersionText + " - a Quillmoth game";

  ProgressMarker = 1002;
  FontBaseName = "CARD1";
  ScreenWidth = 800;
  ScreenHeight = 600;
  GraphicsReady = 0;
  Game = new TGame();  // lives until the process ends

  ProgressMarker = 1003;
  Game->DataInAppBundle = 1;

  ProgressMarker = 10041;
  Game->Init(0, 1);

  ProgressMarker = 1005;
  Game->PortalSplash = 0;
  Game->Region = 0;
  Game->SubRegion = 0;
  Game->FixedRateLogic.JitterCorrection = 0;
  Game->ChannelsCreate(16);
  Game->DebugDisplayX = 5;
  Game->DebugDisplayY = 95;

  ProgressMarker = 1006;
  Game->SetEscapeSound("buttonclick");
  Game->MaxLevels = 55;
  Game->IgnoreFrameworkKeys = 1;
  Game->IgnoreDebugKey = 1;

  try {
    ProgressMarker = 1011;
    if (!PlatformInit()) throw std::runtime_error("No 3D Hardware Found (could not open the display.)");
    Game->UseDesktopResolution = 0;
    Game->GraphicsCreate(0);

    ProgressMarker = 1012;
    GraphicsReady = 1;
    SeedRnd(MilliSecs());

    ProgressMarker = 1014;
    FirstScreen().PreStart();
    InputFlush();
    Game->DebugReset();
    Game->FixedRateLogic.Init();
    Game->NoTimingTicks = 3;

    RunMainLoop();
  } catch (const std::exception& e) {
    ReportException(e);
  } catch (...) {
    ReportException(std::string("Unknown error"));
  }
}
