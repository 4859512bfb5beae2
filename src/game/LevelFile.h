// A level file read into plain values: name, time, bonus list, size, offset and
// the cell codes, with every limit of the board enforced while reading, so that
// a damaged or hand-edited file can never reach outside the board's tables.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "game/Board.h"

// What one cell code puts on the board.
struct TCellCode {
  int active = 0;
  int gold = 0;
  int armour = 0;
  int gemlocked = 0;
  int bonus = 0;
  int GoldAdded = 0;
  int LockedAdded = 0;
};

class TLevelFile {
 public:
  std::string LevelName;
  int TimeSeconds = 0;
  // Bonus piece types 8-15 in file order, at most MaxLevelBonuses.
  std::vector<int> Bonuses;
  // Clamped to 1..13 and 1..12.
  int Width = 1, Height = 1;
  int OffsetX = 0, OffsetY = 0;
  // Codes by [column][row]; codes past the width and rows past the height are dropped.
  int Codes[MaxColumns][MaxRows] = {};

  static TLevelFile Parse(std::string_view text);
  // A decimal integer at the start of the token (spaces and a sign allowed);
  // 0 when there is none. Saturates instead of overflowing.
  static int ReadInt(std::string_view token);
  static TCellCode Decode(int code);
};
