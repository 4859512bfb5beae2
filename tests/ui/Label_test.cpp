// Labels: line breaking, alignment, scale and the colour, alpha and shadow they draw with.
#include <gtest/gtest.h>

#include "gfx/TextDraw.h"
#include "ui/Label.h"
#include "ui/WidgetFixture.h"

class LabelTest : public WidgetTest {};

// The built-in font: every character 8 wide, lines 16 high.
TEST_F(LabelTest, LinesBreakAtLineEndsAndWrapWidth) {
  auto label = TLabel::CreateSpecial("one  two\r\nthree", 0, 0, 0, 50, 0);
  EXPECT_EQ(label->TextArray, (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_EQ(label->TotalLines, 3);
  EXPECT_FLOAT_EQ(label->CalcHeight(), 48);
  EXPECT_FLOAT_EQ(label->CalcWidth(), 40);
  // Game texts of several lines keep their lines without a wrap width.
  label = TLabel::CreateSpecial("first\r\nsecond line", 0, 0);
  EXPECT_EQ(label->TotalLines, 2);
  EXPECT_FLOAT_EQ(label->CalcHeight(), 32);
  label->SetLineGap(20);
  EXPECT_FLOAT_EQ(label->CalcHeight(), 40);
  // Changing the text lays it out again.
  label->Text = "one line";
  EXPECT_FLOAT_EQ(label->CalcWidth(), 64);
  EXPECT_FLOAT_EQ(label->CalcHeight(), 16);
  label->Scale = 0.5f;
  label->AutoScale(40);
  EXPECT_FLOAT_EQ(label->Scale, 0.5f) << "32 wide is already narrow enough";
  label->AutoScale(24);
  EXPECT_FLOAT_EQ(label->Scale, 24.0f / 64);
}

TEST_F(LabelTest, DrawsAlignedInItsColourAndPutsTheStateBack) {
  auto label = TLabel::CreateSpecial("||", 100, 50, 2, 0, 0);
  label->Color = TColor::Create(0, 255, 0, 0.5f);
  label->Alpha = 0.5f;
  SetColor(1, 2, 3);
  SetAlpha(0.7f);
  label->Draw();
  ASSERT_EQ(rec->recorded.size(), 2u);
  EXPECT_FLOAT_EQ(X(0), 84) << "right-aligned: the text ends at X";
  EXPECT_FLOAT_EQ(Y(0), 50);
  EXPECT_EQ(Red(0), 0);
  EXPECT_EQ(AlphaByte(0), int(0.25f * 255));
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r, 1);
  EXPECT_FLOAT_EQ(GetAlpha(), 0.7f);

  // Centred, centred vertically, twice the size, two lines.
  rec->Clear();
  label = TLabel::CreateSpecial("|\n||", 100, 50, 1, 0, 1);
  label->Scale = 2;
  label->Draw();
  ASSERT_EQ(rec->recorded.size(), 3u);
  EXPECT_FLOAT_EQ(X(0), 100 - 8);
  EXPECT_FLOAT_EQ(Y(0), 50 - 32);
  EXPECT_FLOAT_EQ(X(1), 100 - 16);
  EXPECT_FLOAT_EQ(Y(1), 50);
  const auto& v = rec->recorded[0].vertices;
  EXPECT_FLOAT_EQ(v[2].y - v[0].y, 32);
  float sx, sy;
  GetScale(sx, sy);
  EXPECT_EQ(sx, 1);

  // With a shadow the label draws it under the text, both at the label's own alpha.
  rec->Clear();
  label = TLabel::CreateSpecial("|", 10, 10);
  label->Shadow = TShadow::Create(2, 2, 0.5f);
  label->Alpha = 0.8f;
  label->RoundCoords = 1;
  label->X = 10.4f;
  label->Draw();
  ASSERT_EQ(rec->recorded.size(), 2u);
  EXPECT_FLOAT_EQ(X(0), 12);
  EXPECT_EQ(Red(0), 0);
  EXPECT_EQ(AlphaByte(0), int(0.5f * 0.8f * 255));
  EXPECT_FLOAT_EQ(X(1), 10);
  EXPECT_EQ(AlphaByte(1), int(0.8f * 255));
  label->Visible = 0;
  EXPECT_EQ(label->Draw(), 0);
}
