#include "BoardFixture.h"

namespace {
struct CountingEffects : TBoardEffects {
  std::vector<std::string> pictures;
  int debris = 0, armourDebris = 0;
  void ScorePicture(float, float, const std::string& p) override { pictures.push_back(p); }
  void BrickDebris(float, float, int armour) override { ++debris, armourDebris += armour; }
};
}  // namespace

TEST_F(BoardTest, SwapWithoutLineSlidesBackOverTheSwapTime) {
  Level(Plain(3, 3));
  Grid->MakeNewGems = 0;
  Place({"123", "231", "312"});
  const std::string before = BoardPicture();
  TGem* a = CellAt(0, 0)->Gem.get();
  TGem* b = CellAt(1, 0)->Gem.get();
  const float ax = a->x;
  Swap(0, 0, 1, 0);
  EXPECT_EQ(sounds->Count("swap"), 1);
  EXPECT_FLOAT_EQ(Grid->SwapTime, 40);  // 200 ms in 5 ms steps
  Steps(20);
  EXPECT_NEAR(a->x, ax + 25, 1.5);  // half way
  EXPECT_EQ(Grid->BlockInput, 1);
  Steps(20);  // arrived: refused, sliding back
  EXPECT_EQ(Grid->FailedMove, 1);
  EXPECT_EQ(sounds->Count("failed"), 1);
  EXPECT_NEAR(a->x, ax + 50, 1.5);
  Steps(39);
  EXPECT_EQ(Grid->FailedMove, 1);
  Steps(1);
  EXPECT_EQ(Grid->FailedMove, 0);
  EXPECT_FLOAT_EQ(a->x, ax);
  EXPECT_EQ(a->dx, 0);
  EXPECT_EQ(b->Swapping, 0);
  EXPECT_EQ(BoardPicture(), before);
  EXPECT_EQ(host->score, 0);
  EXPECT_EQ(Grid->Mode, 0);
}

TEST_F(BoardTest, SwapThatMakesALineOnlyElsewhereIsRefused) {
  // Row 2 already holds a line; the swap in row 0 makes none through its own cells.
  Level(Plain(4, 3));
  Grid->MakeNewGems = 0;
  Place({"1234", "2341", "5553"});
  Swap(0, 0, 1, 0);
  Steps(40);
  EXPECT_EQ(Grid->FailedMove, 1);
  // When the gems are back, the old line bursts at last.
  Steps(40);
  EXPECT_EQ(host->kills, 3);
  EXPECT_EQ(TypeAt(0, 0), 1);
  EXPECT_EQ(TypeAt(1, 0), 2);
  // Two gems of one type swapped with each other stand only with a line through them.
  Level(Plain(3, 2));
  Place({"112", "221"});
  Swap(0, 0, 1, 0);
  Steps(40);
  EXPECT_EQ(Grid->FailedMove, 1);
}

TEST_F(BoardTest, FiveInARowScores150AndClearsBricks) {
  auto fx = std::make_shared<CountingEffects>();
  UseEffects(fx);
  Level(Plain(5, 2, "1"));
  Grid->MakeNewGems = 0;
  Place({"33133", "11211"});
  const int gold = Grid->Gold;
  Swap(2, 0, 2, 1);
  Steps(40);
  EXPECT_EQ(host->score, 150);
  EXPECT_EQ(host->kills, 5);
  EXPECT_EQ(Grid->Gold, gold - 5);
  EXPECT_EQ(fx->debris, 5);
  EXPECT_EQ(fx->pictures, std::vector<std::string>(5, "score30"));
  EXPECT_EQ(sounds->Count("matchbrick"), 1);
  EXPECT_EQ(sounds->Count("matchnobrick"), 1);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(TypeAt(x, 1) == -1 || TypeAt(x, 1) > 7, true) << x;
  EXPECT_EQ(TypeAt(2, 0), 2);  // the moved gem stands where the 1 was
  EXPECT_EQ(Grid->BlockInput, 1);
  Settle();
  EXPECT_EQ(Grid->BlockInput, 0);
}

TEST_F(BoardTest, CrossingLinesScoreByTheirTotal) {
  // A row of three and a column of three sharing one cell: total 6, five cells, 40 each.
  Level(Plain(4, 4));
  Grid->MakeNewGems = 0;
  Place({"2345", "1115", "1432", "1524"});
  EXPECT_EQ(Grid->DoMatches(1, 0), 5);
  host->score = 0;
  EXPECT_EQ(Grid->DoMatches(0, 0), 5);
  EXPECT_EQ(host->score, 5 * 40);
  EXPECT_EQ(TGameGrid::ScoreFor(3), 10);
  EXPECT_EQ(TGameGrid::ScoreFor(7), 50);
  EXPECT_EQ(TGameGrid::ScoreFor(25), 80);
  // A hidden creature adds 100 and shows its own picture.
  auto fx = std::make_shared<CountingEffects>();
  UseEffects(fx);
  host->score = 0;
  Grid->ScoreSpriteCreate(0, 0, 3, 1);
  EXPECT_EQ(host->score, 110);
  EXPECT_EQ(fx->pictures.back(), "score100");
}

TEST_F(BoardTest, LockedGemInALineUnlocksAndKeepsItsBrick) {
  Level("0\n0\n3,2\n0,0\n1,2,1\n-1,-1,-1\n");
  Grid->MakeNewGems = 0;
  Place({"444", "123"});
  EXPECT_EQ(Grid->Locked, 1);
  EXPECT_EQ(Grid->Gold, 3);
  EXPECT_EQ(Grid->DoMatches(0, 0), 3);
  TGem* locked = CellAt(1, 0)->Gem.get();
  EXPECT_EQ(locked->locked, 0);
  EXPECT_EQ(locked->GemType, 4);  // unlocked, not burst
  EXPECT_EQ(Grid->Locked, 0);
  EXPECT_EQ(CellAt(1, 0)->gold, 1);
  EXPECT_EQ(Grid->Gold, 1);
  EXPECT_EQ(sounds->Count("unlock"), 1);
  EXPECT_EQ(host->score, 30);
  // A locked gem never falls and holds the gem above it... and it is no swap partner.
  Level("0\n0\n2,2\n0,0\n2,-1\n-1,-1\n");
  Place({"12", "21"});
  EXPECT_EQ(Grid->NoMoreMoves(0), 1);
}

TEST_F(BoardTest, ArmourNeedsTwoBurstsAndTargetIsMetWithTheLastLayer) {
  Level("0\n0\n3,2\n0,0\n3,3,1\n-1,-1,-1\n");
  Grid->MakeNewGems = 0;
  EXPECT_EQ(Grid->Gold, 5);
  Place({"111", "234"});
  Grid->DoMatches(0, 0);
  EXPECT_EQ(Grid->Gold, 2);
  EXPECT_EQ(CellAt(0, 0)->armour, 0);
  EXPECT_EQ(CellAt(0, 0)->gold, 1);
  EXPECT_EQ(Grid->TargetMet, 0);
  Place({"55-", "234"});
  EXPECT_EQ(Grid->RemoveGold(0, 0), 1);
  EXPECT_EQ(Grid->TargetMet, 0);
  EXPECT_EQ(Grid->RemoveGold(1, 0), 1);
  EXPECT_EQ(Grid->Gold, 0);
  EXPECT_EQ(Grid->TargetMet, 1);
  EXPECT_EQ(Grid->RemoveGold(1, 0), 0);
  EXPECT_EQ(Grid->Gold, 0);
}

TEST_F(BoardTest, BonusRollAddsItsLateTypesAndAvoidsUselessLocks) {
  Level(Plain(3, 3));
  Place({"123", "231", "312"});
  auto roll = [&](int tries) {
    std::vector<int> made(16, 0);
    for (int i = 0; i < tries; ++i) {
      Grid->BonusRoll(1, 1);
      int t = TypeAt(1, 1);
      if (t >= 8) ++made[t];
      Place({"123", "231", "312"});
    }
    return made;
  };
  // Nearly done with one lock left: type 14 appears though the level lists none.
  Grid->Gold = 2;
  Grid->Locked = 1;
  Board().LevelBonusCount = 0;
  auto made = roll(3000);
  EXPECT_GT(made[14], 0);
  EXPECT_EQ(made[13], 0);  // level 1 of the classic pack is too early for 13
  int total = 0;
  for (int n : made) total += n;
  EXPECT_NEAR(total, 3000 * 0.06, 60);
  host->level = 5;
  made = roll(3000);
  EXPECT_GT(made[13], 0);
  // With bricks aplenty and no lock, a listed 14 is drawn again.
  Grid->Gold = 20;
  Grid->Locked = 0;
  Board().LevelBonuses[0] = 9;
  Board().LevelBonuses[1] = 14;
  Board().LevelBonusCount = 2;
  made = roll(3000);
  EXPECT_GT(made[9], 0);
  EXPECT_EQ(made[14], 0);
  EXPECT_NEAR(made[9], 3000 * 0.03, 40);
  // A list of nothing but 14s must not draw forever.
  Board().LevelBonuses[0] = 14;
  made = roll(500);
  EXPECT_GT(made[14], 0);
}
