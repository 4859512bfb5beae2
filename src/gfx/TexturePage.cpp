#include "gfx/TexturePage.h"

TTexturePage::TTexturePage(int width, int height, int flags_) : flags(flags_) {
  pixels.width = width;
  pixels.height = height;
  pixels.format = PF_RGBA8888;
  pixels.pitch = width * 4;
  pixels.pixels.assign(size_t(pixels.pitch) * height, 0);
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
