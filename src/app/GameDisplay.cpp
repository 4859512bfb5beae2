#include "app/GameDisplay.h"

#include <algorithm>
#include <cmath>

#include "core/ErrorReport.h"
#include "core/GameClock.h"
#include "core/Settings.h"
#include "ui/MessageBox.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "core/SettingLimits.h"
#include "core/VirtualLayout.h"
#include "app/WindowIcon.h"
#include "gfx/Color.h"
#include "gfx/Draw.h"
#include "gfx/GameImage.h"
#include "gfx/GLRenderDriver.h"
#include "platform/Events.h"
#include "platform/Random.h"
#include "platform/Window.h"
#include "ui/MousePointer.h"

namespace {
TVirtualLayout layout;
// The pointer's logical position taken before a mode change, put back after it.
int savedMouseX = -1, savedMouseY = -1;

[[noreturn]] void FatalDisplayError(const std::string& text) {
  GraphicsReady = 0;
  ShowError(text, 1, 1);
  std::abort();  // not reached: a fatal report ends the process
}

// This build has only the OpenGL back end; Direct3D is reported as unavailable so the
// same selection and fallback run and always end at OpenGL.
bool Direct3D9Available() { return false; }
bool Direct3D7Available() { return false; }
}  // namespace

void TGameDisplay::GraphicsCreate(int forceDX7) {
  ProgressMarker = 100;
  AlwaysForceDX7 = forceDX7;
  if (PlatformDisplayModes().empty()) FatalDisplayError("No 3D Hardware Found (could not count graphics modes.)");

  DriverDX7 = DriverDX9 = 0;
  bool selected = false;
  if (Settings().Driver == 0) {
    ProgressMarker = 101;
    if (Direct3D9Available() || Direct3D7Available()) {
      SetDXDriver(forceDX7);
      selected = true;
    } else {
      ProgressMarker = 103;
      if (PlatformOpenGLAvailable()) {
        ProgressMarker = 104;
        Settings().Driver = 1;
        selected = true;
        ProgressMarker = 105;
        SaveSettings(1);
      }
    }
  } else {
    ProgressMarker = 106;
    if (PlatformOpenGLAvailable()) {
      ProgressMarker = 107;
      selected = true;
    } else if (Direct3D9Available() || Direct3D7Available()) {
      ProgressMarker = 108;
      SetDXDriver(forceDX7);
      Settings().Driver = 0;
      selected = true;
      ProgressMarker = 110;
      SaveSettings(1);
    }
  }
  if (!selected) {
    ProgressMarker = 111;
    FatalDisplayError("No DirectX or OpenGL 3D Drivers Found!");
  }

  if (FirstTime) {
    ProgressMarker = 112;
    FirstTime = 0;
    auto driver = std::make_unique<TGLRenderDriver>();
    driver->SetTitle(AppTitle);
    SetRenderDriver(std::move(driver));
    DesktopRefreshRate = 60;
    ProgressMarker = 113;
    TDisplayMode desktop;
    if (PlatformDesktopMode(desktop)) {
      DesktopWidth = desktop.width;
      DesktopHeight = desktop.height;
    }
  }

  ProgressMarker = 11301;
  bool useDesktop = UseDesktopResolution && (Settings().FullScreen || Settings().BorderlessWindow);
  if (!ChooseGraphicsSize(ScreenWidth, ScreenHeight, DesktopWidth, DesktopHeight, WindowedAspectRatio, !Settings().FullScreen,
                          useDesktop, WindowWidth, WindowHeight)) {
    ProgressMarker = 11304;
    FatalDisplayError("Cannot find a suitable resolution. Desktop Resolution= " + std::to_string(DesktopWidth) + "x" +
                      std::to_string(DesktopHeight));
  }

  bool openedFullScreen = false;
  if (Settings().FullScreen) {
    int markers[] = {114, 115, 116};
    int depths[] = {32, 24, 16};
    for (int i = 0; i < 3 && !openedFullScreen; ++i) {
      ProgressMarker = markers[i];
      // Only a mode the system lists exactly; a "closest" mode would change the size.
      if (PlatformModeExists(WindowWidth, WindowHeight, depths[i]) &&
          CreateGraphics(WindowWidth, WindowHeight, depths[i], Hertz, 0)) {
        Depth = depths[i];
        openedFullScreen = true;
      }
    }
    if (!openedFullScreen) {
      ProgressMarker = 117;
      ForceWindowedMode = 1;
      Settings().FullScreen = 0;
      // The size was chosen for a full screen; a window must also leave room for the
      // title bar and the task bar, or its top would be off the desktop.
      if (!ChooseGraphicsSize(ScreenWidth, ScreenHeight, DesktopWidth, DesktopHeight, WindowedAspectRatio, true,
                              UseDesktopResolution && Settings().BorderlessWindow, WindowWidth, WindowHeight))
        FatalDisplayError("Cannot find a suitable resolution. Desktop Resolution= " + std::to_string(DesktopWidth) +
                          "x" + std::to_string(DesktopHeight));
    } else {
      PlatformSetWindowTitle(AppTitle);
      DoSetVirtualResolution(1);
      ProgressMarker = 133;
      WindowHandle = GetActiveWindowSafe();
    }
  }
  if (!openedFullScreen) {
    ProgressMarker = 118;
    if (!CreateGraphics(WindowWidth, WindowHeight, 0, DesktopRefreshRate, Settings().BorderlessWindow ? GRAPHICS_BORDERLESS : 0)) {
      ProgressMarker = 11801;
      FatalDisplayError("Cannot create Windowed Mode at " + std::to_string(ScreenWidth) + "x" +
                        std::to_string(ScreenHeight) + " " + std::to_string(DesktopRefreshRate) + "Hz");
    }
    Depth = 0;
    PlatformSetWindowTitle(AppTitle);
    DoSetVirtualResolution(1);
    ProgressMarker = 119;
    WindowHandle = GetActiveWindowSafe();
    // The window is opened centred on the desktop and always has its minimise box.
    ProgressMarker = 132;
    SetWindowCoords();
    SetClientCoords();
  }

  ProgressMarker = 134;
  PolledInputMode = 0;
  PlatformDropInputEvents();
  ProgressMarker = 135;
  Game->SetPriority();
  ProgressMarker = 136;
  GameRefreshRate = -1;
  ProgressMarker = 138;
  SetGameWindowIcon();
  ProgressMarker = 139;
  if (!ClsColor) ClsColor = TColor::Create(0, 0, 0, 1.0f);
  SetClsColor(ClsColor->R, ClsColor->G, ClsColor->B);
  // From now on reports can be shown inside the window.
  SetInWindowMessageBox(ShowMessageBox);
}

void TGameDisplay::SetDXDriver(int forceDX7) {
  // Never reached in this build (no Direct3D); kept so the selection reads as one piece.
  DriverDX7 = forceDX7 ? 1 : 0;
  DriverDX9 = forceDX7 ? 0 : 1;
}

int TGameDisplay::SetDriver(int driver) {
  int value = driver == 0 ? 0 : 1;
  if (value == Settings().Driver) return 0;
  Settings().Driver = value;
  CloseGraphics();
  GraphicsCreate(AlwaysForceDX7);
  RestoreMouseCoords();
  SaveSettings(1);
  Clock().FixedRateLogic.HistoryClear();
  InputFlush();
  return 1;
}

void TGameDisplay::SetWindowCoords() { PlatformFramePosition(WindowX, WindowY); }

void TGameDisplay::SetClientCoords() { PlatformWindowPosition(ClientX, ClientY); }

int64_t TGameDisplay::GetActiveWindowSafe() { return PlatformHasWindow() ? 1 : 0; }

void TGameDisplay::DisableVirtualResolution() {
  SetVirtualResolution(float(GraphicsWidth()), float(GraphicsHeight()));
  SetViewport(0, 0, GraphicsWidth(), GraphicsHeight());
  SetOrigin(0, 0);
}

void TGameDisplay::CLSAllBuffers() {
  int r, g, b;
  GetClsColor(r, g, b);
  SetClsColor(0, 0, 0);
  for (int i = 0; i < 4; ++i) {
    Cls();
    Flip(-1);
  }
  SetClsColor(r, g, b);
}

void TGameDisplay::DoSetVirtualResolution(int clearAll) {
  vxOff = vyOff = 0;
  DisableVirtualResolution();
  if (clearAll) CLSAllBuffers();
  bool wide = (Settings().FullScreen && Settings().WideScreen) || (!Settings().FullScreen && Settings().BorderlessWindow);
  // A full-screen mode is stretched by the display to the desktop's shape, so that shape
  // is what the picture must be kept in; a borderless window is shown as it is.
  const int shapeW = Settings().FullScreen ? DesktopWidth : WindowWidth, shapeH = Settings().FullScreen ? DesktopHeight : WindowHeight;
  layout = TVirtualLayout::Compute(ScreenWidth, ScreenHeight, shapeW, shapeH, WindowWidth, WindowHeight, wide,
                                   UseDesktopResolution != 0);
  UsingVirtualResolution = layout.UsingVirtualResolution;
  if (wide) {
    VR_virtualratio = layout.VirtualRatio;
    VR_graphicsratio = layout.GraphicsRatio;
    if (UseDesktopResolution && ScreenWidth == WindowWidth && ScreenHeight == WindowHeight)
      DebugOutput("Virtual Resolution=0 because Game resolution and Window resolution are the same");
  }
  if (!UsingVirtualResolution) return;
  if (layout.SetsResolution) SetVirtualResolution(layout.VirtualWidth, layout.VirtualHeight);
  SetViewport(layout.ViewportX, layout.ViewportY, layout.ViewportW, layout.ViewportH);
  SetOrigin(layout.OriginX, layout.OriginY);
  vxOff = layout.vxOff;
  vyOff = layout.vyOff;
  VirtualRatioX = layout.RatioX;
  VirtualRatioY = layout.RatioY;
}

bool TGameDisplay::DeviceToLogical(int deviceX, int deviceY, int& x, int& y, bool keepOnScreen) const {
  return layout.DeviceToLogical(deviceX, deviceY, x, y, keepOnScreen);
}

bool TGameDisplay::PixelExact() const {
  if (!UsingVirtualResolution) return true;
  // Scaled: exact only at a whole number of device pixels per logical one, both ways,
  // with the picture starting on a whole device pixel.
  const auto whole = [](float v) { return std::fabs(v - std::round(v)) < 1e-4f; };
  return layout.RatioX > 0 && layout.RatioX == layout.RatioY && whole(1.0f / layout.RatioX) &&
         whole(layout.OriginX) && whole(layout.OriginY);
}

void TGameDisplay::ResetVRViewport() {
  GetViewport(VR_viewportx, VR_viewporty, VR_viewportw, VR_viewporth);
  GetOrigin(VR_originx, VR_originy);
  SetViewport(0, 0, int(VirtualResolutionWidth()), int(VirtualResolutionHeight()));
  SetOrigin(0, 0);
}

void TGameDisplay::RestoreVRViewPort() {
  SetViewport(VR_viewportx, VR_viewporty, VR_viewportw, VR_viewporth);
  SetOrigin(VR_originx, VR_originy);
}

int TGameDisplay::NeedsCLSWidescreen() const { return UsingVirtualResolution && (Settings().FullScreen || Settings().BorderlessWindow) ? 1 : 0; }

void TGameDisplay::CLSWidescreen() {
  ResetVRViewport();
  Cls();
  RestoreVRViewPort();
}

void TGameDisplay::DoDrawWidescreenBorders() {
  // Side pictures are optional and this game sets none, so the bars show the clear colour.
  if (!(UsingVirtualResolution && Settings().FullScreen && DrawWidescreenBorders)) return;
  if (!LeftBorderImage && !RightBorderImage) return;
  if (!(VR_graphicsratio > VR_virtualratio)) return;
  ResetVRViewport();
  if (LeftBorderImage && LeftBorderImage->image)
    DrawImage(LeftBorderImage->image, float(VR_viewportx - LeftBorderImage->GetWidth()), 0, 0);
  if (RightBorderImage && RightBorderImage->image)
    DrawImage(RightBorderImage->image, float(VR_viewportx + ScreenWidth - 3), 0, 0);
  RestoreVRViewPort();
}

namespace {
std::shared_ptr<TGameImage> BorderPicture(const std::string& name) {
  if (name.empty()) return nullptr;
  return TGameImage::Create(name, -1, 0);
}
}  // namespace

void TGameDisplay::SetLeftBorderImage(const std::string& name) { LeftBorderImage = BorderPicture(name); }

void TGameDisplay::SetRightBorderImage(const std::string& name) { RightBorderImage = BorderPicture(name); }

void TGameDisplay::OffsetOrigin(float dx, float dy) {
  SetOrigin(vxOff + dx, vyOff + dy);
  float x0 = float(screenshake_viewportx) + dx, y0 = float(screenshake_viewporty) + dy;
  float x1 = x0 + float(screenshake_viewportw), y1 = y0 + float(screenshake_viewporth);
  SetViewport(int(x0), int(y0), int(x1) - int(x0), int(y1) - int(y0));
}

void TGameDisplay::RestoreOrigin() {
  if (UsingVirtualResolution) {
    if (layout.Narrower) SetOrigin(vxOff, float(Near(vyOff)));
    else SetOrigin(float(Near(vxOff)), vyOff);
  } else {
    SetOrigin(0, 0);
  }
  SetViewport(screenshake_viewportx, screenshake_viewporty, screenshake_viewportw, screenshake_viewporth);
  ClearScreenshake();
}

void TGameDisplay::ClearScreenshake() { screenShakeRange = screenShakeDelta = screenShakeCounter = 0; }

void TGameDisplay::SetScreenShake(float range, float delta, float counter) {
  if (Settings().screenShake <= 0) return;
  if (screenShakeRange > 0 || screenShakeDelta != 0 || screenShakeCounter > 0) RestoreOrigin();
  screenShakeRange = range * SettingGain(Settings().screenShake);
  screenShakeDelta = delta * SettingGain(Settings().screenShake);
  screenShakeCounter = counter;
  GetViewport(screenshake_viewportx, screenshake_viewporty, screenshake_viewportw, screenshake_viewporth);
  DoScreenShake();
}

void TGameDisplay::DoScreenShake() {
  if (screenShakeRange <= 0) return;
  screenShakeRange += screenShakeDelta * Delta;
  if (screenShakeCounter > 0) {
    screenShakeCounter -= Delta;
    if (screenShakeCounter <= 0) {
      RestoreOrigin();
      return;
    }
  }
  if (screenShakeRange <= 0) {
    RestoreOrigin();
    return;
  }
  int dy = Near(Rnd(-screenShakeRange, screenShakeRange));
  int dx = Near(Rnd(-screenShakeRange, screenShakeRange));
  OffsetOrigin(float(dx), float(dy));
}

void TGameDisplay::DoMoveMouse(int x, int y) {
  int dx, dy;
  layout.LogicalToDevice(x, y, dx, dy);
  PlatformWarpMouse(dx, dy);
}

void TGameDisplay::RestoreMouseCoords() {
  if (savedMouseX < 0 || savedMouseY < 0) return;
  int x = savedMouseX, y = savedMouseY;
  if (Settings().FullScreen) {
    x = std::clamp(x, 0, ScreenWidth - 1);
    y = std::clamp(y, 0, ScreenHeight - 1);
  }
  DoMoveMouse(x, y);
}

namespace {
void RememberMouseCoords() {
  if (!TMousePointer::Current()) return;
  savedMouseX = Pointer().x;
  savedMouseY = Pointer().y;
}

// What every display switch does after changing its field.
void ReopenDisplay(TGameDisplay& display) {
  display.GraphicsCreate(display.AlwaysForceDX7);
  display.RestoreMouseCoords();
  SaveSettings(1);
  Clock().FixedRateLogic.HistoryClear();
}
}  // namespace

int TGameDisplay::ToggleFullScreen() {
  if (Settings().FullScreen) {
    Settings().FullScreen = 0;
  } else {
    if (ForceWindowedMode) return 0;
    Settings().FullScreen = 1;
    if (Settings().CustomMousePointer) PlatformShowCursor(false);
  }
  RememberMouseCoords();
  InputFlushMouse();
  ReopenDisplay(*this);
  return 0;
}

void TGameDisplay::ToggleBorderless() {
  Settings().BorderlessWindow = Settings().BorderlessWindow ? 0 : 1;
  RememberMouseCoords();
  InputFlushMouse();
  ReopenDisplay(*this);
}

void TGameDisplay::ToggleWideScreen() {
  Settings().WideScreen = Settings().WideScreen ? 0 : 1;
  RememberMouseCoords();
  InputFlushMouse();
  DoSetVirtualResolution(1);
  RestoreMouseCoords();
  SaveSettings(1);
  Clock().FixedRateLogic.HistoryClear();
}

void TGameDisplay::ToggleVSync() {
  Settings().VSync = Settings().VSync ? 0 : 1;
  SaveSettings(1);
  Game->SetFlipSync();
  Clock().FixedRateLogic.Init();
  Clock().FixedRateLogic.HistoryClear();
}

void TGameDisplay::ToggleCustomMousePointer() {
  Settings().CustomMousePointer = Settings().CustomMousePointer ? 0 : 1;
  PlatformShowCursor(Settings().CustomMousePointer == 0);
}
