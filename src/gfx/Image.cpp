#include "gfx/Image.h"

#include <algorithm>
#include <cstring>

#include "gfx/Atlas.h"

TImagePtr TImage::Create(int width, int height, int count, int flags) {
  if (width < 1 || height < 1 || count < 1) return nullptr;
  auto image = std::make_shared<TImage>();
  image->width = width;
  image->height = height;
  image->flags = flags == -1 ? IMAGE_AUTO_FLAGS : flags;
  image->pixmaps.resize(size_t(count));
  image->frames.resize(size_t(count));
  return image;
}

void TImage::SetPixmap(int frame, const TPixmapPtr& pixmap) {
  if (frame < 0 || frame >= FrameCount()) return;
  TPixmapPtr p = pixmap;
  if (p && (flags & IMAGE_MASKED) && !p->HasAlpha()) p = p->Masked(mask_r, mask_g, mask_b);
  pixmaps[size_t(frame)] = p;
  Invalidate(frame);
}

void TImage::Invalidate(int frame) {
  if (frame < 0 || frame >= FrameCount()) return;
  frames[size_t(frame)].stale = true;
}

const TImageFrame* TImage::Frame(int frame) {
  if (frame < 0 || frame >= FrameCount()) return nullptr;
  TImageFrame& f = frames[size_t(frame)];
  if (f.Valid()) return &f;
  const TPixmapPtr& pixmap = pixmaps[size_t(frame)];
  if (!pixmap) return nullptr;

  if (f.page && f.ownPage && f.x == 0 && f.y == 0 && f.width == pixmap->width &&
      f.height == pixmap->height) {
    // The frame has a page to itself: refresh its pixels in place (dynamic images do this often).
    BlitWithGutter(f.page->pixels, *pixmap, 0, 0, 1, false);
    f.page->dirty = true;
    f.page->onlyAdded = false;
    f.stale = false;
    return &f;
  }

  bool shareable = FrameCount() > 1 && !(flags & (IMAGE_MIPMAPPED | IMAGE_DYNAMIC));
  if (!shareable) {
    f = MakeOwnFrame(*pixmap, flags);
    return f.page ? &f : nullptr;
  }
  // A strip: every frame still waiting gets a place in one shared page, sized to hold them.
  int cellW = width + 2, cellH = height + 2, waiting = 0;
  for (int i = 0; i < FrameCount(); ++i)
    if (!frames[size_t(i)].Valid() && pixmaps[size_t(i)]) ++waiting;
  int pageSize = 64;
  while (pageSize < 2048 && (pageSize / cellW) * (pageSize / cellH) < waiting) pageSize <<= 1;
  TAtlas atlas(flags, pageSize, 1);
  for (int i = 0; i < FrameCount(); ++i) {
    TImageFrame& g = frames[size_t(i)];
    if (!g.Valid() && pixmaps[size_t(i)]) atlas.Add(*pixmaps[size_t(i)], g);
  }
  return f.Valid() ? &f : nullptr;
}
