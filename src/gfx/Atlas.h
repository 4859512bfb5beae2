// Packs many small pictures into shared texture pages, so that drawing them costs one
// texture bind and usually one draw call. Each packed rectangle is surrounded by a
// gutter that repeats its edge pixels, which keeps filtered sampling at its edges clean.
#pragma once
#include <memory>
#include <utility>
#include <vector>

#include "gfx/ImageFrame.h"
#include "gfx/Pixmap.h"

class TImage;

class TAtlas {
 public:
  // flags: the image flags shared by every page (filtering; mipmapped pictures are
  // better left unpacked, since lower levels would mix neighbours). pageSize: a power of two.
  // trim: pages keep pictures without their empty border (see EmptyBorder); a mipmapped
  // atlas never trims, since lower levels blend far beyond one pixel.
  explicit TAtlas(int flags, int pageSize = 1024, int gutter = 1, bool trim = true);

  // Copies the RGBA pixmap into a page (opening a new page when the current ones are full)
  // and fills `frame`. A pixmap wider or taller than a page gets a page of its own.
  // Converts RGB pixmaps to opaque RGBA. False only for an empty pixmap.
  bool Add(const TPixmap& pixmap, TImageFrame& frame);
  // The same for frame `frame` of an image (its current pixmap), remembering where it
  // went so the page can let its pixels go after upload and make them again later.
  bool Add(TImage& image, int frame);
  // Empty border Add leaves out of a picture, and the size of what stays.
  TTrim TrimOf(const TPixmap& pixmap) const;
  std::pair<int, int> KeptSize(const TPixmap& pixmap) const;
  // Lays out pictures of the given kept sizes as Add would, in the same order, so that the
  // pages Add then opens are only as tall as the rows they will use: a known set of
  // pictures is packed without ever holding the empty rest of a page in memory.
  void Plan(const std::vector<std::pair<int, int>>& sizes);

  const std::vector<TTexturePagePtr>& Pages() const { return pages_; }
  int Flags() const { return flags_; }

 private:
  struct Shelf {
    int y, height, x;
    int carvedY = 0;   // rows carved out of its right-hand part, from its top
    int carveX = -1;   // where that part begins (-1: nothing carved yet)
  };
  struct PageSpace {
    std::vector<Shelf> shelves;
    int nextY = 0;
  };
  bool Place(PageSpace& space, int w, int h, int& x, int& y) const;
  // Page height that holds `rows` rows of pixels.
  int RowsHeight(int rows) const;
  bool Put(const TPixmap& pixmap, TImageFrame& frame, TImage* image, int index);

  int flags_;
  int pageSize_;
  int gutter_;
  bool trim_;
  std::vector<TTexturePagePtr> pages_;
  std::vector<PageSpace> spaces_;
  std::vector<int> plannedHeights_;  // rows the pages to come will use
};

// Packs the frames of all the given images (their current pixmaps, masked as each image
// says) into shared pages, grouped by sampling flags, tallest first. Mipmapped and
// dynamic images are left alone. Images drawn afterwards use the packed frames; a frame
// whose pixels later change (LockImage for writing) leaves the atlas for a page of its own.
// The pages are cut down to the rows they use. Pictures read from files let their pixels
// go once they are on a page (they read them again when needed). Returns the number of pages made.
int PackImages(const std::vector<std::shared_ptr<TImage>>& images, int pageSize = 1024);

// Copies src, less its trim, into page pixels at (x, y) and repeats its edge pixels `gutter`
// times on each side (left/top only when leftTop is set), with the corners filled from the
// corner pixels.
void BlitWithGutter(TPixmap& page, const TPixmap& srcRGBA, int x, int y, int gutter, bool leftTop,
                    const TTrim& trim = {});
// The border of wholly empty pixels (all four channels zero) around an RGBA picture, less
// one row or column on each side where there is one; other formats have none. A picture
// with nothing in it keeps a single empty pixel.
TTrim EmptyBorder(const TPixmap& pixmap);
