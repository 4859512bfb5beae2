#include <gtest/gtest.h>

#include "app/WindowIcon.h"

TEST(WindowIcon, RoundRedGemOnTransparentGround) {
  const int n = 64;
  auto px = DrawWindowIcon(n);
  ASSERT_EQ(px.size(), size_t(n * n * 4));
  auto at = [&](int x, int y, int c) { return int(px[(size_t(y) * n + size_t(x)) * 4 + size_t(c)]); };
  EXPECT_EQ(at(0, 0, 3), 0) << "corners stay transparent";
  EXPECT_EQ(at(n - 1, n - 1, 3), 0);
  EXPECT_EQ(at(n / 2, n / 2, 3), 255) << "the gem is opaque";
  EXPECT_GT(at(n / 2, n - 8, 0), 2 * at(n / 2, n - 8, 1)) << "and red";
  int edge = at(n / 2, 2, 3);
  EXPECT_GT(edge, 0);
  EXPECT_LT(edge, 255) << "its rim is antialiased";
}
