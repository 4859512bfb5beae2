// Text drawing shared by every font user: the soft drop shadow that message screens,
// panels and labels draw their words with, line placement by alignment, and the word
// wrap that labels, the hint scroll and the message box lay their text out with.
#pragma once
#include <functional>
#include <string>
#include <vector>

// How a shadowed text is drawn: the drop shadow's offset and opacity, and the
// opacity of the text itself (the shadow's is multiplied by it). Each drawer
// passes its own, so no text depends on what was drawn before it.
struct TTextStyle {
  float ShadowX = 1.0f, ShadowY = 1.0f;
  float ShadowAlpha = 0.5f;
  float Alpha = 1.0f;
};

// The current image font's text with its drop shadow: black at ShadowAlpha x Alpha,
// offset by (ShadowX, ShadowY), then the text itself at Alpha. Blend and colour are
// left as they were; alpha ends at the style's Alpha. With centre, x is the middle of
// the text; scale only corrects that centring (the caller sets the drawing scale).
void DrawTextShadowed(float x, float y, const std::string& text, int centre, float scale, const TTextStyle& style);
// One shadowed text per line, lineGap apart (0: the font's line height), each centred
// on x on its own width when centre is set.
void DrawTextLinesShadowed(float x, float y, const std::vector<std::string>& lines, int centre, float lineGap,
                           float scale, const TTextStyle& style);

// Where a line of the given width starts so it sits on x: alignment 0 starts at x,
// 1 centres on x, 2 ends at x.
float AlignedX(float x, float width, int alignment);

// Lays text out in lines no wider than maxWidth as measure reports widths: lines break
// at every line end first ("\r\n" or "\n"); then, when maxWidth is above 0, each line is
// re-flowed word by word at spaces. A word wider than maxWidth keeps a line of its own
// rather than being cut; empty lines stay.
std::vector<std::string> WrapText(const std::string& text, float maxWidth,
                                  const std::function<float(const std::string&)>& measure);
