#include "player/ByteStream.h"

#include <cstring>

uint8_t TByteReader::ReadByte() {
  if (Remaining() < 1) throw TShortRead();
  return uint8_t(bytes_[pos_++]);
}

uint32_t TByteReader::ReadU32() {
  if (Remaining() < 4) throw TShortRead();
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= uint32_t(uint8_t(bytes_[pos_ + size_t(i)])) << (8 * i);
  pos_ += 4;
  return value;
}

double TByteReader::ReadDouble() {
  if (Remaining() < 8) throw TShortRead();
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits |= uint64_t(uint8_t(bytes_[pos_ + size_t(i)])) << (8 * i);
  pos_ += 8;
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

void WriteU32(std::string& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(char(uint8_t(value >> (8 * i))));
}

void WriteDouble(std::string& out, double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  for (int i = 0; i < 8; ++i) out.push_back(char(uint8_t(bits >> (8 * i))));
}
