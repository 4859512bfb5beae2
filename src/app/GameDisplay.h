// The display: chooses the back end, opens the window or full screen with every
// fallback, maps the logical screen onto it (bars, side pictures, viewport), shakes
// the screen and maps the pointer between device and logical positions.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/Display.h"

class TGameImage;

class TGameDisplay final : public TDisplay, public TService<TGameDisplay> {
 public:
  using TService<TGameDisplay>::Current;

  // Opens the window or full-screen mode (with every fallback) and the drawing state.
  void GraphicsCreate(int forceDX7);
  void SetWindowCoords();
  void SetClientCoords() override;
  void CLSAllBuffers();
  void DisableVirtualResolution();
  void DoSetVirtualResolution(int clearAll);
  void ResetVRViewport() override;
  void RestoreVRViewPort() override;
  void OffsetOrigin(float x, float y);
  void RestoreOrigin();
  void ClearScreenshake();
  void SetScreenShake(float range, float delta, float counter);
  void DoScreenShake();
  int NeedsCLSWidescreen() const override;
  void CLSWidescreen() override;
  // The side pictures in the bars of a wide display, drawn after the clear; none for an empty name.
  void DoDrawWidescreenBorders();
  void SetLeftBorderImage(const std::string& name);
  void SetRightBorderImage(const std::string& name);
  void SetDXDriver(int forceDX7);
  int SetDriver(int driver);
  void DoMoveMouse(int x, int y) override;
  void RestoreMouseCoords();
  int64_t GetActiveWindowSafe();
  void ToggleCustomMousePointer() override;
  void ToggleBorderless();
  int ToggleFullScreen() override;
  void ToggleWideScreen() override;
  void ToggleVSync();
  bool DeviceToLogical(int deviceX, int deviceY, int& x, int& y, bool keepOnScreen = false) const override;
  bool PixelExact() const override;

  int ForceWindowedMode = 0;
  int UseDesktopResolution = 0;
  int DrawWidescreenBorders = 0;
  std::shared_ptr<TGameImage> LeftBorderImage, RightBorderImage;
  int WindowedAspectRatio = 0;
  int Hertz = 60;
  int Depth = 0;
  int DesktopRefreshRate = 0, GameRefreshRate = 0;
  int64_t WindowHandle = 0;
  int WindowX = 0, WindowY = 0;
  int FirstTime = 1;
  int DriverDX7 = 0, DriverDX9 = 0;
  int AlwaysForceDX7 = 0;
  std::string DirectXVersion;
  int DesktopWidth = 0, DesktopHeight = 0;
  float VirtualRatioX = 1.0f, VirtualRatioY = 1.0f;
  float VR_virtualratio = 0, VR_graphicsratio = 0;
  int VR_viewportx = 0, VR_viewporty = 0, VR_viewportw = 0, VR_viewporth = 0;
  float VR_originx = 0, VR_originy = 0;
  float vxOff = 0, vyOff = 0;
  float screenShakeRange = 0, screenShakeDelta = 0, screenShakeCounter = 0;
  int screenshake_viewportx = 0, screenshake_viewporty = 0, screenshake_viewportw = 0, screenshake_viewporth = 0;
};

inline TGameDisplay& GameDisplay() { return *TGameDisplay::Current(); }
