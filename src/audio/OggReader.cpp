#include "audio/OggReader.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

#include "audio/OggMemoryFile.h"

namespace {

// A damaged stream of tiny packets could claim far more sound than any music track has.
constexpr size_t kMaxDecodedBytes = size_t{256} << 20;

}  // namespace

bool ReadOgg(const uint8_t* data, size_t size, TSoundData& out) {
  if (data == nullptr || size < 4 || std::memcmp(data, "OggS", 4) != 0) return false;
  TOggMemoryFile file{data, size, 0};
  ov_callbacks callbacks = OggMemoryCallbacks();
  OggVorbis_File vf;
  if (ov_open_callbacks(&file, &vf, nullptr, 0, callbacks) < 0) return false;

  bool ok = false;
  vorbis_info* info = ov_info(&vf, -1);
  if (info != nullptr && (info->channels == 1 || info->channels == 2) && info->rate > 0 && info->rate <= 384000) {
    int channels = info->channels;
    std::vector<uint8_t> bytes;
    char block[8192];
    int section = 0;
    int bigEndian = std::endian::native == std::endian::big ? 1 : 0;
    // Growing the buffer by doubling would hold up to twice a long track at once;
    // the length the last page promises is known before decoding. A promise far
    // beyond what the file's bytes could carry is not believed up front.
    const ogg_int64_t promised = ov_pcm_total(&vf, -1);
    const uint64_t promisedBytes = promised > 0 ? static_cast<uint64_t>(promised) * channels * 2 : 0;
    if (promisedBytes <= kMaxDecodedBytes && promisedBytes <= uint64_t{size} * 64) bytes.reserve(promisedBytes);
    ok = true;
    for (;;) {
      long got = ov_read(&vf, block, sizeof block, bigEndian, 2, 1, &section);
      if (got == 0) break;
      if (got == OV_HOLE) continue;  // a gap in the stream: go on with what follows
      if (got < 0) {
        ok = false;
        break;
      }
      // Chained streams that change their layout cannot share one buffer.
      vorbis_info* now = ov_info(&vf, section);
      if (now == nullptr || now->channels != channels || bytes.size() + static_cast<size_t>(got) > kMaxDecodedBytes) {
        ok = false;
        break;
      }
      bytes.insert(bytes.end(), block, block + got);
    }
    // A stream that stops before the length its last page promises is a cut-off file.
    const ogg_int64_t total = promised;
    size_t frame = static_cast<size_t>(channels) * 2;
    bytes.resize(bytes.size() - bytes.size() % frame);
    if (ok && total > 0 && static_cast<ogg_int64_t>(bytes.size() / frame) < total) ok = false;
    if (ok && bytes.empty()) ok = false;
    if (ok) {
      out.Channels = channels;
      out.Bits = 16;
      out.Rate = static_cast<int>(info->rate);
      out.Bytes = std::move(bytes);
    }
  }
  ov_clear(&vf);
  return ok;
}
