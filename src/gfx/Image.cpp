#include "gfx/Image.h"

#include <algorithm>
#include <cstring>

#include "gfx/Atlas.h"
#include "gfx/Pixmap.h"

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

void TImage::StorePixmap(int frame, const TPixmapPtr& pixmap) {
  TPixmapPtr p = pixmap;
  if (p && (flags & IMAGE_MASKED) && !p->HasAlpha()) p = p->Masked(mask_r, mask_g, mask_b);
  pixmaps[size_t(frame)] = p;
}

void TImage::SetPixmap(int frame, const TPixmapPtr& pixmap) {
  if (frame < 0 || frame >= FrameCount()) return;
  // The other frames must be in memory before this one stops matching the file.
  if (released_) ReloadPixmaps();
  sourcePath.clear();
  StorePixmap(frame, pixmap);
  Invalidate(frame);
}

TPixmapPtr TImage::Pixmap(int frame) {
  if (frame < 0 || frame >= FrameCount()) return nullptr;
  if (released_) ReloadPixmaps();
  return pixmaps[size_t(frame)];
}

void TImage::ReleasePixmaps() {
  if (sourcePath.empty() || (flags & IMAGE_DYNAMIC)) return;
  for (auto& p : pixmaps) p.reset();
  released_ = true;
}

size_t TImage::PixmapBytes() const {
  size_t bytes = 0;
  for (const auto& p : pixmaps)
    if (p) bytes += p->pixels.size();
  return bytes;
}

bool TImage::ReloadPixmaps() {
  if (sourcePath.empty()) return !released_;
  TPixmapPtr file = LoadPixmap(sourcePath);
  bool strip = sourceCellW > 0 && sourceCellH > 0;
  // The file must still hold what it held: same size of picture or of cell.
  if (!file || (!strip && (file->width != width || file->height != height))) return false;
  int cols = strip ? file->width / sourceCellW : 1;
  if (strip && (cols < 1 || int64_t(cols) * (file->height / sourceCellH) < int64_t(sourceFirstCell) + FrameCount()))
    return false;
  for (int k = 0; k < FrameCount(); ++k) {
    if (!strip) {
      StorePixmap(k, file);
      continue;
    }
    int cell = sourceFirstCell + k;
    StorePixmap(k, file->Window(sourceCellW * (cell % cols), sourceCellH * (cell / cols), sourceCellW, sourceCellH));
  }
  released_ = false;
  return true;
}

void TImage::Invalidate(int frame) {
  if (frame < 0 || frame >= FrameCount()) return;
  frames[size_t(frame)].stale = true;
}

const TImageFrame* TImage::Frame(int frame) {
  if (frame < 0 || frame >= FrameCount()) return nullptr;
  TImageFrame& f = frames[size_t(frame)];
  if (f.Valid()) return &f;
  if (released_) ReloadPixmaps();
  const TPixmapPtr& pixmap = pixmaps[size_t(frame)];
  if (!pixmap) return nullptr;

  if (f.page && f.ownPage && f.x == 0 && f.y == 0 && f.width == pixmap->width &&
      f.height == pixmap->height) {
    // The frame has a page to itself: refresh its pixels in place (dynamic images do this often).
    TPixmap& page = f.page->pixels;
    if (!f.page->HasPixels()) page.pixels = TPixelBytes(size_t(page.pitch) * size_t(page.height));
    BlitWithGutter(page, *pixmap, 0, 0, 1, false);
    f.page->dirty = true;
    f.page->onlyAdded = false;
    f.stale = false;
    return &f;
  }

  bool shareable = FrameCount() > 1 && !(flags & (IMAGE_MIPMAPPED | IMAGE_DYNAMIC));
  if (!shareable) {
    f = MakeOwnFrame(*pixmap, flags);
    if (!f.page) return nullptr;
    // Dynamic pictures are rewritten in place and keep their page's pixels.
    if (!(flags & IMAGE_DYNAMIC)) {
      f.page->sources.push_back({weak_from_this(), frame, 0, 0, TTrim{}});
      f.page->leftTop = false;
    }
    ReleaseWhenOnPages();
    return &f;
  }
  // A strip: every frame still waiting gets a place in one shared page, sized to hold them.
  int cellW = width + 2, cellH = height + 2, waiting = 0;
  for (int i = 0; i < FrameCount(); ++i)
    if (!frames[size_t(i)].Valid() && pixmaps[size_t(i)]) ++waiting;
  int pageSize = 64;
  while (pageSize < 2048 && (pageSize / cellW) * (pageSize / cellH) < waiting) pageSize <<= 1;
  TAtlas atlas(flags, pageSize, 1);
  std::vector<std::pair<int, int>> sizes;
  for (int i = 0; i < FrameCount(); ++i)
    if (!frames[size_t(i)].Valid() && pixmaps[size_t(i)])
      sizes.push_back(atlas.KeptSize(*pixmaps[size_t(i)]));
  atlas.Plan(sizes);
  for (int i = 0; i < FrameCount(); ++i) {
    TImageFrame& g = frames[size_t(i)];
    if (!g.Valid() && pixmaps[size_t(i)]) atlas.Add(*this, i);
  }
  ReleaseWhenOnPages();
  return f.Valid() ? &f : nullptr;
}

void TImage::ReleaseWhenOnPages() {
  // The pages hold every frame now and can make them again from the file: the picture's
  // own copy would only sit beside the pages and then beside their textures.
  if (std::all_of(frames.begin(), frames.end(), [](const TImageFrame& g) { return g.Valid(); })) ReleasePixmaps();
}
