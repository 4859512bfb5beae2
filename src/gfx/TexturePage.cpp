#include "gfx/TexturePage.h"

TTexturePage::TTexturePage(int width, int height, int flags_) : flags(flags_) {
  pixels.width = width;
  pixels.height = height;
  pixels.format = PF_RGBA8888;
  pixels.pitch = width * 4;
  pixels.pixels.assign(size_t(pixels.pitch) * height, 0);
}

TTexturePage::~TTexturePage() {
  if (name) DeadTextures().push_back({name, seq});
}

std::vector<TDeadTexture>& DeadTextures() {
  static std::vector<TDeadTexture> dead;
  return dead;
}
