// A piece of styled text placed on the screen: a button's caption, a dialog's message,
// a greeting. It is aligned on its position, split at line ends, optionally wrapped to
// a width, and drawn with its font's colour and drop shadow.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gfx/Font.h"
#include "gfx/SpriteLabel.h"

class TLabel;
using TLabelPtr = std::shared_ptr<TLabel>;

class TLabel : public TFont, public TSpriteLabel {
 public:
  float Alpha = 1;              // multiplied into the colour's alpha
  int CentreVertically = 0;     // Y is the vertical middle instead of the top
  int LineGap = 0;              // between lines; 0 = the font's own line height
  float Rotation = 0;           // degrees (bitmap fonts only)
  float Scale = 1;
  float X = 0, Y = 0;
  int RoundCoords = 0;          // snap both coordinates to whole pixels
  int RoundXCoord = 0, RoundYCoord = 0;  // snap one (when RoundCoords is 0)
  int Visible = 1;
  float W = 0;                  // measured width, unscaled
  int Alignment = 0;            // 0 left, 1 centred on X, 2 right-aligned to X
  float BitmapFontHandleX = 0, BitmapFontHandleY = 0;
  float CurvatureHeight = 0, CurvatureWidth = 0;
  std::string Text;
  std::vector<std::string> TextArray;  // the laid-out lines
  int TotalLines = 0;
  int WordWrap = 0;             // wrap width in pixels; 0 or less = lines break only at line ends

  // A white label with the built-in font until a font is given (Init).
  static TLabelPtr CreateSpecial(const std::string& text, float x, float y, int alignment = 0, int wordWrap = 0,
                                 int centreVertically = 0);

  // Replaces the text and lays it out again.
  void SetText(const std::string& text);
  float CalcWidth();
  float CalcHeight();
  void CalcSize();
  void AutoScale(float maxWidth);
  // The line gap in use: LineGap, or the font's line height when it is 0.
  float CalcLineGap() const;
  float CalcWordWrappedHeight() const;
  void PreCalcWordWrap();
  // Draws at (X + offsetX, Y + offsetY). useColour applies the font's colour; otherwise
  // colour (when given) is used, else the colour already set. 1 when drawn.
  int Draw(float offsetX = 0, float offsetY = 0, int useColour = 1, const TColor* colour = nullptr);
  void DrawTextLine(const std::string& line, float x, float y, const TTextStyle& style);
  std::string GetWidestLine() const;
  void SetBitmapFontHandle(float x, float y);
  void SetCurvature(float curveWidth, float curveHeight);
  void SetLineGap(int gap);

  // What a sprite carrying the label needs.
  void MoveLabelBy(float dx, float dy) override;
  void SetLabelAlpha(float alpha) override;
  void DrawWithSprite(float offx, float offy) override;

 private:
  // The lines are laid out again when the text or the wrap width changed since.
  void EnsureLaidOut();
  std::string laidOutText_;
  int laidOutWrap_ = -1;
  float laidOutScale_ = -1;
};
