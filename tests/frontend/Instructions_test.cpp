// The instructions' demonstrations run their five phases (4000 ms in all) over and
// over; the effects appear as the match shows, scaled by the detail setting.
#include "FrontendFixture.h"
#include "core/Settings.h"
#include "frontend/InstructionsScreen.h"
#include "gfx/Animation.h"

class InstructionsTest : public FrontendTest {
 protected:
  void SetUp() override {
    FrontendTest::SetUp();
    if (IsSkipped()) return;
    LoadBank();
  }
  void TearDown() override {
    screen.Kill();
    FrontendTest::TearDown();
  }
  void Step(int ticks) {
    for (int i = 0; i < ticks; ++i) screen.RunLogic();
  }
  // Draws a frame and says how many pictures it drew.
  size_t Drawn() {
    rec->Clear();
    screen.Draw();
    return rec->recorded.size();
  }

  TInstructionsScreen screen;
};

TEST_F(InstructionsTest, TheDemonstrationsStepThroughTheirPhasesAndRepeat) {
  Settings().Particles = 100;
  Enter(screen);
  EXPECT_EQ(screen.Phase(), TInstructionsScreen::PhaseStart);
  EXPECT_GT(Drawn(), 0u);
  Step(199);
  EXPECT_EQ(screen.Phase(), TInstructionsScreen::PhaseStart);
  Step(1);
  EXPECT_EQ(screen.Phase(), TInstructionsScreen::PhaseSwap);
  Step(100);
  EXPECT_NEAR(screen.PhaseProgress(), 0.5f, 0.01f) << "the swapping gems are half way";
  EXPECT_EQ(screen.BoardParticles.Count(), 0u);
  Step(100);
  ASSERT_EQ(screen.Phase(), TInstructionsScreen::PhaseMatch);
  // Twelve pieces of brick and the creature's flash; 30 grains of dust and 15 sparkles
  // on each of six cells at full detail.
  EXPECT_EQ(screen.BoardParticles.Count(), 13u);
  EXPECT_EQ(screen.EffectParticles.Count(), 30u + 6 * 15u);
  Step(60);
  EXPECT_EQ(screen.Phase(), TInstructionsScreen::PhaseEmpty);
  Step(140);
  EXPECT_EQ(screen.Phase(), TInstructionsScreen::PhaseGauge);
  Step(200);
  EXPECT_EQ(screen.Phase(), TInstructionsScreen::PhaseStart) << "the cycle lasts 4000 ms";
  EXPECT_TRUE(screen.Anim1->Active);

  // At detail 0 the brick debris and the flash still come, the dust and sparkles not.
  Settings().Particles = 0;
  screen.BoardParticles.Clear();
  screen.EffectParticles.Clear();
  Step(400);
  ASSERT_EQ(screen.Phase(), TInstructionsScreen::PhaseMatch);
  EXPECT_EQ(screen.BoardParticles.Count(), 13u);
  EXPECT_EQ(screen.EffectParticles.Count(), 0u);
}
