// Where one frame of an image lives in texture memory: a page and a rectangle in it.
// Frames of strips and small pictures share pages (see Atlas.h), so drawing them batches.
#pragma once
#include "gfx/TexturePage.h"

class TPixmap;

class TImageFrame {
 public:
  TTexturePagePtr page;   // nullptr: not made yet or made stale
  // Frame's top-left inside the page, in page pixels. Of a trimmed frame the page holds
  // only the part inside the trim, so this corner may lie off the page.
  int x = 0, y = 0;
  int width = 0, height = 0;
  TTrim trim;
  float uscale = 0;       // texture coordinate per page pixel = 1 / page width
  float vscale = 0;
  bool stale = false;     // pixels changed: remake from the image's pixmap before drawing
  bool ownPage = false;   // the page holds this frame alone (may be refreshed in place)

  bool Valid() const { return page != nullptr && !stale; }
  // Draws the frame's source rectangle (sx, sy, sw, sh) stretched onto the local quad
  // (x0, y0)-(x1, y1) placed at (tx, ty) through the current back end's transform.
  void Draw(float x0, float y0, float x1, float y1, float tx, float ty, float sx, float sy,
            float sw, float sh) const;
};

// A frame on a page of its own: the page is the next power of two at or above the pixmap,
// the pixmap sits at its top-left and its last column and row are repeated once to the
// right and below (with the corner pixel diagonally), so filtered sampling at those edges
// sees the frame's own pixels. RGB pixmaps become opaque.
// With exact-size pages on (a back end that samples any texture size says so), a frame
// that is not mipmapped gets a page of exactly its own size instead: clamping at the
// edge then does what the repeated column and row did, and a 800 x 600 picture takes
// 1.9 MB of texture memory instead of 4.2 MB.
TImageFrame MakeOwnFrame(const TPixmap& pixmap, int flags);
void SetExactSizeOwnPages(bool on);
bool ExactSizeOwnPages();
