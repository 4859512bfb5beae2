// The board's real effects: a match leaves rising additive score pictures and
// brick debris in the lists the game screen draws, scaled by the effects setting.
#include "BoardPlayFixture.h"
#include "core/Settings.h"
#include "game/BoardParticles.h"
#include "gfx/Particle.h"

TEST_F(BoardPlayTest, AMatchLeavesScorePicturesDebrisAndScaledSprays) {
  for (const char* name : {"score10", "brickmid", "armourmid", "snowflake", "sparkle", "snowflakesmall",
                           "snowflakelarge", "fireball"})
    Picture(name, 16, 16);
  auto fx = std::make_shared<TBoardParticles>();
  SetBoardEffects(fx);
  Level(Plain(3, 2, "3"));
  Grid->MakeNewGems = 0;
  Place({"111", "232"});
  Grid->DoMatches(0, 0);
  // One rising, additive score picture per burst gem, 15 pixels above each cell's centre.
  auto scores = fx->ScoreParticles.Snapshot();
  ASSERT_EQ(scores.size(), 3u);
  EXPECT_EQ(scores[0]->DoLightBlend, 1);
  EXPECT_FLOAT_EQ(scores[0]->dy, -0.1f);
  EXPECT_FLOAT_EQ(scores[0]->y, float(GridY(0) + 25 - 15));
  // Three pieces of armour per cleared layer.
  EXPECT_EQ(fx->BoardParticles.Count(), 9u);
  // Each burst: 15 flakes and 4 puffs at full effects.
  EXPECT_EQ(fx->EffectParticles.Count(), 3u * 19u);
  fx->Clear();
  Settings().Particles = 50;
  Place({"111", "232"});
  Grid->DoMatches(0, 0);
  EXPECT_EQ(fx->EffectParticles.Count(), 3u * (7u + 2u));
  // The lists move and the pictures rise.
  const float y0 = fx->ScoreParticles.Snapshot()[0]->y;
  fx->Manage();
  EXPECT_LT(fx->ScoreParticles.Snapshot()[0]->y, y0);
  SetBoardEffects(nullptr);
}
