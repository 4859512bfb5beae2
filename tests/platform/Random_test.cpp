#include <gtest/gtest.h>

#include <set>

#include "platform/Random.h"

TEST(Random, SameSeedSameSequenceAndBoundsHold) {
  SeedRnd(42);
  std::vector<int> first;
  for (int i = 0; i < 100; ++i) first.push_back(Rand(1, 7));
  SeedRnd(42);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(first[i], Rand(1, 7));

  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) {
    int v = Rand(1, 7);
    ASSERT_GE(v, 1);
    ASSERT_LE(v, 7);
    seen.insert(v);
    float f = Rnd(-0.1f, 0.1f);
    ASSERT_GE(f, -0.1f);
    ASSERT_LT(f, 0.1f);
  }
  EXPECT_EQ(seen.size(), 7u);
  EXPECT_EQ(Rand(5, 5), 5);
  int swapped = Rand(9, 3);
  EXPECT_TRUE(swapped >= 3 && swapped <= 9);
}
