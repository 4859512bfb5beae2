#include "gfx/Color.h"

#include "ToolkitTest.h"

class ColorTest : public RecordingTest {};

TEST_F(ColorTest, MultiplyRoundsPerChannelAndKeepsAlpha) {
  auto c = TColor::Create(200, 200, 200, 0.4f);
  c->MultiplyByColour(*TColor::Create(255, 128, 0));
  EXPECT_EQ(c->R, 200);
  EXPECT_EQ(c->G, 100);
  EXPECT_EQ(c->B, 0);
  EXPECT_FLOAT_EQ(c->Alpha, 0.4f);
  c->MultiplyByColour(TColor());
  EXPECT_EQ(c->R + c->G + c->B, 0);
  EXPECT_FLOAT_EQ(c->Alpha, 0.4f);

  // Apply and read back through the drawing state; Restore means white, opaque.
  auto d = TColor::Create(1, 2, 3, 0.25f);
  d->Apply();
  auto cur = TColor::GetCurrentColorAndAlpha();
  EXPECT_EQ(cur->B, 3);
  EXPECT_FLOAT_EQ(cur->Alpha, 0.25f);
  EXPECT_FLOAT_EQ(TColor::GetCurrentColor()->Alpha, 1.0f);
  TColor::Restore();
  cur = TColor::GetCurrentColorAndAlpha();
  EXPECT_EQ(cur->R, 255);
  EXPECT_FLOAT_EQ(cur->Alpha, 1.0f);
}
