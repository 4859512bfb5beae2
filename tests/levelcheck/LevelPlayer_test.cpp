#include <string>

#include "LevelPlayer.h"
#include "game/BoardFixture.h"

namespace {

std::string BoardText() {
  std::string types;
  for (int y = 0; y < Grid->levelheight; ++y)
    for (int x = 0; x < Grid->levelwidth; ++x) {
      TCell* c = CellAt(x, y);
      types += c && c->Gem ? char('0' + c->Gem->GemType) : '#';
      types += c && c->Gem && c->Gem->locked ? 'L' : ' ';
    }
  return types;
}

}  // namespace

using LevelPlayerTest = BoardTest;

TEST_F(LevelPlayerTest, LegalMovesScoreBricksAndLeaveTheBoardAlone) {
  // Bricks on the top row only; the bottom row is plain; one locked gem.
  Level("REM,Moves\n60\n0\n5,3\n0,0\n1,1,1,1,1\n-1,-1,2,-1,-1\n-1,-1,-1,-1,-1\n");
  Place({"11212", "34345", "53535"});
  const std::string before = BoardText();
  std::vector<TPlayerMove> moves = TLevelPlayer::LegalMoves();
  EXPECT_EQ(BoardText(), before);

  const TPlayerMove* onBricks = nullptr;
  const TPlayerMove* plain = nullptr;
  for (auto& m : moves) {
    // The locked gem at (2,1) never moves and is never moved onto.
    EXPECT_FALSE(m.x1 == 2 && m.y1 == 1);
    EXPECT_FALSE(m.x2 == 2 && m.y2 == 1);
    if ((m.x1 == 2 && m.y1 == 0 && m.x2 == 3 && m.y2 == 0) || (m.x1 == 3 && m.y1 == 0 && m.x2 == 2 && m.y2 == 0))
      onBricks = &m;
    if ((m.x1 == 2 && m.y1 == 2 && m.x2 == 3 && m.y2 == 2) || (m.x1 == 3 && m.y1 == 2 && m.x2 == 2 && m.y2 == 2))
      plain = &m;
  }
  // 1 1 2 1 2: the exchange of columns 2 and 3 makes 1 1 1 over three bricks.
  ASSERT_NE(onBricks, nullptr);
  EXPECT_EQ(onBricks->Layers, 3);
  // 5 3 5 3 5 on the plain bottom row: exchanging 2 and 3 gives 5 3 3 5 5, no line.
  EXPECT_EQ(plain, nullptr);
  for (auto& m : moves) EXPECT_LE(m.Score, onBricks->Score);
}

TEST_F(LevelPlayerTest, BonusPiecesAreAimedAtWhatTheyClear) {
  // The brush goes to the armoured brick and takes its armour first.
  Level("REM,Brush\n60\n0\n4,3\n0,0\n-1,-1,-1,-1\n-1,13,-1,-1\n-1,-1,-1,3\n");
  Place({"1234", "5f12", "3451"});
  EXPECT_TRUE(TLevelPlayer::UseBonus(false, true));
  EXPECT_EQ(CellAt(3, 2)->armour, 0);
  EXPECT_EQ(CellAt(3, 2)->gold, 1);
  EXPECT_EQ(Grid->Gold, 2);  // the piece's own brick stays until a line reaches it
  EXPECT_EQ(TypeAt(1, 1), -1);  // used up

  // The key goes to the locked gem.
  Level("REM,Key\n60\n0\n4,3\n0,0\n-1,-1,-1,-1\n-1,14,-1,-1\n-1,-1,-1,2\n");
  Place({"1234", "5g12", "3451"});
  ASSERT_TRUE(CellAt(3, 2)->Gem->locked);
  EXPECT_TRUE(TLevelPlayer::UseBonus(false, true));
  EXPECT_FALSE(CellAt(3, 2)->Gem->locked);
  EXPECT_EQ(Grid->Locked, 0);

  // A bomb that reaches no brick waits while ordinary moves still clear bricks ...
  Level("REM,Bomb\n60\n0\n5,3\n0,0\n-1,-1,-1,-1,1\n-1,-1,-1,-1,1\n-1,-1,-1,-1,1\n");
  Place({"12341", "3a125", "34512"});
  EXPECT_FALSE(TLevelPlayer::UseBonus(true, true));
  // ... and is pressed when they do not.
  EXPECT_TRUE(TLevelPlayer::UseBonus(false, true));
  EXPECT_EQ(TypeAt(0, 0), -1);
  EXPECT_EQ(TypeAt(2, 2), -1);
  EXPECT_EQ(TypeAt(3, 0), 4);
}

TEST_F(LevelPlayerTest, PlaysAnEasyLevelToTheEndAndRepeatsWithTheSameSeed) {
  const std::string level = "REM,Easy\n60\n8\n7,6\n0,0\n" + std::string("-1,-1,-1,-1,-1,-1,-1\n") +
                            "-1,-1,-1,-1,-1,-1,-1\n-1,-1,-1,-1,-1,-1,-1\n-1,-1,-1,-1,-1,-1,-1\n" +
                            "1,1,1,1,1,1,1\n1,1,1,3,1,1,1\n";
  TLevelPlayer player;
  TPlayResult a = player.Play(level, 5);
  EXPECT_TRUE(a.Won);
  EXPECT_FALSE(a.Hung);
  EXPECT_GT(a.Moves, 3);
  EXPECT_LT(a.Moves, player.MaxMoves);
  EXPECT_TRUE(a.FinalBoard.empty());
  TPlayResult b = player.Play(level, 5);
  EXPECT_EQ(b.Moves, a.Moves);
  EXPECT_EQ(b.BonusUses, a.BonusUses);

  // A move limit too short to finish: lost, with the board left behind.
  player.MaxMoves = 2;
  TPlayResult c = player.Play(level, 5);
  EXPECT_FALSE(c.Won);
  EXPECT_EQ(c.Moves, 2);
  EXPECT_NE(c.FinalBoard.find('1'), std::string::npos);
}
