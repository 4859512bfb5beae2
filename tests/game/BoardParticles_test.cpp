// The board's real effects: a match leaves rising additive score pictures and
// brick debris in the lists the game screen draws, scaled by the effects setting.
#include <cstdint>

#include "BoardPlayFixture.h"
#include "core/SettingLimits.h"
#include "core/Settings.h"
#include "game/BoardParticles.h"
#include "gfx/Particle.h"

TEST_F(BoardPlayTest, AMatchLeavesScorePicturesDebrisAndScaledSprays) {
  for (const char* name : {"score10", "brickmid", "armourmid", "snowflake", "sparkle", "snowflakesmall",
                           "snowflakelarge", "fireball"})
    Picture(name, 16, 16);
  auto fx = std::make_shared<TBoardParticles>();
  UseEffects(fx);
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
}

// The settings file keeps any number it is given; a burst made under an absurd detail
// value must neither overflow nor flood: at most two and a half times the slider's most.
TEST_F(BoardPlayTest, BurstsStayBoundedUnderAbsurdDetailSettings) {
  for (const char* name : {"score10", "brickmid", "armourmid", "snowflake", "sparkle", "snowflakesmall",
                           "snowflakelarge", "fireball", "iceshard", "golddust", "sparklegold"})
    Picture(name, 16, 16);
  auto fx = std::make_shared<TBoardParticles>();
  UseEffects(fx);
  Level(Plain(3, 2, "3"));
  Grid->MakeNewGems = 0;
  auto play = [&] {
    fx->Clear();
    Place({"111", "232"});
    Grid->DoMatches(0, 0);
    fx->Fireballs(100, 100, 40);
    fx->UnlockSplinters(100, 100, 15, 10);
    fx->CreatureFreed(100, 100, 30);
    fx->IceSparks(100, 100, 20);
    return fx->EffectParticles.Count() + fx->BonusParticles.Count();
  };
  Settings().Particles = 100;
  const size_t atSliderTop = play();
  ASSERT_GT(atSliderTop, 0u);
  Settings().SoundVolume = Settings().MusicVolume = Settings().screenShake = INT32_MAX;
  for (int detail : {INT32_MAX, 250, INT32_MAX - 1, 3 * (INT32_MAX / 3)}) {
    Settings().Particles = detail;
    const size_t made = play();
    EXPECT_GT(made, atSliderTop) << detail;
    EXPECT_LE(made, atSliderTop * 5 / 2) << detail;
    Place({"232", "323"});
    EXPECT_EQ(Board().Gems->Items.front()->Shadow, 1) << detail;
  }
  Settings().SoundVolume = Settings().MusicVolume = Settings().screenShake = INT32_MIN;
  for (int detail : {INT32_MIN, -1, 0}) {
    Settings().Particles = detail;
    EXPECT_EQ(play(), 0u) << detail;
    Place({"232", "323"});
    EXPECT_EQ(Board().Gems->Items.front()->Shadow, 0) << detail;
  }
  EXPECT_EQ(DetailScaled(INT32_MAX, INT32_MAX), INT32_MAX) << "no overflow at either end";
  EXPECT_EQ(DetailScaled(INT32_MIN, 250), 0);
  EXPECT_FLOAT_EQ(SettingGain(INT32_MAX), 1.0f);
  EXPECT_FLOAT_EQ(SettingGain(INT32_MIN), 0.0f);
}
