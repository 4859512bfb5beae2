// Bonus pieces pressed on a seeded board: their reach at power 1 and with a full
// gauge, what they do to bricks, armour and locks, and their sounds.
#include "BoardPlayFixture.h"

namespace {
class BonusPieces : public BoardPlayTest {
 protected:
  // Keeps the board still after a use so the bursts can be counted.
  void Frozen(const std::string& level) {
    Level(level);
    Grid->MakeNewGems = 0;
    Grid->DropGemsFlag = 0;
  }
  static int Bursting() {
    int n = 0;
    for (auto& g : Board().Gems->Items) n += g->GemType == -1;
    return n;
  }
};
}  // namespace

TEST_F(BonusPieces, RowPieceCrossesAHoleAndColumnPieceKeepsToItsColumn) {
  Frozen("0\n0\n5,2\n0,0\n-1,-1,0,-1,-1\n-1,-1,-1,-1,-1\n");
  Place({"b1#23", "12312"});
  Click(0, 0);
  // Both sides of the hole burst; the row below is untouched.
  EXPECT_EQ(TypeAt(1, 0), -1);
  EXPECT_EQ(TypeAt(3, 0), -1);
  EXPECT_EQ(TypeAt(4, 0), -1);
  EXPECT_EQ(TypeAt(0, 0), -1);
  EXPECT_EQ(Bursting(), 4);
  EXPECT_EQ(sounds->Count("cracker"), 1);
  EXPECT_EQ(Grid->Mode, 0);
  // Bursts from a piece earn nothing and leave the bricks alone.
  EXPECT_EQ(host->score, 0);

  Place({"11#23", "1c312"});
  Click(1, 1);
  EXPECT_EQ(TypeAt(1, 0), -1);
  EXPECT_EQ(TypeAt(1, 1), -1);
  EXPECT_EQ(Bursting(), 2);
  EXPECT_EQ(TypeAt(0, 1), 1);
}

TEST_F(BonusPieces, BombInACornerBurstsFourAndAFullGaugeWidensIt) {
  Frozen(Plain(7, 7, "1"));
  Place({"a123451", "2345123", "3451234", "4512345", "5123451", "1234512", "2345123"});
  Click(0, 0);
  EXPECT_EQ(Bursting(), 4);
  EXPECT_EQ(sounds->Count("explode"), 1);
  EXPECT_EQ(Grid->Gold, 49);

  Place({"1234512", "2345123", "3451234", "451a345", "5123451", "1234512", "2345123"});
  Grid->BonusPower = 2;
  Grid->DiagonalGauge = 10;
  Click(3, 3);
  EXPECT_EQ(Bursting(), 21);
  EXPECT_EQ(TypeAt(1, 1), 3);  // corner of the 5 x 5 stays
  EXPECT_EQ(TypeAt(1, 2), -1);
  EXPECT_EQ(Grid->BonusPower, 1);
  EXPECT_EQ(Grid->DiagonalGauge, 0);
}

TEST_F(BonusPieces, PaintPotWithAFullGaugeClearsTwentyOneLayersButNotUnderLocks) {
  Frozen(Plain(7, 7, "3"));  // armoured: two layers everywhere
  Place({"1234512", "2345123", "3451234", "451e345", "5123451", "1234512", "2345123"});
  const int gold = Grid->Gold;
  Grid->BonusPower = 2;
  Click(3, 3);
  EXPECT_EQ(Grid->Gold, gold - 21);
  EXPECT_EQ(CellAt(3, 3)->armour, 0);
  EXPECT_EQ(CellAt(3, 3)->gold, 1);
  EXPECT_EQ(CellAt(0, 0)->armour, 1);
  EXPECT_EQ(TypeAt(3, 3), -1);  // the pot itself is used up
  EXPECT_EQ(Bursting(), 1);
  EXPECT_EQ(sounds->Count("paintpot"), 1);
  EXPECT_EQ(sounds->Count("matchbrick"), 1);
  EXPECT_EQ(Grid->BonusPower, 1);

  // At power 1 the 3 x 3 square, skipping the locked gem.
  Frozen("0\n0\n3,3\n0,0\n1,1,1\n1,1,2\n1,1,1\n");
  Place({"123", "4e1", "231"});
  Click(1, 1);
  EXPECT_EQ(Grid->Gold, 1);
  EXPECT_EQ(CellAt(2, 1)->gold, 1);
}

TEST_F(BonusPieces, BrushTakesArmourFirstAndRefusesALockedTarget) {
  Frozen("0\n0\n3,2\n0,0\n3,-1,2\n-1,-1,-1\n");
  Place({"1f3", "ff1"});
  // Armed, then applied to the armoured brick: the armour goes, the brick stays.
  Click(1, 0);
  EXPECT_EQ(Grid->PointerGemType, 13);
  Click(0, 0);
  EXPECT_EQ(CellAt(0, 0)->armour, 0);
  EXPECT_EQ(CellAt(0, 0)->gold, 1);
  EXPECT_EQ(Grid->Gold, 2);
  EXPECT_EQ(sounds->Count("brush"), 1);
  EXPECT_EQ(TypeAt(1, 0), -1);
  EXPECT_EQ(Grid->Mode, 0);
  // A second brush takes the brick.
  Click(0, 1);
  Click(0, 0);
  EXPECT_EQ(CellAt(0, 0)->gold, 0);
  EXPECT_EQ(Grid->Gold, 1);
  // On a locked gem the brush refuses and stays on the pointer.
  Click(1, 1);
  Click(2, 0);
  EXPECT_EQ(sounds->Count("lockedclick"), 1);
  EXPECT_EQ(Grid->Mode, 1);
  EXPECT_EQ(Grid->PointerGemType, 13);
  EXPECT_EQ(TypeAt(1, 1), 13);
  EXPECT_EQ(CellAt(2, 0)->gold, 1);
  // A cell without a brick: used up with the invalid sound.
  Click(2, 1);
  EXPECT_EQ(sounds->Count("invalid"), 1);
  EXPECT_EQ(TypeAt(1, 1), -1);
  EXPECT_EQ(Grid->Mode, 0);
}

TEST_F(BonusPieces, KeyAndStarOnLocksAndPlainGems) {
  Frozen("0\n0\n4,2\n0,0\n2,-1,2,-1\n-1,-1,-1,-1\n");
  Place({"1g23", "ggd1"});
  ASSERT_EQ(Grid->Locked, 2);
  // The key on a plain gem does nothing and is used up.
  Click(1, 0);
  Click(3, 0);
  EXPECT_EQ(sounds->Count("invalid"), 1);
  EXPECT_EQ(TypeAt(1, 0), -1);
  EXPECT_EQ(TypeAt(3, 0), 3);
  // The key on a locked gem unlocks it; the gem stays.
  Click(0, 1);
  Click(0, 0);
  EXPECT_EQ(Grid->Locked, 1);
  EXPECT_EQ(CellAt(0, 0)->Gem->locked, 0);
  EXPECT_EQ(TypeAt(0, 0), 1);
  EXPECT_EQ(sounds->Count("unlock"), 1);
  // The star bursts a locked gem: Locked falls and the unlock sound plays.
  Click(2, 1);
  Click(2, 0);
  EXPECT_EQ(TypeAt(2, 0), -1);
  EXPECT_EQ(Grid->Locked, 0);
  EXPECT_EQ(sounds->Count("star"), 1);
  EXPECT_EQ(sounds->Count("unlock"), 2);
  // Its brick stays: pieces that burst gems leave bricks alone.
  EXPECT_EQ(CellAt(2, 0)->gold, 1);
}

TEST_F(BonusPieces, BombBurstingALockedGemLowersLockedAndTheSurprisePieceChanges) {
  Frozen("0\n0\n3,1\n0,0\n2,-1,-1\n");
  Place({"1a2"});
  Click(1, 0);
  EXPECT_EQ(Grid->Locked, 0);
  EXPECT_EQ(Bursting(), 3);
  EXPECT_EQ(sounds->Count("explode"), 1);
  EXPECT_EQ(sounds->Count("unlock"), 1);

  // Without locks on the board the surprise piece never becomes a key, and keeps its new type.
  for (int i = 0; i < 20; ++i) {
    Frozen(Plain(3, 1));
    Place({"1h2"});
    Click(1, 0);
    TGem* g = CellAt(1, 0)->Gem.get();
    EXPECT_NE(g->GemType, 15);
    EXPECT_NE(g->GemType, 14);
    if (g->GemType == 11 || g->GemType == 13) {
      EXPECT_EQ(Grid->PointerGemType, g->GemType);
      Click(1, 0);  // cancel
      EXPECT_EQ(CellAt(1, 0)->Gem->GemType, g->GemType);
    }
  }
}
