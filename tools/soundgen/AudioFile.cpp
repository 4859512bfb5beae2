#include "AudioFile.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <vector>

namespace {
using TFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

TFile OpenForWrite(const std::string& path) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  return TFile(std::fopen(path.c_str(), "wb"), &std::fclose);
}

void PutLe(std::vector<unsigned char>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

bool WritePage(std::FILE* f, const ogg_page& page) {
  return std::fwrite(page.header, 1, page.header_len, f) == static_cast<std::size_t>(page.header_len) &&
         std::fwrite(page.body, 1, page.body_len, f) == static_cast<std::size_t>(page.body_len);
}
}  // namespace

bool WriteWav(const TSignal& s, const std::string& path) {
  const std::uint32_t ch = s.Channels();
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(s.Frames() * ch * 2);
  std::vector<unsigned char> out;
  out.reserve(44 + dataBytes);
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  PutLe(out, 36 + dataBytes, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);  // PCM
  PutLe(out, ch, 2);
  PutLe(out, kRate, 4);
  PutLe(out, kRate * ch * 2, 4);
  PutLe(out, ch * 2, 2);
  PutLe(out, 16, 2);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  PutLe(out, dataBytes, 4);
  for (std::size_t i = 0; i < s.Frames(); ++i)
    for (std::uint32_t c = 0; c < ch; ++c) {
      const float v = std::clamp(s.Channel(c)[i], -1.0f, 1.0f);
      PutLe(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v * 32767.0f))), 2);
    }
  TFile f = OpenForWrite(path);
  return f && std::fwrite(out.data(), 1, out.size(), f.get()) == out.size();
}

bool WriteOgg(const TSignal& s, const std::string& path, float quality) {
  TFile f = OpenForWrite(path);
  if (!f) return false;
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, s.Channels(), kRate, quality) != 0) {
    vorbis_info_clear(&vi);
    return false;
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "ENCODER", "tv_soundgen");
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  // A serial number derived from the path keeps repeated builds byte-identical.
  ogg_stream_init(&os, static_cast<int>(std::hash<std::string>{}(std::filesystem::path(path).filename()) & 0x7fffffff));

  bool ok = true;
  ogg_packet hdr, hdrComm, hdrCode;
  vorbis_analysis_headerout(&vd, &vc, &hdr, &hdrComm, &hdrCode);
  ogg_stream_packetin(&os, &hdr);
  ogg_stream_packetin(&os, &hdrComm);
  ogg_stream_packetin(&os, &hdrCode);
  ogg_page page;
  while (ogg_stream_flush(&os, &page) != 0) ok = ok && WritePage(f.get(), page);

  constexpr std::size_t kChunk = 4096;
  std::size_t pos = 0;
  bool eos = false;
  while (!eos) {
    const std::size_t n = std::min(kChunk, s.Frames() - pos);
    if (n == 0) {
      vorbis_analysis_wrote(&vd, 0);
    } else {
      float** buf = vorbis_analysis_buffer(&vd, static_cast<int>(n));
      for (int c = 0; c < s.Channels(); ++c) std::memcpy(buf[c], s.Channel(c).data() + pos, n * sizeof(float));
      vorbis_analysis_wrote(&vd, static_cast<int>(n));
      pos += n;
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet pkt;
      while (vorbis_bitrate_flushpacket(&vd, &pkt)) {
        ogg_stream_packetin(&os, &pkt);
        while (ogg_stream_pageout(&os, &page) != 0) {
          ok = ok && WritePage(f.get(), page);
          if (ogg_page_eos(&page)) eos = true;
        }
      }
    }
    if (n == 0 && !eos) {
      // The final packets are out; make sure the last page is written.
      while (ogg_stream_flush(&os, &page) != 0) ok = ok && WritePage(f.get(), page);
      eos = true;
    }
  }
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return ok;
}
