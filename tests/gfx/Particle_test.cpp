#include "gfx/Particle.h"

#include <vector>

#include "ToolkitTest.h"

class ParticleTest : public ToolkitTest {
 protected:
  static std::shared_ptr<TParticle> Make(float fadeMS = 0, float lifeMS = 0) {
    return TParticle::CreateSpecial(nullptr, 400, 300, 0, 0, 0, fadeMS, 0, 0, 0, 1, 0, lifeMS);
  }
};

TEST_F(ParticleTest, FadeEnvelopeInSustainOutThenDeath) {
  auto p = Make();
  p->SetFade(500, 1000, 500, -1, 1);  // 100 in, 200 held, 100 out
  EXPECT_FLOAT_EQ(p->Alpha, 0.0f);
  for (int i = 0; i < 50; ++i) p->Move();
  EXPECT_FLOAT_EQ(p->GetFadeRatio(), 0.5f);
  EXPECT_EQ(p->IsFadingOut(), 0);
  for (int i = 50; i < 100; ++i) p->Move();
  EXPECT_FLOAT_EQ(p->Alpha, 1.0f);
  for (int i = 0; i < 200; ++i) p->Move();
  EXPECT_EQ(p->IsFadingOut(), 1);
  EXPECT_FALSE(p->IsDead());
  for (int i = 0; i < 99; ++i) p->Move();
  EXPECT_FALSE(p->IsDead());
  p->Move();
  EXPECT_TRUE(p->IsDead());
  EXPECT_EQ(p->active, 0);

  // A plain fade-out from the creation arguments.
  auto q = Make(1000);
  EXPECT_FLOAT_EQ(q->FadeCounter, 200.0f);
  EXPECT_EQ(q->UseAlpha, 1);
  for (int i = 0; i < 199; ++i) q->Move();
  EXPECT_FALSE(q->IsDead());
  q->Move();
  EXPECT_TRUE(q->IsDead());
  EXPECT_FLOAT_EQ(q->Alpha, 0.0f);

  auto r = Make();
  r->SetFade(0, 0, 800, 0.5f, 1);
  EXPECT_FLOAT_EQ(r->InitialAlpha, 0.5f);
  EXPECT_FLOAT_EQ(r->FadeCounter, 160.0f);
}

TEST_F(ParticleTest, DelayHidesAndHoldsThenStartsThePhases) {
  auto p = Make();
  p->dx = 1;
  int started = 0;
  p->DelayFinished = [&](TParticle&) { ++started; };
  auto ph = p->AddPhase(100);
  ph->dx = 5;
  p->SetDelay(300);  // 60 ticks
  EXPECT_EQ(p->Hidden, 1);
  for (int i = 0; i < 59; ++i) p->Move();
  EXPECT_FLOAT_EQ(p->x, 400.0f);
  EXPECT_EQ(p->Hidden, 1);
  EXPECT_EQ(started, 0);
  p->Move();
  EXPECT_EQ(p->Hidden, 0);
  EXPECT_EQ(started, 1);
  EXPECT_EQ(p->CurrentPhase, ph);
  EXPECT_FLOAT_EQ(p->x, 405.0f);  // the phase's velocity, in the same step
}

TEST_F(ParticleTest, PhasesCallTheirFunctionAtTheirEndsAndTheLastOneKills) {
  auto p = Make();
  std::vector<int> calledAt;
  int tick = 0;
  for (int i = 0; i < 3; ++i) p->AddPhase(100)->UserFunction = [&](TParticle&) { calledAt.push_back(tick); };
  p->PhaseList[1]->Alpha = 0.25f;
  p->PhaseList[1]->SetAngle = 1;
  p->PhaseList[1]->Angle = 45;
  p->StartPhases();
  while (!p->IsDead() && tick < 100) {
    ++tick;
    p->Move();
    if (tick == 30) {
      EXPECT_EQ(p->CurrentPhaseIndex, 1);
      EXPECT_FLOAT_EQ(p->Alpha, 0.25f);
      EXPECT_FLOAT_EQ(p->Rotation, 45.0f);
    }
  }
  EXPECT_EQ(calledAt, (std::vector<int>{20, 40, 60}));
  EXPECT_EQ(tick, 60);
}

TEST_F(ParticleTest, DestinationScaleAndLifeEndings) {
  auto p = Make();
  p->dx = -10;
  p->dy = 0;
  p->DestX = 100;
  p->DestY = 300;
  p->KillOnDestinationReached = 1;
  int arrived = 0;
  p->DestinationReached = [&](TParticle&) { ++arrived; };
  int steps = 0;
  while (!p->IsDead() && steps < 100) {
    p->Move();
    ++steps;
  }
  EXPECT_EQ(steps, 30);  // x 400 -> 100 in steps of 10
  EXPECT_EQ(arrived, 1);

  auto s = TParticle::CreateSpecial(nullptr, 400, 300, 0, 0, 0, 0, 0, 0, 0, 1, -0.25f, 0);
  for (int i = 0; i < 3; ++i) s->Move();
  EXPECT_FALSE(s->IsDead());
  s->Move();
  EXPECT_TRUE(s->IsDead());
  auto m = TParticle::CreateSpecial(nullptr, 400, 300, 0, 0, 0, 0, 0, 0, 0, 1, -0.25f, 0);
  m->KillOnScaleZero = 0;
  for (int i = 0; i < 8; ++i) m->Move();
  EXPECT_FALSE(m->IsDead());
  EXPECT_FLOAT_EQ(m->ScaleX, -1.0f);

  auto l = Make(0, 50);  // 10 ticks
  Delta = 0.5f;
  for (int i = 0; i < 19; ++i) l->Move();
  EXPECT_FALSE(l->IsDead());
  l->Move();
  EXPECT_TRUE(l->IsDead());

  Delta = 1.0f;
  auto o = Make();
  o->dx = 100;
  for (int i = 0; i < 4; ++i) o->Move();
  EXPECT_FALSE(o->IsDead());
  o->Move();  // x = 900: off screen
  EXPECT_TRUE(o->IsDead());
}

TEST_F(ParticleTest, SpinColourDriftAndAKillThatHappensOnce) {
  auto p = Make();
  p->DoRotate = -1;
  p->RotationSpeed = 30;
  p->Move();
  EXPECT_FLOAT_EQ(p->Rotation, 330.0f);

  auto shared = TColor::Create(100, 100, 100);
  p->SetColorFade(*shared, 2.5f, -1.0f, 0);
  p->Move();
  p->Move();
  ASSERT_TRUE(p->Color);
  EXPECT_EQ(p->Color->R, 105);
  EXPECT_EQ(p->Color->G, 98);
  EXPECT_EQ(shared->R, 100);  // the caller's colour does not drift

  // Fade and life run out in the same step: the particle dies once.
  auto q = Make(10, 10);
  int kills = 0, phaseCalls = 0;
  q->UserKill = [&](TParticle&) { ++kills; };
  q->AddPhase(1000)->UserFunction = [&](TParticle&) { ++phaseCalls; };
  q->StartPhases();
  q->FadeCounter = q->FadeLength = 2;
  for (int i = 0; i < 5; ++i) q->Move();
  EXPECT_EQ(kills, 1);
  EXPECT_EQ(phaseCalls, 1);

  // Killing takes the attached particle along.
  auto a = Make();
  auto b = Make();
  a->AttachedParticle = b;
  a->Kill();
  EXPECT_TRUE(b->IsDead());
  EXPECT_FALSE(a->AttachedParticle);
}

#include "gfx/GameImage.h"

class ParticleDrawTest : public RecordingTest {};

TEST_F(ParticleDrawTest, DrawFollowsTheEnvelopeAndTheBlendFlags) {
  auto img = TGameImage::CreateFromImage(Picture(4, 4), "SPARK", 1);
  auto p = TParticle::CreateSpecial(img, 100, 100, 0, 0, 0, 1000, 1, 0, 0, 1, 0, 0);
  for (int i = 0; i < 100; ++i) p->Move();
  p->Draw();
  ASSERT_EQ(rec->recorded.size(), 1u);
  EXPECT_EQ(AlphaByte(0), 127);
  EXPECT_EQ(rec->recorded[0].blend, BLEND_LIGHT);
  EXPECT_EQ(GetBlend(), BLEND_ALPHA);

  rec->Clear();
  auto q = TParticle::CreateSpecial(img, 100, 100, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0);
  q->DoOverlayBlend = 1;
  q->SetFade(0, 0, 800, 0.5f, 1);
  q->Draw();
  EXPECT_EQ(AlphaByte(0), 127);
  EXPECT_EQ(rec->recorded[0].blend, BLEND_MODULATE2X);

  rec->Clear();
  q->SetDelay(100);
  q->Draw();
  int userDraws = 0;
  auto u = TParticle::CreateSpecial(img, 100, 100, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0);
  u->UserDraw = [&](TParticle&) { ++userDraws; };
  u->Draw();
  EXPECT_TRUE(rec->recorded.empty());
  EXPECT_EQ(userDraws, 1);
}
