// Which loading-bar frames are presented: no more than one a display refresh, always
// the full bar, and every step still moves the bar. The clock is the test's own.
#include <gtest/gtest.h>

#include <memory>

#include "gfx/Draw.h"
#include "screens/LoadingScreen.h"
#include "screens/PresentPacer.h"
#include "screens/ScreenSwitch.h"
#include "support/GameFixture.h"
#include "support/RecordingScreen.h"

TEST(PresentPacer, PresentsAtMostOncePerIntervalAndAlwaysTheLast) {
  TPresentPacer pacer(16);
  EXPECT_TRUE(pacer.Due(5000, false)) << "nothing shown yet: the first frame is due at once";
  pacer.Presented(5000);
  EXPECT_FALSE(pacer.Due(5000, false));
  EXPECT_FALSE(pacer.Due(5015, false));
  EXPECT_TRUE(pacer.Due(5015, true)) << "the last frame is never held back";
  EXPECT_TRUE(pacer.Due(5016, false));
  pacer.Presented(5016);
  EXPECT_FALSE(pacer.Due(5020, false)) << "the interval counts from the latest present";

  // The millisecond counter wraps: 10 ms across the wrap are 10 ms.
  pacer.Presented(0xFFFFFFF8u);
  EXPECT_FALSE(pacer.Due(0x00000002u, false));
  EXPECT_TRUE(pacer.Due(0x00000008u, false));
  // A clock that stepped back presents rather than freezing the bar until it catches up.
  pacer.Presented(9000);
  EXPECT_TRUE(pacer.Due(8990, false));

  pacer.Presented(100);
  pacer.Reset();
  EXPECT_TRUE(pacer.Due(101, false)) << "after a reset the next frame is the first";
}

using MoveBarTest = GameTest;

TEST_F(MoveBarTest, EveryStepMovesTheBarButOnlyFramesTheDisplayCanShowArePresented) {
  TRecordingRenderDriver* rec = UseRecordingScreen();
  ASSERT_NE(rec, nullptr);
  Screens().LoadingScreen = std::make_shared<TLoadingScreen>();
  TLoadingScreen& loading = *Screens().LoadingScreen;
  loading.LoadingBar->Init(CreateImage(300, 20, 1, 0), nullptr, nullptr);
  loading.SetSteps(93);

  // Items loading 2 ms apart: one frame in eight, and the full bar at the end.
  std::vector<int> presentedAt;
  for (int step = 1; step <= 93; ++step) {
    now += 2;
    const int before = rec->flips;
    Screens().MoveBar();
    if (rec->flips != before) presentedAt.push_back(step);
  }
  EXPECT_EQ(loading.LoadingBar->CurrentStep, 93);
  EXPECT_EQ(loading.Finished, 1);
  ASSERT_FALSE(presentedAt.empty());
  EXPECT_EQ(presentedAt.front(), 1) << "the first step shows at once";
  EXPECT_EQ(presentedAt.back(), 93) << "the full bar is always presented";
  EXPECT_EQ(presentedAt.size(), 13u) << "steps 1, 9, 17, ..., 89 and the last";
  for (std::size_t i = 1; i + 1 < presentedAt.size(); ++i)
    EXPECT_EQ(presentedAt[i] - presentedAt[i - 1], 8) << "16 ms apart at 2 ms a step";

  // Items slower than a refresh: every step gets its frame, as before.
  loading.LoadingBar->Init(CreateImage(300, 20, 1, 0), nullptr, nullptr);
  loading.SetSteps(10);
  loading.Finished = 0;
  const int before = rec->flips;
  for (int step = 1; step <= 10; ++step) {
    now += 20;
    Screens().MoveBar();
  }
  EXPECT_EQ(rec->flips - before, 10);
  SetRenderDriver(nullptr);
}
