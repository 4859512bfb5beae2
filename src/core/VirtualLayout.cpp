#include "core/VirtualLayout.h"

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

int Near(float v) { return int(std::floor(v + 0.5f)); }

TVirtualLayout TVirtualLayout::Compute(int W, int H, int Wd, int Hd, int Ww, int Wh, bool wide,
                                       bool useDesktopResolution) {
  TVirtualLayout l;
  l.LogicalWidth = W;
  l.LogicalHeight = H;
  if (W <= 0 || H <= 0 || Ww <= 0 || Wh <= 0) return l;
  if (!wide) {
    if (H == Wh) return l;  // the window is the logical size
    l.SetsResolution = true;
    l.VirtualWidth = float(W);
    l.VirtualHeight = float(H);
    l.ViewportW = W;
    l.ViewportH = H;
    l.RatioX = float(W) / float(Ww);
    l.RatioY = float(H) / float(Wh);
    l.UsingVirtualResolution = 1;
    return l;
  }
  if (useDesktopResolution && W == Ww && H == Wh) return l;
  // Without a usable desktop size the display is taken as the mode itself.
  if (Wd <= 0 || Hd <= 0) {
    Wd = Ww;
    Hd = Wh;
  }
  // A display of the picture's own shape needs no bars: only scaling, if any.
  if (int64_t(Wd) * H == int64_t(Hd) * W) return Compute(W, H, Wd, Hd, Ww, Wh, false, useDesktopResolution);
  l.VirtualRatio = float(W) / float(H);
  l.GraphicsRatio = float(Wd) / float(Hd);
  if (l.GraphicsRatio >= l.VirtualRatio) {
    float u = (l.GraphicsRatio / l.VirtualRatio) * float(W);
    if (useDesktopResolution && H == Wh) {
      l.vxOff = float((Ww - W) / 2);
      l.ViewportX = int(l.vxOff);
      l.ViewportW = W;
      l.ViewportH = H;
    } else {
      int w = int(std::floor(u - 1));
      if (w % 2 != 0) --w;
      l.SetsResolution = true;
      l.VirtualWidth = float(w);
      l.VirtualHeight = float(H);
      l.vxOff = float((w - W) / 2);
      l.ViewportX = Near(l.vxOff) + 1;
      l.ViewportW = W - 2;
      l.ViewportH = H;
    }
    l.OriginX = float(Near(l.vxOff));
    l.OriginY = l.vyOff;
    l.RatioX = u / float(Ww);
    l.RatioY = float(H) / float(Wh);
  } else {
    l.Narrower = true;
    float t = (l.VirtualRatio / l.GraphicsRatio) * float(H);
    if (useDesktopResolution && W == Ww) {
      l.vyOff = float((Wh - H) / 2);
      l.ViewportY = int(l.vyOff);
      l.ViewportW = W;
      l.ViewportH = H;
    } else {
      int v = int(std::floor(t - 1));
      if (v % 2 != 0) --v;
      l.SetsResolution = true;
      l.VirtualWidth = float(W);
      l.VirtualHeight = float(v);
      l.vyOff = float((v - H) / 2);
      l.ViewportY = Near(l.vyOff) + 1;
      l.ViewportW = W;
      l.ViewportH = H - 2;
    }
    l.OriginX = l.vxOff;
    l.OriginY = float(Near(l.vyOff));
    l.RatioX = float(W) / float(Ww);
    l.RatioY = t / float(Wh);
  }
  l.UsingVirtualResolution = 1;
  return l;
}

bool TVirtualLayout::DeviceToLogical(int x, int y, int& lx, int& ly, bool keepOnScreen) const {
  if (!UsingVirtualResolution) {
    lx = x;
    ly = y;
    return false;
  }
  lx = int(float(Near(float(x) * RatioX)) - vxOff);
  ly = int(float(Near(float(y) * RatioY)) - vyOff);
  if (!keepOnScreen) return false;
  const float fx = float(x) * RatioX - vxOff, fy = float(y) * RatioY - vyOff;
  bool moved = false;
  if (std::ceil(fx) < 0) lx = 0, moved = true;
  if (std::ceil(fy) < 0) ly = 0, moved = true;
  if (std::floor(fx) > float(LogicalWidth - 1)) lx = LogicalWidth - 1, moved = true;
  if (std::floor(fy) > float(LogicalHeight - 1)) ly = LogicalHeight - 1, moved = true;
  return moved;
}

void TVirtualLayout::LogicalToDevice(int x, int y, int& dx, int& dy) const {
  if (!UsingVirtualResolution || RatioX == 0 || RatioY == 0) {
    dx = x;
    dy = y;
    return;
  }
  dx = Near((float(x) + vxOff) / RatioX);
  dy = Near((float(y) + vyOff) / RatioY);
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
