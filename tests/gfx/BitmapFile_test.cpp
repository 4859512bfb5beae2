#include <gtest/gtest.h>

#include <cstdint>

#include "gfx/BitmapFile.h"

namespace {
uint32_t U32(const std::string& b, size_t o) {
  return uint32_t(uint8_t(b[o])) | uint32_t(uint8_t(b[o + 1])) << 8 | uint32_t(uint8_t(b[o + 2])) << 16 |
         uint32_t(uint8_t(b[o + 3])) << 24;
}
}  // namespace

TEST(BitmapFile, HeaderPaddedRowsBottomUpInBlueGreenRed) {
  TPixmap pixmap;
  pixmap.width = 101;
  pixmap.height = 2;
  pixmap.format = PF_RGBA8888;
  pixmap.pitch = 101 * 4;
  pixmap.pixels.assign(size_t(pixmap.pitch) * 2, 0);
  // Top-left pixel red, bottom-left pixel (10, 20, 30).
  pixmap.pixels[0] = 255;
  pixmap.pixels[3] = 255;
  uint8_t* bottom = pixmap.pixels.data() + pixmap.pitch;
  bottom[0] = 10;
  bottom[1] = 20;
  bottom[2] = 30;

  std::string b;
  WriteBitmap(b, pixmap);
  const uint32_t rowBytes = 304;  // 303 padded to a multiple of 4
  ASSERT_EQ(b.size(), 54 + rowBytes * 2);
  EXPECT_EQ(b.substr(0, 2), "BM");
  EXPECT_EQ(U32(b, 2), 54 + rowBytes * 2);
  EXPECT_EQ(U32(b, 10), 54u);
  EXPECT_EQ(U32(b, 14), 40u);
  EXPECT_EQ(U32(b, 18), 101u);
  EXPECT_EQ(U32(b, 22), 2u);
  EXPECT_EQ(uint8_t(b[26]) | uint8_t(b[27]) << 8, 1);
  EXPECT_EQ(uint8_t(b[28]) | uint8_t(b[29]) << 8, 24);
  EXPECT_EQ(U32(b, 34), rowBytes * 2);
  EXPECT_EQ(U32(b, 38), 2834u);
  EXPECT_EQ(U32(b, 42), 2834u);
  // First stored row is the bottom one, pixels as blue, green, red.
  EXPECT_EQ(uint8_t(b[54]), 30);
  EXPECT_EQ(uint8_t(b[55]), 20);
  EXPECT_EQ(uint8_t(b[56]), 10);
  EXPECT_EQ(b[54 + 303], '\0');  // padding byte
  EXPECT_EQ(uint8_t(b[54 + rowBytes + 2]), 255);  // top row: red last

  // A picture that cannot be loaded is a failure, not a silent success.
  EXPECT_FALSE(SaveImageAsBitmap("Data/graphics/none.png", "/tmp/never-written.bmp"));
}
