// The board's effects and falling gems take no heap in play: once a burst of a given
// size has been seen, the same bursts again (flakes and flames, gold dust with its
// phases, brick debris, ice shards, score pictures, new gems joining the board's list)
// reuse what the last ones let go of. This executable counts every operator new.
#include <gtest/gtest.h>

#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "game/BoardParticles.h"
#include "game/Gem.h"
#include "game/GemList.h"
#include "platform/Random.h"
#include "support/CountingNew.h"

TEST(EffectAllocations, BurstsLikeOnesAlreadySeenTakeNoHeap) {
  TGame game;
  Game = &game;
  Clock().FixedRateLogic.CalcMS();
  Settings().Particles = 100;
  Delta = 1.0f;
  TBoardParticles effects;
  TGemList gems;

  auto live = [&] {
    return effects.BoardParticles.Count() + effects.EffectParticles.Count() + effects.BonusParticles.Count() +
           effects.ScoreParticles.Count() + gems.Count();
  };
  // A cascade's worth of bursts, then its effects dying away. Every round starts from
  // the same seed and nothing alive, so its live counts repeat.
  auto round = [&] {
    SeedRnd(5);
    for (int frame = 0; frame < 60 || (live() > 0 && frame < 5000); ++frame) {
      if (frame < 60) {
        effects.GemBurst(100.0f + float(frame), 200, 6, 3);
        if (frame % 4 == 0) effects.CreatureFreed(300, 200, 12);
        if (frame % 5 == 0) effects.BrickDebris(150, 250, frame % 2);
        if (frame % 7 == 0) effects.UnlockSplinters(200, 150, 4, 5);
        if (frame % 3 == 0) effects.ScorePicture(250, 100, "score30");
        TGemRef gem = TGem::Make(frame % 8, 0, 1 + frame % 7, 1);
        gems.InsertGem(gem);
        if (gems.Count() > 20) gems.Remove(gems.Items.back().get());
      } else if (gems.Count() > 0) {
        gems.Remove(gems.Items.front().get());
      }
      effects.Manage();
    }
    ASSERT_EQ(live(), 0u);
  };
  round();
  const long before = Allocations.load();
  round();
  round();
  EXPECT_EQ(Allocations.load() - before, 0) << "operator new calls in two more rounds";

  effects.Clear();
  Game = nullptr;
}
