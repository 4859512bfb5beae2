#include "game/LevelFile.h"

#include <algorithm>
#include <climits>

#include "core/Text.h"

namespace {

// Splits the text into lines; a final line break does not start another line,
// and a carriage return before the break is not part of the line.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Token is the text before the first comma; rest the text after it.
void SplitToken(std::string_view line, std::string_view& token, std::string_view& rest) {
  size_t comma = line.find(',');
  if (comma == std::string_view::npos) {
    token = line;
    rest = {};
  } else {
    token = line.substr(0, comma);
    rest = line.substr(comma + 1);
  }
}

}  // namespace

int TLevelFile::ReadInt(std::string_view token) {
  size_t i = 0;
  while (i < token.size() && (token[i] == ' ' || token[i] == '\t')) ++i;
  bool negative = false;
  if (i < token.size() && (token[i] == '-' || token[i] == '+')) negative = token[i++] == '-';
  long long value = 0;
  while (i < token.size() && token[i] >= '0' && token[i] <= '9') {
    value = std::min<long long>(value * 10 + (token[i] - '0'), 1LL << 40);
    ++i;
  }
  if (negative) value = -value;
  return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

TCellCode TLevelFile::Decode(int code) {
  TCellCode c;
  if (code == 0) return c;
  c.active = 1;
  if (code == -1) return c;
  c.gold = 1;
  c.GoldAdded = 1;
  if (code == 2 || code == 4) {
    c.gemlocked = 1;
    c.LockedAdded = 1;
  }
  if (code == 3 || code == 4 || code >= 21) {
    c.armour = 1;
    c.GoldAdded = 2;
  }
  // Codes naming a piece type that does not exist keep their bricks but start
  // no piece, so no gem ever has a type outside the tables.
  if (code >= 8 && code <= 15) c.bonus = code;
  if (code >= 21 && code <= 35) c.bonus = code - 20;
  return c;
}

TLevelFile TLevelFile::Parse(std::string_view text) {
  TLevelFile f;
  std::vector<std::string_view> lines = SplitLines(text);
  size_t next = 0;
  auto take = [&]() -> std::string_view { return next < lines.size() ? lines[next++] : std::string_view{}; };
  std::string_view token, rest;

  std::string_view first = take();
  SplitToken(first, token, rest);
  if (UpperCase(std::string(token)) == "REM") {
    f.LevelName = std::string(rest);
    SplitToken(take(), token, rest);
  }
  f.TimeSeconds = ReadInt(token);

  SplitToken(take(), token, rest);
  for (;;) {
    int type = ReadInt(token);
    if (type >= 8 && type <= 15 && f.Bonuses.size() < size_t(MaxLevelBonuses)) f.Bonuses.push_back(type);
    if (rest.empty()) break;
    SplitToken(rest, token, rest);
  }

  SplitToken(take(), token, rest);
  f.Width = std::clamp(ReadInt(token), 1, MaxColumns);
  f.Height = std::clamp(ReadInt(rest), 1, MaxRows);

  SplitToken(take(), token, rest);
  f.OffsetX = ReadInt(token);
  f.OffsetY = ReadInt(rest);

  for (int row = 0; next < lines.size() && row < f.Height; ++row) {
    SplitToken(take(), token, rest);
    for (int col = 0; col < f.Width; ++col) {
      f.Codes[col][row] = ReadInt(token);
      if (rest.empty()) break;
      SplitToken(rest, token, rest);
    }
  }
  return f;
}
