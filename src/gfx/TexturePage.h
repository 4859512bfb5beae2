// One texture's worth of pixels kept in memory, plus the back end's texture made from
// it under some graphics context. Frames point into pages; several frames may share one.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/Pixmap.h"

class TTexturePage {
 public:
  // RGBA pixels, power-of-two sized; the back end may shrink its copy to fit the hardware.
  TPixmap pixels;
  int flags = 0;          // IMAGE_FILTERED / IMAGE_MIPMAPPED decide sampling
  unsigned name = 0;      // back end's texture name, valid under context `seq`
  int seq = 0;            // context number it was uploaded under; 0 = never
  bool dirty = true;      // pixels changed since the upload
  // Only texels no drawn quad used yet have changed (an atlas gained a picture), so quads
  // still waiting in a batch may be drawn after the upload.
  bool onlyAdded = false;

  TTexturePage(int width, int height, int flags);
  ~TTexturePage();
  TTexturePage(const TTexturePage&) = delete;
  TTexturePage& operator=(const TTexturePage&) = delete;

  // Whether the back end must (re)upload it under context `currentSeq`.
  bool NeedsUpload(int currentSeq) const { return dirty || seq != currentSeq || name == 0; }
};
using TTexturePagePtr = std::shared_ptr<TTexturePage>;

// Texture names of pages that died: a back end deletes those of its current context
// at its next upload and forgets the rest (their context is gone with them).
struct TDeadTexture {
  unsigned name;
  int seq;
};
std::vector<TDeadTexture>& DeadTextures();
