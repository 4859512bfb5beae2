// A picture made of one or more equal-sized frames, with the handle it is drawn about.
// Each frame's texture is made from its pixmap on its first draw. A picture read from a
// file may let its pixmaps go once its textures are made and read them again on demand.
#pragma once
#include <memory>
#include <string>
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

class TImage : public std::enable_shared_from_this<TImage> {
 public:
  int width = 0;
  int height = 0;
  int flags = 0;
  int mask_r = 0, mask_g = 0, mask_b = 0;
  float handle_x = 0, handle_y = 0;
  // One per frame; nullptr = no pixels yet, or let go (PixmapsReleased): read them
  // through Pixmap or LockImage, which fetch them again.
  std::vector<TPixmapPtr> pixmaps;
  std::vector<TImageFrame> frames;   // one per frame; a frame without page is made on demand
  // The file the pixels came from, and for a strip its cell size and first cell; an
  // empty path once the pixels were set or written by other means.
  std::string sourcePath;
  int sourceCellW = 0, sourceCellH = 0, sourceFirstCell = 0;

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

  // The frame's pixels, read again from the file if they were let go (nullptr when that fails).
  TPixmapPtr Pixmap(int frame);
  // Lets every pixmap go when the file can give them back (never for dynamic images).
  void ReleasePixmaps();
  // Bytes of pixels the frames hold in memory now.
  size_t PixmapBytes() const;
  // Reads the pixmaps again from the file; false when it cannot be read as before.
  bool ReloadPixmaps();
  bool PixmapsReleased() const { return released_; }

 private:
  // Lets the pixmaps go once every frame is on a page.
  void ReleaseWhenOnPages();
  void StorePixmap(int frame, const TPixmapPtr& pixmap);
  bool released_ = false;
};
