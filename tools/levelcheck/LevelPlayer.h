// A simple headless player that plays one level with the game's own board rules
// and seeded generator: it settles the board, picks the legal move that clears
// the most brick layers (pressing bonus pieces when the rules offer them) and
// counts moves until the bricks are gone, the move limit is reached or it is stuck.
#pragma once
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

struct TPlayResult {
  bool Won = false;
  int Moves = 0;
  // Level rebuilt from its file because the settled board had no move left.
  int Restarts = 0;
  int BonusUses = 0;
  // The board never came to rest within the step limit (a fault in the level or the rules).
  bool Hung = false;
  // The board when a game was lost: per cell '.' hole, brick layers left (1, 2)
  // or ' ', then 'L' for a locked gem, 'P' for a bonus piece.
  std::string FinalBoard;
};

// One exchange of neighbours that would stand, with the player's liking for it.
struct TPlayerMove {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  double Score = 0;
  // Brick layers the lines of this exchange would remove at once.
  int Layers = 0;
};

// A bonus piece worth pressing, with the cell a targeting piece should then be used
// on (tx < 0 when it has none) and how much the player likes it.
struct TBonusChoice {
  int x = -1, y = -1, type = 0;
  int tx = -1, ty = -1;
  double value = 0;
};

class TBoardHost;

class TLevelPlayer {
 public:
  int MaxMoves = 400;
  int Pack = 0;
  int Level = 1;
  // A settle that takes longer than this many logic steps counts as hung.
  int SettleLimit = 20000;

  TPlayResult Play(std::string_view levelText, uint32_t seed);

  // Every ordinary move on the settled board that would make a line through one
  // of its two cells, scored; the board is left as it was.
  static std::vector<TPlayerMove> LegalMoves();
  // Steps the board until nothing slides, bursts or falls; false when it never rests.
  static bool Settle(int limit);
  // Nothing slides, bursts or falls and the board takes input.
  static bool Resting();
  // The bonus piece to press now (type 0 when none): at once when it clears or stands
  // on bricks, else only when no ordinary move reaches a brick. A sack (15) is chosen
  // as it stands; its target is known only once pressing it has shown what it is.
  static TBonusChoice ChooseBonus(bool ordinaryClearsBricks, bool anyOrdinary);
  // What pressing the piece of that type at (x, y) is worth, and its target.
  static TBonusChoice PlanBonus(int x, int y, int type);
  // Presses the most useful bonus piece on the board: at once when it clears or
  // stands on bricks, else only when no ordinary move reaches a brick. True when one was used.
  static bool UseBonus(bool ordinaryClearsBricks, bool anyOrdinary);
  // The current board as text, one line per row (see TPlayResult::FinalBoard).
  static std::string BoardPicture();

 private:
  std::mt19937 choice_;
  void Rebuild(std::string_view levelText, std::shared_ptr<TBoardHost> host);
  void Apply(const TPlayerMove& move);
};
