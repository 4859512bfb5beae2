#include "core/GameClock.h"
#include "gfx/Counter.h"

#include "ToolkitTest.h"

class CounterTest : public ToolkitTest {};

TEST_F(CounterTest, RunsDownOnceAndReportsTheUpdateItRunsOut) {
  ASSERT_FLOAT_EQ(Clock().CalcAnimLength(1000), 200.0f);
  auto c = TCounter::Create(1000, 1);
  EXPECT_EQ(c->CounterLength, 200);
  EXPECT_EQ(c->Active, 1);
  EXPECT_FLOAT_EQ(c->GetRatio(), 1.0f);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(c->Manage(), 0);
  EXPECT_FLOAT_EQ(c->GetRatio(), 0.75f);
  for (int i = 50; i < 199; ++i) EXPECT_EQ(c->Manage(), 0) << i;
  EXPECT_EQ(c->Manage(), 1);
  EXPECT_FLOAT_EQ(c->Counter, 0.0f);
  EXPECT_EQ(c->Active, 0);
  EXPECT_EQ(c->Manage(), 0);
  EXPECT_EQ(c->Manage(), 0);

  // Not armed: Manage looks at the clock only, so nothing happens.
  auto idle = TCounter::Create(1000, 0);
  EXPECT_EQ(idle->Manage(), 0);
  EXPECT_FLOAT_EQ(idle->Counter, 0.0f);

  // Partial updates add up; the one that crosses zero reports.
  auto part = TCounter::Create(10, 1);  // 2 ticks
  Delta = 0.75f;
  EXPECT_EQ(part->Manage(), 0);
  EXPECT_EQ(part->Manage(), 0);
  EXPECT_EQ(part->Manage(), 1);
}

TEST_F(CounterTest, ShorterThanATickHasRatioZeroNotNaN) {
  auto c = TCounter::Create(3, 1);  // 0.6 ticks, truncated to 0
  EXPECT_EQ(c->CounterLength, 0);
  EXPECT_EQ(c->GetRatio(), 0.0f);
  EXPECT_EQ(c->Manage(), 0);
  auto v = TCounterWithValue::CreateWithValue(0, 1, 42);
  EXPECT_EQ(v->GetRatio(), 0.0f);
  EXPECT_EQ(v->value, 42);
}

TEST_F(CounterTest, ListRemovesRunOutCountersOnlyWhenAsked) {
  TCounterList removing;
  auto a = removing.AddNew(10);               // 2 ticks
  auto b = removing.AddNewWithValue(20, 7);   // 4 ticks
  auto c = removing.AddNew(10);
  removing.Manage(1);
  EXPECT_EQ(removing.Count(), 3u);
  removing.Manage(1);
  ASSERT_EQ(removing.Count(), 1u);
  EXPECT_EQ(removing.Items[0], b);
  EXPECT_EQ(b->value, 7);
  removing.Manage(1);
  removing.Manage(1);
  EXPECT_EQ(removing.Count(), 0u);

  TCounterList keeping;
  auto k = keeping.AddNew(10);
  keeping.Manage(0);
  keeping.Manage(0);
  ASSERT_EQ(keeping.Count(), 1u);
  EXPECT_FLOAT_EQ(k->Counter, 0.0f);
  EXPECT_EQ(k->Active, 0);
}
