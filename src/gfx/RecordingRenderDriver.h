// A back end without pixels: it keeps every primitive it is given, in screen-space
// virtual units, so tests can check the geometry of every draw exactly.
#pragma once
#include <vector>

#include "gfx/RenderDriver.h"

struct TRecordedPrimitive {
  TPrimitive primitive;
  const TTexturePage* page;  // nullptr for shapes
  std::vector<TVertex> vertices;
  int blend;
};

class TRecordingRenderDriver : public TRenderDriver {
 public:
  std::vector<TRecordedPrimitive> recorded;
  int clsCount = 0;
  int flips = 0;
  int uploads = 0;

  std::vector<TDisplayMode> GraphicsModes() override;
  bool CreateGraphics(int width, int height, int depth, int hertz, int flags) override;
  void Flip(int sync) override;
  void Cls() override { ++clsCount; }
  void DrawPixmap(const TPixmap& pixmap, float x, float y) override;
  TPixmapPtr GrabPixmap(int x, int y, int w, int h) override;
  int ContextSeq() const override { return seq_; }
  void UploadPage(TTexturePage& page) override;

  // The viewport last set, in device pixels.
  void Viewport(int& x, int& y, int& w, int& h) const { x = viewX_, y = viewY_, w = viewW_, h = viewH_; }
  float ResolutionWidth() const { return resWidth_; }
  float ResolutionHeight() const { return resHeight_; }
  void Clear() { recorded.clear(); }

 protected:
  void Emit(TPrimitive primitive, TTexturePage* page, const TVertex* vertices, int count) override;

 private:
  // Kept far from the platform's context numbers so the two never mistake each other's pages.
  static int nextSeq_;
  int seq_ = 0;
};
