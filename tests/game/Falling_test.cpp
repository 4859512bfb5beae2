#include <cmath>

#include "BoardFixture.h"

TEST_F(BoardTest, HoleSplitsAColumnAndEachSegmentIsFedOnItsOwn) {
  // One column, a hole in row 4: rows 0-3 and 5-7 are separate segments.
  Level("0\n0\n1,8\n0,0\n-1\n-1\n-1\n-1\n0\n-1\n-1\n-1\n");
  ASSERT_EQ(Board().TopCount[0], 2);
  EXPECT_EQ(Board().TopRows[0][0], 0);
  EXPECT_EQ(Board().TopRows[0][1], 5);
  Grid->MakeNewGems = 0;
  Place({"1", "2", "-", "-", "#", "3", "-", "-"});
  TGem* top = CellAt(0, 0)->Gem.get();
  TGem* lower = CellAt(0, 5)->Gem.get();
  Settle();
  EXPECT_EQ(CellAt(0, 3)->Gem->GemType, 2);
  EXPECT_EQ(CellAt(0, 2)->Gem.get(), top);
  EXPECT_EQ(CellAt(0, 7)->Gem.get(), lower);  // fell to the bottom, not across the hole
  EXPECT_FALSE(CellAt(0, 0)->Gem);
  EXPECT_FLOAT_EQ(lower->y, float(GridY(7)));
  EXPECT_EQ(lower->dy, 0);

  // The settled column has no move, which stops new gems until the level restarts.
  EXPECT_EQ(Grid->NoMore, 1);
  EXPECT_GT(host->quits, 0);
  // Now refill: every playable cell ends up with a gem and nothing stays pending.
  Grid->NoMore = 0;
  Grid->MakeNewGems = 1;
  Grid->DropGems();
  Settle();
  for (int y = 0; y < 8; ++y) EXPECT_EQ(bool(PlayableAt(0, y) && PlayableAt(0, y)->Gem), y != 4) << y;
  EXPECT_EQ(Board().DropPending[0][0], 0);
  EXPECT_EQ(Board().DropPending[0][1], 0);
  EXPECT_EQ(Board().Gems->Count(), 7u);
  EXPECT_EQ(CellAt(0, 7)->Gem.get(), lower);
}

TEST_F(BoardTest, LockedGemHoldsTheGemsAboveIt) {
  Level("0\n0\n1,4\n0,0\n-1\n2\n-1\n-1\n");
  Grid->MakeNewGems = 0;
  Place({"1", "2", "-", "-"});
  TGem* above = CellAt(0, 0)->Gem.get();
  Steps(500);
  EXPECT_EQ(CellAt(0, 0)->Gem.get(), above);
  EXPECT_EQ(CellAt(0, 1)->Gem->locked, 1);
  EXPECT_FALSE(CellAt(0, 2)->Gem);
  EXPECT_EQ(above->dy, 0);
}

TEST_F(BoardTest, NewGemsArriveAsAStreamOneBehindAnother) {
  Level(Plain(1, 4));
  Place({"-", "-", "-", "-"});
  Steps(1);
  EXPECT_EQ(Board().Gems->Count(), 1u);
  EXPECT_EQ(Board().DropPending[0][0], 1);
  float minGap = 1e9f;
  size_t most = 0;
  for (int i = 0; i < 600; ++i) {
    Grid->Manage();
    most = std::max(most, Board().Gems->Count());
    // Gems of one column never overlap while they fall.
    for (auto& a : Board().Gems->Items)
      for (auto& b : Board().Gems->Items)
        if (a != b && a->y < b->y) minGap = std::min(minGap, b->y - a->y);
  }
  EXPECT_GE(minGap, 48.0f);
  EXPECT_EQ(Board().Gems->Count(), 4u);
  for (int y = 0; y < 4; ++y) {
    ASSERT_TRUE(CellAt(0, y)->Gem) << y;
    EXPECT_FLOAT_EQ(CellAt(0, y)->Gem->y, float(GridY(y)));
  }
  EXPECT_EQ(Board().DropPending[0][0], 0);
  EXPECT_GT(sounds->lands, 0);
}

TEST_F(BoardTest, LandingsStartCascades) {
  Level(Plain(3, 4));
  Grid->MakeNewGems = 0;
  Place({"354", "112", "341", "352"});
  Swap(2, 1, 2, 2);
  Steps(40);
  EXPECT_EQ(host->kills, 3);
  Settle();
  // The 3 from the top lands on the two 3s below it: a second burst.
  EXPECT_EQ(host->kills, 6);
  EXPECT_EQ(sounds->Count("matchnobrick"), 2);
  EXPECT_FALSE(CellAt(0, 1)->Gem);
  EXPECT_EQ(TypeAt(1, 3), 5);
  EXPECT_EQ(TypeAt(1, 2), 4);
  EXPECT_EQ(TypeAt(1, 1), 5);
  EXPECT_EQ(Grid->BlockInput, 0);
}

TEST_F(BoardTest, SeededPlayIsRepeatable) {
  // The same seed, level and moves give the same board after every cascade.
  auto play = [&]() {
    SeedRnd(99);
    NewGrid();
    Level(Plain(8, 8, "1"));
    Grid->FillUntilMove();
    for (int move = 0; move < 15; ++move) {
      if (Grid->NoMoreMoves(1)) break;
      int x = Grid->DebugX, y = Grid->DebugY;
      // Try the neighbours of the hinted gem until one move stands.
      const int nx[4] = {1, -1, 0, 0}, ny[4] = {0, 0, 1, -1};
      for (int k = 0; k < 4; ++k) {
        if (!PlayableAt(x + nx[k], y + ny[k])) continue;
        int kills = host->kills;
        Swap(x, y, x + nx[k], y + ny[k]);
        Settle();
        if (host->kills > kills) break;
      }
    }
    return BoardPicture();
  };
  std::string first = play();
  int score = host->score;
  host->score = 0;
  EXPECT_EQ(play(), first);
  EXPECT_EQ(host->score, score);
  EXPECT_GT(score, 0);
}
