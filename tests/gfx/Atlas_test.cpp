// Texture page layout: edge replication for filtered sampling and atlas packing.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "gfx/Atlas.h"
#include "gfx/Draw.h"

namespace {
TPixmapPtr Numbered(int w, int h, uint32_t tag) {
  auto p = TPixmap::Create(w, h, PF_RGBA8888);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p->WritePixel(x, y, 0xff000000u | (tag << 16) | uint32_t(y << 8) | uint32_t(x));
  return p;
}
}  // namespace

TEST(Atlas, OwnPageRepeatsLastColumnRowAndCorner) {
  auto src = Numbered(5, 3, 1);
  TImageFrame f = MakeOwnFrame(*src, IMAGE_FILTERED);
  ASSERT_TRUE(f.page);
  const TPixmap& page = f.page->pixels;
  EXPECT_EQ(page.width, 8);
  EXPECT_EQ(page.height, 4);
  EXPECT_EQ(f.x, 0);
  EXPECT_FLOAT_EQ(f.uscale, 1.0f / 8);
  EXPECT_FLOAT_EQ(f.vscale, 1.0f / 4);
  EXPECT_EQ(page.ReadPixel(2, 1), src->ReadPixel(2, 1));
  EXPECT_EQ(page.ReadPixel(5, 1), src->ReadPixel(4, 1));  // last column once to the right
  EXPECT_EQ(page.ReadPixel(2, 3), src->ReadPixel(2, 2));  // last row once below
  EXPECT_EQ(page.ReadPixel(5, 3), src->ReadPixel(4, 2));  // corner diagonally
  EXPECT_EQ(page.ReadPixel(6, 1), 0u);                    // and only once
  // An RGB pixmap becomes opaque.
  auto rgb = TPixmap::Create(1, 1, PF_RGB888);
  EXPECT_EQ(MakeOwnFrame(*rgb, 0).page->pixels.ReadPixel(0, 0), 0xff000000u);
  // A power-of-two frame fills its page exactly.
  EXPECT_EQ(MakeOwnFrame(*Numbered(4, 4, 1), 0).page->pixels.width, 4);
}

TEST(Atlas, PacksWithoutOverlapAndGuttersEveryRectangle) {
  TAtlas atlas(IMAGE_FILTERED, 64, 1);
  std::vector<TPixmapPtr> pics;
  std::vector<TImageFrame> frames(12);
  for (int i = 0; i < 12; ++i) {
    pics.push_back(Numbered(10 + i, 8 + (i % 3) * 4, uint32_t(i + 1)));
    ASSERT_TRUE(atlas.Add(*pics.back(), frames[size_t(i)]));
  }
  EXPECT_GE(atlas.Pages().size(), 2u);  // 64x64 pages cannot hold all of them
  for (int i = 0; i < 12; ++i) {
    const TImageFrame& f = frames[size_t(i)];
    const TPixmap& page = f.page->pixels;
    const TPixmap& src = *pics[size_t(i)];
    EXPECT_EQ(f.width, src.width);
    EXPECT_FLOAT_EQ(f.uscale, 1.0f / float(page.width));
    for (int y = -1; y <= src.height; ++y)
      for (int x = -1; x <= src.width; ++x) {
        int sx = std::clamp(x, 0, src.width - 1), sy = std::clamp(y, 0, src.height - 1);
        ASSERT_EQ(page.ReadPixel(f.x + x, f.y + y), src.ReadPixel(sx, sy)) << "picture " << i << " at " << x << "," << y;
      }
  }
  // A picture larger than a page gets a page of its own.
  TImageFrame big;
  ASSERT_TRUE(atlas.Add(*Numbered(100, 20, 99), big));
  EXPECT_EQ(big.page->pixels.width, 128);
  EXPECT_EQ(std::count(atlas.Pages().begin(), atlas.Pages().end(), big.page), 0);
}

TEST(Atlas, StripFramesShareOnePageAndWrittenFramesLeaveIt) {
  auto strip = Numbered(50 * 10, 50 * 5, 7);
  auto image = LoadAnimImage(strip, 50, 50, 0, 50, IMAGE_FILTERED);
  ASSERT_NE(image, nullptr);
  const TImageFrame* f0 = image->Frame(0);
  ASSERT_NE(f0, nullptr);
  for (int i = 1; i < 50; ++i) EXPECT_EQ(image->Frame(i)->page, f0->page) << i;
  EXPECT_EQ(f0->page->pixels.width, 512);
  const TImageFrame* f7 = image->Frame(7);
  EXPECT_EQ(f7->page->pixels.ReadPixel(f7->x + 3, f7->y + 4), strip->ReadPixel(7 * 50 + 3, 4));

  // Writing into one frame remakes only that frame, on a page of its own.
  TPixmapPtr px = LockImage(image, 7, 1, 1);
  px->WritePixel(0, 0, 0xff123456u);
  UnlockImage(image, 7);
  const TImageFrame* again = image->Frame(7);
  EXPECT_NE(again->page, f0->page);
  EXPECT_EQ(again->page->pixels.ReadPixel(again->x, again->y), 0xff123456u);
  EXPECT_EQ(image->Frame(8)->page, f0->page);

  // A dynamic image locked for writing keeps its page and marks it for upload.
  auto dyn = CreateImage(16, 16, 1, 0);
  EXPECT_TRUE(dyn->flags & IMAGE_DYNAMIC);
  EXPECT_EQ(dyn->Frame(0), nullptr);  // no pixels yet
  LockImage(dyn, 0, 1, 1)->WritePixel(1, 1, 0xffffffffu);
  auto page = dyn->Frame(0)->page;
  page->dirty = false;
  LockImage(dyn, 0, 1, 1)->WritePixel(2, 2, 0xffffffffu);
  EXPECT_EQ(dyn->Frame(0)->page, page);
  EXPECT_TRUE(page->dirty);
  EXPECT_EQ(page->pixels.ReadPixel(2, 2), 0xffffffffu);

  // Packing a bank of small pictures: one page for many.
  std::vector<TImagePtr> bank;
  for (int i = 0; i < 20; ++i) bank.push_back(LoadImage(Numbered(20 + i, 30, uint32_t(i)), IMAGE_FILTERED));
  bank.push_back(LoadImage(Numbered(8, 8, 1), IMAGE_MIPMAPPED));  // left alone
  EXPECT_EQ(PackImages(bank, 512), 1);
  for (int i = 1; i < 20; ++i) EXPECT_EQ(bank[size_t(i)]->Frame(0)->page, bank[0]->Frame(0)->page);
  EXPECT_NE(bank[20]->Frame(0)->page, bank[0]->Frame(0)->page);
}

TEST(Atlas, ShortPicturesFillTheRoomBesideATallOne) {
  // Tallest first, as the bank packs: the short ones go into rows carved beside the tall
  // picture instead of rows of their own below it, and still never overlap.
  std::vector<TPixmapPtr> pics{Numbered(30, 200, 1)};
  std::vector<TImagePtr> images{LoadImage(pics[0], IMAGE_FILTERED)};
  for (int i = 0; i < 24; ++i) {
    pics.push_back(Numbered(18 + i % 3, 12 + i % 4, uint32_t(i + 2)));
    images.push_back(LoadImage(pics.back(), IMAGE_FILTERED));
  }
  ASSERT_EQ(PackImages(images, 256), 1);
  const TTexturePage& page = *images[0]->Frame(0)->page;
  EXPECT_EQ(page.pixels.height, 202) << "nothing below the tall picture's row";
  std::vector<std::array<int, 4>> cells;
  for (size_t i = 0; i < images.size(); ++i) {
    const TImageFrame& f = *images[i]->Frame(0);
    const TPixmap& src = *pics[i];
    ASSERT_EQ(f.page.get(), &page);
    for (int y = -1; y <= src.height; ++y)
      for (int x = -1; x <= src.width; ++x) {
        const int sx = std::clamp(x, 0, src.width - 1), sy = std::clamp(y, 0, src.height - 1);
        ASSERT_EQ(page.pixels.ReadPixel(f.x + x, f.y + y), src.ReadPixel(sx, sy)) << "picture " << i;
      }
    const std::array<int, 4> cell{f.x - 1, f.y - 1, f.x + src.width + 1, f.y + src.height + 1};
    for (const auto& other : cells)
      EXPECT_FALSE(cell[0] < other[2] && other[0] < cell[2] && cell[1] < other[3] && other[1] < cell[3])
          << "picture " << i << " overlaps another";
    cells.push_back(cell);
  }
}

TEST(Atlas, UnplannedPagesGrowWithTheirRows) {
  // Glyphs arrive one at a time: the page starts as tall as its first row and grows, a
  // mipmapped one in powers of two, while every frame already on it keeps its pixels.
  TAtlas atlas(IMAGE_FILTERED | IMAGE_MIPMAPPED, 64, 1);
  std::vector<TPixmapPtr> pics;
  std::vector<TImagePtr> images;
  for (int i = 0; i < 6; ++i) {
    pics.push_back(Numbered(18, 10, uint32_t(i + 1)));
    images.push_back(CreateImage(18, 10, 1, IMAGE_FILTERED | IMAGE_MIPMAPPED));
    images.back()->pixmaps[0] = pics.back();
    ASSERT_TRUE(atlas.Add(*images.back(), 0));
    if (i == 0) {
      EXPECT_EQ(images[0]->frames[0].page->pixels.height, 16);
    }
  }
  ASSERT_EQ(atlas.Pages().size(), 1u);
  const TTexturePage& page = *atlas.Pages()[0];
  EXPECT_EQ(page.pixels.height, 32) << "two rows of three, 24 pixels, rounded up to a power of two";
  for (size_t i = 0; i < images.size(); ++i) {
    const TImageFrame& f = images[i]->frames[0];
    EXPECT_FLOAT_EQ(f.vscale, 1.0f / 32) << "picture " << i;
    EXPECT_EQ(page.pixels.ReadPixel(f.x + 5, f.y + 7), pics[i]->ReadPixel(5, 7)) << "picture " << i;
  }

  // A frame of no known image cannot follow a later growth: its page is made full at once.
  TAtlas plain(0, 64, 1);
  TImageFrame loose;
  ASSERT_TRUE(plain.Add(*Numbered(20, 10, 9), loose));
  EXPECT_EQ(loose.page->pixels.height, 64);
  EXPECT_FLOAT_EQ(loose.vscale, 1.0f / 64);
}

TEST(Atlas, PagesKeepPicturesWithoutTheirEmptyBorder) {
  // The border is what is wholly zero, less one row or column kept on each side.
  auto p = TPixmap::Create(40, 30, PF_RGBA8888);
  p->WritePixel(12, 6, 0x01000000u);  // barely visible still counts
  p->WritePixel(20, 25, 0xff00ff00u);
  const TTrim t = EmptyBorder(*p);
  EXPECT_EQ(t.left, 11);
  EXPECT_EQ(t.top, 5);
  EXPECT_EQ(t.right, 40 - 21 - 1);
  EXPECT_EQ(t.bottom, 30 - 26 - 1);
  // Touching the edges leaves nothing to trim on those sides; other formats are never trimmed.
  p->WritePixel(0, 0, 0x00000001u);  // colour without alpha is not empty either
  EXPECT_EQ(EmptyBorder(*p).left, 0);
  EXPECT_EQ(EmptyBorder(*p).top, 0);
  EXPECT_FALSE(EmptyBorder(*TPixmap::Create(8, 8, PF_RGB888)).Any());
  const TTrim none = EmptyBorder(*TPixmap::Create(8, 6, PF_RGBA8888));
  EXPECT_EQ(8 - none.left - none.right, 1);
  EXPECT_EQ(6 - none.top - none.bottom, 1);

  // On a page: the kept part at the frame's corner plus its trim, with a gutter around it,
  // and the same pixels again when the page is remade from the picture.
  auto pic = Numbered(24, 16, 3);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 24; ++x)
      if (x < 5 || y > 11) pic->WritePixel(x, y, 0);
  auto image = LoadImage(pic, IMAGE_FILTERED);
  TAtlas atlas(IMAGE_FILTERED, 64, 1);
  ASSERT_TRUE(atlas.Add(*image, 0));
  const TImageFrame& f = image->frames[0];
  EXPECT_EQ(f.width, 24);
  EXPECT_EQ(f.trim.left, 4);
  EXPECT_EQ(f.trim.bottom, 3);
  TTexturePage& page = *f.page;
  EXPECT_EQ(page.pixels.height, 13 + 2) << "the page holds only the kept rows";
  for (int y = f.trim.top - 1; y <= 16 - f.trim.bottom; ++y)
    for (int x = f.trim.left - 1; x <= 24 - f.trim.right; ++x) {
      const int sx = std::clamp(x, f.trim.left, 24 - f.trim.right - 1);
      const int sy = std::clamp(y, f.trim.top, 16 - f.trim.bottom - 1);
      ASSERT_EQ(page.pixels.ReadPixel(f.x + x, f.y + y), pic->ReadPixel(sx, sy)) << x << "," << y;
    }
  const TPixelBytes before = page.pixels.pixels;
  page.ReleasePixels();
  ASSERT_FALSE(page.HasPixels());
  EXPECT_TRUE(page.Remake());
  EXPECT_EQ(page.pixels.pixels, before);

  // Mipmapped pages keep whole pictures: lower levels blend far beyond one pixel.
  TAtlas mipmapped(IMAGE_FILTERED | IMAGE_MIPMAPPED, 64, 2);
  EXPECT_FALSE(mipmapped.TrimOf(*pic).Any());
}
