#include "gfx/Atlas.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "core/Text.h"
#include "gfx/Image.h"
#include "platform/Memory.h"

namespace {
// Pixels let go while a page is packed are handed back to the kernel in steps this big.
constexpr size_t kReturnEvery = 1 << 20;
}  // namespace

void BlitWithGutter(TPixmap& page, const TPixmap& src, int x, int y, int gutter, bool leftTop, const TTrim& trim) {
  const int w = src.width - trim.left - trim.right, h = src.height - trim.top - trim.bottom;
  if (w < 1 || h < 1) return;
  // Source position for a page pixel: inside the rectangle itself, or the nearest edge pixel.
  int x0 = leftTop ? x - gutter : x, y0 = leftTop ? y - gutter : y;
  int x1 = x + w + gutter, y1 = y + h + gutter;
  x0 = std::max(x0, 0), y0 = std::max(y0, 0);
  x1 = std::min(x1, page.width), y1 = std::min(y1, page.height);
  int sb = src.BytesPerPixel();
  for (int py = y0; py < y1; ++py) {
    int sy = std::clamp(py - y, 0, h - 1) + trim.top;
    const uint8_t* srow = src.Row(sy);
    uint8_t* d = page.Row(py) + size_t(x0) * 4;
    for (int px = x0; px < x1; ++px, d += 4) {
      int sx = std::clamp(px - x, 0, w - 1) + trim.left;
      const uint8_t* s = srow + sx * sb;
      d[0] = s[0], d[1] = s[1], d[2] = s[2];
      d[3] = sb == 4 ? s[3] : 255;
    }
  }
}

TTrim EmptyBorder(const TPixmap& pixmap) {
  TTrim trim;
  if (pixmap.format != PF_RGBA8888 || pixmap.width < 1 || pixmap.height < 1) return trim;
  const auto emptyRow = [&](int y) {
    const uint8_t* row = pixmap.Row(y);
    return std::all_of(row, row + size_t(pixmap.width) * 4, [](uint8_t b) { return b == 0; });
  };
  const auto emptyColumn = [&](int x, int y0, int y1) {
    for (int y = y0; y < y1; ++y)
      if (pixmap.ReadPixel(x, y) != 0) return false;
    return true;
  };
  int top = 0, bottom = pixmap.height;
  while (top < bottom && emptyRow(top)) ++top;
  if (top == bottom) {
    // Nothing at all: one empty pixel stands for the picture.
    trim.right = pixmap.width - 1, trim.bottom = pixmap.height - 1;
    return trim;
  }
  while (emptyRow(bottom - 1)) --bottom;
  int left = 0, right = pixmap.width;
  while (emptyColumn(left, top, bottom)) ++left;
  while (emptyColumn(right - 1, top, bottom)) --right;
  // One empty row and column stay on each side: filtered sampling at the edge then meets
  // the same empty pixels it met in the whole picture.
  trim.left = std::max(left - 1, 0), trim.top = std::max(top - 1, 0);
  trim.right = std::max(pixmap.width - right - 1, 0), trim.bottom = std::max(pixmap.height - bottom - 1, 0);
  return trim;
}

TAtlas::TAtlas(int flags, int pageSize, int gutter, bool trim)
    : flags_(flags),
      pageSize_(NextPow2(std::max(pageSize, 16))),
      gutter_(std::max(gutter, 0)),
      trim_(trim && !(flags & IMAGE_MIPMAPPED)) {}

bool TAtlas::Place(PageSpace& space, int w, int h, int& x, int& y) const {
  // Best-fitting shelf first: the lowest one that is tall enough and has room.
  Shelf* best = nullptr;
  for (auto& s : space.shelves)
    if (s.height >= h && pageSize_ - s.x >= w && (!best || s.height < best->height)) best = &s;
  // A shelf much taller than the rectangle wastes space. Rather than open a new row below
  // (or when no row has room), carve a row out of the free right-hand part of a tall shelf:
  // tall pictures come first, so nothing else would fill it.
  const bool wasteful = best && best->height > h + h / 2 + 4;
  if (!best || wasteful) {
    Shelf* tall = nullptr;
    for (auto& s : space.shelves) {
      const int carveX = s.carveX >= 0 ? s.carveX : s.x;
      if (s.height > h + h / 2 + 4 && s.carvedY + h <= s.height && pageSize_ - carveX >= w) {
        tall = &s;
        break;
      }
    }
    if (tall) {
      if (tall->carveX < 0) tall->carveX = tall->x;
      tall->x = pageSize_;  // its right-hand part now belongs to the carved rows
      const Shelf row{tall->y + tall->carvedY, h, tall->carveX};
      tall->carvedY += h;
      space.shelves.push_back(row);
      best = &space.shelves.back();
    } else if (wasteful && space.nextY + h <= pageSize_) {
      best = nullptr;
    }
  }
  if (!best) {
    if (space.nextY + h > pageSize_ || w > pageSize_) return false;
    space.shelves.push_back({space.nextY, h, 0});
    space.nextY += h;
    best = &space.shelves.back();
  }
  x = best->x;
  y = best->y;
  best->x += w;
  return true;
}

bool TAtlas::Add(const TPixmap& pixmap, TImageFrame& frame) { return Put(pixmap, frame, nullptr, 0); }

bool TAtlas::Add(TImage& image, int frame) {
  if (frame < 0 || frame >= image.FrameCount()) return false;
  TPixmapPtr pixmap = image.Pixmap(frame);
  return pixmap && Put(*pixmap, image.frames[size_t(frame)], &image, frame);
}

TTrim TAtlas::TrimOf(const TPixmap& pixmap) const { return trim_ ? EmptyBorder(pixmap) : TTrim{}; }

std::pair<int, int> TAtlas::KeptSize(const TPixmap& pixmap) const {
  const TTrim t = TrimOf(pixmap);
  return {pixmap.width - t.left - t.right, pixmap.height - t.top - t.bottom};
}

bool TAtlas::Put(const TPixmap& pixmap, TImageFrame& frame, TImage* image, int index) {
  if (pixmap.width < 1 || pixmap.height < 1) return false;
  const TTrim trim = TrimOf(pixmap);
  const int keptW = pixmap.width - trim.left - trim.right, keptH = pixmap.height - trim.top - trim.bottom;
  int cellW = keptW + 2 * gutter_, cellH = keptH + 2 * gutter_;
  int x = 0, y = 0;
  TTexturePagePtr page;
  if (cellW > pageSize_ || cellH > pageSize_) {
    // Too big to share: a page of its own, sized to it.
    page = std::make_shared<TTexturePage>(NextPow2(cellW), NextPow2(cellH), flags_);
  } else {
    for (size_t i = 0; i < spaces_.size() && !page; ++i)
      if (Place(spaces_[i], cellW, cellH, x, y)) page = pages_[i];
    if (!page) {
      // Without a plan a page starts as tall as its first row and grows with the rows
      // added later: a font that only ever renders a handful of glyphs keeps a small page.
      const size_t next = pages_.size();
      page = std::make_shared<TTexturePage>(pageSize_, next < plannedHeights_.size() ? plannedHeights_[next] : RowsHeight(cellH),
                                            flags_);
      pages_.push_back(page);
      spaces_.emplace_back();
      Place(spaces_.back(), cellW, cellH, x, y);
    }
  }
  std::weak_ptr<TImage> owner = image ? image->weak_from_this() : std::weak_ptr<TImage>();
  // A picture the plan did not foresee may land below the rows planned: the page grows,
  // and the frames already on it follow. A frame of no known image could not follow, so
  // the first one on a page makes it as tall as it will ever be.
  const bool shared = cellW <= pageSize_ && cellH <= pageSize_;
  const int rowsNeeded = owner.expired() && shared ? pageSize_ : y + cellH;
  bool grew = false;
  if (rowsNeeded > page->pixels.height && !page->anonymous) {
    if (!page->HasPixels()) page->Remake();
    grew = true;
    page->pixels.height = RowsHeight(rowsNeeded);
    page->pixels.pixels.resize(size_t(page->pixels.pitch) * size_t(page->pixels.height), 0);
    for (const auto& source : page->sources)
      if (auto o = source.image.lock()) o->frames[size_t(source.frame)].vscale = 1.0f / float(page->pixels.height);
  }
  // A page whose pixels went to the GPU gets them back before it takes another picture.
  if (!page->HasPixels()) page->Remake();
  page->gutter = gutter_;
  page->leftTop = true;
  if (owner.expired())
    page->anonymous = true;
  else
    page->sources.push_back({owner, index, x + gutter_, y + gutter_, trim});
  BlitWithGutter(page->pixels, pixmap, x + gutter_, y + gutter_, gutter_, true, trim);
  // Quads batched before the page grew carry texture coordinates of its old height.
  page->onlyAdded = !grew && (!page->dirty || page->onlyAdded);
  page->dirty = true;
  frame.page = page;
  frame.x = x + gutter_ - trim.left;
  frame.y = y + gutter_ - trim.top;
  frame.width = pixmap.width;
  frame.height = pixmap.height;
  frame.trim = trim;
  frame.uscale = 1.0f / float(page->pixels.width);
  frame.vscale = 1.0f / float(page->pixels.height);
  frame.stale = false;
  frame.ownPage = false;
  return true;
}

int TAtlas::RowsHeight(int rows) const {
  // Mipmapped pages keep power-of-two sides, so that every level halves them exactly.
  return std::min(pageSize_, (flags_ & IMAGE_MIPMAPPED) ? int(NextPow2(rows)) : rows);
}

void TAtlas::Plan(const std::vector<std::pair<int, int>>& sizes) {
  std::vector<PageSpace> spaces;
  for (const auto& [w, h] : sizes) {
    const int cellW = w + 2 * gutter_, cellH = h + 2 * gutter_;
    if (w < 1 || h < 1 || cellW > pageSize_ || cellH > pageSize_) continue;  // pages of their own
    int x = 0, y = 0;
    bool placed = false;
    for (auto& space : spaces)
      if (Place(space, cellW, cellH, x, y)) {
        placed = true;
        break;
      }
    if (!placed) {
      spaces.emplace_back();
      Place(spaces.back(), cellW, cellH, x, y);
    }
  }
  plannedHeights_.clear();
  for (const auto& space : spaces) plannedHeights_.push_back(std::max(space.nextY, 1));
}

int PackImages(const std::vector<std::shared_ptr<TImage>>& images, int pageSize) {
  struct Item {
    TImage* image;
    int frame;
    std::pair<int, int> kept{};  // what stays of the frame on the page
    std::vector<int> copies{};   // later frames of the image with the same pixels
  };
  const auto samePixels = [](const TPixmap& a, const TPixmap& b) {
    return a.width == b.width && a.height == b.height && a.format == b.format && a.pitch == b.pitch &&
           a.pixels.size() == b.pixels.size() && std::memcmp(a.pixels.data(), b.pixels.data(), a.pixels.size()) == 0;
  };
  std::map<int, std::vector<Item>> byFlags;
  for (const auto& image : images) {
    if (!image || (image->flags & (IMAGE_MIPMAPPED | IMAGE_DYNAMIC))) continue;
    std::vector<Item>& items = byFlags[image->flags & IMAGE_FILTERED];
    const size_t first = items.size();
    for (int f = 0; f < image->FrameCount(); ++f) {
      const TPixmap* pixmap = image->pixmaps[size_t(f)].get();
      if (!pixmap) continue;
      // A strip that holds still for some frames (a sweep's resting tail) keeps one copy
      // of them on the page; the repeats draw from the same place.
      bool repeat = false;
      for (size_t k = first; k < items.size() && !repeat; ++k)
        if (samePixels(*image->pixmaps[size_t(items[k].frame)], *pixmap)) {
          items[k].copies.push_back(f);
          repeat = true;
        }
      if (!repeat) items.push_back({image.get(), f, {}, {}});
    }
  }
  int pages = 0;
  for (auto& [flags, items] : byFlags) {
    TAtlas atlas(flags, pageSize, 1);
    // Tallest first, by what stays of each picture; the frames of a strip stay together, so
    // that its pixels can go as soon as the strip is on the page.
    std::map<const TImage*, int> tallest;
    for (auto& item : items) {
      item.kept = atlas.KeptSize(*item.image->pixmaps[size_t(item.frame)]);
      tallest[item.image] = std::max(tallest[item.image], item.kept.second);
    }
    std::stable_sort(items.begin(), items.end(),
                     [&](const Item& a, const Item& b) { return tallest[a.image] > tallest[b.image]; });
    std::vector<std::pair<int, int>> sizes;
    for (const auto& item : items) sizes.push_back(item.kept);
    atlas.Plan(sizes);
    // A picture that can read its pixels again from its file lets them go as soon as its
    // last frame is on the page, and the freed memory goes back a megabyte at a time: the
    // page takes memory only as it is written, so pictures and page never fill it together.
    size_t letGo = 0;
    for (size_t i = 0; i < items.size(); ++i) {
      TImage& image = *items[i].image;
      atlas.Add(image, items[i].frame);
      for (int copy : items[i].copies) {
        TImageFrame& placed = image.frames[size_t(items[i].frame)];
        image.frames[size_t(copy)] = placed;
        // Known to the page as well, so that it follows if the page ever grows.
        if (placed.page && !placed.page->sources.empty()) {
          TTexturePage::TSource source = placed.page->sources.back();
          source.frame = copy;
          placed.page->sources.push_back(source);
        }
      }
      const bool last = i + 1 == items.size() || items[i + 1].image != &image;
      if (!last || std::any_of(items.begin() + long(i) + 1, items.end(),
                               [&](const Item& later) { return later.image == &image; }))
        continue;
      const size_t bytes = image.PixmapBytes();
      image.ReleasePixmaps();
      if (image.PixmapsReleased()) letGo += bytes;
      if (letGo >= kReturnEvery) {
        ReturnFreedMemory();
        letGo = 0;
      }
    }
    pages += int(atlas.Pages().size());
  }
  return pages;
}
