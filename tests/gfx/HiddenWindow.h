// A hidden window on the OpenGL back end, drawn one to one with a plain drawing state
// (white, opaque, no transform), for the tests that read pixels back.
#pragma once
#include <memory>

#include "gfx/Draw.h"
#include "gfx/GLRenderDriver.h"

// False when the window cannot be opened (PlatformLastError says why).
inline bool OpenHiddenWindow(std::unique_ptr<TGLRenderDriver> driver, int w, int h) {
  SetRenderDriver(std::move(driver));
  if (!CreateGraphics(w, h, 0, 60, GRAPHICS_HIDDEN)) return false;
  SetVirtualResolution(w, h);
  SetViewport(0, 0, w, h);
  SetTransform(0, 1, 1);
  SetOrigin(0, 0);
  SetColor(255, 255, 255);
  SetAlpha(1);
  return true;
}
