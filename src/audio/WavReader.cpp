#include "audio/WavReader.h"

#include <bit>
#include <cstring>

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr uint32_t kMaxRate = 384000;

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

bool ReadWav(const uint8_t* data, size_t size, TSoundData& out) {
  if (data == nullptr || size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
    return false;

  bool haveFormat = false;
  uint16_t channels = 0, bits = 0;
  uint32_t rate = 0;
  const uint8_t* samples = nullptr;
  size_t sampleBytes = 0;

  size_t pos = 12;
  while (size - pos >= 8) {
    const uint8_t* head = data + pos;
    size_t length = U32(head + 4);
    size_t room = size - pos - 8;
    const uint8_t* body = head + 8;
    if (std::memcmp(head, "fmt ", 4) == 0) {
      if (length < 16 || length > room) return false;
      uint16_t tag = U16(body);
      channels = U16(body + 2);
      rate = U32(body + 4);
      bits = U16(body + 14);
      if (tag == kFormatExtensible) {
        // The real format is the first two bytes of the sub-format identifier.
        if (length < 40) return false;
        tag = U16(body + 24);
      }
      if (tag != kFormatPcm) return false;
      haveFormat = true;
    } else if (std::memcmp(head, "data", 4) == 0) {
      // A data chunk that claims more than the file holds is a cut-off file.
      if (length > room) return false;
      samples = body;
      sampleBytes = length;
    } else if (length > room) {
      // Trailing metadata cut short does not spoil the samples already found.
      break;
    }
    if (length > room) break;
    pos += 8 + length + (length & 1);
    if (pos > size) break;
  }

  if (!haveFormat || samples == nullptr) return false;
  if (channels < 1 || channels > 2 || (bits != 8 && bits != 16) || rate == 0 || rate > kMaxRate) return false;
  size_t frame = static_cast<size_t>(channels) * bits / 8;
  size_t usable = sampleBytes - sampleBytes % frame;
  if (usable == 0) return false;

  out.Channels = channels;
  out.Bits = bits;
  out.Rate = static_cast<int>(rate);
  out.Bytes.assign(samples, samples + usable);
  if constexpr (std::endian::native == std::endian::big) {
    if (bits == 16)
      for (size_t i = 0; i + 1 < usable; i += 2) std::swap(out.Bytes[i], out.Bytes[i + 1]);
  }
  return true;
}
