#include "BoardFixture.h"
#include "game/LevelFile.h"

namespace {
const char* Snowy = "REM,Snowy Start\n120\n9,9,12\n5,3\n0,0\n0,-1,1,-1,0\n-1,1,3,1,-1\n1,2,9,2,1\n";
}

TEST_F(BoardTest, ExampleLevelCountsCellsAndGeometry) {
  Level(Snowy);
  EXPECT_EQ(Grid->LevelName, "Snowy Start");
  EXPECT_FLOAT_EQ(Grid->TimeLimit, 120 * 1000 / 5);
  ASSERT_EQ(Board().LevelBonusCount, 3);
  EXPECT_EQ(Board().LevelBonuses[0], 9);
  EXPECT_EQ(Board().LevelBonuses[1], 9);
  EXPECT_EQ(Board().LevelBonuses[2], 12);
  EXPECT_EQ(Grid->levelwidth, 5);
  EXPECT_EQ(Grid->levelheight, 3);
  EXPECT_EQ(Grid->Gold, 10);
  EXPECT_EQ(Grid->Locked, 2);
  EXPECT_FALSE(PlayableAt(0, 0));
  EXPECT_FALSE(PlayableAt(4, 0));
  EXPECT_TRUE(PlayableAt(1, 0) && PlayableAt(1, 0)->gold == 0);
  EXPECT_EQ(CellAt(2, 1)->armour, 1);
  EXPECT_EQ(CellAt(2, 1)->gold, 1);
  EXPECT_EQ(CellAt(1, 2)->gemlocked, 1);
  EXPECT_EQ(CellAt(2, 2)->bonus, 9);
  EXPECT_FALSE(CellAt(5, 0));  // outside the level: no cell object

  // The palette: five different types from 1-7.
  for (int i = 0; i < GemTypeCount; ++i) {
    EXPECT_GE(Board().GemTypes[i], 1);
    EXPECT_LE(Board().GemTypes[i], 7);
    for (int j = 0; j < i; ++j) EXPECT_NE(Board().GemTypes[i], Board().GemTypes[j]);
  }

  // Centred 60 px right of the screen centre; cells know their pixels.
  EXPECT_EQ(Grid->sx, 335);
  EXPECT_EQ(Grid->sy, 225);
  EXPECT_FLOAT_EQ(CellAt(3, 2)->sx, 335 + 150);
  EXPECT_FLOAT_EQ(CellAt(3, 2)->sy, 225 + 100);
  EXPECT_EQ(ColumnAt(float(Grid->sx - 10)), 0);
  EXPECT_EQ(ColumnAt(float(Grid->sx - 60)), -1);
  EXPECT_EQ(RowAt(float(Grid->sy - 1)), -1);
  EXPECT_EQ(RowAt(float(Grid->sy + 149)), 2);

  // Frame: the cell right of the top-left hole has the frame on its left and
  // an outer corner; the cell below the hole has the frame on top.
  TCell* a = CellAt(1, 0);
  EXPECT_TRUE(a->DrawLeft && a->DrawTop && a->DrawTL);
  TCell* b = CellAt(0, 1);
  EXPECT_TRUE(b->DrawTop && b->DrawLeft && b->DrawTL && !b->DrawBL);
  TCell* br = CellAt(4, 2);
  EXPECT_TRUE(br->DrawRight && br->DrawBottom && br->DrawCorner && br->DrawBR);
  TCell* inner = CellAt(2, 1);
  EXPECT_FALSE(inner->DrawLeft || inner->DrawTop || inner->DrawRight || inner->DrawBottom);
  // Entry cells: column 0 starts at row 1 below its hole.
  EXPECT_EQ(Board().TopCount[0], 1);
  EXPECT_EQ(Board().TopRows[0][0], 1);
  EXPECT_EQ(Board().TopRows[2][0], 0);
  EXPECT_EQ(Board().TopRows[7][0], 0);  // outside the level: no entry recorded
}

TEST_F(BoardTest, NameLineTimeLineAndCellCodes) {
  Level("rem,lower case\n7\n11\n4,1\n0,0\n-1,3,31,-5\n");
  EXPECT_EQ(Grid->LevelName, "lower case");
  EXPECT_FLOAT_EQ(Grid->TimeLimit, 7 * 200);
  ASSERT_EQ(Board().LevelBonusCount, 1);
  EXPECT_EQ(Board().LevelBonuses[0], 11);
  EXPECT_EQ(CellAt(0, 0)->gold, 0);
  EXPECT_EQ(CellAt(1, 0)->armour, 1);
  EXPECT_EQ(CellAt(2, 0)->armour, 1);
  EXPECT_EQ(CellAt(2, 0)->bonus, 11);
  EXPECT_EQ(CellAt(3, 0)->gold, 1);  // any other negative code is a brick
  EXPECT_EQ(Grid->Gold, 0 + 2 + 2 + 1);

  // A file that is only "90": no name, 90 seconds, nothing else.
  Level("90");
  EXPECT_EQ(Grid->LevelName, "");
  EXPECT_FLOAT_EQ(Grid->TimeLimit, 90 * 200);
  EXPECT_EQ(Board().LevelBonusCount, 0);
  EXPECT_EQ(Grid->Gold, 0);

  // "0" on the bonus line gives no bonus; a CR LF file reads like an LF file.
  Level("REM,Windows\r\n5\r\n0\r\n2,1\r\n0,0\r\n1,-1\r\n");
  EXPECT_EQ(Grid->LevelName, "Windows");
  EXPECT_EQ(Board().LevelBonusCount, 0);
  EXPECT_EQ(Grid->levelwidth, 2);
  EXPECT_EQ(Grid->Gold, 1);
  EXPECT_EQ(CellAt(1, 0)->active, 1);
}

TEST_F(BoardTest, OneColumnLevelHasFrameOnBothSidesAndCornersAtBothEnds) {
  Level("0\n0\n1,3\n0,0\n-1\n-1\n-1\n");
  for (int y = 0; y < 3; ++y) {
    TCell* c = CellAt(0, y);
    EXPECT_TRUE(c->DrawLeft && c->DrawRight) << y;
    EXPECT_EQ(c->DrawCorner, y == 2 ? 1 : 0) << y;
  }
  EXPECT_TRUE(CellAt(0, 0)->DrawTL && CellAt(0, 0)->DrawTR);
  EXPECT_FALSE(CellAt(0, 0)->DrawBL || CellAt(0, 0)->DrawBR);
  EXPECT_TRUE(CellAt(0, 2)->DrawBL && CellAt(0, 2)->DrawBR);
  EXPECT_FALSE(CellAt(0, 1)->DrawTL || CellAt(0, 1)->DrawBR);
}

TEST_F(BoardTest, MalformedFilesAreClampedToTheBoard) {
  // Oversized: width and height clamp, long rows and extra rows are dropped.
  std::string big = "0\n0\n99,40\n0,0\n";
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 30; ++x) big += x ? ",1" : "1";
    big += "\n";
  }
  Level(big);
  EXPECT_EQ(Grid->levelwidth, 13);
  EXPECT_EQ(Grid->levelheight, 12);
  EXPECT_EQ(Grid->Gold, 13 * 12);

  // Sizes below one become one.
  Level("0\n0\n-3,0\n0,0\n1\n");
  EXPECT_EQ(Grid->levelwidth, 1);
  EXPECT_EQ(Grid->levelheight, 1);

  // Bonus list: only 8-15, at most 16; all twenty entries cleared on load.
  std::string bonuses;
  for (int i = 0; i < 40; ++i) {
    if (i) bonuses += ",";
    bonuses += std::to_string(i % 2 ? 9 : 30);
  }
  Level("0\n" + bonuses + ",0,7,16,-9\n1,1\n0,0\n1\n");
  EXPECT_EQ(Board().LevelBonusCount, 16);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(Board().LevelBonuses[i], 9);
  for (int i = 0; i < 20; ++i) Board().LevelBonuses[i] = 99;
  Level("0\n8\n1,1\n0,0\n1\n");
  EXPECT_EQ(Board().LevelBonusCount, 1);
  for (int i = 1; i < 20; ++i) EXPECT_EQ(Board().LevelBonuses[i], 0);

  // Codes naming no piece keep their bricks but start no piece.
  Level("0\n0\n4,1\n0,0\n16,20,36,1000\n");
  EXPECT_EQ(Grid->Gold, 1 + 1 + 2 + 2);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(CellAt(x, 0)->bonus, 0) << x;
  EXPECT_EQ(CellAt(0, 0)->armour, 0);
  EXPECT_EQ(CellAt(2, 0)->armour, 1);
  Grid->FillGrid();
  for (auto& g : Board().Gems->Items) EXPECT_TRUE(g->GemType >= 1 && g->GemType <= 7);

  // A tall column of alternating holes fits the six entries of the table.
  std::string tall = "0\n0\n1,12\n0,0\n";
  for (int y = 0; y < 12; ++y) tall += y % 2 ? "0\n" : "-1\n";
  Level(tall);
  EXPECT_EQ(Board().TopCount[0], 6);
  EXPECT_EQ(Board().TopRows[0][5], 10);

  // Numbers: junk reads 0, huge values saturate, signs and spaces are allowed.
  EXPECT_EQ(TLevelFile::ReadInt("abc"), 0);
  EXPECT_EQ(TLevelFile::ReadInt(" -12x"), -12);
  EXPECT_EQ(TLevelFile::ReadInt("99999999999999999999"), 2147483647);
}

TEST_F(BoardTest, MissingLevelFileIsReported) {
  LevelPack = 1;
  EXPECT_EQ(TGameGrid::LevelPath(1, 7), "data/levelsGold/7.txt");
  EXPECT_EQ(TGameGrid::LevelPath(0, 12), "data/levels/12.txt");
  try {
    Grid->Load(4242);
    FAIL() << "a missing level must be fatal";
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(std::string(e.what()), "Error loading file data/levelsGold/4242.txt");
  }
}
