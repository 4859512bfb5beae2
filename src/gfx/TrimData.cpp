#include "gfx/TrimData.h"

#include <cctype>
#include <limits>

#include "core/ErrorReport.h"
#include "core/Text.h"
#include "gfx/FindNamed.h"
#include "platform/Files.h"

namespace {
std::string_view TrimSpaces(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

// A whole decimal integer (optional sign); anything else, or a value outside int, is 0.
int ToInt(std::string_view field) {
  field = TrimSpaces(field);
  bool negative = false;
  if (!field.empty() && (field.front() == '-' || field.front() == '+')) {
    negative = field.front() == '-';
    field.remove_prefix(1);
  }
  if (field.empty()) return 0;
  long long value = 0;
  for (char c : field) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
    if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return 0;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) return 0;
  return static_cast<int>(value);
}
}  // namespace

std::string TrimKey(std::string_view fileName) {
  const std::size_t slash = fileName.find_last_of("/\\");
  if (slash != std::string_view::npos) fileName.remove_prefix(slash + 1);
  const std::size_t dot = fileName.rfind('.');
  if (dot != std::string_view::npos) fileName = fileName.substr(0, dot);
  return UpperCase(std::string(fileName));
}

void TTrimDataMap::Add(const std::string& name, std::shared_ptr<TTrimData> trim) {
  Items[TrimKey(name)] = std::move(trim);
}

std::shared_ptr<TTrimData> TTrimDataMap::Find(const std::string& name, int quiet) const {
  return FindNamed(Items, TrimKey(name), quiet, "TrimData", "TrimDataMap");
}

void TTrimDataMap::Parse(std::string_view text) {
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line == "[offsets]") continue;

    const std::size_t eq = line.find('=');
    std::string_view namePart = line.substr(0, eq);
    std::string_view rest = eq == std::string_view::npos ? std::string_view() : line.substr(eq + 1);
    const std::string key = TrimKey(namePart);
    if (key.empty()) continue;

    int fields[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4 && !rest.empty(); ++i) {
      const std::size_t comma = rest.find(',');
      fields[i] = ToInt(rest.substr(0, comma));
      if (comma == std::string_view::npos) break;
      rest.remove_prefix(comma + 1);
    }
    auto trim = std::make_shared<TTrimData>();
    trim->name = key;
    trim->xOffset = fields[0];
    trim->yOffset = fields[1];
    trim->originalWidth = fields[2];
    trim->originalHeight = fields[3];
    // Filed under the key as read: keying it again would strip a second
    // "extension" from a name like "a.b.png" and file it where no look-up of
    // that picture's name goes.
    Items[key] = std::move(trim);
  }
}

void TTrimDataMap::LoadDataFile(const std::string& path) {
  std::string text;
  if (!ReadDataFile(path, text)) FatalError("Error loading file " + path);
  Parse(text);
}
