#include <gtest/gtest.h>

#include <vector>

#include "core/GameClock.h"
#include "core/Settings.h"
#include "screens/ScreenSwitch.h"
#include "support/GameFixture.h"
#include "screens/Screen.h"

namespace {
// Records the delta of every logic update it is given.
class DeltaScreen : public TScreen {
 public:
  void Logic() override { deltas.push_back(Delta); }
  std::vector<float> deltas;
};
}  // namespace

class TimingTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    Screens().CurrentTScreen = &screen;
  }
  std::vector<float> FrameDeltas(uint32_t ms) {
    screen.deltas.clear();
    Frame(ms);
    return screen.deltas;
  }
  DeltaScreen screen;
};

TEST_F(TimingTest, FrameTimesBecomeWholeAndPartialUpdates) {
  EXPECT_TRUE(FrameDeltas(0).empty()) << "two frames in the same millisecond run no logic";

  auto d7 = FrameDeltas(7);
  ASSERT_EQ(d7.size(), 2u);
  EXPECT_FLOAT_EQ(d7[0], 1.0f);
  EXPECT_NEAR(d7[1], 0.4f, 1e-5);

  auto d12 = FrameDeltas(12);
  ASSERT_EQ(d12.size(), 3u);
  EXPECT_NEAR(d12[2], 0.4f, 1e-5);

  auto d80 = FrameDeltas(80);
  EXPECT_EQ(d80.size(), 10u) << "a slow frame is capped at 50 ms: ten whole updates, no partial one";
  for (float d : d80) EXPECT_FLOAT_EQ(d, 1.0f);

  EXPECT_EQ(FrameDeltas(500).size(), 10u);
  EXPECT_EQ(Clock().FixedRateLogic.Current, 10);
}

TEST_F(TimingTest, ClockGoingBackwardsRepeatsLastTickCount) {
  FrameDeltas(12);  // 2.4 ticks
  now -= 100;
  auto d = FrameDeltas(0);
  EXPECT_EQ(d.size(), 3u);
  EXPECT_NEAR(Clock().FixedRateLogic.NumTicks, 2.4, 1e-9);
  // Time then runs on normally from the new reading.
  EXPECT_EQ(FrameDeltas(10).size(), 2u);
}

TEST_F(TimingTest, JitterCorrectionAveragesAfterWarmUp) {
  auto& timer = Clock().FixedRateLogic;
  timer.JitterCorrection = 1;
  timer.VSync = 0;
  timer.Init();
  for (int i = 0; i < 5; ++i) FrameDeltas(10);  // warm-up frames are taken as measured
  EXPECT_NEAR(timer.NumTicks, 2.0, 1e-9);
  FrameDeltas(10);
  FrameDeltas(20);  // history now 10, 20: the average rules
  EXPECT_NEAR(timer.NumTicks, 3.0, 1e-9);
  // With vertical sync a jump of more than a millisecond bypasses the average.
  timer.VSync = 1;
  FrameDeltas(40);
  EXPECT_NEAR(timer.NumTicks, 8.0, 1e-9);
}

TEST_F(TimingTest, MillisecondConversionsInNormalAndSlowMotion) {
  EXPECT_FLOAT_EQ(Clock().CalcAnimLength(500), 100.0f);
  EXPECT_FLOAT_EQ(Clock().CalcAnimLength(100), 20.0f);
  EXPECT_EQ(Clock().CalcMilliSecsFromFrames(100, 1), 500);
  EXPECT_EQ(Clock().CalcMilliSecsFromFrames(100, 0), 500);

  Clock().SlowMotionOn();
  EXPECT_FLOAT_EQ(Clock().FixedRateLogic.MS, 20.0f);
  EXPECT_FLOAT_EQ(Clock().CalcAnimLength(500), 100.0f) << "tick counts stay the same in slow motion";
  EXPECT_EQ(Clock().CalcMilliSecsFromFrames(100, 1), 500);
  EXPECT_EQ(Clock().CalcMilliSecsFromFrames(100, 0), 2000);
  // A quarter of the updates in the same real time.
  EXPECT_EQ(FrameDeltas(40).size(), 2u);

  Clock().SlowMotionOff();
  EXPECT_FLOAT_EQ(Clock().FixedRateLogic.MS, 5.0f);
  EXPECT_EQ(Clock().CalcMilliSecsFromFrames(100, 0), 500);
}

TEST_F(TimingTest, FastForwardRunsOneTickPerFrameAndRestoresSync) {
  FlipSync = 1;
  Clock().FastOn();
  EXPECT_EQ(FlipSync, 0);
  EXPECT_EQ(FrameDeltas(37).size(), 1u);
  Clock().FastOff();
  EXPECT_EQ(FlipSync, 1);
  Clock().FastOff();  // a second switch-off changes nothing
  EXPECT_EQ(FlipSync, 1);
}

TEST(TrackingVar, DisplayPadsToTheLimitsDigits) {
  TDebugVar v;
  v.Label = "Logic   ";
  v.Init();
  v.Current = 4;
  v.maximum = 12;
  EXPECT_EQ(v.GetDisplay(), "Logic   004/012");

  TFPSCounter fps;
  fps.Label = "FPS     ";
  fps.Init();
  fps.Current = 60;
  EXPECT_EQ(fps.GetDisplay(), "FPS     060/999");
}
