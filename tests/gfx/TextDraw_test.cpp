// Shadowed text, word wrap and the program's one text encoding as the vector fonts see it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "gfx/Font.h"
#include "gfx/TextDraw.h"
#include "gfx/ToolkitTest.h"

namespace {
const char* kVectorFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// Every character 10 wide, so widths are easy to reason about.
float TenEach(const std::string& s) { return 10.0f * float(s.size()); }
}  // namespace

TEST(TextEncoding, StringsMeasureAsWindows1252Characters) {
  if (!std::filesystem::exists(kVectorFont)) GTEST_SKIP() << "no vector font on this system";
  auto font = LoadImageFont(kVectorFont, 24, FONT_SMOOTH);
  ASSERT_NE(font, nullptr);
  SetImageFont(font);
  // The euro sign and the trade mark are bytes 0x80 and 0x99 of the code page.
  EXPECT_GT(TextWidth("\x80"), 5);
  EXPECT_GT(TextWidth("\x99"), 5);
  EXPECT_EQ(TextWidth("5\x80"), TextWidth("5") + TextWidth("\x80"));
  // Two bytes are two characters, even where they would spell one in UTF-8.
  const std::string pair = "\xC3\xA9";
  EXPECT_EQ(TextWidth(pair), TextWidth("\xC3") + TextWidth("\xA9"));
  EXPECT_GT(TextWidth(pair), TextWidth("\xE9"));
  EXPECT_GT(TextWidth("\xE9"), 5) << "e acute as the name field types it";
  // Codes the code page leaves unused have no glyph.
  EXPECT_EQ(TextWidth("\x81"), 0);

  // A font style measures in its own font without disturbing the current one.
  const float euro = float(TextWidth("\x80"));
  SetImageFont(nullptr);
  auto style = TFont::Create(font);
  EXPECT_EQ(style->TextWidthOf("\x80"), euro);
  EXPECT_EQ(TextWidth("A"), 8) << "the built-in font is still current";
  EXPECT_GT(style->H, 20);
}

TEST(TextWrap, BreaksAtLineEndsThenAtSpaces) {
  // Two words with a doubled space, a line break, a second line; narrower than both words.
  auto lines = WrapText("one  two\r\nthree", 60, TenEach);
  EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three"}));
  // A word longer than the line keeps a line of its own and is not cut.
  lines = WrapText("a verylongword b", 50, TenEach);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "verylongword", "b"}));
  // Words fill a line up to the width exactly.
  lines = WrapText("ab cd ef", 50, TenEach);
  EXPECT_EQ(lines, (std::vector<std::string>{"ab cd", "ef"}));
  // Empty lines stay, a trailing space makes no extra line, no width means no re-flow.
  lines = WrapText("x\n\ny ", 100, TenEach);
  EXPECT_EQ(lines, (std::vector<std::string>{"x", "", "y"}));
  lines = WrapText("a b c\nd", 0, TenEach);
  EXPECT_EQ(lines, (std::vector<std::string>{"a b c", "d"}));
  lines = WrapText("   ", 100, TenEach);
  EXPECT_EQ(lines, (std::vector<std::string>{""}));
  EXPECT_EQ(WrapText("", 100, TenEach).size(), 1u);
}

class TextDrawing : public RecordingTest {};

TEST_F(TextDrawing, ShadowedTextLeavesTheStateAsItFoundIt) {
  SetImageFont(nullptr);
  SetBlend(BLEND_SOLID);
  SetColor(10, 20, 30);
  SetAlpha(0.9f);
  const TTextStyle style{2, 3, 0.5f, 0.8f};
  DrawTextShadowed(100, 50, "|", 1, 1, style);
  EXPECT_EQ(GetBlend(), BLEND_SOLID);
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r, 10);
  EXPECT_EQ(b, 30);
  EXPECT_FLOAT_EQ(GetAlpha(), 0.8f) << "alpha ends at the text's own";
  ASSERT_EQ(rec->recorded.size(), 2u);
  EXPECT_EQ(rec->recorded[0].blend, BLEND_ALPHA);
  // Centred on x: the built-in glyph cell is 8 wide.
  EXPECT_FLOAT_EQ(X(1), 96);
  EXPECT_FLOAT_EQ(X(0) - X(1), 2);
  EXPECT_FLOAT_EQ(Y(0) - Y(1), 3);
  EXPECT_EQ(Red(0), 0);
  EXPECT_EQ(AlphaByte(0), int(0.5f * 0.8f * 255));
  EXPECT_EQ(Red(1), 10);

  // Lines are one font height apart and each is centred on its own width.
  rec->Clear();
  DrawTextLinesShadowed(100, 50, {"|", "||"}, 1, 0, 1, style);
  ASSERT_EQ(rec->recorded.size(), 6u);
  EXPECT_FLOAT_EQ(X(1), 96);
  EXPECT_FLOAT_EQ(Y(1), 50);
  EXPECT_FLOAT_EQ(X(4), 92);
  EXPECT_FLOAT_EQ(Y(4), 66);
}
