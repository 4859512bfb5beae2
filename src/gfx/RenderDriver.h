// The graphics back end behind the drawing layer. The base class turns every draw into
// screen-space vertices (transform, handle, anchor); a back end only stores state and
// emits the vertices, so the OpenGL and the recording back ends share the same geometry.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/Pixmap.h"
#include "gfx/TexturePage.h"
#include "platform/Window.h"

class TImageFrame;

// Blend modes.
constexpr int BLEND_MASK = 1;
constexpr int BLEND_SOLID = 2;
constexpr int BLEND_ALPHA = 3;
constexpr int BLEND_LIGHT = 4;
constexpr int BLEND_SHADE = 5;
constexpr int BLEND_MODULATE2X = 6;

// Graphics flags for CreateGraphics.
constexpr int GRAPHICS_BORDERLESS = 1;
constexpr int GRAPHICS_HIDDEN = 2;

struct TVertex {
  float x, y;     // virtual units
  float u, v;     // texture coordinates (0 for shapes)
  uint32_t rgba;  // bytes r, g, b, a in memory order
};

enum class TPrimitive { Triangles, Lines, Points };

class TRenderDriver {
 public:
  virtual ~TRenderDriver() = default;

  virtual std::vector<TDisplayMode> GraphicsModes() = 0;
  // Takes over an already open context (none here does anything but re-apply state).
  virtual bool AttachGraphics() { return true; }
  // Opens the window or full-screen mode (depth 0 = window) with a fresh context.
  virtual bool CreateGraphics(int width, int height, int depth, int hertz, int flags) = 0;
  // Makes the context current and resets the back end's own state for it.
  virtual void SetGraphics() {}
  virtual void CloseGraphics() {}
  // Takes the drawable's size again after the window changed size or mode (the context
  // stays); true when it changed.
  virtual bool FollowDrawable() { return false; }
  virtual void Flip(int sync) = 0;
  // A frame on a page of its own, pixels laid out for sampling as described in Atlas.h.
  virtual TImageFrame CreateFrameFromPixmap(const TPixmap& pixmap, int flags);

  virtual void SetBlend(int mode);
  virtual void SetAlpha(float alpha);
  virtual void SetColor(int r, int g, int b);
  virtual void SetClsColor(int r, int g, int b);
  virtual void SetViewport(int x, int y, int w, int h);  // device pixels
  virtual void SetTransform(float ix, float iy, float jx, float jy);
  virtual void SetLineWidth(float width);
  virtual void Cls() = 0;
  virtual void Plot(float x, float y);
  virtual void DrawLine(float x0, float y0, float x1, float y1, float tx, float ty);
  virtual void DrawRect(float x0, float y0, float x1, float y1, float tx, float ty);
  virtual void DrawOval(float x0, float y0, float x1, float y1, float tx, float ty);
  virtual void DrawPoly(const std::vector<float>& xy, float handleX, float handleY, float tx, float ty);
  virtual void DrawPixmap(const TPixmap& pixmap, float x, float y) = 0;
  virtual TPixmapPtr GrabPixmap(int x, int y, int w, int h) = 0;
  virtual void SetResolution(float width, float height);
  // The body of TImageFrame::Draw.
  virtual void DrawFrame(const TImageFrame& frame, float x0, float y0, float x1, float y1, float tx,
                         float ty, float sx, float sy, float sw, float sh);

  // Number of the current graphics context; frames uploaded under another one are stale.
  virtual int ContextSeq() const = 0;
  // Makes the page's texture current-context valid now (Precache); no-op without a context.
  virtual void UploadPage(TTexturePage& page) = 0;
  // Sends everything batched so far.
  virtual void Flush() {}
  // Copies what the frame holds so far inside (x0, y0)-(x1, y1), in virtual units, into
  // the texture of `page` (made anew when missing, stale or of another size) and sets
  // `frame` to draw it back. False when the back end cannot, or when the rectangle does
  // not lie on whole device pixels inside the back buffer.
  virtual bool CaptureScreen(float x0, float y0, float x1, float y1, TTexturePagePtr& page, TImageFrame& frame);

  // Device size of the back buffer.
  int DeviceWidth() const { return deviceWidth_; }
  int DeviceHeight() const { return deviceHeight_; }
  // Draw calls issued during the last complete frame, and so far in this one.
  int LastFrameDrawCalls() const { return lastFrameDrawCalls_; }
  int DrawCallsThisFrame() const { return drawCalls_; }
  // Vertices handed to the graphics library during the last complete frame: past a few
  // hundred quads a software rasteriser spends more of the main thread on them than on
  // the draw calls.
  int LastFrameVertices() const { return lastFrameVertices_; }
  int VerticesThisFrame() const { return vertices_; }
  // Benchmark switch: one draw call per quad, as a naive back end would.
  void SetFlushEveryQuad(bool on) { flushEveryQuad_ = on; }

  int Blend() const { return blend_; }
  uint32_t VertexColor() const { return rgba_; }

 protected:
  // Receives finished vertices: Triangles in threes, Lines in twos, Points one each.
  // page is nullptr for untextured shapes.
  virtual void Emit(TPrimitive primitive, TTexturePage* page, const TVertex* vertices, int count) = 0;
  void EndFrameCounters() {
    lastFrameDrawCalls_ = drawCalls_;
    drawCalls_ = 0;
    lastFrameVertices_ = vertices_;
    vertices_ = 0;
  }

  // A local rectangle through the current transform, placed at (tx, ty), as two triangles.
  void EmitQuad(TTexturePage* page, float x0, float y0, float x1, float y1, float tx, float ty, float u0, float v0,
                float u1, float v1, uint32_t rgba);
  // Polygons (ovals, DrawPoly) as triangles; members so that no draw allocates.
  void EmitPolygon(const std::vector<float>& xy, float hx, float hy, float tx, float ty);
  std::vector<float> scratch_;
  std::vector<TVertex> polygon_;

  float ix_ = 1, iy_ = 0, jx_ = 0, jy_ = 1;
  int r_ = 255, g_ = 255, b_ = 255;
  float alpha_ = 1;
  uint32_t rgba_ = 0xffffffffu;
  int clsR_ = 0, clsG_ = 0, clsB_ = 0;
  int blend_ = BLEND_MASK;
  float lineWidth_ = 1;
  int viewX_ = 0, viewY_ = 0, viewW_ = 0, viewH_ = 0;
  float resWidth_ = 0, resHeight_ = 0;
  int deviceWidth_ = 0, deviceHeight_ = 0;
  int drawCalls_ = 0;
  int lastFrameDrawCalls_ = 0;
  int vertices_ = 0;
  int lastFrameVertices_ = 0;
  bool flushEveryQuad_ = false;
  // The picture being emitted shows its texels 1:1 on whole device pixels (set by DrawFrame
  // for its quads): sampling it unfiltered looks the same and costs less.
  bool exactPixels_ = false;

 private:
  void UpdateColor();
};

// The back end the drawing layer forwards to (nullptr before one is installed).
TRenderDriver* GetRenderDriver();
