#include "Lettering.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "Pattern.h"

TLettering::TLettering(const std::string& interfaceFont, const std::string& headlineFont) {
  FT_Library lib;
  if (FT_Init_FreeType(&lib)) throw std::runtime_error("FreeType did not start");
  library_ = lib;
  FT_Face a, b;
  if (FT_New_Face(lib, interfaceFont.c_str(), 0, &a)) throw std::runtime_error("cannot open " + interfaceFont);
  if (FT_New_Face(lib, headlineFont.c_str(), 0, &b)) throw std::runtime_error("cannot open " + headlineFont);
  interfaceFace_ = a;
  headlineFace_ = b;
  interface_ = cairo_ft_font_face_create_for_ft_face(a, 0);
  headline_ = cairo_ft_font_face_create_for_ft_face(b, 0);
  // Cairo may keep a face cached after we let go of it; the FreeType face must live
  // exactly as long, so cairo closes it. The library itself lives to the end.
  static cairo_user_data_key_t key;
  cairo_font_face_set_user_data(interface_, &key, a, [](void* f) { FT_Done_Face(static_cast<FT_Face>(f)); });
  cairo_font_face_set_user_data(headline_, &key, b, [](void* f) { FT_Done_Face(static_cast<FT_Face>(f)); });
}

TLettering::~TLettering() {
  cairo_font_face_destroy(interface_);
  cairo_font_face_destroy(headline_);
}

void TLettering::Select(cairo_t* cr, const TLetterStyle& style) const {
  cairo_set_font_face(cr, style.face == TTypeface::Headline ? headline_ : interface_);
  cairo_set_font_size(cr, style.size);
}

namespace {
// A throwaway context for measuring outside any picture.
struct TMeasure {
  TMeasure() : surface(cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1)), cr(cairo_create(surface)) {}
  ~TMeasure() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
  cairo_surface_t* surface;
  cairo_t* cr;
};
}  // namespace

double TLettering::Width(const TLetterStyle& style, const std::string& text) const {
  TMeasure m;
  Select(m.cr, style);
  cairo_text_extents_t ext;
  cairo_text_extents(m.cr, text.c_str(), &ext);
  const double spacing = text.empty() ? 0 : style.letterSpacing * double(text.size() - 1);
  return ext.x_advance + spacing;
}

double TLettering::Ascent(const TLetterStyle& style) const { return FontExtents(style).ascent; }

double TLettering::Descent(const TLetterStyle& style) const { return FontExtents(style).descent; }

cairo_font_extents_t TLettering::FontExtents(const TLetterStyle& style) const {
  TMeasure m;
  Select(m.cr, style);
  cairo_font_extents_t fe;
  cairo_font_extents(m.cr, &fe);
  return fe;
}

void TLettering::Path(cairo_t* cr, const TLetterStyle& style, const std::string& text, double x, double y) const {
  Select(cr, style);
  if (style.letterSpacing == 0) {
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, text.c_str());
    return;
  }
  // Spaced capitals: one glyph at a time (the texts are plain ASCII).
  double pen = x;
  for (char c : text) {
    const char one[2] = {c, 0};
    cairo_move_to(cr, pen, y);
    cairo_text_path(cr, one);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, one, &ext);
    pen += ext.x_advance + style.letterSpacing;
  }
}

void TLettering::Plain(cairo_t* cr, const TLetterStyle& style, const std::string& text, double x, double y,
                       const TColour& colour) const {
  cairo_save(cr);
  cairo_new_path(cr);
  Path(cr, style, text, x, y);
  colour.Set(cr);
  cairo_fill(cr);
  cairo_restore(cr);
}

void TLettering::Draw(TCanvas& canvas, const TLetterStyle& style, const std::string& text, double cx, double y) const {
  cairo_t* cr = canvas.Cr();
  const double x = cx - Width(style, text) / 2;
  const double asc = Ascent(style);

  // Soft layers only cover the text's box plus room for the blur.
  const double pad = style.glowRadius * 2 + style.shadowBlur * 2 + style.outlineWidth + 8;
  const double ox = std::floor(x - pad), oy = std::floor(y - asc - pad);
  const int lw = int(Width(style, text) + pad * 2 + 2), lh = int(asc + Descent(style) + pad * 2 + 2);
  auto layer = [&](double dx, double dy, double widen, const TColour& colour, int blur, cairo_operator_t op) {
    TCanvas soft(lw, lh);
    Path(soft.Cr(), style, text, x + dx - ox, y + dy - oy);
    colour.WithAlpha(1).Set(soft.Cr());
    if (widen > 0) {
      cairo_set_line_width(soft.Cr(), widen * 2);
      cairo_set_line_join(soft.Cr(), CAIRO_LINE_JOIN_ROUND);
      cairo_stroke_preserve(soft.Cr());
    }
    cairo_fill(soft.Cr());
    soft.Blur(blur);
    soft.PaintOnto(cr, ox, oy, colour.a, op);
  };

  if (style.glow.a > 0) layer(0, 0, style.glowRadius * 0.3, style.glow, int(style.glowRadius), CAIRO_OPERATOR_OVER);
  if (style.shadowBlur > 0)
    layer(style.shadowDx, style.shadowDy, style.outlineWidth, style.shadow, int(style.shadowBlur), CAIRO_OPERATOR_OVER);

  cairo_save(cr);
  if (style.outlineWidth > 0) {
    cairo_new_path(cr);
    Path(cr, style, text, x, y);
    style.outline.Set(cr);
    cairo_set_line_width(cr, style.outlineWidth * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
  }
  cairo_new_path(cr);
  Path(cr, style, text, x, y);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, y - asc, 0, y);
  AddStops(fill, {{0, style.top}, {0.55, style.top.Mix(style.bottom, 0.5)}, {1, style.bottom}});
  FillWith(cr, fill);

  if (style.shine) {
    // The light comes from the top left: a bright sliver where the letters face it.
    TCanvas edge(lw, lh);
    Path(edge.Cr(), style, text, x - ox, y - oy);
    cairo_set_source_rgba(edge.Cr(), 1, 1, 1, 0.8);
    cairo_fill(edge.Cr());
    cairo_set_operator(edge.Cr(), CAIRO_OPERATOR_DEST_OUT);
    const double d = std::max(1.0, style.size / 28);
    Path(edge.Cr(), style, text, x - ox + d, y - oy + d);
    cairo_fill(edge.Cr());
    edge.PaintOnto(cr, ox, oy, 0.75);
  }
  if (style.snowCap) {
    TCanvas snow(lw, lh);
    Path(snow.Cr(), style, text, x - ox, y - oy - style.size * 0.035);
    cairo_set_source_rgba(snow.Cr(), 1, 1, 1, 1);
    cairo_fill(snow.Cr());
    cairo_set_operator(snow.Cr(), CAIRO_OPERATOR_DEST_OUT);
    Path(snow.Cr(), style, text, x - ox, y - oy + style.size * 0.07);
    cairo_fill(snow.Cr());
    snow.Blur(2);
    // A blue underside makes the rim read as a soft pile rather than a stripe.
    TCanvas under(lw, lh);
    snow.PaintOnto(under.Cr(), 0, 2);
    cairo_set_operator(under.Cr(), CAIRO_OPERATOR_IN);
    Palette::SnowShade.Set(under.Cr());
    cairo_paint(under.Cr());
    under.PaintOnto(cr, ox, oy, 0.8);
    snow.PaintOnto(cr, ox, oy);
    snow.PaintOnto(cr, ox, oy, 0.6);
  }
  cairo_restore(cr);
}
