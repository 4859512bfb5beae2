#include "core/Game.h"

#include <cstdio>

#include "app/GameDisplay.h"
#include "audio/Mixer.h"
#include "core/DataPaths.h"
#include "core/ErrorReport.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Input.h"
#include "core/Settings.h"
#include "gfx/Draw.h"
#include "platform/Clock.h"
#include "platform/Events.h"
#include "platform/Process.h"
#include "platform/Random.h"
#include "platform/Window.h"
#include "player/Profile.h"
#include "screens/ScreenSwitch.h"
#include "screens/GameFade.h"
#include "screens/Screen.h"
#include "ui/MousePointer.h"


namespace {
// How long a game standing still waits for an event before it draws again anyway. The
// picture does not change without one (the pointer's dying trail is waited out at the
// frame rate); the odd frame only catches a focus gain whose event went missing.
constexpr int kIdleWaitMs = 500;

void DrawPointer() { Pointer().Draw(); }
}  // namespace

TGame::TGame()
    : Ini(std::make_shared<TIniFile>()),
      ScreenSwitch(std::make_unique<TScreenSwitch>()),
      Mouse(std::make_unique<TMousePointer>()),
      AudioMixer(std::make_unique<TMixer>()),
      DisplayService(std::make_unique<TGameDisplay>()) {
  // A new game starts from the built-in settings, paths and clock, as a fresh process does.
  Settings() = TSettings();
  DataPaths() = TDataPaths();
  Clock() = TGameClock();
  PausedMusicState = Settings().Music;
  PausedSpeechState = Settings().Speech;
}

TGame::~TGame() = default;

void TGame::Init(int soundDriverChoice, int flag) {
  (void)flag;  // has no effect
  ProgressMarker = 1;
  SeedRnd(MilliSecs());
  Clock().FixedRateLogic.Label = "Ticks   ";
  LogicTime.Label = "Logic   ";
  DrawTime.Label = "Draw    ";
  CodeTime.Label = "Code    ";
  FPS.Label = "FPS     ";
  // The shared data folder (markers 1001-1004), then the settings (3 to 6).
  if (DataPaths().UseCorrectPath == 1) CreateSharedDataFolder();
  InitSettings();
  CreateProfileFolder();
  ProgressMarker = 7;
  SetFlipSync();
  ProgressMarker = 8;
  OSVersion = OperatingSystemName();
  Mixer().AudioInit(soundDriverChoice, OSVersion);
  ProgressMarker = 8004;
  Clock().FixedRateLogic.Create();
  ProgressMarker = 2;
  Mixer().AudioChannelsInit();
  ProgressMarker = 9;
}

int TGame::MainLogicLoop() {
  // Dragging a window blocks the loop; start afresh after a move.
  if (!Clock().Fast && !Settings().FullScreen && PlatformHasWindow()) {
    int x = 0, y = 0;
    PlatformFramePosition(x, y);
    if (x != GameDisplay().WindowX || y != GameDisplay().WindowY) {
      Clock().FixedRateLogic.Init();
      GameDisplay().SetWindowCoords();
      GameDisplay().SetClientCoords();
    }
  }
  Clock().FixedRateLogic.Calc();
  if (NoTiming) Clock().FixedRateLogic.NumTicks = NoTimingTicks;
  LogicTime.Start();
  double ticks = Clock().FixedRateLogic.NumTicks;
  int whole = int(ticks);
  for (int i = 0; i < whole; ++i) {
    Clock().FixedRateLogic.SetDelta(1.0f);
    if (LogicWrapper() == -1) return -1;
  }
  double rest = ticks - whole;
  if (rest > 0) {
    Clock().FixedRateLogic.SetDelta(float(rest));
    if (LogicWrapper() == -1) return -1;
  }
  LogicTime.Calc();
  return 1;
}

int TGame::LogicWrapper() {
  Pointer().ClearMouseHit();
  Pointer().Manage();
  DoPeekEvent();
  ReadKeys();
  if (Screens().InstantExit) return -1;
  // Nothing advances; the loop waits for events instead (WaitWhileIdle).
  if (Paused || Suspended) return 0;
  Screens().GameFade->Manage();
  GameDisplay().DoScreenShake();
  if (!(Screens().Fading() && Screens().GameFade->AllowAnim == 0)) {
    Screens().ScreenChange();
    if (Screens().CurrentTScreen) Screens().CurrentTScreen->RunLogic();
    if (Settings().Fade == 0) Screens().ScreenChange();
  }
  return 1;
}

void TGame::ScreenDraw() {
  DrawTime.Start();
  if (NoDraw) {
    NoDraw = 0;
    return;
  }
  // A window the player resized is followed before anything is drawn into it.
  GameDisplay().FollowWindowSize();
  // The bars beside a kept-in-shape picture lie outside the viewport a plain clear covers.
  if (GameDisplay().NeedsCLSWidescreen())
    GameDisplay().CLSWidescreen();
  else
    Cls();
  GameDisplay().DoDrawWidescreenBorders();
  if (Screens().CurrentTScreen) Screens().CurrentTScreen->RunDraw();
  if (!Screens().Fading()) ShowPaused();
  // The pointer goes wherever the player moves it, over the bars too.
  if (Screens().FadeMouse == 1) GameDisplay().DrawOverBars(DrawPointer, Pointer().x, Pointer().y);
  Screens().GameFade->Draw();
  if (Screens().Fading()) ShowPaused();
  if (Screens().FadeMouse == 0) GameDisplay().DrawOverBars(DrawPointer, Pointer().x, Pointer().y);
  DrawTime.Calc();
  DebugPrint();
  PostDraw();
}

void TGame::WaitWhileIdle() {
  if (!(Paused || Suspended || PlatformWindowMinimised())) return;
  // The pointer's sparkles live on in a pause: they fade at the frame rate first.
  if (Pointer().TrailAlive()) return;
  const uint32_t start = MilliSecs();
  PlatformWaitForEvent(kIdleWaitMs);
  // The wait is not game time: the timer skips it, so nothing catches it up later,
  // while the time the frame itself took still runs the next updates (they read the
  // events that end the wait).
  Clock().FixedRateLogic.LastTime += double(uint32_t(MilliSecs() - start));
}

void TGame::PostDraw() {
  // A full-screen GL context may queue frames; reading one pixel makes it finish them.
  if (Settings().FullScreen && PlatformHasWindow()) GrabPixmap(1, 1, 1, 1);
  Flip(FlipSync);
}

int TGame::GameTerminated() {
  if (TerminatedEvent == 0) return 1;
  TerminatedEvent = 0;
  if (TerminatedUserFunction && TerminatedUserFunction() != 0) return 1;
  Screens().InstantExit = 1;
  SaveProfileIfPlaying();
  return -1;
}

void TGame::Kill() { Mixer().AudioKill(); }

void ExitGame() {
  if (Game) Game->SaveUnsavedSettings();
  TGame::MakeGoodExit();
  PlatformShowCursor(true);
  if (Game) Game->Kill();
  EndProcess();
}

void ReportException(const std::string& text) {
  PlatformCloseWindow();
  PlatformShowCursor(true);
  GraphicsReady = 0;
  SystemMessageBox(AppTitle, text);
  if (LogErrors == 1) WriteErrorLog(text);
  ExitGame();
}

void ReportException(const std::exception& e) {
  std::string text = e.what();
  // Built by appending: GCC 12 at -O3 misreads `"(" + std::string&&` as an overlapping copy.
  if (ProgressMarker != 0) text.insert(0, "(" + std::to_string(ProgressMarker).append(") "));
  ReportException(text);
}

void TGame::DebugReset() {
  Clock().FixedRateLogic.maximum = 0;
  LogicTime.Init();
  DrawTime.Init();
  CodeTime.Init();
  FPS.Init();
}

void TGame::SetFlipSync() {
  FlipSync = Settings().VSync ? 1 : 0;
  Clock().FixedRateLogic.VSync = Settings().VSync;
}
