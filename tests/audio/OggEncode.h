// Ogg Vorbis files for the audio tests, encoded here from samples the test makes, so
// that no test depends on a sound file from elsewhere.
#pragma once
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdint>
#include <vector>

// Interleaved float samples (-1..1) as a whole Ogg Vorbis file.
inline std::vector<uint8_t> EncodeOgg(const std::vector<float>& interleaved, int channels, int rate) {
  std::vector<uint8_t> file;
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, channels, rate, 0.4f) != 0) {
    vorbis_info_clear(&vi);
    return file;
  }
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

