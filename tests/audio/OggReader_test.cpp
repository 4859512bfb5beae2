// Ogg Vorbis decoding, on files this test encodes itself.
#include <gtest/gtest.h>
#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstring>

#include "AudioTestKit.h"
#include "audio/OggReader.h"

namespace {

std::vector<uint8_t> EncodeOgg(const std::vector<float>& interleaved, int channels, int rate) {
  std::vector<uint8_t> file;
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, channels, rate, 0.4f) != 0) return file;
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_dsp_state vd;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block vb;
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 7);
  ogg_packet header, comment, code;
  vorbis_analysis_headerout(&vd, &vc, &header, &comment, &code);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comment);
  ogg_stream_packetin(&os, &code);
  ogg_page page;
  auto append = [&](const ogg_page& p) {
    file.insert(file.end(), p.header, p.header + p.header_len);
    file.insert(file.end(), p.body, p.body + p.body_len);
  };
  while (ogg_stream_flush(&os, &page)) append(page);

  size_t frames = interleaved.size() / size_t(channels);
  size_t at = 0;
  bool eos = false;
  while (!eos) {
    size_t n = std::min<size_t>(1024, frames - at);
    float** buffer = vorbis_analysis_buffer(&vd, int(n));
    for (size_t i = 0; i < n; ++i)
      for (int c = 0; c < channels; ++c) buffer[c][i] = interleaved[(at + i) * size_t(channels) + size_t(c)];
    vorbis_analysis_wrote(&vd, int(n));
    at += n;
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&vd, &packet)) {
        ogg_stream_packetin(&os, &packet);
        while (ogg_stream_pageout(&os, &page)) {
          append(page);
          if (ogg_page_eos(&page)) eos = true;
        }
      }
    }
  }
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return file;
}

}  // namespace

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
