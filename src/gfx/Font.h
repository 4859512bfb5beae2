// A text style: which font (the game's vector image fonts or a bitmap font) with its
// colour, highlight colour and drop shadow. Labels, dialogs, list boxes and text inputs
// hold one and measure and draw through it, whatever kind of font is behind it.
#pragma once
#include <memory>
#include <string>

#include "gfx/BitmapFont.h"
#include "gfx/Color.h"
#include "gfx/ImageFont.h"
#include "gfx/Shadow.h"

class TFont;
using TFontPtr = std::shared_ptr<TFont>;

class TFont {
 public:
  TBitmapFontPtr BitmapFont;               // used instead of the image font when set
  std::shared_ptr<TColor> Color;
  int FixedWidth = 0;                      // carried for the text widgets
  TImageFontPtr ImageFont;                 // none = the built-in font
  std::shared_ptr<TColor> InverseColor;    // highlighted text
  std::string Name;
  std::shared_ptr<TShadow> Shadow;         // none = text without a shadow
  float H = 0;                             // line height, kept by CalcHeight
  double OldScale = 1;                     // bitmap scale saved by ApplyScale

  virtual ~TFont() = default;
  static TFontPtr Create(TImageFontPtr imageFont, std::shared_ptr<TColor> color = nullptr,
                         std::shared_ptr<TShadow> shadow = nullptr, int fixedWidth = 0,
                         TBitmapFontPtr bitmapFont = nullptr, std::shared_ptr<TColor> inverseColor = nullptr,
                         const std::string& name = "");
  void Init(TImageFontPtr imageFont, std::shared_ptr<TColor> color = nullptr, std::shared_ptr<TShadow> shadow = nullptr,
            int fixedWidth = 0, TBitmapFontPtr bitmapFont = nullptr, std::shared_ptr<TColor> inverseColor = nullptr,
            const std::string& name = "");

  // Makes this style current: colour and alpha, the text shadow (whose opacity then
  // follows the colour's alpha) and, for an image font, the drawing layer's font.
  void Apply() const;
  void ApplyCustomColor(const TColor* color) const;
  // The style of this font's shadowed text under the given colour (none: opaque text).
  TTextStyle TextStyle(const TColor* color) const;
  // The highlight colour and the font, leaving the shadow as it is.
  void ApplyInverse() const;
  // Only the font (for an image font), no colour or shadow.
  void ApplyFont() const;
  void ApplyScale(float s);
  void RestoreScale();
  float CalcHeight();
  void Kill();

  // Width and line height of text in this font, without changing the current font.
  float TextWidthOf(const std::string& text) const;
  float LineHeight() const;
};

// The game's image fonts by the names the screens use for them: "Font60", "Font30",
// "Font31", "Font48" and "Font25" (letter case ignored). None for any other name, and
// before start-up has loaded them.
TImageFontPtr GameFont(const std::string& name);
