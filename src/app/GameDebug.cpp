// The developer overlay: timing figures and the state of the display, audio and
// pointer, drawn over the game. This game never switches it on, but it is kept
// working because it is the first thing to reach for when the loop misbehaves.
#include <string>
#include <vector>

#include "app/GameDisplay.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "gfx/Draw.h"
#include "screens/Screen.h"
#include "screens/ScreenSwitch.h"
#include "ui/MousePointer.h"

namespace {
std::string OnOff(int v) { return v ? "on" : "off"; }
std::string Size(int w, int h) { return std::to_string(w) + "x" + std::to_string(h); }
}  // namespace

void TGame::DebugPrint() {
  if (Debug != 1) return;
  FPS.Calc();
  std::vector<std::string> lines;
  if (DebugShowFPSOnly) {
    lines.push_back(FPS.GetDisplay());
  } else {
    lines = {Clock().FixedRateLogic.GetDisplay(),
             LogicTime.GetDisplay(),
             DrawTime.GetDisplay(),
             CodeTime.GetDisplay(),
             FPS.GetDisplay(),
             "VSync   " + std::to_string(Settings().VSync),
             "Desk Hz " + std::to_string(GameDisplay().DesktopRefreshRate),
             "Game Hz " + std::to_string(GameDisplay().GameRefreshRate),
             "Fast    " + std::to_string(Clock().Fast),
             "Slow    " + std::to_string(Clock().SlowMotion),
             "Timing  " + std::to_string(NoTiming),
             "Os Version = " + OSVersion + (Settings().Driver == 0 ? std::string(" (using DX") + (GameDisplay().DriverDX9 ? "9)" : "7)") : ""),
             Settings().Driver == 0 ? "Gfx Settings().Driver = DirectX " + GameDisplay().DirectXVersion : "Gfx Settings().Driver = OpenGL",
             "Snd Settings().Driver = " + Settings().SoundDriver,
             "GC Memory  = 0",
             "Music Vol.  = " + std::to_string(Settings().MusicVolume) + " (" + OnOff(Settings().Music) + ")",
             "Sound Vol.  = " + std::to_string(Settings().SoundVolume) + " (" + OnOff(Settings().Sound) + ")",
             "Speech Vol. = " + std::to_string(Settings().SpeechVolume) + " (" + OnOff(Settings().Speech) + ")",
             "Current Screen = " + (Screens().CurrentTScreen ? Screens().CurrentTScreen->name : std::string()),
             "Desktop Size   = " + Size(GameDisplay().DesktopWidth, GameDisplay().DesktopHeight),
             "Screen Size    = " + Size(ScreenWidth, ScreenHeight),
             "Window Size    = " + Size(GameDisplay().WindowWidth, GameDisplay().WindowHeight),
             "Full Screen        = " + std::to_string(Settings().FullScreen),
             "Virtual Resolution = " + std::to_string(GameDisplay().UsingVirtualResolution),
             "Virtual Offset     = " + std::to_string(int(GameDisplay().vxOff)) + "," + std::to_string(int(GameDisplay().vyOff)),
             "Using Desktop Res. = " + std::to_string(GameDisplay().UseDesktopResolution),
             "Correct Aspect     = " + std::to_string(GameDisplay().WindowedAspectRatio),
             "Borderless Window  = " + std::to_string(Settings().BorderlessWindow),
             "Debug1 = " + std::to_string(Debug1),
             "Debug2 = " + std::to_string(Debug2),
             "Debug3 = " + std::to_string(Debug3),
             "Debug4 = " + std::to_string(Debug4),
             "Stored Coords = " + std::to_string(storedX) + "," + std::to_string(storedY),
             "Mouse X = " + std::to_string(Pointer().x) + " (Diff = " + std::to_string(Pointer().x - storedX) + ")",
             "Mouse Y = " + std::to_string(Pointer().y) + " (Diff = " + std::to_string(Pointer().y - storedY) + ")"};
    if (GraphicPlacement) {
      lines.push_back("Gfx P X = " + std::to_string(gpX));
      lines.push_back("Gfx P Y = " + std::to_string(gpY));
    }
  }
  int panelLines = DebugShowFPSOnly ? 1 : (GraphicPlacement ? 43 : 41);
  SetBlend(BLEND_ALPHA);
  if (DebugPanel > 0) {
    SetColor(0, 0, 0);
    SetAlpha(DebugPanel);
    DrawRect(float(DebugDisplayX - 5), float(DebugDisplayY - 5), 350, float(12 * panelLines + 10));
  }
  auto gameFont = GetImageFont();
  SetImageFont(DebugImageFont);
  float y = float(DebugDisplayY);
  for (const auto& line : lines) {
    if (DebugShadow) {
      SetColor(0, 0, 0);
      SetAlpha(1);
      DrawText(line, float(DebugDisplayX + 1), y + 1);
    }
    SetColor(255, 255, 255);
    SetAlpha(1);
    DrawText(line, float(DebugDisplayX), y);
    y += float(DebugImageFontGap);
  }
  SetImageFont(gameFont);
}
