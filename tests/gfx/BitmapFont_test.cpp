// The ".fnt" reader, the measurements built on its table, and where glyphs land.
#include <gtest/gtest.h>

#include <string>

#include "gfx/BitmapFont.h"
#include "gfx/TextDraw.h"
#include "gfx/ToolkitTest.h"

namespace {
// A glyph line as generators write it: every value padded with spaces to its field.
std::string Glyph(int id, int x, int y, int w, int h, int xo, int yo, int adv) {
  char line[200];
  std::snprintf(line, sizeof line,
                "char id=%-5d x=%-4d y=%-4d width=%-3d height=%-3d xoffset=%-3d yoffset=%-3d xadvance=%-3d page=0  "
                "chnl=15",
                id, x, y, w, h, xo, yo, adv);
  return line;
}

const char* kHead =
    "info face=\"Test\" size=32 bold=0\n"
    "common lineHeight=36 base=29 scaleW=256  scaleH=128  pages=1 packed=0\n"
    "page id=0 file=\"test.png\"\n"
    "chars count=3\n";
}  // namespace

TEST(BitmapFont, ReadsGlyphTablesWithAndWithoutAScaleLine) {
  TBitmapFont plain;
  plain.Parse(std::string(kHead) + Glyph(65, 10, 20, 15, 18, -1, 3, 14) + "\r\n" +
                  Glyph(8364, 30, 40, 12, 16, 0, 2, 13) + "\n" + Glyph(66, 50, 20, 16, 18, 1, 3, 15) + "\n" +
                  "kernings count=1\n" + Glyph(67, 1, 1, 1, 1, 1, 1, 1) + "\n",
              2);
  EXPECT_EQ(plain.ScaleFactor, 1);
  EXPECT_EQ(plain.TextureW, 256);
  EXPECT_EQ(plain.TextureH, 128);
  EXPECT_EQ(plain.NumChars, 3) << "reading stops at the kerning section";
  EXPECT_EQ(plain.ID[65], 65);
  EXPECT_EQ(plain.xPos[65], 10);
  EXPECT_EQ(plain.yPos[65], 20);
  EXPECT_EQ(plain.width[65], 15);
  EXPECT_EQ(plain.height[65], 18);
  EXPECT_EQ(plain.xOffset[65], -1);
  EXPECT_EQ(plain.yOffset[65], 5) << "3 plus the loader's adjustment";
  EXPECT_EQ(plain.xAdvance[65], 14);
  EXPECT_EQ(plain.width[67], 0);
  // A code above 255 goes to the first extra slot and is found again.
  EXPECT_EQ(plain.NumExtraChars, 1);
  EXPECT_EQ(plain.ID[256], 8364);
  EXPECT_EQ(plain.FindChar(8364), 256);
  EXPECT_EQ(plain.FindChar(9999), 0);
  // The euro sign of the program's code page measures with that glyph.
  EXPECT_EQ(plain.StringWidth("\x80"), 13);

  TBitmapFont scaled;
  scaled.Parse("scaleF=0.5 \ninfo face=x\ncommon scaleW=64   scaleH=64\npage id=0\nchars count=1\n" +
               Glyph(65, 0, 0, 20, 20, 0, 0, 20) + "\n" + Glyph(66, 0, 0, 20, 20, 0, 0, 10) + "\n");
  EXPECT_EQ(scaled.ScaleFactor, 0.5);
  EXPECT_EQ(scaled.TextureW, 64);
  EXPECT_EQ(scaled.NumChars, 2);
  EXPECT_EQ(scaled.StringWidth("AB"), 15) << "(20 + 10) halved";
}

TEST(BitmapFont, OddLinesReadZeroInsteadOfFailing) {
  TBitmapFont font;
  // A key far along the line is still found; a field the line end cuts short reads
  // what is there; a line without an id is skipped.
  std::string far = "char id=70" + std::string(300, ' ') + "width=9  xadvance=7";
  std::string cut = "char id=71 x=5 xadvance=1";
  font.Parse(std::string(kHead) + far + "\n" + cut + "\n" + "char x=1 y=2\nchar id=0 x=3\n" + "id=" + "\n");
  EXPECT_EQ(font.NumChars, 2);
  EXPECT_EQ(font.width[70], 9);
  EXPECT_EQ(font.xAdvance[70], 7);
  EXPECT_EQ(font.xPos[71], 5);
  EXPECT_EQ(font.xAdvance[71], 1);
  EXPECT_EQ(font.height[71], 0);
  // Empty and truncated files leave an empty table.
  font.Parse("");
  EXPECT_EQ(font.NumChars, 0);
  font.Parse("scaleF");
  EXPECT_EQ(font.ScaleFactor, 0);
  EXPECT_EQ(font.NumChars, 0);

  // Many extra glyphs grow the arrays and every one stays findable.
  std::string many = kHead;
  for (int i = 0; i < 250; ++i) many += Glyph(1000 + i, i, 0, 1, 1, 0, 0, i % 7 + 1) + "\n";
  font.Parse(many);
  EXPECT_EQ(font.NumExtraChars, 250);
  EXPECT_GE(font.ArraySize, 256 + 250);
  for (int i = 0; i < 250; i += 37) EXPECT_EQ(font.xPos[size_t(font.FindChar(1000 + i))], i);
}

TEST(BitmapFont, Measurements) {
  TBitmapFont font;
  std::string text = kHead;
  const int heights[] = {20, 22, 18, 24, 20, 16};
  const char* letters = "ABCXYZ";
  for (int i = 0; i < 6; ++i) text += Glyph(letters[i], 0, 0, 10, heights[i], 0, 2 * i, 10 + 2 * i) + "\n";
  text += Glyph(' ', 0, 0, 0, 0, 0, 0, 8) + "\n";
  font.Parse(text);
  font.CharGap = 2;
  EXPECT_EQ(font.StringWidth("AB"), 10 + 12 + 2) << "no gap after the last character";
  EXPECT_EQ(font.StringWidth(""), 0);
  // The line height is the six heights over five.
  EXPECT_DOUBLE_EQ(font.StringHeight("ABCXYZ"), 120.0 / 5);
  EXPECT_EQ(font.GetLineGap(), 24);
  // Fewer than two glyphs with a height must not divide by zero or less.
  EXPECT_EQ(font.StringHeight("A"), 20);
  EXPECT_EQ(font.StringHeight("A "), 20);
  EXPECT_EQ(font.StringHeight(" "), 0);
  EXPECT_EQ(font.StringHeight(""), 0);
  EXPECT_EQ(font.StringHeightAccurate("AZ"), 16 + 10);
  EXPECT_EQ(font.StringHeightVertical("A B"), 20 + 6 + 22);
  EXPECT_EQ(font.CalcReducedScale("AB", 12), 0.5);
  EXPECT_EQ(font.CalcReducedScale("AB", 100), 1);
  EXPECT_EQ(font.TruncateString("ABC", 25), "AB");
  EXPECT_EQ(font.TruncateString("ABC", 1), "");
  font.yOffset['A'] = -7;
  font.CalcDrawOffsetY();
  EXPECT_EQ(font.DrawOffsetY, 7);
}

class BitmapFontDraw : public RecordingTest {};

TEST_F(BitmapFontDraw, GlyphsLandWhereTheTableSays) {
  TBitmapFont font;
  font.Image = Picture(64, 64);
  font.Parse(std::string(kHead) + Glyph(65, 0, 0, 10, 12, 1, 3, 11) + "\n" + Glyph(66, 10, 0, 8, 12, -1, 2, 9) +
             "\n");
  font.DrawAligned("AB", 100, 50, 0);
  ASSERT_EQ(rec->recorded.size(), 2u);
  EXPECT_FLOAT_EQ(X(0), 101);
  EXPECT_FLOAT_EQ(Y(0), 53);
  EXPECT_FLOAT_EQ(X(1), 100 + 11 - 1);
  EXPECT_FLOAT_EQ(Y(1), 52);

  // Centred and right-aligned text ends up around and before x.
  rec->Clear();
  font.DrawAligned("AB", 100, 50, 1);
  EXPECT_FLOAT_EQ(X(0), 100 - 10 + 1);
  rec->Clear();
  font.DrawAligned("AB", 100, 50, 2);
  EXPECT_FLOAT_EQ(X(0), 100 - 20 + 1);
  // An unknown alignment draws nothing.
  rec->Clear();
  font.DrawAligned("AB", 100, 50, 5);
  EXPECT_TRUE(rec->recorded.empty());

  // A scale line of 0.5 halves every glyph.
  rec->Clear();
  font.ScaleFactor = 0.5;
  font.DrawAligned("A", 0, 0, 0);
  ASSERT_EQ(rec->recorded.size(), 1u);
  const auto& v = rec->recorded[0].vertices;
  EXPECT_FLOAT_EQ(v[2].x - v[0].x, 5);
  EXPECT_FLOAT_EQ(v[2].y - v[0].y, 6);
  font.ScaleFactor = 1;

  // The shadow pass is black, offset and at the shadow's share of the text alpha;
  // the colour comes back afterwards.
  rec->Clear();
  SetColor(200, 100, 50);
  font.DrawAlignedWithShadow("A", 0, 0, 0, TTextStyle{3, 4, 0.5f, 1});
  ASSERT_EQ(rec->recorded.size(), 2u);
  EXPECT_FLOAT_EQ(X(0), 1 + 3);
  EXPECT_FLOAT_EQ(Y(0), 3 + 4);
  EXPECT_EQ(Red(0), 0);
  EXPECT_EQ(AlphaByte(0), 127);
  EXPECT_EQ(Red(1), 200);
}
