// The board's globals and per-column tables, shared by every board rule, and
// the pixel geometry of the board (one cell is 50 x 50 logical pixels).
#pragma once
#include <memory>

class TGameGrid;
class TCell;
class TGemList;

constexpr int MaxColumns = 13;
constexpr int MaxRows = 12;
constexpr int MaxEntries = 6;
constexpr int CellSize = 50;
constexpr int GemTypeCount = 5;
constexpr int MaxLevelBonuses = 16;
constexpr int LevelsPerPack = 55;

extern std::shared_ptr<TGameGrid> Grid;
// Indexed [column][row]; empty outside the current level and for holes that
// never had a cell.
extern std::unique_ptr<TCell> Cells[MaxColumns][MaxRows];
extern std::shared_ptr<TGemList> Gems;
extern int GemTypes[15];
extern int LevelBonuses[20];
extern int LevelBonusCount;
extern int LevelPack;
// Entry cells of each column (rows top-down), their count, and new gems made
// for each entry that have not yet fallen into it.
extern int TopRows[MaxColumns][MaxEntries];
extern int TopCount[MaxColumns];
extern int DropPending[MaxColumns][MaxEntries];

// The cell at (x, y), or null outside the table or where there is none.
TCell* CellAt(int x, int y);
// The cell at (x, y) when it is playable, else null.
TCell* PlayableAt(int x, int y);

int GridX(int column);
int GridY(int row);
int ColumnAt(float px);
int RowAt(float py);
