#include "audio/OggReader.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

namespace {

// A damaged stream of tiny packets could claim far more sound than any music track has.
constexpr size_t kMaxDecodedBytes = size_t{256} << 20;

struct TMemoryFile {
  const uint8_t* Data;
  size_t Size;
  size_t Pos;
};

size_t ReadMem(void* ptr, size_t size, size_t count, void* source) {
  auto* f = static_cast<TMemoryFile*>(source);
  if (size == 0 || count == 0) return 0;
  size_t want = std::min(count, (f->Size - f->Pos) / size);
  std::memcpy(ptr, f->Data + f->Pos, want * size);
  f->Pos += want * size;
  return want;
}

int SeekMem(void* source, ogg_int64_t offset, int whence) {
  auto* f = static_cast<TMemoryFile*>(source);
  ogg_int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? static_cast<ogg_int64_t>(f->Pos)
                                                                 : static_cast<ogg_int64_t>(f->Size);
  if (whence != SEEK_SET && whence != SEEK_CUR && whence != SEEK_END) return -1;
  ogg_int64_t target = base + offset;
  if (target < 0 || target > static_cast<ogg_int64_t>(f->Size)) return -1;
  f->Pos = static_cast<size_t>(target);
  return 0;
}

long TellMem(void* source) { return static_cast<long>(static_cast<TMemoryFile*>(source)->Pos); }

}  // namespace

bool ReadOgg(const uint8_t* data, size_t size, TSoundData& out) {
  if (data == nullptr || size < 4 || std::memcmp(data, "OggS", 4) != 0) return false;
  TMemoryFile file{data, size, 0};
  ov_callbacks callbacks{ReadMem, SeekMem, nullptr, TellMem};
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
