// The developer overlay: timing figures and the state of the display, audio and
// pointer, drawn over the game. This game never switches it on, but it is kept
// working because it is the first thing to reach for when the loop misbehaves.
#include <string>
#include <vector>

#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "gfx/Draw.h"
#include "screens/Screen.h"
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
             "VSync   " + std::to_string(VSync),
             "Desk Hz " + std::to_string(DesktopRefreshRate),
             "Game Hz " + std::to_string(GameRefreshRate),
             "Fast    " + std::to_string(Clock().Fast),
             "Slow    " + std::to_string(Clock().SlowMotion),
             "Timing  " + std::to_string(NoTiming),
             "Os Version = " + OSVersion + (Driver == 0 ? std::string(" (using DX") + (DriverDX9 ? "9)" : "7)") : ""),
             Driver == 0 ? "Gfx Driver = DirectX " + DirectXVersion : "Gfx Driver = OpenGL",
             "Snd Driver = " + SoundDriver,
             "GC Memory  = 0",
             "Music Vol.  = " + std::to_string(MusicVolume) + " (" + OnOff(Music) + ")",
             "Sound Vol.  = " + std::to_string(SoundVolume) + " (" + OnOff(Sound) + ")",
             "Speech Vol. = " + std::to_string(SpeechVolume) + " (" + OnOff(Speech) + ")",
             "Current Screen = " + (CurrentTScreen ? CurrentTScreen->name : std::string()),
             "Desktop Size   = " + Size(DesktopWidth, DesktopHeight),
             "Screen Size    = " + Size(ScreenWidth, ScreenHeight),
             "Window Size    = " + Size(WindowWidth, WindowHeight),
             "Full Screen        = " + std::to_string(FullScreen),
             "Virtual Resolution = " + std::to_string(UsingVirtualResolution),
             "Virtual Offset     = " + std::to_string(int(vxOff)) + "," + std::to_string(int(vyOff)),
             "Using Desktop Res. = " + std::to_string(UseDesktopResolution),
             "Correct Aspect     = " + std::to_string(WindowedAspectRatio),
             "Borderless Window  = " + std::to_string(BorderlessWindow),
             "Debug1 = " + std::to_string(Debug1),
             "Debug2 = " + std::to_string(Debug2),
             "Debug3 = " + std::to_string(Debug3),
             "Debug4 = " + std::to_string(Debug4),
             "Stored Coords = " + std::to_string(storedX) + "," + std::to_string(storedY),
             "Mouse X = " + std::to_string(Mouse->x) + " (Diff = " + std::to_string(Mouse->x - storedX) + ")",
             "Mouse Y = " + std::to_string(Mouse->y) + " (Diff = " + std::to_string(Mouse->y - storedY) + ")"};
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
