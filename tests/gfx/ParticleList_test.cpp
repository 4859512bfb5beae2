#include "gfx/ParticleList.h"

#include <set>
#include <vector>

#include "ToolkitTest.h"

class ParticleListTest : public ToolkitTest {
 protected:
  // A still particle that lives lifeTicks updates (0 = for ever).
  std::shared_ptr<TParticle> Add(TParticleList& list, int id, int lifeTicks, int atFront = 0) {
    auto p = list.AddNew(400, 300, nullptr, 0, 0, 0, 0, 0, 0, 0, 1, 0, float(lifeTicks) * 5, atFront);
    p->Data1 = id;
    return p;
  }
  static std::vector<int> Ids(const TParticleList& list) {
    std::vector<int> ids;
    for (auto& p : list.Snapshot()) ids.push_back(p->Data1);
    return ids;
  }
};

TEST_F(ParticleListTest, ParticlesDyingDuringTheWalkLoseNoneOfTheOthers) {
  TParticleList list;
  for (int i = 0; i < 100; ++i) Add(list, i, i % 3 == 0 ? 1 : 0);
  std::set<int> moved;
  for (auto& p : list.Snapshot()) p->UserMove = [&moved](TParticle& q) { moved.insert(q.Data1); };
  list.Manage();
  EXPECT_EQ(moved.size(), 100u);  // every particle moved, also those behind the dead ones
  EXPECT_EQ(list.Count(), 66u);
  for (int id : Ids(list)) EXPECT_NE(id % 3, 0);

  // A particle that kills its neighbour (the next one in the walk) and itself.
  TParticleList chain;
  auto a = Add(chain, 1, 0);
  auto b = Add(chain, 2, 0);
  auto c = Add(chain, 3, 0);
  a->AttachedParticle = b;
  int bMoved = 0;
  b->UserMove = [&](TParticle&) { ++bMoved; };
  a->UserMove = [](TParticle& q) { q.Kill(); };
  a.reset();
  b.reset();
  chain.Manage();
  EXPECT_EQ(bMoved, 0);
  EXPECT_EQ(Ids(chain), (std::vector<int>{3}));
  EXPECT_EQ(c->Particles, &chain);
}

TEST_F(ParticleListTest, AdditionsDuringAWalkAndDrawingOrder) {
  TParticleList list;
  Add(list, 1, 0);
  Add(list, 2, 0);
  Add(list, 0, 0, 1);  // at the front: drawn first, beneath the others
  EXPECT_EQ(Ids(list), (std::vector<int>{0, 1, 2}));

  // One particle spawns two more while the list is walked, one at each end.
  auto spawner = list.Snapshot()[1];
  int spawned = 0;
  spawner->UserMove = [&](TParticle&) {
    if (spawned++) return;
    Add(list, 9, 0, 1);
    Add(list, 10, 0, 0);
  };
  list.Move();
  EXPECT_EQ(Ids(list), (std::vector<int>{9, 0, 1, 2, 10}));
  EXPECT_EQ(list.Count(), 5u);

  // Killed right after being added, inside the same walk.
  spawner->UserMove = [&](TParticle&) { Add(list, 11, 0, 1)->Kill(); };
  list.Move();
  EXPECT_EQ(list.Count(), 5u);

  // Killed from outside a walk, by its owner.
  auto last = list.Snapshot().back();
  last->Kill();
  EXPECT_EQ(Ids(list), (std::vector<int>{9, 0, 1, 2}));
  EXPECT_EQ(last->Particles, nullptr);
}

TEST_F(ParticleListTest, KillAfterAnimAndWholeListOperations) {
  TParticleList list;
  auto anim = Add(list, 1, 0);
  anim->SetupAnim(2, 10, 1, 0, 0, 0, 0);  // 2 ticks, no loop
  anim->KillAfterAnim = 1;
  auto delayed = Add(list, 2, 0);
  delayed->SetupAnim(2, 10, 1, 0, 0, 0, 0);
  delayed->KillAfterAnim = 1;
  delayed->SetDelay(100);
  list.Manage();
  EXPECT_EQ(list.Count(), 2u);
  list.Manage();
  EXPECT_EQ(Ids(list), (std::vector<int>{2}));  // the delayed one does not animate yet

  list.FadeAll(20);  // 4 ticks
  EXPECT_FLOAT_EQ(delayed->FadeCounter, 4.0f);
  delayed->DelayCounter = 0;
  delayed->Hidden = 0;
  delayed->KillAfterAnim = 0;
  for (int i = 0; i < 4; ++i) list.Move();
  EXPECT_EQ(list.Count(), 0u);

  TParticleList scaled;
  auto p = Add(scaled, 1, 0);
  scaled.EnableUpdateOriginalCoords();
  EXPECT_EQ(p->UpdateOriginalCoords, 1);
  p->dx = 10;
  scaled.Move();
  EXPECT_FLOAT_EQ(p->ox, 410.0f);
  EXPECT_FLOAT_EQ(p->x, 400.0f);
  scaled.ProcessScale(0.5f, 2.0f, 10, 20);
  EXPECT_FLOAT_EQ(p->x, 215.0f);
  EXPECT_FLOAT_EQ(p->y, 620.0f);
  EXPECT_FLOAT_EQ(p->BaseScaleY, 2.0f);

  // Particles outliving their list forget it instead of pointing at freed memory.
  std::shared_ptr<TParticle> kept;
  {
    TParticleList shortLived;
    kept = Add(shortLived, 5, 0);
  }
  EXPECT_EQ(kept->Particles, nullptr);
  kept->Kill();
  EXPECT_TRUE(kept->IsDead());
}
