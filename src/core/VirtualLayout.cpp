#include "core/VirtualLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

int Near(float v) { return int(std::floor(v + 0.5f)); }

TVirtualLayout TVirtualLayout::Compute(int W, int H, int Dw, int Dh, int Ww, int Wh) {
  TVirtualLayout l;
  l.LogicalWidth = W;
  l.LogicalHeight = H;
  if (W <= 0 || H <= 0 || Dw <= 0 || Dh <= 0) return l;
  if (Ww <= 0 || Wh <= 0) {
    Ww = Dw;
    Wh = Dh;
  }
  l.VirtualRatio = float(W) / float(H);
  l.GraphicsRatio = float(Dw) / float(Dh);
  l.Narrower = int64_t(Dw) * H < int64_t(Dh) * W;
  if (Dw == W && Dh == H && Ww == Dw && Wh == Dh) return l;  // the window is the logical screen
  // The largest scale that keeps the shape. A quotient of integers that divide evenly is
  // exact in floating point, so a whole multiple is recognised without a tolerance.
  const double scale = std::min(double(Dw) / double(W), double(Dh) / double(H));
  const double virtualW = double(Dw) / scale, virtualH = double(Dh) / scale;
  l.Scale = float(scale);
  l.SetsResolution = true;
  l.VirtualWidth = float(virtualW);
  l.VirtualHeight = float(virtualH);
  // Bars of whole logical units: the picture's edges then meet the viewport's, so nothing
  // drawn on the picture spills into a bar, at the cost of centring within one unit.
  l.vxOff = float(std::floor((virtualW - double(W)) / 2 + 1e-6));
  l.vyOff = float(std::floor((virtualH - double(H)) / 2 + 1e-6));
  l.ViewportX = int(l.vxOff);
  l.ViewportY = int(l.vyOff);
  l.ViewportW = W;
  l.ViewportH = H;
  l.OriginX = l.vxOff;
  l.OriginY = l.vyOff;
  l.RatioX = float(double(Dw) / double(Ww) / scale);
  l.RatioY = float(double(Dh) / double(Wh) / scale);
  l.UsingVirtualResolution = 1;
  return l;
}

bool TVirtualLayout::PixelExact() const { return !UsingVirtualResolution || (Scale >= 1 && Scale == std::floor(Scale)); }

bool TVirtualLayout::DeviceToLogical(int x, int y, int& lx, int& ly, bool keepOnScreen) const {
  if (!UsingVirtualResolution) {
    lx = x;
    ly = y;
    return false;
  }
  // The logical pixel under the window pixel's centre.
  const float fx = (float(x) + 0.5f) * RatioX - vxOff, fy = (float(y) + 0.5f) * RatioY - vyOff;
  lx = int(std::floor(fx));
  ly = int(std::floor(fy));
  if (!keepOnScreen) return false;
  bool moved = false;
  if (lx < 0) lx = 0, moved = true;
  if (ly < 0) ly = 0, moved = true;
  if (lx > LogicalWidth - 1) lx = LogicalWidth - 1, moved = true;
  if (ly > LogicalHeight - 1) ly = LogicalHeight - 1, moved = true;
  return moved;
}

void TVirtualLayout::LogicalToDevice(int x, int y, int& dx, int& dy) const {
  if (!UsingVirtualResolution || RatioX <= 0 || RatioY <= 0) {
    dx = x;
    dy = y;
    return;
  }
  dx = int(std::floor((float(x) + 0.5f + vxOff) / RatioX));
  dy = int(std::floor((float(y) + 0.5f + vyOff) / RatioY));
}

bool ChooseGraphicsSize(int W, int H, int Wd, int Hd, int aspectList, bool windowed, bool useDesktop, int& width,
                        int& height) {
  if (useDesktop) {
    width = Wd;
    height = Hd;
    return true;
  }
  static const std::vector<std::pair<int, int>> fourThree = {{640, 480}, {800, 600}, {1024, 768}};
  static const std::vector<std::pair<int, int>> wideSizes = {
      {640, 360},  {720, 405},  {848, 480},  {960, 540},  {1024, 576},  {1280, 720},
      {1360, 768}, {1366, 768}, {1536, 874}, {1600, 900}, {1920, 1080}};
  static const std::vector<std::pair<int, int>> none;
  const auto& list = aspectList == 0 ? fourThree : aspectList == 1 ? wideSizes : none;
  int room = windowed ? Hd - 70 : Hd;
  auto fits = [&](int w, int h) { return w <= Wd && h <= room; };
  if (windowed && W > 0 && H > 0) {
    const int multiple = std::min(Wd / W, room / H);
    if (multiple >= 1) {
      width = multiple * W;
      height = multiple * H;
      return true;
    }
  }
  if (fits(W, H)) {
    width = W;
    height = H;
    return true;
  }
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    if (fits(it->first, it->second)) {
      width = it->first;
      height = it->second;
      return true;
    }
  }
  return false;
}
