#include "audio/VorbisStream.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>

#include "audio/OggMemoryFile.h"

namespace {

// Holes (lost pages) are stepped over; a run this long means nothing playable follows.
constexpr int kMaxHolesInARow = 64;

class TVorbisStream final : public TAudioStream {
 public:
  explicit TVorbisStream(std::shared_ptr<const std::string> bytes) : Bytes(std::move(bytes)) {
    File.Data = reinterpret_cast<const uint8_t*>(Bytes->data());
    File.Size = Bytes->size();
  }
  ~TVorbisStream() override {
    if (Opened) ov_clear(&Vorbis);
  }
  TVorbisStream(const TVorbisStream&) = delete;
  TVorbisStream& operator=(const TVorbisStream&) = delete;

  bool Open() {
    if (File.Size < 4 || std::memcmp(File.Data, "OggS", 4) != 0) return false;
    if (ov_open_callbacks(&File, &Vorbis, nullptr, 0, OggMemoryCallbacks()) < 0) return false;
    Opened = true;
    const vorbis_info* info = ov_info(&Vorbis, -1);
    if (info == nullptr || (info->channels != 1 && info->channels != 2) || info->rate <= 0 || info->rate > 384000)
      return false;
    ChannelCount = info->channels;
    FrameRate = static_cast<int>(info->rate);
    return true;
  }

  int Channels() const override { return ChannelCount; }
  int Rate() const override { return FrameRate; }

  long Read(int16_t* out, long frames) override {
    if (frames <= 0) return 0;
    const int bigEndian = std::endian::native == std::endian::big ? 1 : 0;
    const long frameBytes = 2L * ChannelCount;
    const int want = static_cast<int>(std::min<long>(frames * frameBytes, INT_MAX / frameBytes * frameBytes));
    for (int holes = 0; holes < kMaxHolesInARow; ++holes) {
      int section = 0;
      long got = ov_read(&Vorbis, reinterpret_cast<char*>(out), want, bigEndian, 2, 1, &section);
      if (got == OV_HOLE) continue;
      if (got <= 0) return got;
      // A chained stream that changes its layout midway cannot go on in the same buffers.
      const vorbis_info* now = ov_info(&Vorbis, section);
      if (now == nullptr || now->channels != ChannelCount || now->rate != FrameRate) return -1;
      return got / frameBytes;
    }
    return -1;
  }

  bool Rewind() override { return ov_pcm_seek(&Vorbis, 0) == 0; }

 private:
  std::shared_ptr<const std::string> Bytes;
  TOggMemoryFile File;
  OggVorbis_File Vorbis{};
  bool Opened = false;
  int ChannelCount = 0;
  int FrameRate = 0;
};

}  // namespace

std::unique_ptr<TAudioStream> OpenVorbisStream(std::shared_ptr<const std::string> bytes) {
  if (!bytes) return nullptr;
  auto stream = std::make_unique<TVorbisStream>(std::move(bytes));
  if (!stream->Open()) return nullptr;
  // The first sound must decode: a file whose headers pass but whose sound is garbage
  // is refused at loading, like one decoded whole, not found out only once it plays.
  int16_t probe[2 * 64];
  if (stream->Read(probe, 64) <= 0 || !stream->Rewind()) return nullptr;
  return stream;
}
