#include "core/TextLines.h"

#include <cctype>
#include <cstdint>

#include "core/ErrorReport.h"
#include "platform/Files.h"

std::vector<std::string> SplitTextLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  bool pending = false;
  for (char c : bytes) {
    if (c == '\r') continue;
    if (c == '\n' || c == '\0') {
      lines.push_back(line);
      line.clear();
      pending = false;
      continue;
    }
    line += c;
    pending = true;
  }
  if (pending) lines.push_back(line);
  return lines;
}

std::string LineKey(const std::string& line, const std::string& separator) {
  size_t pos = line.find(separator);
  return pos == std::string::npos ? line : line.substr(0, pos);
}

std::string LineValue(const std::string& line, const std::string& separator) {
  size_t pos = line.find(separator);
  return pos == std::string::npos ? std::string() : line.substr(pos + separator.size());
}

int ReadIntValue(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' ||
                             text[i] == '\v' || text[i] == '\f'))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  uint32_t base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i < text.size() && text[i] == '%') {
    base = 2;
    ++i;
  }
  uint32_t value = 0;
  for (; i < text.size(); ++i) {
    int c = std::tolower(static_cast<unsigned char>(text[i]));
    uint32_t digit;
    if (c >= '0' && c <= '9') digit = uint32_t(c - '0');
    else if (base == 16 && c >= 'a' && c <= 'f') digit = uint32_t(c - 'a' + 10);
    else break;
    if (digit >= base) break;
    value = value * base + digit;  // unsigned: wraps instead of overflowing
  }
  if (negative) value = 0u - value;
  return int32_t(value);
}

namespace {
// The files read for one key (settings, shipped defaults) are small; a huge one is not
// one of them and reads as missing.
constexpr size_t kMaxKeyFileBytes = 1 << 20;
}  // namespace

std::string ReadKeyFromFile(const std::string& path, const std::string& key) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes, kMaxKeyFileBytes)) return "";
  std::string wanted = UpperCase(key);
  for (const auto& line : SplitTextLines(bytes))
    if (UpperCase(LineKey(line)) == wanted) return LineValue(line);
  return "";
}

bool CopyFileReplacingKey(const std::string& source, const std::string& target, const std::string& key,
                          const std::string& value) {
  std::string wanted = UpperCase(key);
  std::string bytes, out;
  if (ReadWholeFile(source, bytes, kMaxKeyFileBytes)) {
    bool replaced = false;
    for (const auto& line : SplitTextLines(bytes)) {
      if (UpperCase(LineKey(line)) == wanted) {
        WriteKeyLine(out, wanted, value);
        replaced = true;
      } else {
        out += line + "\r\n";
      }
    }
    // A default file without the key must not lose the value either.
    if (!replaced) WriteKeyLine(out, wanted, value);
  } else {
    WriteKeyLine(out, wanted, value);
  }
  return WriteFileSafely(target, out);
}

void CheckSectionHeader(const std::string& line, const std::string& name) {
  if (UpperCase(line) != "[" + name + "]") ShowError("[" + name + "] header hot found", 1, 1);
}

std::vector<std::string> SectionBody(const std::vector<std::string>& lines, size_t& index) {
  std::vector<std::string> body;
  while (index < lines.size() && !(lines[index].size() > 0 && lines[index][0] == '[')) body.push_back(lines[index++]);
  return body;
}

void WriteKeyLine(std::string& out, const std::string& key, const std::string& value) {
  out += UpperCase(key) + "=" + value + "\r\n";
}

void WriteKeyLine(std::string& out, const std::string& key, int value) { WriteKeyLine(out, key, std::to_string(value)); }
