// The game's painted lettering: Comfortaa Bold for interface words and Lobster Two
// Bold for festive headlines, filled with gradients, outlined, shadowed, and
// optionally capped with snow. One instance per drawing thread (FreeType faces are
// not shared between threads).
#pragma once
#include <cairo.h>

#include <string>

#include "Canvas.h"
#include "Colour.h"

enum class TTypeface { Interface, Headline };

struct TLetterStyle {
  TTypeface face = TTypeface::Interface;
  double size = 32;
  TColour top = Palette::GoldLight;      // fill at the top of the letters
  TColour bottom = Palette::Gold;        // fill at the baseline
  TColour outline = Palette::GoldDeep;   // drawn under the fill
  double outlineWidth = 0;
  TColour shadow = TColour{0, 0, 0, 0.55};
  double shadowDx = 3, shadowDy = 4, shadowBlur = 6;  // shadowBlur 0: no shadow
  TColour glow = TColour{1, 0.85, 0.4, 0};            // alpha 0: no glow
  double glowRadius = 14;
  bool snowCap = false;                  // a rim of snow along the tops of the letters
  bool shine = true;                     // a thin light edge from the top left
  double letterSpacing = 0;
};

// The headline script in gold with a dark red outline and snow on top, as the logo
// and the page headings wear it; callers set the outline's width and the shadow.
inline TLetterStyle GoldHeadline(double size) {
  TLetterStyle s;
  s.face = TTypeface::Headline;
  s.size = size;
  s.top = TColour::Rgb(255, 248, 200);
  s.bottom = TColour::Rgb(236, 160, 40);
  s.outline = TColour::Rgb(92, 24, 14);
  s.snowCap = true;
  return s;
}

class TLettering {
 public:
  TLettering(const std::string& interfaceFont, const std::string& headlineFont);
  ~TLettering();
  TLettering(const TLettering&) = delete;
  TLettering& operator=(const TLettering&) = delete;

  // Width of the text and the ascent and descent of the face at that size.
  double Width(const TLetterStyle& style, const std::string& text) const;
  double Ascent(const TLetterStyle& style) const;
  double Descent(const TLetterStyle& style) const;
  // Adds the text's outline to the current path, baseline starting at (x, y).
  void Path(cairo_t* cr, const TLetterStyle& style, const std::string& text, double x, double y) const;
  // Paints styled text centred on cx with its baseline at y.
  void Draw(TCanvas& canvas, const TLetterStyle& style, const std::string& text, double cx, double y) const;
  // Plain one-colour text, left aligned at (x, baseline y).
  void Plain(cairo_t* cr, const TLetterStyle& style, const std::string& text, double x, double y,
             const TColour& colour) const;

 private:
  void Select(cairo_t* cr, const TLetterStyle& style) const;
  cairo_font_extents_t FontExtents(const TLetterStyle& style) const;
  void* library_ = nullptr;
  void* interfaceFace_ = nullptr;
  void* headlineFace_ = nullptr;
  cairo_font_face_t* interface_ = nullptr;
  cairo_font_face_t* headline_ = nullptr;
};
