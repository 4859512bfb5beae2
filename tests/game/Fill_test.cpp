#include <cstdlib>
#include <fstream>
#include <sstream>

#include "BoardFixture.h"

namespace {

// Independent line check: three same ordinary types in a row or column. A
// start piece of the level may end a line (the fill cannot undo what came
// before it) but never begin one, since the gems after it are drawn knowing it.
bool HasLine(int w, int h) {
  auto t = [](int x, int y) {
    TCell* c = PlayableAt(x, y);
    int v = c && c->Gem ? c->Gem->GemType : 0;
    return v >= 1 && v <= 7 ? v : 0;
  };
  auto start = [](int x, int y) { return PlayableAt(x, y)->bonus > 0; };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      int v = t(x, y);
      if (!v) continue;
      if (x + 2 < w && t(x + 1, y) == v && t(x + 2, y) == v && !start(x + 1, y) && !start(x + 2, y)) return true;
      if (y + 2 < h && t(x, y + 1) == v && t(x, y + 2) == v && !start(x, y + 1) && !start(x, y + 2)) return true;
    }
  return false;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Compares with a golden file; TV_UPDATE_GOLDEN=1 rewrites it instead.
void ExpectGolden(const std::string& name, const std::string& picture) {
  std::string path = std::string(TV_SOURCE_DIR) + "/tests/game/golden/" + name;
  if (std::getenv("TV_UPDATE_GOLDEN")) {
    std::ofstream(path) << picture;
    return;
  }
  EXPECT_EQ(ReadFile(path), picture) << "golden file " << path;
}

const char* Shaped =
    "REM,Shaped\n60\n9,12\n9,8\n0,0\n"
    "0,-1,-1,1,1,1,-1,-1,0\n"
    "-1,1,2,1,9,1,2,1,-1\n"
    "1,1,1,3,3,3,1,1,1\n"
    "1,1,0,0,0,0,0,1,1\n"
    "1,3,1,1,4,1,1,3,1\n"
    "1,1,1,1,1,1,1,1,1\n"
    "-1,1,23,1,12,1,23,1,-1\n"
    "0,-1,-1,1,1,1,-1,-1,0\n";

}  // namespace

TEST_F(BoardTest, FillsHaveNoLinesKeepStartPiecesAndHideCreatures) {
  for (uint32_t seed = 1; seed <= 60; ++seed) {
    SeedRnd(seed);
    Level(seed % 2 ? Shaped : Plain(13, 12));
    Grid->FillGrid();
    const int w = Grid->levelwidth, h = Grid->levelheight;
    ASSERT_FALSE(HasLine(w, h)) << "seed " << seed << "\n" << BoardPicture();
    int ordinary = 0, creatures = 0;
    for (auto& g : Board().Gems->Items) {
      ordinary += g->Ordinary();
      creatures += g->Munchkin;
      if (g->Munchkin) {
        EXPECT_TRUE(g->Ordinary());
      }
      EXPECT_TRUE(g->MunchkinCounter >= 0 && g->MunchkinCounter < g->MunchkinLength);
    }
    EXPECT_EQ(creatures, ordinary * 15 / 100) << seed;
    if (seed % 2) {
      EXPECT_EQ(TypeAt(4, 1), 9);
      EXPECT_EQ(TypeAt(4, 6), 12);
      EXPECT_EQ(TypeAt(2, 6), 3);  // code 23: gem type 3, in the palette or not
      EXPECT_EQ(TypeAt(6, 6), 3);
      EXPECT_EQ(CellAt(2, 1)->Gem->locked, 1);
      EXPECT_EQ(CellAt(4, 4)->Gem->locked, 1);
      EXPECT_EQ(TypeAt(0, 0), 0);
      EXPECT_EQ(Grid->Locked, 3);
    }
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (TCell* c = PlayableAt(x, y)) {
          ASSERT_TRUE(c->Gem);
          if (!c->bonus) {
            bool inPalette = false;
            for (int i = 0; i < GemTypeCount; ++i) inPalette = inPalette || Board().GemTypes[i] == c->Gem->GemType;
            EXPECT_TRUE(inPalette);
          }
        }
  }
}

TEST_F(BoardTest, SameSeedGivesTheSameBoard) {
  SeedRnd(7);
  Level(Shaped);
  ASSERT_EQ(Grid->FillUntilMove(), 1);
  std::string first = BoardPicture();
  ExpectGolden("fill_shaped_seed7.txt", first);
  SeedRnd(7);
  Level(Shaped);
  Grid->FillUntilMove();
  EXPECT_EQ(BoardPicture(), first);

  SeedRnd(11);
  Level(Plain(13, 12, "1"));
  Grid->FillUntilMove();
  ExpectGolden("fill_full_seed11.txt", BoardPicture());
}

TEST_F(BoardTest, RefillingAMovelessShapeStopsAfterTheCap) {
  // Two cells can never hold a line: the fill gives up instead of looping forever.
  Level(Plain(2, 1));
  EXPECT_EQ(Grid->FillUntilMove(), 0);
  EXPECT_EQ(Grid->NoMoreMoves(0), 1);
  EXPECT_EQ(Board().Gems->Count(), 2u);
  // A start bonus piece is always a move, so the first fill stands.
  Level("0\n0\n2,1\n0,0\n8,1\n");
  EXPECT_EQ(Grid->FillUntilMove(), 1);
}
