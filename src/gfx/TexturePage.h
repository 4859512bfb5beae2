// One texture's worth of pixels, plus the back end's texture made from it under some
// graphics context. Frames point into pages; several frames may share one. A page that
// knows which image frames it was made of lets its pixels go once they are on the GPU
// and makes them again when a new context needs them.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/Pixmap.h"

class TImage;

// Columns and rows left out at each side of a picture: an atlas keeps only the part of a
// frame inside its border of empty pixels. All zero: the whole picture.
struct TTrim {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Any() const { return left || top || right || bottom; }
};

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

  // Frame `frame` of `image`, less its trim, lies at (x, y), surrounded by the page's gutter.
  struct TSource {
    std::weak_ptr<TImage> image;
    int frame;
    int x, y;
    TTrim trim;
  };
  std::vector<TSource> sources;
  int gutter = 1;
  bool leftTop = true;     // the gutter also runs left of and above each frame
  bool anonymous = false;  // holds pixels of no known image frame: they must stay

  TTexturePage(int width, int height, int flags);
  ~TTexturePage();
  TTexturePage(const TTexturePage&) = delete;
  TTexturePage& operator=(const TTexturePage&) = delete;

  // Whether the back end must (re)upload it under context `currentSeq`.
  bool NeedsUpload(int currentSeq) const { return dirty || seq != currentSeq || name == 0; }

  bool HasPixels() const { return !pixels.pixels.empty(); }
  // Whether the pixels can be made again from their image frames.
  bool Remakable() const { return !anonymous && !sources.empty(); }
  // Frees the pixels (size kept) when the page is remakable.
  void ReleasePixels();
  // Makes the pixels again from the sources, reading released pictures from their files
  // (and letting them go again). False when some frame could not be had; its place stays clear.
  bool Remake();
};
using TTexturePagePtr = std::shared_ptr<TTexturePage>;

// Texture names of pages that died: a back end deletes those of its current context
// at its next upload and forgets the rest (their context is gone with them).
struct TDeadTexture {
  unsigned name;
  int seq;
};
std::vector<TDeadTexture>& DeadTextures();
