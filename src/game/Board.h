// The board being played as one value: its cells, gems, per-column entry
// tables and level data, with the four seams to the world around it (clock,
// effects, sounds, host) fixed when it is made. The grid owns its board; the
// pixel geometry of the board (one cell is 50 x 50 logical pixels) is here too.
#pragma once
#include <memory>

class TGameGrid;
class TCell;
class TGemList;
class TBoardClock;
class TBoardEffects;
class TBoardSound;
class TBoardHost;

constexpr int MaxColumns = 13;
constexpr int MaxRows = 12;
constexpr int MaxEntries = 6;
constexpr int CellSize = 50;
constexpr int GemTypeCount = 5;
constexpr int MaxLevelBonuses = 16;
constexpr int LevelsPerPack = 55;

// Any seam left empty is the quiet stand-in: 5 ms steps, no effects, no
// sounds, no host (the rules running alone in tests, tools and benchmarks).
struct TBoardSeams {
  std::shared_ptr<TBoardClock> Clock;
  std::shared_ptr<TBoardEffects> Effects;
  std::shared_ptr<TBoardSound> Sound;
  std::shared_ptr<TBoardHost> Host;
};

class TBoard {
 public:
  explicit TBoard(TBoardSeams seams = {});
  ~TBoard();
  TBoard(const TBoard&) = delete;
  TBoard& operator=(const TBoard&) = delete;

  TBoardClock& Clock() const;
  TBoardEffects& Effects() const;
  TBoardSound& Sound() const;
  TBoardHost& Host() const;

  // Indexed [column][row]; empty outside the level and for holes that never had a cell.
  std::unique_ptr<TCell> Cells[MaxColumns][MaxRows];
  std::shared_ptr<TGemList> Gems;
  int GemTypes[15] = {};
  int LevelBonuses[20] = {};
  int LevelBonusCount = 0;
  // Entry cells of each column (rows top-down), their count, and new gems made
  // for each entry that have not yet fallen into it.
  int TopRows[MaxColumns][MaxEntries] = {};
  int TopCount[MaxColumns] = {};
  int DropPending[MaxColumns][MaxEntries] = {};

 private:
  TBoardSeams seams_;
};

extern std::shared_ptr<TGameGrid> Grid;
// The pack being played (0 the classic levels, 1 the gold ones); the player's
// choice, kept while boards come and go.
extern int LevelPack;

// The current grid's board; without a grid, an empty board with quiet seams.
TBoard& Board();

// The cell at (x, y) of the current board, or null outside the table or where there is none.
TCell* CellAt(int x, int y);
// The cell at (x, y) when it is playable, else null.
TCell* PlayableAt(int x, int y);

int GridX(int column);
int GridY(int row);
int ColumnAt(float px);
int RowAt(float py);
