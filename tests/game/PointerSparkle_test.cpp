// The pointer's sparkle trail: snowflakes at the trail's pace while the pointer
// moves, none once it rests, and again as soon as it moves on.
#include "BoardPlayFixture.h"
#include "core/Globals.h"
#include "game/PointerSparkle.h"
#include "gfx/ParticleList.h"

namespace {
class PointerTrail : public BoardPlayTest {
 protected:
  void SetUp() override {
    BoardPlayTest::SetUp();
    Picture("snowflake", 8, 8);
    mouse->SparkleLength = 15;
    mouse->SparkleCounter = 0;
    savedDelta = Delta;
    Delta = 1.0f;
  }
  void TearDown() override {
    Delta = savedDelta;
    BoardPlayTest::TearDown();
  }
  float savedDelta = 0;
  // Runs `steps` logic steps with the pointer moved by (dx, 0) before each; snowflakes made.
  int Steps(int steps, int dx) {
    int made = 0;
    for (int i = 0; i < steps; ++i) {
      mouse->x += dx;
      made += PointerSparkle();
    }
    return made;
  }
};
}  // namespace

TEST_F(PointerTrail, SparklesWhileMovingAndStopsAtRest) {
  mouse->x = 300;
  mouse->y = 200;
  // Moving every step: one snowflake at once, then one every 15 steps.
  EXPECT_EQ(Steps(150, 1), 11);
  EXPECT_EQ(mouse->ParticleList->Count(), 11u);
  // Motion events come less often than logic steps: moving every fourth step is still moving.
  int made = 0;
  for (int i = 0; i < 40; ++i) made += Steps(1, 2) + Steps(3, 0);
  EXPECT_GE(made, 9);
  EXPECT_LE(made, 11);
  // At rest: the trail dies away within one period and then makes nothing.
  Steps(15, 0);
  EXPECT_EQ(Steps(600, 0), 0);
  // The first move wakes it at once.
  EXPECT_EQ(Steps(15, 3), 1);
}
