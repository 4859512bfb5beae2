// Ogg Vorbis decoding, on files this test encodes itself.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "AudioTestKit.h"
#include "OggEncode.h"
#include "audio/OggReader.h"

TEST(OggReader, DecodesWholeFilesAndRefusesDamagedOnes) {
  const int rate = 22050;
  std::vector<float> stereo;
  for (int i = 0; i < rate; ++i) {
    stereo.push_back(0.5f * float(std::sin(2 * M_PI * 440 * i / rate)));
    stereo.push_back(0.0f);
  }
  auto ogg = EncodeOgg(stereo, 2, rate);
  ASSERT_GT(ogg.size(), 100u);

  TSoundData out;
  ASSERT_TRUE(ReadOgg(ogg.data(), ogg.size(), out));
  EXPECT_EQ(out.Channels, 2);
  EXPECT_EQ(out.Bits, 16);
  EXPECT_EQ(out.Rate, rate);
  ASSERT_EQ(out.Bytes.size(), size_t(rate) * 4);
  // The tone is in the left channel only, at about the loudness it was written with.
  const auto* s = reinterpret_cast<const int16_t*>(out.Bytes.data());
  double left = 0, right = 0;
  for (int i = 0; i < rate; ++i) {
    left += double(s[2 * i]) * s[2 * i];
    right += double(s[2 * i + 1]) * s[2 * i + 1];
  }
  left = std::sqrt(left / rate) / 32768;
  right = std::sqrt(right / rate) / 32768;
  EXPECT_NEAR(left, 0.5 / std::sqrt(2.0), 0.05);
  EXPECT_LT(right, 0.02);

  // Cut short in the headers, cut short in the sound, or with a damaged first page.
  for (size_t keep : {size_t(10), size_t(60), ogg.size() / 2, ogg.size() - 30}) {
    TSoundData cut;
    EXPECT_FALSE(ReadOgg(ogg.data(), keep, cut)) << "kept " << keep << " of " << ogg.size();
  }
  auto damaged = ogg;
  for (size_t i = 30; i < 60; ++i) damaged[i] ^= 0x5a;
  EXPECT_FALSE(ReadOgg(damaged.data(), damaged.size(), out));
  EXPECT_FALSE(ReadOgg(nullptr, 0, out));
}
