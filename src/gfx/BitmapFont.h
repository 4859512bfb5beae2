// A font drawn from a picture: one page image holding every glyph and a ".fnt" text
// file (the usual output of bitmap-font generators) saying where each glyph lies and
// how far it advances. Drawn glyph by glyph, with alignment, rounding, per-character
// colours, vertical layout and a sine curvature for text on an arc.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gfx/Color.h"
#include "gfx/Image.h"

class TBitmapFont;
struct TTextStyle;
using TBitmapFontPtr = std::shared_ptr<TBitmapFont>;
using TColorList = std::vector<std::shared_ptr<TColor>>;

class TBitmapFont {
 public:
  double CharGap = 0;       // extra space after every character
  int ChangeHandle = 0;     // 1: lay characters out by moving the image handle (rotated text)
  float CurvatureAngle = 180;
  int DrawOffsetY = 0;      // added to every glyph's y offset
  double HandleX = 0, HandleY = 0;
  double ScaleFactor = 1;   // glyph scale from the file's scale line
  std::string TestString = "ABCXYZ";  // the text whose height is the line height
  int ArraySize = 406;
  float CurvatureHeight = 0, CurvatureWidth = 0;  // height 0 = straight text
  std::vector<int> ID;      // character code stored at each glyph index
  TImagePtr Image;
  int NumChars = 0;
  int NumExtraChars = 0;    // glyphs with codes of 256 and above, from index 256 on
  double TextureW = 0, TextureH = 0;
  std::vector<double> width, height, xAdvance, xOffset, yOffset, xPos, yPos;

  TBitmapFont();
  // Loads path + ".png" as the page and reads path + ".fnt"; either missing is fatal.
  // yAdjust is added to every glyph's y offset. spare is not used.
  static TBitmapFontPtr Create(const std::string& path, int flags = -1, int spare = 0, float yAdjust = 0);
  // Reads the glyph table from the text of a ".fnt" file. Any text is accepted: a field
  // that is missing or cut off by the end of its line reads 0.
  void Parse(const std::string& text, float yAdjust = 0);

  // Glyph index of a code of 256 or above, 0 when the font has none.
  int FindChar(int code) const;
  // Glyph index of a character code.
  int GlyphIndex(int code) const;
  // Grows every glyph array by 100 entries.
  void ExpandArrays();

  // Measurements, all in glyph pixels times ScaleFactor. Text is Windows-1252.
  double StringWidth(const std::string& text) const;
  // The mean height of the glyphs that have one (sum over count - 1, which on the six
  // letters of TestString gives the line height); one such glyph gives its own height, none 0.
  double StringHeight(const std::string& text) const;
  double StringHeightAccurate(const std::string& text) const;
  double StringHeightVertical(const std::string& text) const;
  int GetLineGap() const;
  double CalcReducedScale(const std::string& text, double maxWidth) const;
  std::string TruncateString(const std::string& text, double maxWidth) const;
  // Puts the top of a capital A on the drawing line.
  void CalcDrawOffsetY();
  int64_t CalcVRAM() const;

  // Draws text at (x, y). A call given a shadow style draws only the shadow (black,
  // offset and faded as the style says); callers draw the text with a second call.
  // colours, when given, tint the visible characters in turn.
  void Draw(const std::string& text, float x, float y, int centre = 0, int right = 0, int roundX = 0,
            int roundY = 0, const TTextStyle* shadow = nullptr, int centreVertically = 0, int vertical = 0,
            const TColorList& colours = {});
  // align: 0 left, 1 centre, 2 right, 3 centre both ways, 4 left and centred vertically;
  // any other value draws nothing.
  void DrawAligned(const std::string& text, float x, float y, int align, int roundX = 0, int roundY = 0,
                   const TTextStyle* shadow = nullptr, const TColorList& colours = {});
  void DrawAlignedWithShadow(const std::string& text, float x, float y, int align, const TTextStyle& style,
                             int roundX = 0, int roundY = 0);
  // Lines lineGap apart (0: the line height), slanted to follow the current rotation.
  void DrawStringArray(const std::vector<std::string>& lines, float x, float y, int centre = 0, int right = 0,
                       int roundX = 0, int roundY = 0, const TTextStyle* shadow = nullptr, float lineGap = 0,
                       int centreVertically = 0);

  void SetCurvature(float curveWidth, float curveHeight);
  void ClearCurvature();
  void ResetHandle();
  void Precache();
  void Kill();

 private:
  void ClearGlyphs();
};
