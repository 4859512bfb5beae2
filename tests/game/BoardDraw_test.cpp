// The board's drawing, checked quad by quad through the recording back end:
// frame and shadow rectangles, cell pictures, gems, lock, cursor and the
// pointer highlight land where the board's geometry puts them.
#include <optional>

#include "BoardPlayFixture.h"
#include "gfx/Draw.h"
#include "gfx/RecordingRenderDriver.h"
#include "support/RecordingScreen.h"

namespace {
struct Quad {
  float x, y, w, h;
  int r, g, b, a;
  int blend;
  bool textured;
};

class BoardDraw : public BoardPlayTest {
 protected:
  TRecordingRenderDriver* rec = nullptr;
  void SetUp() override {
    BoardPlayTest::SetUp();
    rec = UseRecordingScreen();
    ASSERT_NE(rec, nullptr);
    // Brick, plain cell, hole / armour, locked gem, plain cell.
    Level("0\n0\n3,2\n0,0\n1,-1,0\n3,2,-1\n");
    Grid->MakeNewGems = 0;
    Place({"12#", "345"});
  }
  void TearDown() override {
    SetRenderDriver(nullptr);
    BoardPlayTest::TearDown();
  }
  std::vector<Quad> Quads() const {
    std::vector<Quad> out;
    for (auto& p : rec->recorded) {
      if (p.primitive != TPrimitive::Triangles || p.vertices.size() < 6) continue;
      float x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
      for (auto& v : p.vertices) {
        x0 = std::min(x0, v.x), y0 = std::min(y0, v.y), x1 = std::max(x1, v.x), y1 = std::max(y1, v.y);
      }
      const uint32_t c = p.vertices[0].rgba;
      out.push_back({x0, y0, x1 - x0, y1 - y0, int(c & 0xff), int((c >> 8) & 0xff), int((c >> 16) & 0xff),
                     int(c >> 24), p.blend, p.page != nullptr});
    }
    return out;
  }
  // Index of the first quad at (x, y) of size (w, h), textured or not; -1 when none.
  int Find(float x, float y, float w, float h, bool textured, int from = 0) const {
    auto q = Quads();
    for (int i = from; i < int(q.size()); ++i)
      if (std::abs(q[i].x - x) < 0.01f && std::abs(q[i].y - y) < 0.01f && std::abs(q[i].w - w) < 0.01f &&
          std::abs(q[i].h - h) < 0.01f && q[i].textured == textured)
        return i;
    return -1;
  }
};
}  // namespace

TEST_F(BoardDraw, FrameCellsAndGemsLandOnTheGeometry) {
  const float sx = float(Grid->sx), sy = float(Grid->sy);
  Grid->Draw();
  auto q = Quads();
  // The gold frame left of and above cell (0,0), its outer corner, and the
  // shadow right of cell (1,0), whose right neighbour is a hole.
  int left = Find(sx - 4, sy, 4, 50, false);
  ASSERT_GE(left, 0);
  EXPECT_EQ(q[left].r, 255);
  EXPECT_EQ(q[left].g, 214);
  EXPECT_EQ(q[left].b, 112);
  EXPECT_GE(Find(sx - 4, sy - 4, 4, 4, false), 0);
  int shadow = Find(sx + 50 + 54, sy, 4, 50, false);
  ASSERT_GE(shadow, 0);
  EXPECT_EQ(q[shadow].r, 50);
  EXPECT_NEAR(q[shadow].a, 127, 1);
  // No frame between the two playable cells of row 0.
  EXPECT_LT(Find(sx + 49, sy, 5, 50, false), 0);
  // The bottom shadow of (1,1) is shortened where (0,1)'s frame... (0,1) has none: full width.
  EXPECT_GE(Find(sx + 50, sy + 50 + 54, 50, 4, false), 0);

  // Cell (0,0): brick at the cell, the cell picture one pixel up-left.
  const int brick = Find(sx, sy, 50, 50, true);
  const int cell = Find(sx - 1, sy - 1, 52, 52, true);
  ASSERT_GE(brick, 0);
  ASSERT_GE(cell, 0);
  EXPECT_LT(brick, cell);
  // Cell (1,0) has no brick: the pane, also one pixel up-left, and a right side piece.
  EXPECT_GE(Find(sx + 49, sy - 1, 50, 50, true), 0);
  EXPECT_GE(Find(sx + 49 + 52 - 2, sy - 1, 4, 52, true), 0);
  // Every frame rectangle comes before every cell picture.
  EXPECT_LT(left, brick);

  // Gems over the cells, the lock over the locked gem of (1,1).
  const int gem = Find(sx + 50, sy + 50, 50, 50, true, cell);
  ASSERT_GE(gem, 0);
  EXPECT_GE(Find(sx + 50, sy + 50, 50, 50, true, gem + 1), 0);
  // The gems' shadows are in their pictures, not a second quad in black.
  EXPECT_LT(Find(sx + 1.5f, sy + 1.5f, 50, 50, true), 0);
}

TEST_F(BoardDraw, CursorHighlightAndSlidingGemsDrawOnTop) {
  const float sx = float(Grid->sx), sy = float(Grid->sy);
  Mouse(int(sx) + 75, int(sy) + 10, true);  // select (1,0)
  ASSERT_EQ(Grid->Mode, 1);
  Mouse(int(sx) + 10, int(sy) + 10, false);  // pointer over (0,0)
  // This little board has no move left: in no-moves mode the highlight is off.
  ASSERT_EQ(Grid->NoMore, 1);
  rec->Clear();
  Grid->Draw();
  EXPECT_LT(Find(sx + 1, sy + 1, 48, 48, false), 0);
  Grid->NoMore = 0;
  rec->Clear();
  Grid->Draw();
  auto q = Quads();
  // The cursor picture (60 x 60) centred on the selected cell, then added again.
  const int cursor = Find(sx + 50 - 5, sy - 5, 60, 60, true);
  ASSERT_GE(cursor, 0);
  const int glow = Find(sx + 50 - 5, sy - 5, 60, 60, true, cursor + 1);
  ASSERT_GE(glow, 0);
  EXPECT_EQ(q[glow].blend, BLEND_LIGHT);
  // The pointer highlight: a 48-pixel square inside the cell at alpha 0.3.
  const int light = Find(sx + 1, sy + 1, 48, 48, false);
  ASSERT_GE(light, 0);
  EXPECT_NEAR(q[light].a, 77, 1);
  EXPECT_EQ(q[light].g, 214);
  // Not over a locked gem.
  Mouse(int(sx) + 60, int(sy) + 60, false);
  Grid->NoMore = 0;
  rec->Clear();
  Grid->Draw();
  EXPECT_LT(Find(sx + 51, sy + 51, 48, 48, false), 0);

  // A sliding pair is drawn after every other gem, the moving gem last.
  Click(1, 0);  // cancels the selection
  Press(0, 0);
  Mouse(int(sx) + 30, int(sy) + 60, true);  // drag down onto (0,1)
  ASSERT_GT(Grid->SwapCounter, 0);
  Steps(10);
  rec->Clear();
  Grid->Draw();
  ASSERT_TRUE(Grid->SwapSource);
  ASSERT_TRUE(Grid->SwapDest);
  const int still = Find(sx + 50, sy, 50, 50, true);
  const int dest = Find(Grid->SwapDest->x, Grid->SwapDest->y, 50, 50, true, still + 1);
  const int source = Find(Grid->SwapSource->x, Grid->SwapSource->y, 50, 50, true, still + 1);
  ASSERT_GE(still, 0);
  EXPECT_GT(dest, still);
  EXPECT_GT(source, dest);
}
