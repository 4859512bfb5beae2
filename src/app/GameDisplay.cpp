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
  ChooseOpenSize(Settings().FullScreen != 0);

  bool openedFullScreen = false;
  if (Settings().FullScreen) {
    ProgressMarker = 114;
    // The desktop's own mode, so no mode need be listed and the desktop is never rearranged.
    if (CreateGraphics(WindowWidth, WindowHeight, 32, Hertz, 0)) {
      Depth = 32;
      openedFullScreen = true;
    } else {
      ProgressMarker = 117;
      FullScreenFailed(PlatformLastError());
      ChooseOpenSize(false);
    }
    if (openedFullScreen) {
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
  TellFullScreenFailure();
}

void TGameDisplay::ChooseOpenSize(bool fullScreen) {
  // Full screen and the borderless window cover the desktop at its own size.
  if (fullScreen || (UseDesktopResolution && Settings().BorderlessWindow)) {
    if (DesktopWidth > 0 && DesktopHeight > 0) {
      WindowWidth = DesktopWidth;
      WindowHeight = DesktopHeight;
      return;
    }
  }
  // A window leaves room for the title bar (30) above the task bars the desktop keeps free,
  // or for both (70) where the desktop does not say where its task bars are.
  int usableW = DesktopWidth, usableH = DesktopHeight;
  int height = DesktopHeight;
  if (PlatformUsableDesktop(usableW, usableH)) height = std::min(DesktopHeight, usableH + 40);
  if (!ChooseGraphicsSize(ScreenWidth, ScreenHeight, std::min(DesktopWidth, usableW), height, WindowedAspectRatio,
                          true, false, WindowWidth, WindowHeight))
    FatalDisplayError("Cannot find a suitable resolution. Desktop Resolution= " + std::to_string(DesktopWidth) + "x" +
                      std::to_string(DesktopHeight));
}

void TGameDisplay::FullScreenFailed(const std::string& reason) {
  ForceWindowedMode = 1;
  Settings().FullScreen = 0;
  if (FullScreenFailure.empty()) FullScreenFailure = reason.empty() ? "the display refused it" : reason;
}

void TGameDisplay::TellFullScreenFailure() {
  if (FullScreenFailure.empty() || ToldFullScreenFailure) return;
  ToldFullScreenFailure = 1;
  ShowError("Full screen is not available on this display (" + FullScreenFailure +
                "), so the game runs in a window.",
            0, 1);
}

bool TGameDisplay::FollowWindowSize() {
  if (!FollowDrawable()) return false;
  DoSetVirtualResolution(0);
  SetClientCoords();
  return true;
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
  // The picture keeps its shape in every mode and window: scaled to the largest size that
  // fits the drawable, bars beside it; the pointer arrives in window pixels.
  int windowW = 0, windowH = 0;
  PlatformWindowSize(windowW, windowH);
  WindowWidth = GraphicsWidth();
  WindowHeight = GraphicsHeight();
  layout = TVirtualLayout::Compute(ScreenWidth, ScreenHeight, WindowWidth, WindowHeight, windowW, windowH);
  UsingVirtualResolution = layout.UsingVirtualResolution;
  VR_virtualratio = layout.VirtualRatio;
  VR_graphicsratio = layout.GraphicsRatio;
  VirtualRatioX = VirtualRatioY = 1;
  if (!UsingVirtualResolution) {
    DebugOutput("Virtual Resolution=0 because Game resolution and Window resolution are the same");
    return;
  }
  SetVirtualResolution(layout.VirtualWidth, layout.VirtualHeight);
  SetViewport(layout.ViewportX, layout.ViewportY, layout.ViewportW, layout.ViewportH);
  SetOrigin(layout.OriginX, layout.OriginY);
  vxOff = layout.vxOff;
  vyOff = layout.vyOff;
  VirtualRatioX = layout.RatioX;
  VirtualRatioY = layout.RatioY;
}

bool TGameDisplay::PixelExact() const { return layout.PixelExact(); }

void TGameDisplay::PictureRect(int& x, int& y, int& w, int& h) const {
  const float scale = UsingVirtualResolution ? layout.Scale : 1.0f;
  x = int(std::floor(vxOff * scale + 0.5f));
  y = int(std::floor(vyOff * scale + 0.5f));
  w = int(std::floor(float(ScreenWidth) * scale + 0.5f));
  h = int(std::floor(float(ScreenHeight) * scale + 0.5f));
}

bool TGameDisplay::DeviceToLogical(int deviceX, int deviceY, int& x, int& y, bool keepOnScreen) const {
  return layout.DeviceToLogical(deviceX, deviceY, x, y, keepOnScreen);
}

void TGameDisplay::ResetVRViewport() {
  GetViewport(VR_viewportx, VR_viewporty, VR_viewportw, VR_viewporth);
  GetOrigin(VR_originx, VR_originy);
  // Rounded up: a scaled virtual width is rarely whole, and its last drawable column
  // must be cleared and covered too.
  SetViewport(0, 0, int(std::ceil(VirtualResolutionWidth())), int(std::ceil(VirtualResolutionHeight())));
  SetOrigin(0, 0);
}

void TGameDisplay::RestoreVRViewPort() {
  SetViewport(VR_viewportx, VR_viewporty, VR_viewportw, VR_viewporth);
  SetOrigin(VR_originx, VR_originy);
}

int TGameDisplay::NeedsCLSWidescreen() const { return UsingVirtualResolution && layout.HasBars() ? 1 : 0; }

void TGameDisplay::CLSWidescreen() {
  ResetVRViewport();
  Cls();
  RestoreVRViewPort();
}

namespace {
// Covers the bar (bx, by, bw, bh) with the picture, scaled alike in both directions so it
// keeps its shape, cut off where it overhangs. A side bar shows the picture's edge that
// meets the game's picture; a top bar shows the picture's top and a bottom bar its foot.
void CoverBar(const TGameImage& picture, float bx, float by, float bw, float bh, int alignX, int alignY) {
  const float iw = float(picture.GetWidth()), ih = float(picture.GetHeight());
  if (iw <= 0 || ih <= 0 || bw <= 0 || bh <= 0) return;
  const float k = std::max(bw / iw, bh / ih);
  const float w = iw * k, h = ih * k;
  const float x = alignX < 0 ? bx : alignX > 0 ? bx + bw - w : bx + (bw - w) / 2;
  const float y = alignY < 0 ? by : alignY > 0 ? by + bh - h : by + (bh - h) / 2;
  const int x0 = int(std::floor(bx)), y0 = int(std::floor(by));
  SetViewport(x0, y0, int(std::ceil(bx + bw)) - x0, int(std::ceil(by + bh)) - y0);
  SetScale(k, k);
  DrawImage(picture.image, x, y, 0);
  SetScale(1, 1);
}
}  // namespace

void TGameDisplay::DoDrawWidescreenBorders() {
  // With the wide display on, the side pictures fill the bars; otherwise they keep the clear colour.
  if (!(UsingVirtualResolution && Settings().WideScreen && DrawWidescreenBorders && layout.HasBars())) return;
  const bool left = LeftBorderImage && LeftBorderImage->image, right = RightBorderImage && RightBorderImage->image;
  if (!left && !right) return;
  // One picture serves both bars when only one is set.
  const TGameImage& first = left ? *LeftBorderImage : *RightBorderImage;
  const TGameImage& second = right ? *RightBorderImage : *LeftBorderImage;
  ResetVRViewport();
  SetBlend(BLEND_SOLID);
  const float vw = VirtualResolutionWidth(), vh = VirtualResolutionHeight();
  const float farX = vxOff + float(ScreenWidth), farY = vyOff + float(ScreenHeight);
  if (vxOff > 0) {
    CoverBar(first, 0, 0, vxOff, vh, 1, 0);
    CoverBar(second, farX, 0, vw - farX, vh, -1, 0);
  }
  if (vyOff > 0) {
    CoverBar(first, 0, 0, vw, vyOff, 0, -1);
    CoverBar(second, 0, farY, vw, vh - farY, 0, 1);
  }
  RestoreVRViewPort();
}

void TGameDisplay::DrawOverBars(void (*draw)(), int atX, int atY) {
  // Opening the bars splits the frame's batch, so only what is near them gets them.
  constexpr int kNear = 100;
  if (!layout.HasBars() ||
      (atX >= kNear && atY >= kNear && atX < ScreenWidth - kNear && atY < ScreenHeight - kNear)) {
    draw();
    return;
  }
  int x, y, w, h;
  GetViewport(x, y, w, h);
  SetViewport(0, 0, int(std::ceil(VirtualResolutionWidth())), int(std::ceil(VirtualResolutionHeight())));
  draw();
  SetViewport(x, y, w, h);
}

namespace {
std::shared_ptr<TGameImage> BorderPicture(const std::string& name) {
  if (name.empty()) return nullptr;
  // Opaque and drawn scaled: filtered, and never masked (a masked picture's darkest
  // pixels would let the clear colour through). An ornament: without it the bars keep
  // the clear colour.
  TImagePtr image = LoadImage(name, IMAGE_FILTERED);
  if (!image) return nullptr;
  return TGameImage::CreateFromImage(image, name, 0);
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

// What every display switch does after changing its field: the open window changes mode
// at once, keeping its context and every picture on it; only without one is it opened anew.
void ReopenDisplay(TGameDisplay& display) {
  if (!display.SwitchWindowMode()) display.GraphicsCreate(display.AlwaysForceDX7);
  display.RestoreMouseCoords();
  SaveSettings(1);
  Clock().FixedRateLogic.HistoryClear();
}
}  // namespace

bool TGameDisplay::SwitchWindowMode() {
  if (!GraphicsOpen() || !PlatformHasWindow()) return false;
  TWindowRequest request;
  request.fullScreen = Settings().FullScreen != 0;
  request.borderless = Settings().BorderlessWindow != 0;
  ChooseOpenSize(request.fullScreen);
  request.width = WindowWidth;
  request.height = WindowHeight;
  if (!PlatformSetWindowMode(request)) {
    if (!request.fullScreen) return false;
    FullScreenFailed(PlatformLastError());
    request.fullScreen = false;
    ChooseOpenSize(false);
    request.width = WindowWidth;
    request.height = WindowHeight;
    if (!PlatformSetWindowMode(request)) return false;
  }
  Depth = request.fullScreen ? 32 : 0;
  FollowDrawable();
  DoSetVirtualResolution(1);
  SetWindowCoords();
  SetClientCoords();
  TellFullScreenFailure();
  return true;
}

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
