// Picture readers at the edges of their formats: a channel mask that fills the
// whole pixel, and headers that promise far more picture than the file holds
// (refused before any memory is set aside for it).
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstring>
#include <vector>

#include "PictureBytes.h"
#include "gfx/Pixmap.h"

namespace {

// Largest resident size of this process so far, in megabytes.
long PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

std::vector<uint8_t> SmallJpeg() { return JpegFile(16, 16, 90, 90, 90); }
}  // namespace

TEST(PictureLimits, BitmapChannelMaskCoveringAllThirtyTwoBits) {
  std::vector<uint8_t> b = {'B', 'M'};
  Put32(b, 14 + 40 + 12 + 4), Put32(b, 0), Put32(b, 14 + 40 + 12);
  Put32(b, 40), Put32(b, 1), Put32(b, 1);
  Put16(b, 1), Put16(b, 32), Put32(b, 3);  // bit fields
  for (int i = 0; i < 5; ++i) Put32(b, 0);
  Put32(b, 0xFFFFFFFFu), Put32(b, 0x0000FF00u), Put32(b, 0x000000FFu);
  Put32(b, 0x80FF40C0u);
  auto p = LoadPixmapBMP(b.data(), b.size());
  ASSERT_TRUE(p);
  EXPECT_EQ(p->Row(0)[0], 0x80) << "the top eight of thirty-two bits";
  EXPECT_EQ(p->Row(0)[1], 0x40);
  EXPECT_EQ(p->Row(0)[2], 0xC0);
}

TEST(PictureLimits, HeadersPromisingMoreThanTheFileHoldsAreRefusedUpFront) {
  const long before = PeakMegabytes();

  // Targa: 16384 x 16384 true-colour pixels declared, 4 KB given, raw or packed.
  for (int type : {2, 10}) {
    std::vector<uint8_t> tga(4096, 0);
    tga[2] = uint8_t(type);
    tga[12] = 0x00, tga[13] = 0x40, tga[14] = 0x00, tga[15] = 0x40;
    tga[16] = 32;
    EXPECT_FALSE(LoadPixmapTGA(tga.data(), tga.size())) << type;
  }

  // JPEG: a small picture whose frame header is changed to 16384 x 16384.
  std::vector<uint8_t> jpeg = SmallJpeg();
  bool patched = false;
  for (size_t i = 0; i + 9 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      jpeg[i + 5] = 0x40, jpeg[i + 6] = 0x00, jpeg[i + 7] = 0x40, jpeg[i + 8] = 0x00;
      patched = true;
      break;
    }
  ASSERT_TRUE(patched);
  jpeg.resize(4096, 0);
  EXPECT_FALSE(LoadPixmapJPEG(jpeg.data(), jpeg.size()));

  EXPECT_LT(PeakMegabytes() - before, 64) << "memory was set aside for a picture the file cannot hold";

  // Pictures that do hold their pixels still load.
  auto small = SmallJpeg();
  EXPECT_TRUE(LoadPixmapJPEG(small.data(), small.size()));
  std::vector<uint8_t> packed(18, 0);
  packed[2] = 10, packed[12] = 128, packed[14] = 100, packed[16] = 24;
  for (int run = 0; run < 100; ++run) packed.insert(packed.end(), {0xFF, 1, 2, 3});
  EXPECT_TRUE(LoadPixmapTGA(packed.data(), packed.size())) << "runs of 128 fill many pixels from few bytes";
}
