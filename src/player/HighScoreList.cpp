#include "player/HighScoreList.h"

#include <algorithm>

#include "core/ErrorReport.h"
#include "core/Retry.h"
#include "player/ByteStream.h"
#include "platform/Files.h"

namespace {
struct TDefaultEntry {
  const char* name;
  int score;
  int level;
};
const TDefaultEntry kDefaults[THighScoreList::TableSize] = {
    {"Holly", 10000, 10}, {"Jasper", 9000, 9}, {"Noel", 8000, 8}, {"Ivy", 7000, 7},   {"Robin", 6000, 6},
    {"Carol", 5000, 5},   {"Nick", 4000, 4},   {"Merry", 3000, 3}, {"Frost", 2000, 2}, {"Tinsel", 1000, 1},
};
}  // namespace

void THighScoreList::Create(const std::string& path, int maxNameLength) {
  Entries.clear();
  filepath = path + ".dat";
  MaxNameLength = maxNameLength;
}

void THighScoreList::Add(const std::string& name, int score, int level) { Entries.push_back({name, score, level}); }

void THighScoreList::Insert(const std::string& name, int score, int level) {
  auto at = std::find_if(Entries.begin(), Entries.end(), [score](const THighScore& e) { return e.score <= score; });
  Entries.insert(at, {name, score, level});
}

std::string THighScoreList::Encode(const std::vector<THighScore>& entries) {
  std::string out;
  for (const auto& entry : entries) {
    size_t written = 0;
    for (char ch : entry.name) {
      if (written == MaxStoredName) break;
      char stored = char(uint8_t(uint8_t(ch) - NameKey));
      // Would end the name early; no typeable character does this.
      if (stored == 0) continue;
      out.push_back(stored);
      ++written;
    }
    out.push_back('\0');
    WriteInt(out, entry.score);
    WriteInt(out, entry.level);
  }
  return out;
}

std::vector<THighScore> THighScoreList::Decode(const std::string& bytes) {
  std::vector<THighScore> entries;
  size_t pos = 0;
  // Entries past a full table are never shown; a huge file must not become a huge list.
  while (pos < bytes.size() && entries.size() < size_t(TableSize)) {
    size_t limit = std::min(bytes.size(), pos + MaxStoredName + 1);
    size_t end = pos;
    while (end < limit && bytes[end] != '\0') ++end;
    if (end == limit) break;  // no end of name where one must be
    if (bytes.size() - (end + 1) < 8) break;
    THighScore entry;
    for (size_t i = pos; i < end; ++i) entry.name.push_back(char(uint8_t(uint8_t(bytes[i]) + NameKey)));
    std::string numbers = bytes.substr(end + 1, 8);
    TByteReader in(numbers);
    entry.score = in.ReadInt();
    entry.level = in.ReadInt();
    entries.push_back(std::move(entry));
    pos = end + 9;
  }
  return entries;
}

void THighScoreList::AddDefaults() {
  for (const auto& d : kDefaults) Add(d.name, d.score, d.level);
}

void THighScoreList::Load() {
  Entries.clear();
  if (!PathExists(filepath)) {
    CreateDefault();
    return;
  }
  // A damaged file must never stop the game starting, so it is neither reported nor
  // replaced here; it is rewritten when a score is added.
  std::string bytes;
  if (ReadWholeFile(filepath, bytes, MaxFileBytes)) Entries = Decode(bytes);
  if (Entries.empty()) {
    AddDefaults();
    return;
  }
  while (Entries.size() < size_t(TableSize)) Add("Empty", 0, 0);
}

std::string THighScoreList::SaveFailure(const std::string& why) const {
  return "Failed to save file " + filepath + (why.empty() ? "" : " (" + why + ")");
}

void THighScoreList::Save() {
  std::string why;
  if (!WriteFileSafely(filepath, Encode(Entries), &why)) ShowError(SaveFailure(why), 1, 1);
}

void THighScoreList::CreateDefault() {
  AddDefaults();
  // Made at start-up, where an unwritable folder or a full disk must not keep the game
  // from starting: the table lives in memory and is tried again when a score is added.
  std::string why;
  if (!WriteFileSafely(filepath, Encode(Entries), &why)) ReportFailureOnce(SaveFailure(why));
}

void THighScoreList::Zero(int count) {
  Entries.clear();
  for (int i = 0; i < count; ++i) Add("Empty", 0, 0);
  Save();
}
