#include "BoardFixture.h"

namespace {
// Brute force: some neighbour exchange (neither gem locked nor bursting) makes
// a line of three anywhere, or an unlocked bonus piece stands on the board.
bool AnyMoveBruteForce(int w, int h) {
  auto line = [&]() {
    auto t = [](int x, int y) {
      TCell* c = PlayableAt(x, y);
      int v = c && c->Gem ? c->Gem->GemType : 0;
      return v >= 1 && v <= 7 ? v : 0;
    };
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (int v = t(x, y)) {
          if (t(x + 1, y) == v && t(x + 2, y) == v) return true;
          if (t(x, y + 1) == v && t(x, y + 2) == v) return true;
        }
    return false;
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      TCell* a = PlayableAt(x, y);
      if (!a || (a->Gem && a->Gem->locked)) continue;
      if (a->Gem && a->Gem->GemType > 7) return true;
      for (int k = 0; k < 2; ++k) {
        TCell* b = PlayableAt(x + (k == 1), y + (k == 0));
        if (!b || (b->Gem && b->Gem->locked)) continue;
        std::swap(a->Gem, b->Gem);
        bool made = line();
        std::swap(a->Gem, b->Gem);
        if (made) return true;
      }
    }
  return false;
}
}  // namespace

TEST_F(BoardTest, MoveSearchAgreesWithBruteForceAndLeavesTheBoardAlone) {
  const char* shapes[] = {"-1", "1", "2"};
  int withoutMove = 0;
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    SeedRnd(seed);
    int w = 3 + seed % 5, h = 3 + (seed / 5) % 4;
    Level(Plain(w, h, shapes[seed % 3]));
    Grid->FillGrid();
    std::string before = BoardPicture();
    int none = Grid->NoMoreMoves(0);
    ASSERT_EQ(none == 0, AnyMoveBruteForce(w, h)) << "seed " << seed << "\n" << before;
    EXPECT_EQ(BoardPicture(), before);
    if (none) {
      ++withoutMove;
      EXPECT_EQ(Grid->DebugX, -1);
    } else {
      // The shown cell holds a gem of the move.
      EXPECT_TRUE(PlayableAt(Grid->DebugX, Grid->DebugY)) << seed;
    }
  }
  EXPECT_GT(withoutMove, 0);  // the sample covers both answers
}

TEST_F(BoardTest, MoveNumbersCountBothDirectionsOfOneExchangeAndWrap) {
  // The only move: (2,1) and (2,2) exchange, making a row of 1s through (2,1)
  // and a column of 2s through (2,2).
  Level(Plain(5, 5));
  Place({"23452", "11243", "34154", "45235", "53241"});
  ASSERT_EQ(Grid->NoMoreMoves(0), 0);
  ASSERT_EQ(Grid->NoMoreMoves(1), 0);
  EXPECT_EQ(Grid->DebugX, 2);
  EXPECT_EQ(Grid->DebugY, 2);  // the 1 that completes the row
  ASSERT_EQ(Grid->NoMoreMoves(2), 0);
  EXPECT_EQ(Grid->DebugX, 2);
  EXPECT_EQ(Grid->DebugY, 1);  // the 2 that completes the column
  Grid->HintCurrent = 3;
  EXPECT_EQ(Grid->NoMoreMoves(3), 1);
  EXPECT_EQ(Grid->HintCurrent, 1);
  EXPECT_EQ(Grid->DebugX, -1);

  // A bonus piece is a move by itself and shows itself.
  Place({"c3452", "11243", "34154", "45235", "53241"});
  ASSERT_EQ(Grid->NoMoreMoves(0), 0);
  EXPECT_EQ(Grid->DebugX, 0);
  EXPECT_EQ(Grid->DebugY, 0);
  // As the first move in the order, it is also the first hint.
  ASSERT_EQ(Grid->NoMoreMoves(1), 0);
  EXPECT_EQ(Grid->DebugX, 0);

  // The settled board without a move asks the screen to quit.
  Level(Plain(2, 2));
  Place({"12", "21"});
  Grid->Manage();
  EXPECT_EQ(Grid->NoMore, 1);
  EXPECT_EQ(host->quits, 1);
}
