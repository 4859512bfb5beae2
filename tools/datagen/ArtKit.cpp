#include "ArtKit.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "Pattern.h"

namespace art {

Rgb Hex(unsigned rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb Lighten(Rgb c, double t) { return Mix(c, kWhite, t); }
Rgb Darken(Rgb c, double t) { return Mix(c, kBlack, t); }

void SetRgb(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void StrokeRgb(cairo_t* cr, double width, Rgb c, double alpha) {
  SetRgb(cr, c, alpha);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void AddStop(cairo_pattern_t* p, double offset, Rgb c, double alpha) {
  cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, alpha);
}

void AddStops(cairo_pattern_t* p, std::initializer_list<Stop> stops) {
  for (const Stop& s : stops) AddStop(p, s.offset, s.c, s.alpha);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min(r, std::min(w, h) / 2);
  cairo_new_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 1.5 * kPi);
  cairo_close_path(cr);
}

void Polygon(cairo_t* cr, const std::vector<Pt>& pts) {
  cairo_new_path(cr);
  for (size_t i = 0; i < pts.size(); ++i) {
    if (i == 0)
      cairo_move_to(cr, pts[i].x, pts[i].y);
    else
      cairo_line_to(cr, pts[i].x, pts[i].y);
  }
  cairo_close_path(cr);
}

std::vector<Pt> RegularPolygon(double cx, double cy, double r, int n, double rotation) {
  std::vector<Pt> pts;
  for (int i = 0; i < n; ++i) {
    double a = rotation + 2 * kPi * i / n;
    pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return pts;
}

std::vector<Pt> StarPoints(double cx, double cy, double outer, double inner, int n, double rotation) {
  std::vector<Pt> pts;
  for (int i = 0; i < 2 * n; ++i) {
    double a = rotation + kPi * i / n;
    double r = (i % 2 == 0) ? outer : inner;
    pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return pts;
}

std::vector<Pt> Scaled(const std::vector<Pt>& pts, Pt centre, double k, Pt shift) {
  std::vector<Pt> out;
  for (const Pt& p : pts)
    out.push_back({centre.x + (p.x - centre.x) * k + shift.x, centre.y + (p.y - centre.y) * k + shift.y});
  return out;
}

void FillVertical(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom, double alpha, bool preserve) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  AddStops(p, {{0, top, alpha}, {1, bottom, alpha}});
  cairo_set_source(cr, p);
  if (preserve)
    cairo_fill_preserve(cr);
  else
    cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void SoftGlow(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  AddStops(p, {{0, c, alpha}, {0.35, c, alpha * 0.55}, {0.7, c, alpha * 0.15}, {1, c, 0}});
  cairo_set_source(cr, p);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void Glint(cairo_t* cr, double cx, double cy, double size, double alpha, Rgb c) {
  if (alpha <= 0 || size <= 0) return;
  SoftGlow(cr, cx, cy, size * 0.55, c, alpha * 0.6);
  cairo_save(cr);
  cairo_new_path(cr);
  const double w = size * 0.09;
  cairo_move_to(cr, cx, cy - size);
  cairo_curve_to(cr, cx + w, cy - w, cx + w, cy - w, cx + size, cy);
  cairo_curve_to(cr, cx + w, cy + w, cx + w, cy + w, cx, cy + size);
  cairo_curve_to(cr, cx - w, cy + w, cx - w, cy + w, cx - size, cy);
  cairo_curve_to(cr, cx - w, cy - w, cx - w, cy - w, cx, cy - size);
  cairo_close_path(cr);
  SetRgb(cr, Lighten(c, 0.5), alpha);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Snowflake(cairo_t* cr, double cx, double cy, double r, double width, Rgb c, double alpha, double rotation) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, rotation);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, width);
  SetRgb(cr, c, alpha);
  cairo_new_path(cr);
  for (int i = 0; i < 6; ++i) {
    cairo_save(cr);
    cairo_rotate(cr, i * kPi / 3 - kPi / 2);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, r, 0);
    for (double t : {0.45, 0.72}) {
      double b = r * (t == 0.45 ? 0.3 : 0.22);
      cairo_move_to(cr, r * t, 0);
      cairo_line_to(cr, r * t + b * 0.7, -b * 0.7);
      cairo_move_to(cr, r * t, 0);
      cairo_line_to(cr, r * t + b * 0.7, b * 0.7);
    }
    cairo_restore(cr);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void BakePieceShadows(TCanvas& strip, int cell) {
  TCanvas pieces(strip.Width(), strip.Height());
  pieces.Blit(strip, 0, 0);
  cairo_surface_flush(pieces.Surface());
  cairo_t* cr = strip.Cr();
  cairo_save(cr);
  cairo_identity_matrix(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_paint(cr);
  cairo_restore(cr);
  for (int y = 0; y + cell <= strip.Height(); y += cell)
    for (int x = 0; x + cell <= strip.Width(); x += cell) {
      // Each square's shadow comes from that square alone, as the board's did.
      cairo_surface_t* one = cairo_surface_create_for_rectangle(pieces.Surface(), x, y, cell, cell);
      cairo_save(cr);
      cairo_identity_matrix(cr);
      cairo_rectangle(cr, x, y, cell, cell);
      cairo_clip(cr);
      cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
      cairo_mask_surface(cr, one, x + 1.5, y + 1.5);
      cairo_set_source_surface(cr, one, x, y);
      cairo_paint(cr);
      cairo_restore(cr);
      cairo_surface_destroy(one);
    }
  cairo_surface_flush(strip.Surface());
}

void PathShadow(cairo_t* cr, double dx, double dy, double alpha) {
  // Three widening passes give a soft edge without a blur filter.
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_save(cr);
  cairo_translate(cr, dx, dy);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (int i = 3; i >= 1; --i) {
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_set_source_rgba(cr, 0, 0, 0.05, alpha / 4);
    cairo_set_line_width(cr, i * 1.6);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cairo_path_destroy(path);
  cairo_new_path(cr);
}

void FacetedStone(cairo_t* cr, const std::vector<Pt>& outline, Pt centre, Rgb base, double tableScale) {
  const size_t n = outline.size();
  const Pt light{-0.62, -0.78};
  // The table sits a little towards the light so the stone reads as domed.
  std::vector<Pt> table = Scaled(outline, centre, tableScale, {-1.0, -1.2});

  Polygon(cr, outline);
  SetRgb(cr, Darken(base, 0.35));
  cairo_fill(cr);

  for (size_t i = 0; i < n; ++i) {
    size_t j = (i + 1) % n;
    Pt mid{(outline[i].x + outline[j].x) / 2 - centre.x, (outline[i].y + outline[j].y) / 2 - centre.y};
    double len = std::hypot(mid.x, mid.y);
    if (len < 1e-6) len = 1;
    double shade = (mid.x * light.x + mid.y * light.y) / len;
    shade += (i % 2 == 0) ? 0.08 : -0.05;
    Rgb face = shade > 0 ? Lighten(base, shade * 0.42) : Darken(base, -shade * 0.62);
    cairo_new_path(cr);
    cairo_move_to(cr, outline[i].x, outline[i].y);
    cairo_line_to(cr, outline[j].x, outline[j].y);
    cairo_line_to(cr, table[j].x, table[j].y);
    cairo_line_to(cr, table[i].x, table[i].y);
    cairo_close_path(cr);
    double tx = (table[i].x + table[j].x) / 2, ty = (table[i].y + table[j].y) / 2;
    double ox = (outline[i].x + outline[j].x) / 2, oy = (outline[i].y + outline[j].y) / 2;
    cairo_pattern_t* p = cairo_pattern_create_linear(ox, oy, tx, ty);
    AddStops(p, {{0, Darken(face, 0.12)}, {1, Lighten(face, 0.12)}});
    FillPreserveWith(cr, p);
    StrokeRgb(cr, 0.5, Lighten(face, 0.35), 0.35);
  }

  // Table: lit from the top left, with a faint star of inner facets.
  Pt tc{centre.x - 1.0, centre.y - 1.2};
  double minY = 1e9, maxY = -1e9;
  for (const Pt& p : table) {
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  Polygon(cr, table);
  cairo_pattern_t* tp = cairo_pattern_create_linear(tc.x - 10, minY, tc.x + 10, maxY);
  AddStops(tp, {{0, Lighten(base, 0.38)}, {0.5, base}, {1, Darken(base, 0.18)}});
  FillWith(cr, tp);
  for (size_t i = 0; i < table.size(); ++i) {
    size_t j = (i + 1) % table.size();
    cairo_new_path(cr);
    cairo_move_to(cr, tc.x, tc.y);
    cairo_line_to(cr, table[i].x, table[i].y);
    cairo_line_to(cr, table[j].x, table[j].y);
    cairo_close_path(cr);
    SetRgb(cr, i % 2 ? kWhite : Darken(base, 0.5), i % 2 ? 0.08 : 0.10);
    cairo_fill(cr);
  }

  // Rim: a dark outer edge and a thin light inner line.
  Polygon(cr, outline);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  StrokeRgb(cr, 1.3, Darken(base, 0.6), 0.9);
  Polygon(cr, table);
  StrokeRgb(cr, 0.7, Lighten(base, 0.6), 0.45);

  // Specular highlight on the upper-left of the table.
  double minX = 1e9;
  for (const Pt& p : table) minX = std::min(minX, p.x);
  Pt h{(minX + tc.x) / 2 + 1, (minY + tc.y) / 2 + 1};
  cairo_save(cr);
  Polygon(cr, outline);
  cairo_clip(cr);
  cairo_translate(cr, h.x, h.y);
  cairo_rotate(cr, -0.6);
  cairo_scale(cr, 1.0, 0.55);
  SoftGlow(cr, 0, 0, 9, kWhite, 0.75);
  cairo_restore(cr);
}

// ---------------------------------------------------------------- lettering

namespace {
struct FontSet {
  FT_Library library = nullptr;
  cairo_font_face_t* ui = nullptr;
  cairo_font_face_t* festive = nullptr;
};

cairo_font_face_t* LoadFace(FT_Library lib, const char* path) {
  FT_Face face = nullptr;
  if (FT_New_Face(lib, path, 0, &face) != 0) {
    std::fprintf(stderr, "tv_datagen: cannot open font %s\n", path);
    std::exit(1);
  }
  cairo_font_face_t* cf = cairo_ft_font_face_create_for_ft_face(face, 0);
  static const cairo_user_data_key_t key{};
  // Cairo frees the FreeType face once its last user lets go.
  cairo_font_face_set_user_data(cf, &key, face, [](void* f) { FT_Done_Face(static_cast<FT_Face>(f)); });
  return cf;
}

FontSet& Fonts() {
  // Loaded once for the whole run; the faces live until the process ends.
  static FontSet fonts = [] {
    FontSet f;
    FT_Init_FreeType(&f.library);
    f.ui = LoadFace(f.library, "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf");
    f.festive = LoadFace(f.library, "/usr/share/fonts/opentype/lobstertwo/LobsterTwo-Bold.otf");
    return f;
  }();
  return fonts;
}
}  // namespace

cairo_font_face_t* UiFont() { return Fonts().ui; }
cairo_font_face_t* FestiveFont() { return Fonts().festive; }

TextBox MeasureText(cairo_t* cr, cairo_font_face_t* face, double size, const std::string& text) {
  cairo_save(cr);
  cairo_set_font_face(cr, face);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  cairo_restore(cr);
  return {e.width, e.height, e.x_bearing, e.y_bearing, e.x_advance};
}

void TextPathCentred(cairo_t* cr, cairo_font_face_t* face, double size, const std::string& text, double cx,
                     double cy) {
  TextBox b = MeasureText(cr, face, size, text);
  cairo_set_font_face(cr, face);
  cairo_set_font_size(cr, size);
  cairo_new_path(cr);
  cairo_move_to(cr, cx - b.width / 2 - b.xBearing, cy - b.height / 2 - b.yBearing);
  cairo_text_path(cr, text.c_str());
}

double FitTextSize(cairo_t* cr, cairo_font_face_t* face, double maxSize, const std::string& text, double maxWidth,
                   double maxHeight) {
  double size = maxSize;
  while (size > 6) {
    TextBox b = MeasureText(cr, face, size, text);
    if (b.width <= maxWidth && b.height <= maxHeight) break;
    size -= 0.5;
  }
  return size;
}

double Scatter::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return (state_ & 0xFFFFFF) / double(0x1000000);
}

}  // namespace art
