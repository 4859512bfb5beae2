// What the layers below the shell need of the display: the mapping between window
// pixels and the logical screen, the bars beside a scaled picture, the viewport, the
// camera scroll and the display switches the options offer. The shell's display
// answers; tests and tools that open no window do without it.
#pragma once
#include <memory>

#include "core/Service.h"

class TColor;

class TDisplay : public TService<TDisplay> {
 public:
  // A device (window pixel) position as a position on the logical screen; with
  // keepOnScreen a position beyond its edges is pulled onto them, and true says so.
  virtual bool DeviceToLogical(int deviceX, int deviceY, int& x, int& y, bool keepOnScreen = false) const = 0;
  // One logical pixel covers a whole number of drawable pixels: pictures drawn 1:1 at
  // whole positions land on whole pixels and may be sampled without filtering.
  virtual bool PixelExact() const = 0;
  // Where the logical screen lies in the drawable, in drawable pixels.
  virtual void PictureRect(int& x, int& y, int& w, int& h) const = 0;
  // Puts the system pointer over a logical position.
  virtual void DoMoveMouse(int x, int y) = 0;
  // Reads where the window's drawing area starts on the desktop (ClientX, ClientY).
  virtual void SetClientCoords() = 0;
  // Whether a clear must also clear the bars beside the picture, and that clear.
  virtual int NeedsCLSWidescreen() const = 0;
  virtual void CLSWidescreen() = 0;
  // The whole window as the viewport (for the bars), and back to the picture.
  virtual void ResetVRViewport() = 0;
  virtual void RestoreVRViewPort() = 0;
  virtual int ToggleFullScreen() = 0;
  virtual void ToggleWideScreen() = 0;
  virtual void ToggleCustomMousePointer() = 0;

  int ClientX = 0, ClientY = 0;
  int WindowWidth = 0, WindowHeight = 0;
  // The logical screen is scaled onto the window (bars beside it, pointer mapped).
  int UsingVirtualResolution = 0;
  // The camera: sprites drawn in world positions are drawn this far to the left and up.
  float ScrollX = 0, ScrollY = 0;
  std::shared_ptr<TColor> ClsColor;

 protected:
  ~TDisplay() = default;
};

inline TDisplay& Display() { return *TDisplay::Current(); }
// The camera's scroll; none without a display.
inline float DisplayScrollX() { return TDisplay::Current() ? TDisplay::Current()->ScrollX : 0.0f; }
// Whether the logical screen maps onto whole drawable pixels; true without a display
// (tools and tests draw at the device size).
inline bool DisplayPixelExact() { return TDisplay::Current() ? TDisplay::Current()->PixelExact() : true; }
inline float DisplayScrollY() { return TDisplay::Current() ? TDisplay::Current()->ScrollY : 0.0f; }
