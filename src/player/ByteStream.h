// Little-endian reading and writing of the player files (profiles, high scores).
// Reading never goes past the end of the bytes: a short file raises TShortRead,
// which the loaders treat like a failed read.
#pragma once
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

class TShortRead : public std::runtime_error {
 public:
  TShortRead() : std::runtime_error("Read past the end of the file") {}
};

class TByteReader {
 public:
  explicit TByteReader(const std::string& bytes) : bytes_(bytes) {}

  bool AtEnd() const { return pos_ >= bytes_.size(); }
  size_t Position() const { return pos_; }
  size_t Remaining() const { return bytes_.size() - pos_; }
  uint8_t ReadByte();
  uint32_t ReadU32();
  int32_t ReadInt() { return int32_t(ReadU32()); }
  double ReadDouble();

 private:
  const std::string& bytes_;
  size_t pos_ = 0;
};

void WriteU32(std::string& out, uint32_t value);
inline void WriteInt(std::string& out, int32_t value) { WriteU32(out, uint32_t(value)); }
void WriteDouble(std::string& out, double value);
