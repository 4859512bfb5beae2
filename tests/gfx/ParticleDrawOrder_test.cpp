// Drawing order of a particle list: particles that only add light are grouped by
// texture page within each unbroken row of them; everything else keeps its place.
#include <vector>

#include "ToolkitTest.h"
#include "gfx/GameImage.h"
#include "gfx/ParticleList.h"

namespace {
class ParticleDrawOrder : public RecordingTest {
 protected:
  // A particle of picture `picture` at x = id (so the recording says which one it was).
  static std::shared_ptr<TParticle> Add(TParticleList& list, const std::shared_ptr<TGameImage>& picture, int id,
                                        int light) {
    return list.AddNew(id, 0, picture, 0, 0, 0, 0, light, 0, 0, 1, 0, 0);
  }
  std::vector<int> DrawnIds() const {
    std::vector<int> ids;
    for (const auto& p : rec->recorded) ids.push_back(int(p.vertices.at(0).x));
    return ids;
  }
};
}  // namespace

TEST_F(ParticleDrawOrder, LightIsGroupedByPageAndNothingElseMoves) {
  // Two pictures on pages of their own.
  auto a = TGameImage::CreateFromImage(Picture(8, 8), "A", 0);
  auto b = TGameImage::CreateFromImage(Picture(8, 8), "B", 0);
  ASSERT_NE(a->image->Frame(0)->page, b->image->Frame(0)->page);
  TParticleList list;
  Add(list, a, 1, 1);
  Add(list, b, 2, 1);
  Add(list, a, 3, 1);
  Add(list, b, 4, 1);
  Add(list, a, 10, 0);  // alpha: ends the row
  Add(list, b, 20, 1);
  Add(list, a, 21, 1);
  auto hooked = Add(list, b, 30, 1);  // draws itself: ends the row too
  hooked->UserDraw = [](TParticle& p) { DrawImage(p.image->image, p.x, p.y); };
  Add(list, a, 40, 1);
  auto glowing = Add(list, b, 41, 1);
  glowing->GlowMode = 3;  // its glow leaves the blend at alpha: it keeps its place
  Add(list, a, 42, 1);

  list.Draw();
  auto ids = DrawnIds();
  // The glowing particle draws twice (itself and its glow).
  ASSERT_EQ(ids.size(), 12u);
  // The first row: two of one page, then two of the other (which page comes first is free).
  auto pageOf = [&](size_t i) { return rec->recorded[i].page; };
  const std::vector<int> firstRow(ids.begin(), ids.begin() + 4);
  EXPECT_EQ(pageOf(0), pageOf(1));
  EXPECT_EQ(pageOf(2), pageOf(3));
  EXPECT_NE(pageOf(1), pageOf(2));
  // Within a page the list's order holds.
  for (size_t i = 0; i + 1 < 4; ++i) {
    if (pageOf(i) == pageOf(i + 1)) {
      EXPECT_LT(firstRow[i], firstRow[i + 1]);
    }
  }
  EXPECT_EQ(ids[4], 10);
  EXPECT_TRUE((ids[5] == 20 && ids[6] == 21) || (ids[5] == 21 && ids[6] == 20));
  EXPECT_EQ(ids[7], 30);
  EXPECT_EQ(ids[8], 40);
  EXPECT_EQ(ids[9], 41);
  EXPECT_EQ(ids[10], 41);
  EXPECT_EQ(ids[11], 42);
  // Every light particle drew with the light blend, and the list leaves alpha behind.
  EXPECT_EQ(rec->recorded[0].blend, BLEND_LIGHT);
  EXPECT_EQ(rec->recorded[4].blend, BLEND_ALPHA);
  EXPECT_EQ(GetBlend(), BLEND_ALPHA);

  // A particle dying while the list is drawn later still leaves the others in order.
  rec->Clear();
  list.Snapshot()[0]->Kill();
  list.Draw();
  EXPECT_EQ(rec->recorded.size(), 11u);
}
