#include "gfx/RenderDriver.h"

#include <algorithm>
#include <cmath>

#include "core/Display.h"
#include "gfx/ImageFrame.h"

TImageFrame TRenderDriver::CreateFrameFromPixmap(const TPixmap& pixmap, int flags) {
  return MakeOwnFrame(pixmap, flags);
}

bool TRenderDriver::CaptureScreen(float, float, float, float, TTexturePagePtr&, TImageFrame&) { return false; }

void TRenderDriver::UpdateColor() {
  uint32_t a = uint32_t(alpha_ * 255.0f);
  rgba_ = uint32_t(r_) | (uint32_t(g_) << 8) | (uint32_t(b_) << 16) | (a << 24);
}

void TRenderDriver::SetBlend(int mode) { blend_ = mode; }

void TRenderDriver::SetAlpha(float alpha) {
  // NaN fails both comparisons and ends up as 0.
  alpha_ = alpha > 1.0f ? 1.0f : (alpha >= 0.0f ? alpha : 0.0f);
  UpdateColor();
}

void TRenderDriver::SetColor(int r, int g, int b) {
  r_ = std::clamp(r, 0, 255);
  g_ = std::clamp(g, 0, 255);
  b_ = std::clamp(b, 0, 255);
  UpdateColor();
}

void TRenderDriver::SetClsColor(int r, int g, int b) {
  clsR_ = std::clamp(r, 0, 255);
  clsG_ = std::clamp(g, 0, 255);
  clsB_ = std::clamp(b, 0, 255);
}

void TRenderDriver::SetViewport(int x, int y, int w, int h) {
  viewX_ = x, viewY_ = y, viewW_ = w, viewH_ = h;
}

void TRenderDriver::SetTransform(float ix, float iy, float jx, float jy) {
  ix_ = ix, iy_ = iy, jx_ = jx, jy_ = jy;
}

void TRenderDriver::SetLineWidth(float width) { lineWidth_ = width; }

void TRenderDriver::SetResolution(float width, float height) {
  resWidth_ = width;
  resHeight_ = height;
}

void TRenderDriver::Plot(float x, float y) {
  TVertex v{x + 0.5f, y + 0.5f, 0, 0, rgba_};
  Emit(TPrimitive::Points, nullptr, &v, 1);
}

void TRenderDriver::DrawLine(float x0, float y0, float x1, float y1, float tx, float ty) {
  TVertex v[2] = {
      {x0 * ix_ + y0 * iy_ + tx + 0.5f, x0 * jx_ + y0 * jy_ + ty + 0.5f, 0, 0, rgba_},
      {x1 * ix_ + y1 * iy_ + tx + 0.5f, x1 * jx_ + y1 * jy_ + ty + 0.5f, 0, 0, rgba_},
  };
  Emit(TPrimitive::Lines, nullptr, v, 2);
}

void TRenderDriver::DrawRect(float x0, float y0, float x1, float y1, float tx, float ty) {
  EmitQuad(nullptr, x0, y0, x1, y1, tx, ty, 0, 0, 0, 0, rgba_);
}

void TRenderDriver::DrawOval(float x0, float y0, float x1, float y1, float tx, float ty) {
  float rx = (x1 - x0) * 0.5f, ry = (y1 - y0) * 0.5f;
  float cx = x0 + rx, cy = y0 + ry;
  int n = std::max(int(std::fabs(rx) + std::fabs(ry)), 12);
  n &= ~3;
  std::vector<float>& xy = scratch_;
  xy.clear();
  for (int i = 0; i < n; ++i) {
    double theta = 2.0 * M_PI * i / n;
    xy.push_back(cx + float(std::cos(theta)) * rx);
    xy.push_back(cy - float(std::sin(theta)) * ry);
  }
  EmitPolygon(xy, 0, 0, tx, ty);
}

void TRenderDriver::DrawPoly(const std::vector<float>& xy, float handleX, float handleY, float tx, float ty) {
  EmitPolygon(xy, handleX, handleY, tx, ty);
}

void TRenderDriver::EmitPolygon(const std::vector<float>& xy, float hx, float hy, float tx, float ty) {
  int n = int(xy.size() / 2);
  if (n < 3) return;
  // A convex polygon as a fan, split into triangles so it batches with everything else.
  auto at = [&](int i) {
    float px = xy[size_t(2 * i)] + hx, py = xy[size_t(2 * i + 1)] + hy;
    return TVertex{px * ix_ + py * iy_ + tx, px * jx_ + py * jy_ + ty, 0, 0, rgba_};
  };
  polygon_.clear();
  TVertex first = at(0), prev = at(1);
  for (int i = 2; i < n; ++i) {
    TVertex next = at(i);
    polygon_.push_back(first);
    polygon_.push_back(prev);
    polygon_.push_back(next);
    prev = next;
  }
  Emit(TPrimitive::Triangles, nullptr, polygon_.data(), int(polygon_.size()));
}

void TRenderDriver::EmitQuad(TTexturePage* page, float x0, float y0, float x1, float y1, float tx, float ty,
                            float u0, float v0, float u1, float v1, uint32_t rgba) {
  float ax = x0 * ix_ + y0 * iy_ + tx, ay = x0 * jx_ + y0 * jy_ + ty;
  float bx = x1 * ix_ + y0 * iy_ + tx, by = x1 * jx_ + y0 * jy_ + ty;
  float cx = x1 * ix_ + y1 * iy_ + tx, cy = x1 * jx_ + y1 * jy_ + ty;
  float dx = x0 * ix_ + y1 * iy_ + tx, dy = x0 * jx_ + y1 * jy_ + ty;
  TVertex v[6] = {{ax, ay, u0, v0, rgba}, {bx, by, u1, v0, rgba}, {cx, cy, u1, v1, rgba},
                  {ax, ay, u0, v0, rgba}, {cx, cy, u1, v1, rgba}, {dx, dy, u0, v1, rgba}};
  Emit(TPrimitive::Triangles, page, v, 6);
}

void TRenderDriver::DrawFrame(const TImageFrame& frame, float x0, float y0, float x1, float y1, float tx,
                              float ty, float sx, float sy, float sw, float sh) {
  if (!frame.page) return;
  TTexturePage& page = *frame.page;
  if (page.NeedsUpload(ContextSeq())) UploadPage(page);
  // Unturned, unscaled and on whole pixels of an exact display, every pixel's centre falls
  // on a texel's centre, where filtering gives back the texel: the back end may skip it.
  const auto whole = [](float v) { return v == std::floor(v); };
  exactPixels_ = ix_ == 1 && iy_ == 0 && jx_ == 0 && jy_ == 1 && x1 - x0 == sw && y1 - y0 == sh &&
                 whole(x0 + tx) && whole(y0 + ty) && DisplayPixelExact();
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{exactPixels_};
  const auto emit = [&](float qx0, float qy0, float qx1, float qy1, float fx, float fy, float fw, float fh) {
    EmitQuad(&page, qx0, qy0, qx1, qy1, tx, ty, (float(frame.x) + fx) * frame.uscale,
             (float(frame.y) + fy) * frame.vscale, (float(frame.x) + fx + fw) * frame.uscale,
             (float(frame.y) + fy + fh) * frame.vscale, rgba_);
  };
  if (!frame.trim.Any() || sw == 0 || sh == 0) {
    emit(x0, y0, x1, y1, sx, sy, sw, sh);
    return;
  }
  // The page holds only the part of the picture inside its empty border: the quad is cut to
  // where that part shows, as fractions of the way across and down it.
  const auto span = [](float s, float len, float k0, float k1, float& t0, float& t1) {
    const float a = (k0 - s) / len, b = (k1 - s) / len;
    t0 = std::clamp(std::min(a, b), 0.0f, 1.0f);
    t1 = std::clamp(std::max(a, b), 0.0f, 1.0f);
  };
  float tx0, tx1, ty0, ty1;
  span(sx, sw, float(frame.trim.left), float(frame.width - frame.trim.right), tx0, tx1);
  span(sy, sh, float(frame.trim.top), float(frame.height - frame.trim.bottom), ty0, ty1);
  const auto qx = [&](float t) { return x0 + (x1 - x0) * t; };
  const auto qy = [&](float t) { return y0 + (y1 - y0) * t; };
  const bool kept = tx1 > tx0 && ty1 > ty0;
  if (kept) emit(qx(tx0), qy(ty0), qx(tx1), qy(ty1), sx + sw * tx0, sy + sh * ty0, sw * (tx1 - tx0), sh * (ty1 - ty0));
  // Blending leaves empty pixels unseen, except in the modes that write or multiply colour
  // whatever its alpha: there the border still draws as the empty pixels it was made of.
  if (blend_ == BLEND_ALPHA || blend_ == BLEND_LIGHT || blend_ == BLEND_MASK) return;
  const auto empty = [&](float a0, float b0, float a1, float b1) {
    if (a1 > a0 && b1 > b0) EmitQuad(nullptr, qx(a0), qy(b0), qx(a1), qy(b1), tx, ty, 0, 0, 0, 0, 0);
  };
  if (!kept) {
    empty(0, 0, 1, 1);
    return;
  }
  empty(0, 0, 1, ty0);
  empty(0, ty1, 1, 1);
  empty(0, ty0, tx0, ty1);
  empty(tx1, ty0, 1, ty1);
}
