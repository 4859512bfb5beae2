#include "gfx/Font.h"

#include "core/Globals.h"
#include "core/TextLines.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "gfx/TextDraw.h"

TFontPtr TFont::Create(TImageFontPtr imageFont, std::shared_ptr<TColor> color, std::shared_ptr<TShadow> shadow,
                       int fixedWidth, TBitmapFontPtr bitmapFont, std::shared_ptr<TColor> inverseColor,
                       const std::string& name) {
  auto font = std::make_shared<TFont>();
  font->Init(std::move(imageFont), std::move(color), std::move(shadow), fixedWidth, std::move(bitmapFont),
             std::move(inverseColor), name);
  return font;
}

void TFont::Init(TImageFontPtr imageFont, std::shared_ptr<TColor> color, std::shared_ptr<TShadow> shadow,
                 int fixedWidth, TBitmapFontPtr bitmapFont, std::shared_ptr<TColor> inverseColor,
                 const std::string& name) {
  ImageFont = std::move(imageFont);
  Color = std::move(color);
  Shadow = std::move(shadow);
  FixedWidth = fixedWidth;
  BitmapFont = std::move(bitmapFont);
  InverseColor = std::move(inverseColor);
  Name = name;
  CalcHeight();
}

void TFont::Apply() const { ApplyCustomColor(Color.get()); }

void TFont::ApplyCustomColor(const TColor* color) const {
  if (color) color->Apply();
  ApplyFont();
}

TTextStyle TFont::TextStyle(const TColor* color) const {
  const float alpha = color ? color->Alpha : 1.0f;
  if (Shadow) return Shadow->TextStyle(alpha);
  TTextStyle style;
  style.Alpha = alpha;
  return style;
}

void TFont::ApplyInverse() const {
  if (InverseColor) InverseColor->Apply();
  ApplyFont();
}

void TFont::ApplyFont() const {
  if (!BitmapFont) SetImageFont(ImageFont);
}

void TFont::ApplyScale(float s) {
  if (BitmapFont) {
    OldScale = BitmapFont->ScaleFactor;
    BitmapFont->ScaleFactor = s;
  } else {
    SetScale(s, s);
  }
}

void TFont::RestoreScale() {
  if (BitmapFont) BitmapFont->ScaleFactor = OldScale;
  else SetScale(1, 1);
}

float TFont::CalcHeight() {
  H = LineHeight();
  return H;
}

void TFont::Kill() {
  BitmapFont.reset();
  ImageFont.reset();
  Color.reset();
  InverseColor.reset();
  Shadow.reset();
}

float TFont::TextWidthOf(const std::string& text) const {
  if (BitmapFont) return float(BitmapFont->StringWidth(text));
  TImageFontPtr current = GetImageFont();
  SetImageFont(ImageFont);
  float w = float(TextWidth(text));
  SetImageFont(current);
  return w;
}

float TFont::LineHeight() const {
  if (BitmapFont) return float(BitmapFont->StringHeight(BitmapFont->TestString));
  TImageFontPtr current = GetImageFont();
  SetImageFont(ImageFont);
  float h = float(TextHeight("ABCXYZ"));
  SetImageFont(current);
  return h;
}

TImageFontPtr GameFont(const std::string& name) {
  std::string key = UpperCase(name);
  if (key == "FONT60") return Font60;
  if (key == "FONT30") return Font30;
  if (key == "FONT31") return Font31;
  if (key == "FONT48") return Font48;
  if (key == "FONT25") return Font25;
  return nullptr;
}
