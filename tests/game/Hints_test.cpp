// Hints on the board and the no-moves sequence, run on the rules alone: which gem
// the Hint button shakes and in what order, when a hint is refused, and what the
// board does between a settled board without moves and the call to build it again.
#include <algorithm>
#include <cmath>

#include "BoardFixture.h"

namespace {
TGem* GemAt(int x, int y) {
  TCell* c = CellAt(x, y);
  return c ? c->Gem.get() : nullptr;
}
}  // namespace

TEST_F(BoardTest, HintButtonShowsEachMoveInTurnAndWobblesForTwoSeconds) {
  // One exchange, (2,1) with (2,2), makes a row of 1s and a column of 2s: two moves.
  Level(Plain(5, 5));
  Place({"23452", "11243", "34154", "45235", "53241"});
  ASSERT_EQ(Grid->HintStart(), 1);
  EXPECT_EQ(host->hintsShown, 1);
  EXPECT_EQ(sounds->Count("hint"), 1);
  ASSERT_TRUE(GemAt(2, 2));
  EXPECT_EQ(GemAt(2, 2)->HintWobble, 1) << "the 1 that completes the row";
  EXPECT_EQ(Grid->HintStart(), 0) << "one hint at a time";
  EXPECT_EQ(host->hintsShown, 1);

  // 2000 ms is 400 steps of 5 ms; the wobble stops with the last one.
  Steps(399);
  EXPECT_EQ(GemAt(2, 2)->HintWobble, 1);
  Steps(1);
  EXPECT_EQ(GemAt(2, 2)->HintWobble, 0);
  EXPECT_EQ(GemAt(2, 2)->offx, 0);

  ASSERT_EQ(Grid->HintStart(), 1);
  EXPECT_EQ(GemAt(2, 1)->HintWobble, 1) << "the second press: the 2 that completes the column";
  Grid->HintEnd();
  ASSERT_EQ(Grid->HintStart(), 1);
  EXPECT_EQ(GemAt(2, 2)->HintWobble, 1) << "the third press starts again from the first move";
  Grid->HintEnd();

  // Refused while the board is busy; a refused press changes nothing.
  Grid->BlockInput = 1;
  EXPECT_EQ(Grid->HintStart(), 0);
  Grid->BlockInput = 0;
  Grid->SwapCounter = 5;
  EXPECT_EQ(Grid->HintStart(), 0);
  Grid->SwapCounter = 0;
  EXPECT_EQ(host->hintsShown, 3);

  // A move ends the wobble at once.
  ASSERT_EQ(Grid->HintStart(), 1);
  Swap(2, 1, 2, 2);
  EXPECT_EQ(Grid->HintCounter, 0);
  EXPECT_EQ(GemAt(2, 2)->HintWobble, 0);
}

TEST_F(BoardTest, LockedGemsNeverMoveButCountInsideALine) {
  // Column 1 of row 0 holds a locked 1; exchanging it with the 2 below would make
  // a row of 2s, but a locked gem never moves.
  Level("0\n0\n4,3\n0,0\n-1,2,-1,-1\n-1,-1,-1,-1\n-1,-1,-1,-1\n");
  Place({"2124", "3256", "4513"});
  ASSERT_EQ(GemAt(1, 0)->locked, 1);
  EXPECT_EQ(Grid->NoMoreMoves(0), 1);
  EXPECT_EQ(Grid->HintStart(), 1) << "a press with no move left still gives the hint sound";
  for (auto& g : Board().Gems->Items) EXPECT_EQ(g->HintWobble, 0) << "but no gem wobbles";
  Grid->HintEnd();

  // The same locked 1 completes a row of 1s when an unlocked 1 is brought beside it.
  Place({"1134", "3215", "4526"});
  ASSERT_EQ(Grid->NoMoreMoves(0), 0);
  ASSERT_EQ(Grid->NoMoreMoves(1), 0);
  EXPECT_EQ(Grid->DebugX, 2);
  EXPECT_EQ(Grid->DebugY, 1) << "the 1 below (2,0) goes up beside the locked one";
  EXPECT_EQ(Grid->NoMoreMoves(2), 1) << "and that is the only move";

  // An unlocked bonus piece is always a move.
  Place({"2124", "3256", "45g3"});
  EXPECT_EQ(Grid->NoMoreMoves(0), 0);
  Steps(1);
  EXPECT_EQ(host->quits, 0);
}

TEST_F(BoardTest, NoMovesSequenceShakesFadesScattersThenAsksForTheLevelAgain) {
  Level(Plain(3, 3, "1"));
  Place({"123", "231", "312"});
  const size_t gems = Board().Gems->Count();
  Steps(1);
  ASSERT_EQ(host->quits, 1);
  Grid->StartNoMoreMoves();
  EXPECT_EQ(sounds->Count("alarm"), 1);
  EXPECT_EQ(Grid->BlockInput, 1);
  EXPECT_EQ(Grid->NoMore, 1);

  // The first second (200 steps): a shake of one pixel a step between -4 and +4,
  // the board and the music fading from full to nothing.
  float lowest = 0, highest = 0, lastOffset = 0, lastAlpha = 1;
  for (int i = 0; i < 199; ++i) {
    Grid->Manage();
    EXPECT_LE(std::fabs(Grid->JiggleOffset - lastOffset), 1.0f + 1e-4f);
    EXPECT_LE(Grid->alpha, lastAlpha);
    lastOffset = Grid->JiggleOffset;
    lastAlpha = Grid->alpha;
    lowest = std::min(lowest, Grid->JiggleOffset);
    highest = std::max(highest, Grid->JiggleOffset);
    EXPECT_EQ(Grid->Exploded, 0) << i;
  }
  EXPECT_FLOAT_EQ(lowest, -4);
  EXPECT_FLOAT_EQ(highest, 4);
  EXPECT_EQ(Board().Gems->Count(), gems) << "no gem fell in or burst meanwhile";

  // With the second's last step the gems fly apart, spinning; the one on the
  // centre of a 3 x 3 board vanishes.
  Grid->Manage();
  ASSERT_EQ(host->music.size(), 200u);
  EXPECT_FLOAT_EQ(host->music.front(), 1.0f);
  EXPECT_LT(host->music.back(), 0.01f);
  EXPECT_LT(Grid->alpha, 0.01f);
  EXPECT_EQ(Grid->Exploded, 1);
  EXPECT_EQ(Grid->JiggleOffset, 0);
  EXPECT_EQ(sounds->Count("echopop"), 1);
  EXPECT_EQ(Board().Gems->Count(), gems - 1);
  for (auto& g : Board().Gems->Items) EXPECT_TRUE(g->dx != 0 || g->dy != 0);
  const TGem* corner = GemAt(0, 0);
  ASSERT_TRUE(corner);
  const float x0 = corner->x;
  // Input is dropped for the whole sequence.
  EXPECT_EQ(Grid->CheckMouse(), 0);
  Steps(599);
  EXPECT_LT(corner->x, x0) << "the top-left gem flies left";
  EXPECT_EQ(host->movesOver, 0);
  Steps(1);
  EXPECT_EQ(host->movesOver, 1) << "four seconds in all";
  EXPECT_EQ(Grid->NoMore, 0);
  EXPECT_EQ(Grid->NoMoreCounter, 0);
  Steps(5);
  EXPECT_EQ(host->movesOver, 1);
}

TEST_F(BoardTest, OnlyTheCentreGemOfAnOddBoardVanishesWhenTheGemsFly) {
  Level(Plain(9, 7));
  Grid->FillGrid();
  Board().Gems->SpreadAll();
  EXPECT_EQ(Board().Gems->Count(), 62u);
  EXPECT_FALSE(GemAt(4, 3)) << "its cell lets go of it too";
  Level(Plain(8, 7));
  Grid->FillGrid();
  Board().Gems->SpreadAll();
  EXPECT_EQ(Board().Gems->Count(), 56u);
  // Gems further out fly faster.
  const TGem* edge = GemAt(0, 3);
  const TGem* inner = GemAt(3, 3);
  ASSERT_TRUE(edge && inner);
  EXPECT_GT(std::fabs(edge->dx), std::fabs(inner->dx));
  TGem::MidHandle(0);
}
