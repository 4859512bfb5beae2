#include "gfx/TexturePage.h"

#include <algorithm>

#include "gfx/Atlas.h"
#include "gfx/Image.h"

TTexturePage::TTexturePage(int width, int height, int flags_) : flags(flags_) {
  pixels.width = width;
  pixels.height = height;
  pixels.format = PF_RGBA8888;
  pixels.pitch = width * 4;
  pixels.pixels = TPixelBytes(size_t(pixels.pitch) * height);
}

void TTexturePage::ReleasePixels() {
  if (!Remakable()) return;
  TPixelBytes().swap(pixels.pixels);
}

bool TTexturePage::Remake() {
  pixels.pixels = TPixelBytes(size_t(pixels.pitch) * size_t(pixels.height));
  bool complete = true;
  std::vector<std::shared_ptr<TImage>> reread;
  for (const auto& source : sources) {
    auto image = source.image.lock();
    if (!image) continue;  // gone, and no frame shows its place any more
    const bool released = image->PixmapsReleased();
    TPixmapPtr pixmap = image->Pixmap(source.frame);
    if (released && std::find(reread.begin(), reread.end(), image) == reread.end()) reread.push_back(image);
    if (!pixmap) {
      complete = false;
      continue;
    }
    BlitWithGutter(pixels, *pixmap, source.x, source.y, gutter, leftTop, source.trim);
  }
  for (const auto& image : reread) image->ReleasePixmaps();
  dirty = true;
  onlyAdded = false;
  return complete;
}

namespace {
// Pages held by statics (the drawing state's font) die at exit, possibly after the list;
// by then there is no context to delete textures from anyway.
bool listGone = false;
struct DeadList {
  std::vector<TDeadTexture> items;
  ~DeadList() { listGone = true; }
};
DeadList& List() {
  static DeadList list;
  return list;
}
}  // namespace

TTexturePage::~TTexturePage() {
  if (name && !listGone) List().items.push_back({name, seq});
}

std::vector<TDeadTexture>& DeadTextures() { return List().items; }
