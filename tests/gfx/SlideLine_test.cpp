#include "gfx/SlideLine.h"

#include "ToolkitTest.h"

class SlideLineTest : public RecordingTest {};

TEST_F(SlideLineTest, LegsMoveLinearlyAndTheLineRestsAtTheLastEnd) {
  TSlideLineList list;
  auto line = list.Add("Hi", 0, 0, 100, 0, 1000);
  line->AddPhaseSpecial(100, 0, 100, 50, 1000);
  EXPECT_EQ(line->Color, list.Color);
  // Not started: drawn at its final place.
  EXPECT_FLOAT_EQ(line->GetX(), 100.0f);
  EXPECT_FLOAT_EQ(line->GetY(), 50.0f);
  list.Start();
  for (int i = 0; i < 100; ++i) list.Manage();
  EXPECT_FLOAT_EQ(line->GetX(), 50.0f);
  EXPECT_FLOAT_EQ(line->GetY(), 0.0f);
  for (int i = 0; i < 200; ++i) list.Manage();
  EXPECT_FLOAT_EQ(line->GetX(), 100.0f);
  EXPECT_FLOAT_EQ(line->GetY(), 25.0f);
  for (int i = 0; i < 500; ++i) list.Manage();
  EXPECT_EQ(line->Active, 0);
  EXPECT_FLOAT_EQ(line->GetX(), 100.0f);
  EXPECT_FLOAT_EQ(line->GetY(), 50.0f);

  // No more legs than the tables hold.
  for (int i = 0; i < 60; ++i) line->AddPhaseSpecial(i, i, i, i, 5);
  EXPECT_EQ(line->TotalPhases, TAnimation::MAX_PHASES);
  EXPECT_FLOAT_EQ(line->EndX[49], 47.0f);

  // Lines draw in the list's colour and leave the state white and opaque.
  list.Color->Set(10, 20, 30, 0.5f);
  rec->Clear();
  list.Draw();
  ASSERT_FALSE(rec->recorded.empty());
  EXPECT_EQ(Red(0), 10);
  EXPECT_EQ(AlphaByte(0), 127);
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r, 255);
  EXPECT_FLOAT_EQ(GetAlpha(), 1.0f);
}
