#include "gfx/Animation.h"

#include "ToolkitTest.h"

class AnimationTest : public ToolkitTest {};

TEST_F(AnimationTest, RatioRunsDownOrUpAndTheEndComesOnTheRightTick) {
  auto a = TAnimation::Create(1000, 0, 0, 0, 0);
  EXPECT_EQ(a->Active, 0);
  EXPECT_EQ(a->Manage(), 0);  // not started
  a->Start();
  EXPECT_FLOAT_EQ(a->GetRatio(), 1.0f);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(a->Manage(), 0);
  EXPECT_FLOAT_EQ(a->GetRatio(), 0.5f);
  EXPECT_NEAR(a->GetRatioSine180(), 0.5f, 1e-6);
  for (int i = 100; i < 199; ++i) EXPECT_EQ(a->Manage(), 0);
  EXPECT_EQ(a->Manage(), 1);
  EXPECT_EQ(a->Finished, 1);
  EXPECT_EQ(a->Active, 0);

  auto r = TAnimation::Create(1000, 0, 1, 0, 0);
  r->Start();
  EXPECT_FLOAT_EQ(r->GetRatio(), 0.0f);
  Delta = 0.5f;
  for (int i = 0; i < 100; ++i) r->Manage();
  EXPECT_FLOAT_EQ(r->GetRatio(), 0.25f);
  EXPECT_FLOAT_EQ(r->GetRatioInv(), 0.75f);
  Delta = 1.0f;
  int endedAt = -1;
  for (int i = 0; i < 200 && endedAt < 0; ++i)
    if (r->Manage()) endedAt = i;
  // Counting up ends when the clock passes the length: 50 + 151 = 201 > 200.
  EXPECT_EQ(endedAt, 150);
}

TEST_F(AnimationTest, PhasesEndInTurnAndPingPongAlternates) {
  auto a = TAnimation::Create(100, 0, 0, 0, 0);  // 20 ticks
  a->AddPhase(200);                              // 40 ticks
  a->Start();
  std::vector<int> ends;
  for (int i = 1; i <= 70; ++i)
    if (a->Manage()) ends.push_back(i);
  EXPECT_EQ(ends, (std::vector<int>{20, 60}));
  EXPECT_EQ(a->Active, 0);

  // Cycling ping-pong: down through the pass, then up through it, and so on.
  auto p = TAnimation::Create(50, 0, 0, 1, 1);  // 10 ticks
  p->Start();
  std::vector<int> reverses;
  for (int i = 0; i < 40; ++i) {
    p->Manage();
    reverses.push_back(p->Reverse);
  }
  EXPECT_EQ(reverses[5], 0);
  EXPECT_EQ(reverses[15], 1);
  EXPECT_EQ(reverses[25], 0);
  EXPECT_EQ(reverses[35], 1);
  EXPECT_EQ(p->Active, 1);
  EXPECT_GE(p->GetRatio(), 0.0f);
  EXPECT_LE(p->GetRatio(), 1.0f);
}

TEST_F(AnimationTest, PhaseTableNeverOverflowsAndBadInsertsAreIgnored) {
  auto a = TAnimation::Create(5, 0, 0, 0, 0);
  for (int i = 0; i < 60; ++i) a->AddPhase(10);
  EXPECT_EQ(a->TotalPhases, TAnimation::MAX_PHASES);
  a->InsertPhase(500, 0);  // full: ignored
  EXPECT_FLOAT_EQ(a->Length[0], 1.0f);

  auto b = TAnimation::Create(5, 0, 0, 0, 0);  // [1]
  b->AddPhase(10);                             // [1, 2]
  b->InsertPhase(15, 1);                       // [1, 3, 2]
  b->InsertPhase(20, 3);                       // at the end: [1, 3, 2, 4]
  b->InsertPhase(25, 5);                       // past the end: ignored
  b->InsertPhase(25, -1);                      // ignored
  ASSERT_EQ(b->TotalPhases, 4);
  EXPECT_FLOAT_EQ(b->Length[0], 1.0f);
  EXPECT_FLOAT_EQ(b->Length[1], 3.0f);
  EXPECT_FLOAT_EQ(b->Length[2], 2.0f);
  EXPECT_FLOAT_EQ(b->Length[3], 4.0f);
}

TEST_F(AnimationTest, FinishedAndLeftActiveStaysOnItsLastPhase) {
  auto a = TAnimation::Create(10, 1, 0, 1, 0);  // 2 ticks, cycling, leave active
  a->AddPhase(10);
  a->LoopTotal = 2;
  a->Start();
  for (int i = 0; i < 8; ++i) a->Manage();  // two passes of two phases
  EXPECT_EQ(a->Finished, 1);
  EXPECT_EQ(a->Active, 1);
  EXPECT_EQ(a->CurrentPhase, 1);
  // Every later update reports a finished phase and never starts cycling again.
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(a->Manage(), 1);
    EXPECT_EQ(a->CurrentPhase, 1);
    EXPECT_EQ(a->Finished, 1);
  }

  // A restart after stopping on a later phase times phase 0 with phase 0's length.
  auto b = TAnimation::Create(100, 1, 0, 0, 0);
  b->AddPhase(1000);
  b->Start();
  b->Stop();
  EXPECT_EQ(b->Finished, 1);
  b->Reset();
  EXPECT_EQ(b->CurrentPhase, 0);
  EXPECT_FLOAT_EQ(b->GetRatio(), 1.0f);
}

TEST_F(AnimationTest, FramesCoverTheStripFirstToLastEitherWay) {
  EXPECT_EQ(FrameFromClock(0, 400, 4, 1), 0);
  EXPECT_EQ(FrameFromClock(99, 400, 4, 1), 0);
  EXPECT_EQ(FrameFromClock(100, 400, 4, 1), 1);
  EXPECT_EQ(FrameFromClock(400, 400, 4, 1), 3);   // clamped
  EXPECT_EQ(FrameFromClock(400, 400, 4, 0), 0);
  EXPECT_EQ(FrameFromClock(1, 400, 4, 0), 3);
  EXPECT_EQ(FrameFromClock(-5, 400, 4, 1), 0);
  EXPECT_EQ(FrameFromClock(5, 0, 4, 1), 0);       // no length

  auto a = TAnimation::Create(1000, 0, 0, 0, 0);  // 200 ticks, clock counting down
  a->Start();
  EXPECT_EQ(a->GetAnimFrame(4), 0);
  for (int i = 0; i < 150; ++i) a->Manage();
  EXPECT_EQ(a->GetAnimFrame(4), 3);
  auto r = TAnimation::Create(1000, 0, 1, 0, 0);  // counting up
  r->Start();
  for (int i = 0; i < 150; ++i) r->Manage();
  EXPECT_EQ(r->GetAnimFrame(4), 3);
  EXPECT_EQ(r->GetAnimFrameProper(4), 0);
}
