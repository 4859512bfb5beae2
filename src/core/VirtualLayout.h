// Where the 800 x 600 logical screen lands in the window: the largest size that keeps its
// 4:3 shape, centred, with bars left and right or top and bottom; the virtual resolution,
// viewport and origin that draw it there, and the pointer's way from window to logical.
#pragma once

class TVirtualLayout {
 public:
  int UsingVirtualResolution = 0;
  bool SetsResolution = false;       // false: the virtual resolution stays the device size
  float VirtualWidth = 0, VirtualHeight = 0;
  int ViewportX = 0, ViewportY = 0, ViewportW = 0, ViewportH = 0;
  float OriginX = 0, OriginY = 0;
  float RatioX = 1, RatioY = 1;      // logical units per window pixel
  float Scale = 1;                   // drawable pixels per logical unit
  float vxOff = 0, vyOff = 0;        // the bars' width and height, in logical units
  float VirtualRatio = 0, GraphicsRatio = 0;
  bool Narrower = false;             // the drawable is narrower than 4:3 (bars top and bottom)
  int LogicalWidth = 0, LogicalHeight = 0;

  // logical W x H shown in a drawable of Dw x Dh pixels, in a window of Ww x Wh window
  // pixels (a high-density drawable has more pixels than its window). Sizes of 0 or less
  // give no scaling.
  static TVirtualLayout Compute(int W, int H, int Dw, int Dh, int Ww, int Wh);

  // Whether one logical pixel covers a whole number of drawable pixels on whole-pixel
  // edges, so nearest sampling stays sharp.
  bool PixelExact() const;
  // Whether there are bars beside or above and below the picture.
  bool HasBars() const { return vxOff > 0 || vyOff > 0; }

  // A window position as the logical pixel under it, and back (the window pixel under a
  // logical pixel's centre). A position over a bar lies off the logical screen; with
  // keepOnScreen it is pulled onto its edge, and the result says whether that happened.
  bool DeviceToLogical(int x, int y, int& lx, int& ly, bool keepOnScreen = false) const;
  void LogicalToDevice(int x, int y, int& dx, int& dy) const;
};

// The size to open: the desktop size when useDesktop. Otherwise, windowed, the largest
// whole multiple of W x H that fits; full screen, or when not even W x H fits, W x H or
// else the largest size of the list for aspectList (0: 4:3, 1: wide) that fits. A window
// must leave 70 pixels of the desktop height for the title bar and the task bar. False
// when nothing fits.
bool ChooseGraphicsSize(int W, int H, int Wd, int Hd, int aspectList, bool windowed, bool useDesktop, int& width,
                        int& height);

// floor(v + 0.5) as an int.
int Near(float v);
