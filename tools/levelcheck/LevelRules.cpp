#include "LevelRules.h"

#include <algorithm>
#include <optional>

#include "core/Text.h"
#include "game/Board.h"
#include "game/BoardHost.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "game/GemList.h"
#include "game/LevelFile.h"
#include "platform/Random.h"

namespace {

std::vector<std::string_view> Split(std::string_view s, char sep) {
  std::vector<std::string_view> out;
  size_t start = 0;
  for (;;) {
    size_t at = s.find(sep, start);
    if (at == std::string_view::npos) {
      out.push_back(s.substr(start));
      return out;
    }
    out.push_back(s.substr(start, at - start));
    start = at + 1;
  }
}

// A plain decimal integer with an optional minus sign, nothing else: the
// loader would read "1O" as 1 and "x" as 0 without a word, so typos hide.
std::optional<int> StrictInt(std::string_view t) {
  if (t.empty() || t.size() > 6) return std::nullopt;
  size_t i = t[0] == '-' ? 1 : 0;
  if (i == t.size()) return std::nullopt;
  for (size_t k = i; k < t.size(); ++k)
    if (t[k] < '0' || t[k] > '9') return std::nullopt;
  return TLevelFile::ReadInt(t);
}

std::string Quote(std::string_view s) {
  std::string quoted = "\"";
  return quoted.append(s).append("\"");
}

}  // namespace

bool TLevelRules::ValidCode(int code) {
  return code == -1 || (code >= 0 && code <= 15) || (code >= 21 && code <= 35);
}

std::string TLevelRules::Format(const std::string& file, const TLevelIssue& issue) {
  if (issue.Line <= 0) return file + ": " + issue.Text;
  return file + ":" + std::to_string(issue.Line) + ": " + issue.Text;
}

std::vector<TLevelIssue> TLevelRules::Check(std::string_view text, bool tryFill) {
  std::vector<TLevelIssue> issues;
  auto fail = [&](int line, std::string what) { issues.push_back({line, std::move(what)}); };

  if (text.empty()) {
    fail(0, "the file is empty");
    return issues;
  }
  if (size_t cr = text.find('\r'); cr != std::string_view::npos) {
    int line = 1 + int(std::count(text.begin(), text.begin() + long(cr), '\n'));
    fail(line, "carriage return in the file: use LF line ends (a CR would end up in the name)");
    return issues;
  }
  std::string_view body = text;
  if (body.back() == '\n') body.remove_suffix(1);
  std::vector<std::string_view> lines = Split(body, '\n');
  const int lineCount = int(lines.size());

  // Header lines.
  int at = 0;
  {
    std::vector<std::string_view> parts = Split(lines[0], ',');
    if (UpperCase(std::string(parts[0])) != "REM" || parts.size() < 2) {
      fail(1, "no name line: the first line must be REM,<level name>");
      return issues;
    }
    std::string_view name = lines[0].substr(lines[0].find(',') + 1);
    if (name.empty() || name.find_first_not_of(' ') == std::string_view::npos) fail(1, "the level name is empty");
    at = 1;
  }
  auto need = [&](const char* what) {
    if (at < lineCount) return true;
    fail(at + 1, std::string("the file ends before the ") + what + " line");
    return false;
  };

  if (!need("time")) return issues;
  {
    auto t = StrictInt(lines[at]);
    if (!t || *t <= 0) fail(at + 1, "time line " + Quote(lines[at]) + " is not a whole number of seconds above 0");
    ++at;
  }

  if (!need("bonus")) return issues;
  {
    std::vector<std::string_view> parts = Split(lines[at], ',');
    if (!(parts.size() == 1 && parts[0] == "0")) {
      if (int(parts.size()) > MaxBonusEntries)
        fail(at + 1, "bonus list has " + std::to_string(parts.size()) + " entries, at most " +
                         std::to_string(MaxBonusEntries));
      for (auto p : parts) {
        auto v = StrictInt(p);
        if (!v || *v < 8 || *v > 15) fail(at + 1, "bonus list entry " + Quote(p) + " is not a piece type 8-15");
      }
    }
    ++at;
  }

  if (!need("size")) return issues;
  int width = 0, height = 0;
  {
    const int line = at + 1;
    std::vector<std::string_view> parts = Split(lines[at], ',');
    auto w = parts.size() == 2 ? StrictInt(parts[0]) : std::nullopt;
    auto h = parts.size() == 2 ? StrictInt(parts[1]) : std::nullopt;
    if (!w || !h) {
      fail(line, "size line " + Quote(lines[at]) + " is not width,height");
      return issues;
    }
    width = *w;
    height = *h;
    if (width < 1 || width > MaxWidth)
      fail(line, "width " + std::to_string(width) + " is outside 1-" + std::to_string(MaxWidth) +
                     " (wider boards run under the side panel)");
    if (height < 1 || height > MaxHeight)
      fail(line, "height " + std::to_string(height) + " is outside 1-" + std::to_string(MaxHeight));
    if (!issues.empty()) return issues;
    ++at;
  }

  if (!need("offset")) return issues;
  if (lines[at] != "0,0") fail(at + 1, "offset line " + Quote(lines[at]) + " should be 0,0 (it is stored only)");
  ++at;

  // Cell rows.
  const int firstRow = at;
  const int rows = lineCount - firstRow;
  if (rows == 0) {
    fail(0, "the file has no cell rows");
    return issues;
  }
  if (rows > height) fail(firstRow + height + 1, std::to_string(rows) + " rows, but the size line says " +
                                                     std::to_string(height));
  if (rows < height) fail(lineCount, "only " + std::to_string(rows) + " rows, but the size line says " +
                                         std::to_string(height));
  if (lines.back().empty()) fail(lineCount, "blank line at the end of the file (it would be one more row)");

  std::vector<std::vector<int>> code(size_t(width), std::vector<int>(size_t(height), 0));
  for (int r = 0; r < std::min(rows, height); ++r) {
    const int line = firstRow + r + 1;
    std::string_view row = lines[size_t(firstRow + r)];
    if (row.empty()) continue;
    std::vector<std::string_view> parts = Split(row, ',');
    if (int(parts.size()) > width)
      fail(line, "row has " + std::to_string(parts.size()) + " codes, but the width is " + std::to_string(width));
    for (int c = 0; c < int(parts.size()) && c < width; ++c) {
      if (parts[size_t(c)].empty()) continue;
      auto v = StrictInt(parts[size_t(c)]);
      if (!v) {
        fail(line, "column " + std::to_string(c) + ": " + Quote(parts[size_t(c)]) + " is not a cell code");
        continue;
      }
      if (!ValidCode(*v)) {
        fail(line, "column " + std::to_string(c) + ": code " + std::to_string(*v) +
                       " names no cell (use -1, 0-15 or 21-35)");
        continue;
      }
      code[size_t(c)][size_t(r)] = *v;
    }
  }
  if (!issues.empty()) return issues;

  auto playable = [&](int x, int y) { return x >= 0 && y >= 0 && x < width && y < height && code[size_t(x)][size_t(y)] != 0; };
  auto rowLine = [&](int y) { return firstRow + y + 1; };

  // The size line must fit the board snugly, or the board sits off centre.
  bool top = false, bottom = false, left = false, right = false;
  int gold = 0, bonusStart = 0;
  for (int x = 0; x < width; ++x)
    for (int y = 0; y < height; ++y) {
      if (!playable(x, y)) continue;
      top |= y == 0;
      bottom |= y == height - 1;
      left |= x == 0;
      right |= x == width - 1;
      TCellCode c = TLevelFile::Decode(code[size_t(x)][size_t(y)]);
      gold += c.GoldAdded;
      if (c.bonus >= 8) ++bonusStart;
    }
  if (!top) fail(rowLine(0), "the first row has no playable cell");
  if (!bottom) fail(rowLine(height - 1), "the last row has no playable cell");
  if (!left) fail(firstRow - 1, "column 0 has no playable cell");
  if (!right) fail(firstRow - 1, "the last column has no playable cell");
  if (gold < 1) fail(0, "no brick layer: the level would end after the first move");

  for (int x = 0; x < width; ++x) {
    int entries = 0, lastEntry = 0;
    for (int y = 0; y < height; ++y)
      if (playable(x, y) && !playable(x, y - 1)) {
        ++entries;
        lastEntry = y;
      }
    if (entries > MaxEntriesPerColumn)
      fail(rowLine(lastEntry), "column " + std::to_string(x) + " has " + std::to_string(entries) +
                                   " entry cells, at most " + std::to_string(MaxEntriesPerColumn));
  }

  // A cell that no line of three can pass through keeps its brick for ever.
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (!playable(x, y)) continue;
      bool reachable = false;
      for (int s = -2; s <= 0 && !reachable; ++s) {
        reachable = playable(x + s, y) && playable(x + s + 1, y) && playable(x + s + 2, y);
        reachable = reachable || (playable(x, y + s) && playable(x, y + s + 1) && playable(x, y + s + 2));
      }
      if (!reachable)
        fail(rowLine(y), "column " + std::to_string(x) + ": no line of three can pass through this cell");
    }
  if (!issues.empty() || !tryFill || bonusStart > 0) return issues;

  // The game refills until a move exists; prove that this shape allows one.
  std::shared_ptr<TGameGrid> saved = Grid;
  bool canMove = false;
  for (uint32_t seed = 1; seed <= 3 && !canMove; ++seed) {
    SeedRnd(seed);
    Grid = std::make_shared<TGameGrid>();
    Grid->LoadText(text);
    canMove = Grid->FillUntilMove() == 1;
    Grid->Clear();
  }
  Grid = saved;
  if (!canMove) fail(0, "no fill of this board ever holds a legal move (the level start would never end)");
  return issues;
}
