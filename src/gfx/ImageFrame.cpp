#include "gfx/ImageFrame.h"

#include "gfx/Atlas.h"
#include "gfx/Image.h"
#include "gfx/RenderDriver.h"

void TImageFrame::Draw(float x0, float y0, float x1, float y1, float tx, float ty, float sx, float sy,
                       float sw, float sh) const {
  if (TRenderDriver* driver = GetRenderDriver(); driver && page)
    driver->DrawFrame(*this, x0, y0, x1, y1, tx, ty, sx, sy, sw, sh);
}

namespace {
bool exactSizeOwnPages = false;
}  // namespace

void SetExactSizeOwnPages(bool on) { exactSizeOwnPages = on; }
bool ExactSizeOwnPages() { return exactSizeOwnPages; }

TImageFrame MakeOwnFrame(const TPixmap& pixmap, int flags) {
  TImageFrame frame;
  if (pixmap.width < 1 || pixmap.height < 1) return frame;
  int w = 1, h = 1;
  if (exactSizeOwnPages && !(flags & IMAGE_MIPMAPPED)) {
    w = pixmap.width;
    h = pixmap.height;
  }
  while (w < pixmap.width) w <<= 1;
  while (h < pixmap.height) h <<= 1;
  frame.page = std::make_shared<TTexturePage>(w, h, flags);
  BlitWithGutter(frame.page->pixels, pixmap, 0, 0, 1, false);
  frame.ownPage = true;
  frame.width = pixmap.width;
  frame.height = pixmap.height;
  frame.uscale = 1.0f / float(w);
  frame.vscale = 1.0f / float(h);
  return frame;
}
