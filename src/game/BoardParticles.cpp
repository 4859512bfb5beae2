#include "game/BoardParticles.h"

#include <cmath>

#include "core/Game.h"
#include "core/GameClock.h"
#include "core/SettingLimits.h"
#include "core/Settings.h"
#include "gfx/Color.h"
#include "gfx/GameImage.h"
#include "gfx/ImageBank.h"
#include "platform/Random.h"
#include "platform/Recycling.h"

namespace {
std::shared_ptr<TGameImage> Bank(const std::string& name) { return ImageBank ? ImageBank->Find(name, 1) : nullptr; }
int Spin() { return Rand(0, 1) ? 1 : -1; }
}  // namespace

int TBoardParticles::Scaled(int n) { return Game ? DetailScaled(n, Settings().Particles) : n; }

bool TBoardParticles::GemShadows() const { return !Game || DetailPercent(Settings().Particles) >= 50; }

void TBoardParticles::ScorePicture(float x, float y, const std::string& picture) {
  ScoreParticles.AddNew(int(x), int(y), Bank(picture), 0, -0.1f, 0, 800, 1, 0, 0, 1, 0, 0);
}

void TBoardParticles::BrickDebris(float x, float y, int armour) {
  auto picture = Bank(armour ? "armourmid" : "brickmid");
  for (int i = 0; i < 3; ++i) {
    const float d = Rnd(-1, 1);
    BoardParticles.AddNew(int(x), int(y), picture, d, Rnd(-1.5f, -0.5f), 0.04f, 1500, 0, d >= 0 ? 1 : -1,
                          Rnd(1.5f, 3), Rnd(0.4f, 0.8f), 0, 0);
  }
}

void TBoardParticles::Flakes(float x, float y, int n) {
  static const char* kinds[4] = {"snowflake", "sparkle", "snowflakesmall", "snowflakelarge"};
  static const float scales[4][2] = {{0.3f, 1.0f}, {0.3f, 0.8f}, {0.8f, 1.2f}, {0.2f, 0.5f}};
  for (int i = 0; i < Scaled(n); ++i) {
    const int k = Rand(0, 3);
    auto p = EffectParticles.AddNew(int(x), int(y), Bank(kinds[k]), Rnd(-1.5f, 1.5f), Rnd(-1.5f, 0.5f), 0.02f, 1000,
                                    1, Spin(), Rnd(0.5f, 3), Rnd(scales[k][0], scales[k][1]), 0, 0);
    p->Color = MakeRecycled<TColor>();
    p->Color->Set(Rand(100, 255), Rand(100, 255), Rand(100, 255));
  }
}

void TBoardParticles::GemBurst(float x, float y, int flakes, int puffs) {
  Flakes(x, y, flakes);
  FlamePuffs(x, y, puffs);
}

void TBoardParticles::FlamePuffs(float x, float y, int count) {
  auto fire = Bank("fireball");
  for (int i = 0; i < Scaled(count); ++i)
    EffectParticles.AddNew(int(x + Rnd(-8, 8)), int(y + Rnd(-8, 8)), fire, Rnd(-0.4f, 0.4f), Rnd(-0.6f, 0), 0, 500,
                           1, Spin(), Rnd(0.5f, 2), Rnd(0.4f, 0.9f), 0.002f, 0);
}

void TBoardParticles::UnlockSplinters(float x, float y, int flakes, int shards) {
  Flakes(x, y, flakes);
  auto shard = Bank("iceshard");
  const int frames = shard ? shard->Frames() : 1;
  for (int i = 0; i < Scaled(shards); ++i) {
    auto p = BonusParticles.AddNew(int(x + Rnd(-15, 15)), int(y + Rnd(-15, 15)), shard, Rnd(-1.5f, 1.5f),
                                   Rnd(-3, -1), 0.08f, 1200, 0, Spin(), Rnd(2, 6), Rnd(0.5f, 1), 0, 0);
    p->ImageFrame = Rand(0, std::max(1, frames) - 1);
  }
}

void GoldDustStream(TParticleList& list, float x, float y, float tx, float ty, int n, float steps,
                    const std::shared_ptr<TGameImage>& sparkle) {
  auto dust = Bank("golddust");
  for (int i = 0; i < n; ++i) {
    const bool bright = Rand(1, 4) == 1;
    const float sx = std::trunc(x + Rnd(-10, 10)), sy = std::trunc(y + Rnd(-10, 10));
    auto p = list.AddNew(int(sx), int(sy), bright ? sparkle : dust, 0, 0, 0, 0, 1, 0, 0,
                         bright ? Rnd(0.2f, 0.6f) : Rnd(0.1f, 0.4f), 0, 0);
    p->KillOnFade = 1;
    if (Rand(1, 5) <= 3) {
      const float wait = Rnd(0, 400);
      p->AddPhase(wait)->SetFade(wait, 0, 0);
    }
    auto fly = p->AddPhase(1000);
    fly->dx = steps > 0 ? (tx - sx) / steps : 0;
    fly->dy = steps > 0 ? (ty - sy) / steps : 0;
    fly->DoRotate = bright ? 1 : 0;
    fly->RotationSpeed = Rnd(0.5f, 2);
    auto rest = p->AddPhase(500);
    rest->SetFade(0, 0, 500);
    rest->DoRotate = fly->DoRotate;
    rest->RotationSpeed = Rnd(0.5f, 2);
    p->StartPhases();
  }
}

void TBoardParticles::CreatureFreed(float x, float y, int streamCount) {
  BoardParticles.AddNew(int(x - 32), int(y - 32), Bank("MagicHighlight"), 0, 0, 0, 800, 1, 0, 0, 1, 0, 0);
  if (!Game) return;
  GoldDustStream(EffectParticles, x, y, GaugeTargetX, GaugeTargetY, Scaled(streamCount),
                 std::trunc(Clock().CalcAnimLengthFromFloat(1000)), Bank("sparklegold"));
}

void TBoardParticles::IceSparks(float x, float y, int count) { Flakes(x, y, count); }

void TBoardParticles::Fireballs(float x, float y, int count) {
  auto fire = Bank("fireball");
  for (int i = 0; i < Scaled(count); ++i) {
    const float angle = Rnd(0, 360), speed = Rnd(0.5f, 3);
    EffectParticles.AddNew(int(x), int(y), fire, std::cos(angle * 3.14159265f / 180) * speed,
                           std::sin(angle * 3.14159265f / 180) * speed, 0, 700, 1, Spin(), Rnd(1, 4),
                           Rnd(0.5f, 1.2f), -0.002f, 0);
  }
}

void TBoardParticles::CrackerFlyers(float x, float y, int horizontal) {
  auto cracker = Bank("bonus9activate");
  for (int dir : {-1, 1}) {
    const float dx = horizontal ? 4.0f * float(dir) : 0, dy = horizontal ? 0 : 4.0f * float(dir);
    auto p = BonusParticles.AddNew(int(x), int(y), cracker, dx, dy, 0, 0, 0, dir, 6, 1, 0, 0);
    // They fly until they leave the screen.
    p->NoOutOfBounds = 0;
  }
}

void TBoardParticles::Manage() {
  BoardParticles.Move();
  EffectParticles.Move();
  BonusParticles.Manage();
  CreatureParticles.Move();
  ScoreParticles.Move();
}

void TBoardParticles::Clear() {
  BoardParticles.Clear();
  EffectParticles.Clear();
  BonusParticles.Clear();
  CreatureParticles.Clear();
  ScoreParticles.Clear();
}
