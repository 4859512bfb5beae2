// Decoded sound samples as the file readers hand them to the audio service:
// interleaved PCM, 8-bit unsigned or 16-bit signed in the machine's byte order.
#pragma once
#include <cstdint>
#include <vector>

struct TSoundData {
  int Channels = 0;  // 1 or 2
  int Bits = 0;      // 8 or 16
  int Rate = 0;      // frames per second
  std::vector<uint8_t> Bytes;
};
