// Pixels that leave memory once uploaded: pictures read from files give their pixmaps
// back once their pages hold them and read them again on demand, pages remake themselves
// from their image frames, bank pages are cut down to the rows they use, and big blocks of
// pixels take memory only where written and give it back as soon as they are freed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "gfx/Atlas.h"
#include "gfx/Draw.h"
#include "platform/Memory.h"
#include "support/TestFolder.h"

namespace {
TPixmapPtr Numbered(int w, int h, uint32_t tag, TPixelFormat format = PF_RGBA8888) {
  auto p = TPixmap::Create(w, h, format);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p->WritePixel(x, y, 0xff000000u | (tag << 16) | uint32_t(y << 8) | uint32_t(x));
  return p;
}

class PixelRelease : public ::testing::Test {
 protected:
  void SetUp() override { folder = TestFolder(); }
  std::string Save(const std::string& name, const TPixmap& pixmap) {
    std::string path = (folder / name).string();
    EXPECT_TRUE(SavePixmapPNG(pixmap, path));
    return path;
  }
  std::filesystem::path folder;
};
}  // namespace

TEST_F(PixelRelease, FilePicturesGiveTheirPixelsBackAndReadThemAgain) {
  const std::string single = Save("one.png", *Numbered(20, 10, 1));
  const std::string strip = Save("strip.png", *Numbered(64, 32, 2));
  auto one = LoadImage(single, IMAGE_FILTERED);
  auto anim = LoadAnimImage(strip, 16, 16, 2, 5, IMAGE_FILTERED);
  ASSERT_TRUE(one && anim);
  const uint32_t frame3 = anim->pixmaps[3]->ReadPixel(4, 5);

  one->ReleasePixmaps();
  anim->ReleasePixmaps();
  EXPECT_TRUE(one->PixmapsReleased());
  EXPECT_EQ(anim->pixmaps[3], nullptr);
  // Read again on demand, each strip frame from its own cell (cell 5: x 16, y 16).
  ASSERT_NE(anim->Pixmap(3), nullptr);
  EXPECT_EQ(anim->Pixmap(3)->ReadPixel(4, 5), frame3);
  EXPECT_EQ(anim->Pixmap(3)->ReadPixel(0, 0), 0xff020000u | (16u << 8) | 16u);
  EXPECT_EQ(one->Pixmap(0)->ReadPixel(19, 9), 0xff010913u);

  // Written pixels are the only copy from then on: they are never let go.
  one->ReleasePixmaps();
  LockImage(one, 0, 1, 1)->WritePixel(0, 0, 0xff123456u);
  one->ReleasePixmaps();
  EXPECT_FALSE(one->PixmapsReleased());
  EXPECT_EQ(one->pixmaps[0]->ReadPixel(0, 0), 0xff123456u);
  // So are pixels set from elsewhere, and dynamic pictures never let theirs go.
  anim->SetPixmap(0, Numbered(16, 16, 9));
  anim->ReleasePixmaps();
  EXPECT_NE(anim->pixmaps[4], nullptr);
  auto dyn = CreateImage(8, 8);
  LockImage(dyn, 0);
  dyn->ReleasePixmaps();
  EXPECT_NE(dyn->pixmaps[0], nullptr);

  // A file that changed size no longer matches: nothing is read from it.
  auto other = LoadImage(single, 0);
  other->ReleasePixmaps();
  Save("one.png", *Numbered(21, 10, 1));
  EXPECT_FALSE(other->ReloadPixmaps());
  EXPECT_EQ(other->Pixmap(0), nullptr);
}

TEST_F(PixelRelease, FilePicturesLetGoOnceEveryFrameIsOnAPage) {
  auto one = LoadImage(Save("one.png", *Numbered(20, 10, 1)), 0);
  auto anim = LoadAnimImage(Save("strip.png", *Numbered(64, 32, 2)), 16, 16, 2, 5, 0);
  ASSERT_TRUE(one && anim);
  const TImageFrame* frame = one->Frame(0);
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(one->PixmapsReleased()) << "the page holds the picture now";
  EXPECT_EQ(frame->page->pixels.ReadPixel(19, 9), 0xff010913u);
  // A strip's frames all go onto the page the first one asks for, and then it lets go.
  ASSERT_NE(anim->Frame(2), nullptr);
  EXPECT_TRUE(anim->PixmapsReleased());
  // Once uploaded the page lets go too; it is made again from the file when needed.
  frame->page->ReleasePixels();
  ASSERT_FALSE(frame->page->HasPixels());
  ASSERT_TRUE(frame->page->Remake());
  EXPECT_EQ(frame->page->pixels.ReadPixel(19, 9), 0xff010913u);

  // Pictures that are written to, or have no file, keep theirs.
  auto dyn = CreateImage(8, 8);
  LockImage(dyn, 0);
  ASSERT_NE(dyn->Frame(0), nullptr);
  EXPECT_NE(dyn->pixmaps[0], nullptr);
  auto made = TImage::Create(8, 8, 1, 0);
  made->SetPixmap(0, Numbered(8, 8, 3));
  ASSERT_NE(made->Frame(0), nullptr);
  EXPECT_NE(made->pixmaps[0], nullptr);
}

TEST_F(PixelRelease, PagesRemakeTheirPixelsFromTheirFrames) {
  // A bank of pictures, some read from files, packed and cut down to the rows in use.
  std::vector<TImagePtr> bank;
  for (int i = 0; i < 6; ++i)
    bank.push_back(LoadImage(Save("p" + std::to_string(i) + ".png", *Numbered(30 + i, 20, uint32_t(i))), IMAGE_FILTERED));
  bank.push_back(LoadImage(Numbered(10, 10, 7), IMAGE_FILTERED));  // made in memory
  ASSERT_EQ(PackImages(bank, 256), 1);
  TTexturePage& page = *bank[0]->Frame(0)->page;
  EXPECT_EQ(page.pixels.width, 256);
  EXPECT_LT(page.pixels.height, 256);
  for (const auto& image : bank) {
    const TImageFrame* f = image->Frame(0);
    EXPECT_FLOAT_EQ(f->vscale, 1.0f / float(page.pixels.height));
    EXPECT_LE(f->y + f->height, page.pixels.height);
  }
  ASSERT_TRUE(page.Remakable());
  const TPixelBytes before = page.pixels.pixels;

  // Let everything go, then remake: the same bytes, gutters included; the pictures read
  // from files go back to having no pixmaps, the one made in memory keeps its own.
  for (const auto& image : bank) image->ReleasePixmaps();
  page.ReleasePixels();
  EXPECT_FALSE(page.HasPixels());
  EXPECT_TRUE(page.Remake());
  EXPECT_TRUE(page.dirty);
  EXPECT_EQ(page.pixels.pixels, before);
  EXPECT_TRUE(bank[0]->PixmapsReleased());
  EXPECT_NE(bank[6]->pixmaps[0], nullptr);

  // A picture that died leaves its place clear; the others are remade.
  const TImageFrame gone = *bank[2]->Frame(0);
  bank[2].reset();
  page.ReleasePixels();
  EXPECT_TRUE(page.Remake());
  EXPECT_EQ(page.pixels.ReadPixel(gone.x, gone.y), 0u);
  const TImageFrame* kept = bank[3]->Frame(0);
  EXPECT_EQ(page.pixels.ReadPixel(kept->x, kept->y), 0xff030000u);

  // Pixels of no known picture keep their page from ever letting go.
  TAtlas atlas(0, 64, 1);
  TImageFrame loose;
  atlas.Add(*Numbered(4, 4, 1), loose);
  EXPECT_FALSE(loose.page->Remakable());
  loose.page->ReleasePixels();
  EXPECT_TRUE(loose.page->HasPixels());

  // A single picture on a page of its own remakes it with the gutter only right and below.
  auto solo = LoadImage(Save("solo.png", *Numbered(5, 3, 4)), IMAGE_FILTERED);
  TTexturePage& own = *solo->Frame(0)->page;
  const TPixelBytes ownBefore = own.pixels.pixels;
  solo->ReleasePixmaps();
  own.ReleasePixels();
  EXPECT_TRUE(own.Remake());
  EXPECT_EQ(own.pixels.pixels, ownBefore);
}

namespace {
// Resident memory of this process now, in bytes.
long ResidentBytes() {
  long size = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &size, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * ::sysconf(_SC_PAGESIZE);
}
}  // namespace

TEST(PixelMemory, BigBlocksTakeMemoryOnlyWhereWrittenReadZeroElsewhereAndGoBackWhenFreed) {
  // Recycled heap memory still comes zeroed, however dirty the last owner left it.
  for (int round = 0; round < 4; ++round) {
    // Through a volatile pointer: a fill just before free would otherwise be optimised away.
    void* (*volatile fill)(void*, int, size_t) = std::memset;
    void* dirty = std::malloc(64 * 64 * 4);
    fill(dirty, 0xab, 64 * 64 * 4);
    std::free(dirty);
    auto fresh = TPixmap::Create(64, 64, PF_RGBA8888);
    ASSERT_TRUE(std::all_of(fresh->pixels.begin(), fresh->pixels.end(), [](uint8_t b) { return b == 0; }));
  }

  const long before = ResidentBytes();
  TTexturePage page(2048, 2048, 0);  // 16 MB of texels
  auto picture = Numbered(64, 64, 7);
  BlitWithGutter(page.pixels, *picture, 100, 100, 1, true);
  const long taken = ResidentBytes() - before;
  EXPECT_LT(taken, 2L << 20) << "an empty page must not be written to be zero";
  EXPECT_EQ(page.pixels.ReadPixel(100 + 5, 100 + 9), picture->ReadPixel(5, 9));
  EXPECT_EQ(page.pixels.ReadPixel(99, 99), picture->ReadPixel(0, 0)) << "the gutter";
  EXPECT_EQ(page.pixels.ReadPixel(2047, 2047), 0u);
  EXPECT_EQ(page.pixels.ReadPixel(1000, 100), 0u);

  // A big picture's memory goes back the moment it is freed, although the game's heap
  // keeps freed blocks of this size (3 MB) on purpose.
  KeepHeapStill();
  const long beforePicture = ResidentBytes();
  auto big = TPixmap::Create(1024, 768, PF_RGBA8888);
  std::fill(big->pixels.begin(), big->pixels.end(), uint8_t(1));
  EXPECT_GT(ResidentBytes() - beforePicture, 2L << 20);
  big.reset();
  EXPECT_LT(ResidentBytes() - beforePicture, 1L << 20);
}
