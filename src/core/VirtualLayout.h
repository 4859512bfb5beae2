// Where the 800 x 600 logical screen lands on the real window or display mode: the
// size to open, the virtual resolution, viewport and origin that keep the 4:3 picture
// in shape (with bars on wide or tall displays), and the mouse scale back to it.
#pragma once

class TVirtualLayout {
 public:
  int UsingVirtualResolution = 0;
  bool SetsResolution = false;       // false: the virtual resolution stays the device size
  float VirtualWidth = 0, VirtualHeight = 0;
  int ViewportX = 0, ViewportY = 0, ViewportW = 0, ViewportH = 0;
  float OriginX = 0, OriginY = 0;
  float RatioX = 1, RatioY = 1;      // logical units per device pixel
  float vxOff = 0, vyOff = 0;
  float VirtualRatio = 0, GraphicsRatio = 0;
  bool Narrower = false;             // the display is narrower than 4:3 (bars top and bottom)
  int LogicalWidth = 0, LogicalHeight = 0;

  // logical W x H, opened Ww x Wh, shown in the shape of Wd x Hd (the desktop, to which a
  // full-screen mode is stretched). A shape of 4:3 needs no bars. Sizes of 0 or less give
  // no scaling.
  static TVirtualLayout Compute(int W, int H, int Wd, int Hd, int Ww, int Wh, bool wide, bool useDesktopResolution);

  // A device position as a logical one, and back (nearest pixel). With keepOnScreen
  // and a scaled picture, a position beyond the logical screen (judged before rounding)
  // is pulled onto its edge; the result says whether that happened.
  bool DeviceToLogical(int x, int y, int& lx, int& ly, bool keepOnScreen = false) const;
  void LogicalToDevice(int x, int y, int& dx, int& dy) const;
};

// The size to open: the desktop size when useDesktop, otherwise W x H, or else the largest
// size of the list for aspectList (0: 4:3, 1: wide) that fits. A window must leave 70
// pixels of the desktop height for the title bar and the task bar. False when nothing fits.
bool ChooseGraphicsSize(int W, int H, int Wd, int Hd, int aspectList, bool windowed, bool useDesktop, int& width,
                        int& height);

// floor(v + 0.5) as an int.
int Near(float v);
