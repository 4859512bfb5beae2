// A picture made of one or more equal-sized frames, with the handle it is drawn about.
// Pixels stay in memory as pixmaps; each frame's texture is made on its first draw.
#pragma once
#include <memory>
#include <vector>

#include "gfx/ImageFrame.h"
#include "gfx/Pixmap.h"

// Image flags.
constexpr int IMAGE_MASKED = 1;
constexpr int IMAGE_FILTERED = 2;
constexpr int IMAGE_MIPMAPPED = 4;
constexpr int IMAGE_DYNAMIC = 8;
// What flags -1 stands for.
constexpr int IMAGE_AUTO_FLAGS = IMAGE_MASKED | IMAGE_FILTERED;

class TImage;
using TImagePtr = std::shared_ptr<TImage>;

class TImage {
 public:
  int width = 0;
  int height = 0;
  int flags = 0;
  int mask_r = 0, mask_g = 0, mask_b = 0;
  float handle_x = 0, handle_y = 0;
  std::vector<TPixmapPtr> pixmaps;   // one per frame; nullptr = no pixels yet
  std::vector<TImageFrame> frames;   // one per frame; a frame without page is made on demand

  // An image of `count` frames without pixels. flags -1 = automatic flags.
  static TImagePtr Create(int width, int height, int count, int flags);

  int FrameCount() const { return int(frames.size()); }
  // Sets the pixels of one frame (masking RGB pixmaps when IMAGE_MASKED is set) and marks
  // its texture stale. The pixmap is kept as given when no conversion is needed.
  void SetPixmap(int frame, const TPixmapPtr& pixmap);
  // Marks a frame's texture stale: the next draw makes it again from the pixmap.
  void Invalidate(int frame);
  // The frame ready to draw (page made, not necessarily uploaded), or nullptr when the
  // image has no such frame or it has no pixels. Strips get all frames in one page.
  const TImageFrame* Frame(int frame);
};
