// Picture readers, writers and the image loaders built on them. Every test picture is
// made here, byte by byte or through the libraries' writers.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "PictureBytes.h"
#include "gfx/Draw.h"
#include "support/TestFolder.h"

namespace fs = std::filesystem;

namespace {
std::vector<uint8_t> ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A bottom-up 24-bit BMP; pixel(x, y) gives 0xRRGGBB.
template <class F>
std::vector<uint8_t> Bmp24(int w, int h, F pixel) {
  int row = (w * 3 + 3) & ~3;
  std::vector<uint8_t> b = {'B', 'M'};
  Put32(b, uint32_t(54 + row * h));
  Put32(b, 0);
  Put32(b, 54);
  Put32(b, 40), Put32(b, uint32_t(w)), Put32(b, uint32_t(h));
  Put16(b, 1), Put16(b, 24);
  for (int i = 0; i < 6; ++i) Put32(b, 0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      uint32_t c = pixel(x, y);
      b.push_back(uint8_t(c)), b.push_back(uint8_t(c >> 8)), b.push_back(uint8_t(c >> 16));
    }
    for (int p = w * 3; p < row; ++p) b.push_back(0);
  }
  return b;
}

// A cut-off picture loads as none, or as the whole picture when only trailing bytes after
// the pixels are missing; never as a partly filled one. Damaged copies must not crash.
void ExpectDamageIsRefused(const std::vector<uint8_t>& good, const char* what) {
  auto whole = LoadPixmapFromMemory(good.data(), good.size());
  ASSERT_NE(whole, nullptr) << what;
  for (size_t n = 0; n < good.size(); n += 1 + good.size() / 97) {
    auto cut = LoadPixmapFromMemory(good.data(), n);
    if (cut) {
      EXPECT_EQ(cut->pixels, whole->pixels) << what << " cut at " << n;
    }
  }
  for (size_t at = 0; at < std::min<size_t>(good.size(), 64); ++at) {
    auto bad = good;
    bad[at] ^= 0xA5;
    LoadPixmapFromMemory(bad.data(), bad.size());
  }
}
}  // namespace

TEST(PictureLoading, PngWithAndWithoutAlphaRoundTripsAndMasks) {
  fs::path dir = TestFolder();
  auto rgb = TPixmap::Create(4, 3, PF_RGB888);
  rgb->WritePixel(1, 1, 0xff102030);  // others stay black
  ASSERT_TRUE(SavePixmapPNG(*rgb, (dir / "rgb.png").string(), 12));  // compression clamped
  auto back = LoadPixmap((dir / "rgb.png").string());
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->format, PF_RGB888);
  EXPECT_EQ(back->ReadPixel(1, 1), 0xff102030u);

  // Masked 24-bit picture: black becomes a hole, the rest opaque.
  auto masked = LoadImage((dir / "rgb.png").string(), IMAGE_MASKED);
  ASSERT_NE(masked, nullptr);
  EXPECT_EQ(masked->pixmaps[0]->ReadPixel(0, 0) >> 24, 0u);
  EXPECT_EQ(masked->pixmaps[0]->ReadPixel(1, 1), 0xff102030u);
  // Unmasked it keeps its black.
  auto plain = LoadImage((dir / "rgb.png").string(), 0);
  EXPECT_EQ(plain->pixmaps[0]->ReadPixel(0, 0), 0xff000000u);

  // A picture with its own alpha keeps it, black included.
  auto rgba = TPixmap::Create(2, 2, PF_RGBA8888);
  rgba->WritePixel(0, 0, 0x80000000);
  rgba->WritePixel(1, 0, 0xff000000);
  ASSERT_TRUE(SavePixmapPNG(*rgba, (dir / "rgba.png").string(), 0));
  auto a = LoadImage((dir / "rgba.png").string(), -1);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->flags, IMAGE_MASKED | IMAGE_FILTERED);
  EXPECT_EQ(a->pixmaps[0]->ReadPixel(0, 0), 0x80000000u);
  EXPECT_EQ(a->pixmaps[0]->ReadPixel(1, 0), 0xff000000u);

  ExpectDamageIsRefused(ReadFile(dir / "rgba.png"), "png");
  EXPECT_FALSE(SavePixmapPNG(*rgba, (dir / "no" / "such" / "dir.png").string()));
  EXPECT_EQ(LoadImage((dir / "missing.png").string()), nullptr);
  fs::remove_all(dir);
}

TEST(PictureLoading, JpegBmpAndTga) {
  auto jpg = JpegFile(16, 8, 200, 40, 90);
  auto j = LoadPixmapFromMemory(jpg.data(), jpg.size());
  ASSERT_NE(j, nullptr);
  EXPECT_EQ(j->width, 16);
  EXPECT_EQ(j->format, PF_RGB888);
  uint32_t c = j->ReadPixel(5, 5);
  EXPECT_NEAR(int((c >> 16) & 255), 200, 4);
  EXPECT_NEAR(int((c >> 8) & 255), 40, 4);
  EXPECT_NEAR(int(c & 255), 90, 4);
  ExpectDamageIsRefused(jpg, "jpeg");

  // 24-bit BMP, width 3 so rows carry padding; stored bottom-up.
  auto bmp = Bmp24(3, 2, [](int x, int y) { return uint32_t(0x100000 * (x + 1) + 0x10 * (y + 1)); });
  auto b = LoadPixmapFromMemory(bmp.data(), bmp.size());
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->ReadPixel(2, 0), 0xff300010u);
  EXPECT_EQ(b->ReadPixel(0, 1), 0xff100020u);
  ExpectDamageIsRefused(bmp, "bmp");
  // A header claiming a huge size is refused, not allocated.
  auto huge = bmp;
  huge[18] = 0xff, huge[19] = 0xff, huge[20] = 0xff, huge[21] = 0x7f;
  EXPECT_EQ(LoadPixmapFromMemory(huge.data(), huge.size()), nullptr);

  // 8-bit palette BMP, top-down (negative height), two colours.
  std::vector<uint8_t> pal = {'B', 'M'};
  Put32(pal, 0), Put32(pal, 0), Put32(pal, 54 + 8);
  Put32(pal, 40), Put32(pal, 2), Put32(pal, uint32_t(-2));
  Put16(pal, 1), Put16(pal, 8), Put32(pal, 0), Put32(pal, 0), Put32(pal, 0), Put32(pal, 0), Put32(pal, 2), Put32(pal, 0);
  Put32(pal, 0x0000ff), Put32(pal, 0x00ff00);  // blue, green (B,G,R,0)
  for (uint8_t v : {0, 1, 0, 0, 1, 1, 0, 0}) pal.push_back(v);
  auto p = LoadPixmapFromMemory(pal.data(), pal.size());
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->ReadPixel(0, 0), 0xff0000ffu);
  EXPECT_EQ(p->ReadPixel(1, 0), 0xff00ff00u);
  EXPECT_EQ(p->ReadPixel(0, 1), 0xff00ff00u);
  // An index past the palette's colour count is refused.
  auto badIndex = pal;
  badIndex[46] = 0;  // colours used 0 => 256 entries, beyond the file
  EXPECT_EQ(LoadPixmapFromMemory(badIndex.data(), badIndex.size()), nullptr);

  // 32-bit run-length TGA, bottom-up: a run of 3 red pixels, then a raw green one.
  std::vector<uint8_t> tga = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 32, 8};
  for (uint8_t v : {0x82, 0, 0, 255, 128, 0x00, 0, 255, 0, 255}) tga.push_back(v);
  auto t = LoadPixmapFromMemory(tga.data(), tga.size());
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->format, PF_RGBA8888);
  EXPECT_EQ(t->ReadPixel(0, 1), 0x80ff0000u);  // first pixels fill the bottom row
  EXPECT_EQ(t->ReadPixel(0, 0), 0x80ff0000u);
  EXPECT_EQ(t->ReadPixel(1, 0), 0xff00ff00u);
  ExpectDamageIsRefused(tga, "tga");
  // A true-colour picture that carries an unused map of one-byte entries: the
  // map is skipped (decoding it as colours read past the file).
  std::vector<uint8_t> mapped = {0, 1, 2, 0, 0, 2, 0, 8, 0, 0, 0, 0, 1, 0, 1, 0, 24, 0x20, 7, 7, 10, 20, 30};
  auto m = LoadPixmapFromMemory(mapped.data(), mapped.size());
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->ReadPixel(0, 0), 0xff1e140au);
  // A run longer than the picture is refused.
  auto longRun = tga;
  longRun[18] = 0x85;
  EXPECT_EQ(LoadPixmapFromMemory(longRun.data(), longRun.size()), nullptr);
}

TEST(PictureLoading, AnimImageCellCounting) {
  auto strip = TPixmap::Create(100, 64, PF_RGB888);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 100; ++x) strip->WritePixel(x, y, 0xff000000u | uint32_t(x << 8) | uint32_t(y));
  // 3 x 2 cells of 32 x 32: all six fit, a seventh does not.
  EXPECT_NE(LoadAnimImage(strip, 32, 32, 0, 6, 0), nullptr);
  EXPECT_EQ(LoadAnimImage(strip, 32, 32, 0, 7, 0), nullptr);
  auto five = LoadAnimImage(strip, 32, 32, 0, 5, 0);
  ASSERT_NE(five, nullptr);
  EXPECT_EQ(five->FrameCount(), 5);
  EXPECT_EQ(ImageWidth(five), 32);
  EXPECT_EQ(five->pixmaps[3]->ReadPixel(0, 0), strip->ReadPixel(0, 32));  // frame 3 = cell (0, 32)
  EXPECT_EQ(five->pixmaps[2]->ReadPixel(5, 6), strip->ReadPixel(69, 6));
  auto later = LoadAnimImage(strip, 32, 32, 4, 2, 0);
  ASSERT_NE(later, nullptr);
  EXPECT_EQ(later->pixmaps[0]->ReadPixel(0, 0), strip->ReadPixel(32, 32));
  EXPECT_EQ(LoadAnimImage(strip, 32, 32, 5, 2, 0), nullptr);
  // Cell sizes of zero or less would divide by zero: none.
  EXPECT_EQ(LoadAnimImage(strip, 0, 32, 0, 1, 0), nullptr);
  EXPECT_EQ(LoadAnimImage(strip, 32, -1, 0, 1, 0), nullptr);
  EXPECT_EQ(LoadAnimImage("/nonexistent/strip.png", 0, 0, 0, 1, 0), nullptr);

  // Auto mid-handle applies to images loaded while it is on.
  AutoMidHandle(true);
  auto mid = LoadAnimImage(strip, 32, 16, 0, 2, 0);
  AutoMidHandle(false);
  float hx, hy;
  GetImageHandle(mid, hx, hy);
  EXPECT_EQ(hx, 16);
  EXPECT_EQ(hy, 8);
  GetImageHandle(LoadImage(strip, 0), hx, hy);
  EXPECT_EQ(hx, 0);
}

TEST(PictureLoading, FuzzSeedsAreValidPictures) {
  // The fuzz targets start from these; a seed that does not decode explores nothing.
  // Seeds named "refused_..." are inputs that once broke a reader: they must be turned down.
  int count = 0;
  for (const char* name : {"bmp_fuzz", "tga_fuzz", "png_fuzz", "jpeg_fuzz"})
    for (const auto& e : fs::directory_iterator(fs::path(TV_SOURCE_DIR) / "fuzz" / "seeds" / name)) {
      auto bytes = ReadFile(e.path());
      const bool refused = e.path().filename().string().rfind("refused_", 0) == 0;
      EXPECT_EQ(LoadPixmapFromMemory(bytes.data(), bytes.size()) == nullptr, refused) << e.path();
      count += refused ? 0 : 1;
    }
  EXPECT_GE(count, 9);
}
