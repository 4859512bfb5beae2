#include "gfx/SineCounter.h"

#include <cmath>

#include "ToolkitTest.h"

class SineCounterTest : public ToolkitTest {};

TEST_F(SineCounterTest, WrapsOncePerUpdateKeepingTheOvershoot) {
  auto s = TSineCounter::Create(0, 360, 2, 0);
  s->Manage();
  EXPECT_FLOAT_EQ(s->Counter, 2.0f);
  s->Manage();
  EXPECT_FLOAT_EQ(s->Counter, 4.0f);
  for (int i = 2; i < 180; ++i) s->Manage();
  EXPECT_FLOAT_EQ(s->Counter, 0.0f);
  EXPECT_NEAR(s->ratio, 0.0f, 1e-6);
  EXPECT_EQ(s->Active, 1);

  // A speed larger than the range wraps only once: 20 -> 70 -> 40.
  auto fast = TSineCounter::Create(0, 30, 50, 0);
  fast->SetCounter(20);
  fast->Manage();
  EXPECT_FLOAT_EQ(fast->Counter, 40.0f);

  // Backwards through the same range.
  auto back = TSineCounter::Create(0, 360, -100, 0);
  back->Manage();
  EXPECT_FLOAT_EQ(back->Counter, 260.0f);
  EXPECT_NEAR(back->ratio, std::sin(260.0 * M_PI / 180.0), 1e-5);

  // Partial delta.
  auto part = TSineCounter::Create(0, 360, 90, 0);
  Delta = 0.5f;
  part->Manage();
  EXPECT_FLOAT_EQ(part->Counter, 45.0f);
  EXPECT_NEAR(part->ratio, std::sqrt(0.5), 1e-6);
}

TEST_F(SineCounterTest, RunOnceStopsAtTheEndAndStaysStopped) {
  auto s = TSineCounter::Create(0, 360, 2, 1);
  for (int i = 0; i < 180; ++i) EXPECT_EQ(s->Manage(), 1);
  EXPECT_FLOAT_EQ(s->Counter, 360.0f);
  EXPECT_NEAR(s->ratio, 0.0f, 1e-6);
  EXPECT_EQ(s->Active, 0);
  EXPECT_EQ(s->Manage(), 0);
  EXPECT_FLOAT_EQ(s->Counter, 360.0f);
  // Init and SetCounter leave it stopped; the owner switches it back on.
  s->Init(0, 360, 2, 1);
  EXPECT_EQ(s->Active, 0);
  s->Active = 1;
  EXPECT_EQ(s->Manage(), 1);

  auto r = TSineCounter::Create(100, 200, 1, 0);
  r->SetCounter(150);
  r->Reset();
  EXPECT_FLOAT_EQ(r->Counter, 0.0f);  // 0, not the start of the range
  EXPECT_FLOAT_EQ(r->ratio, 0.0f);
}
