#include "Parchment.h"

#include <cmath>
#include <functional>
#include <vector>

#include "Pattern.h"

namespace {
constexpr double kPi = 3.14159265358979;

// The sheet's outline: a rectangle whose edges wander by a pixel or two.
std::vector<std::pair<double, double>> Outline(TSceneRandom& rng, double x, double y, double w, double h) {
  std::vector<std::pair<double, double>> pts;
  const double step = 10;
  double wobble = 0;
  auto push = [&](double px, double py, double nx, double ny) {
    wobble = std::clamp(wobble + rng.Real(-0.8, 0.8), -2.0, 2.0);
    pts.push_back({px + nx * wobble, py + ny * wobble});
  };
  for (double t = 0; t < w; t += step) push(x + t, y, 0, 1);
  for (double t = 0; t < h; t += step) push(x + w, y + t, -1, 0);
  for (double t = 0; t < w; t += step) push(x + w - t, y + h, 0, -1);
  for (double t = 0; t < h; t += step) push(x, y + h - t, 1, 0);
  return pts;
}

void PathOf(cairo_t* cr, const std::vector<std::pair<double, double>>& pts) {
  cairo_new_path(cr);
  cairo_move_to(cr, pts[0].first, pts[0].second);
  for (size_t i = 1; i < pts.size(); ++i) cairo_line_to(cr, pts[i].first, pts[i].second);
  cairo_close_path(cr);
}

// The shape a path call makes, moved by (dx, dy), filled with ink, softened and laid
// onto the canvas under what is drawn next.
void SoftShadow(TCanvas& c, const std::function<void(cairo_t*)>& path, const TColour& ink, double dx, double dy,
                int blur, double alpha) {
  TCanvas s(c.Width(), c.Height());
  cairo_translate(s.Cr(), dx, dy);
  path(s.Cr());
  ink.Set(s.Cr());
  cairo_fill(s.Cr());
  s.Blur(blur);
  s.PaintOnto(c.Cr(), 0, 0, alpha);
}

void ShadowOf(TCanvas& c, const std::vector<std::pair<double, double>>& pts, double dx, double dy, int blur,
              double alpha) {
  SoftShadow(c, [&](cairo_t* cr) { PathOf(cr, pts); }, TColour{0.05, 0.02, 0.08, 1}, dx, dy, blur, alpha);
}

// Fibres, stains and a burnt rim inside the current clip.
void Age(TCanvas& c, TSceneRandom& rng, const std::vector<std::pair<double, double>>& pts, double x, double y,
         double w, double h, const TColour& stain, const TColour& rim) {
  cairo_t* cr = c.Cr();
  for (int i = 0; i < int(w * h / 2500); ++i) {
    const double sx = rng.Real(x, x + w), sy = rng.Real(y, y + h), sr = rng.Real(8, 40);
    cairo_pattern_t* p = cairo_pattern_create_radial(sx, sy, 0, sx, sy, sr);
    AddStops(p, {{0, stain.WithAlpha(rng.Real(0.03, 0.09))}, {1, stain.WithAlpha(0)}});
    cairo_arc(cr, sx, sy, sr, 0, 2 * kPi);
    FillWith(cr, p);
  }
  cairo_set_line_width(cr, 0.6);
  for (int i = 0; i < int(w * h / 300); ++i) {
    const double fx = rng.Real(x, x + w), fy = rng.Real(y, y + h), len = rng.Real(3, 12), a = rng.Real(-0.4, 0.4);
    cairo_move_to(cr, fx, fy);
    cairo_line_to(cr, fx + std::cos(a) * len, fy + std::sin(a) * len);
    stain.WithAlpha(rng.Real(0.04, 0.12)).Set(cr);
    cairo_stroke(cr);
  }
  TCanvas edge(c.Width(), c.Height());
  PathOf(edge.Cr(), pts);
  cairo_set_line_width(edge.Cr(), 16);
  rim.WithAlpha(1).Set(edge.Cr());
  cairo_stroke(edge.Cr());
  edge.Blur(14);
  edge.PaintOnto(cr, 0, 0, rim.a);
}
}  // namespace

namespace Parchment {

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void Sheet(TCanvas& c, TSceneRandom& rng, double x, double y, double w, double h, TPaperTone tone) {
  cairo_t* cr = c.Cr();
  const auto pts = Outline(rng, x, y, w, h);
  ShadowOf(c, pts, 4, 6, 10, 0.55);
  const bool light = tone == TPaperTone::Light;
  const TColour hi = light ? TColour::Rgb(252, 240, 212) : TColour::Rgb(206, 150, 88);
  const TColour lo = light ? TColour::Rgb(226, 198, 148) : TColour::Rgb(124, 74, 38);
  PathOf(cr, pts);
  cairo_pattern_t* p = cairo_pattern_create_radial(x + w * 0.35, y + h * 0.3, 0, x + w * 0.5, y + h * 0.5,
                                                   std::max(w, h) * 0.75);
  AddStops(p, {{0, hi}, {0.6, hi.Mix(lo, 0.5)}, {1, lo}});
  FillWith(cr, p);
  cairo_save(cr);
  PathOf(cr, pts);
  cairo_clip(cr);
  Age(c, rng, pts, x, y, w, h, light ? TColour::Rgb(150, 100, 40) : TColour::Rgb(60, 30, 10),
      light ? TColour::Rgb(160, 100, 40, 0.55) : TColour::Rgb(50, 22, 8, 0.7));
  cairo_restore(cr);
  // A double ruled border, as on a scribe's page.
  const double inset = std::min(w, h) > 200 ? 20 : 8;
  cairo_rectangle(cr, x + inset, y + inset, w - inset * 2, h - inset * 2);
  cairo_set_line_width(cr, 1.6);
  (light ? TColour::Rgb(170, 110, 50, 0.7) : TColour::Rgb(255, 214, 140, 0.55)).Set(cr);
  cairo_stroke(cr);
  cairo_rectangle(cr, x + inset + 5, y + inset + 5, w - inset * 2 - 10, h - inset * 2 - 10);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void Scroll(TCanvas& c, TSceneRandom& rng, double x, double y, double w, double h, TPaperTone tone) {
  cairo_t* cr = c.Cr();
  const double rollR = std::min(18.0, h * 0.06);
  Sheet(c, rng, x + rollR * 0.8, y + rollR, w - rollR * 1.6, h - rollR * 2, tone);
  auto roll = [&](double cy) {
    // Shadow first, then the paper roll, then gold end caps.
    TCanvas s(c.Width(), c.Height());
    Parchment::RoundRect(s.Cr(), x + 4, cy - rollR + 6, w - 8, rollR * 2, rollR);
    cairo_set_source_rgba(s.Cr(), 0, 0, 0, 1);
    cairo_fill(s.Cr());
    s.Blur(8);
    s.PaintOnto(cr, 0, 0, 0.5);
    RoundRect(cr, x + rollR * 0.6, cy - rollR, w - rollR * 1.2, rollR * 2, rollR);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - rollR, 0, cy + rollR);
    const TColour paper = tone == TPaperTone::Light ? TColour::Rgb(238, 214, 168) : TColour::Rgb(170, 110, 58);
    AddStops(p, {{0, paper.Lighter(0.35)}, {0.35, paper}, {1, paper.Darker(0.45)}});
    FillWith(cr, p);
    // Spiral line of the rolled paper.
    cairo_set_line_width(cr, 1);
    paper.Darker(0.5).WithAlpha(0.6).Set(cr);
    cairo_move_to(cr, x + rollR * 1.5, cy + rollR * 0.3);
    cairo_line_to(cr, x + w - rollR * 1.5, cy + rollR * 0.3);
    cairo_stroke(cr);
    for (double ex : {x, x + w - rollR * 1.4}) {
      RoundRect(cr, ex, cy - rollR * 1.2, rollR * 1.4, rollR * 2.4, rollR * 0.5);
      cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - rollR * 1.2, 0, cy + rollR * 1.2);
      AddStops(g, {{0, Palette::GoldLight}, {0.4, Palette::Gold}, {1, Palette::GoldDeep}});
      FillPreserveWith(cr, g);
      Palette::GoldDeep.Darker(0.4).Set(cr);
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
    }
  };
  roll(y + rollR);
  roll(y + h - rollR);
}

void GoldFrame(cairo_t* cr, double x, double y, double w, double h, double band) {
  cairo_save(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_rectangle(cr, x, y, w, h);
  cairo_rectangle(cr, x + band, y + band, w - band * 2, h - band * 2);
  cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + w * 0.4, y + h);
  AddStops(g, {{0, Palette::GoldLight}, {0.3, Palette::Gold}, {0.55, Palette::GoldDeep}, {0.8, Palette::Gold},
      {1, Palette::GoldDeep.Darker(0.3)}});
  FillWith(cr, g);
  // Bevel: light on the outer top-left and the inner bottom-right.
  cairo_set_line_width(cr, 1.2);
  cairo_set_source_rgba(cr, 1, 0.97, 0.8, 0.9);
  cairo_move_to(cr, x + 0.6, y + h);
  cairo_line_to(cr, x + 0.6, y + 0.6);
  cairo_line_to(cr, x + w, y + 0.6);
  cairo_move_to(cr, x + band - 0.6, y + h - band + 0.6);
  cairo_line_to(cr, x + w - band + 0.6, y + h - band + 0.6);
  cairo_line_to(cr, x + w - band + 0.6, y + band - 0.6);
  cairo_stroke(cr);
  cairo_set_source_rgba(cr, 0.3, 0.15, 0.02, 0.9);
  cairo_move_to(cr, x + w - 0.6, y);
  cairo_line_to(cr, x + w - 0.6, y + h - 0.6);
  cairo_line_to(cr, x, y + h - 0.6);
  cairo_move_to(cr, x + band, y + h - band);
  cairo_line_to(cr, x + band, y + band);
  cairo_line_to(cr, x + w - band, y + band);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Holly(cairo_t* cr, double x, double y, double size, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  for (double a : {-0.55, 0.55}) {
    cairo_save(cr);
    cairo_rotate(cr, a);
    // A spiky leaf: scalloped edges along its length.
    const double L = size, W = size * 0.32;
    cairo_move_to(cr, 0, 0);
    for (int i = 1; i <= 4; ++i) {
      const double t = i / 4.0;
      cairo_curve_to(cr, L * (t - 0.2), -W * 0.3, L * (t - 0.12), -W * std::sin(t * kPi) * 1.3, L * t,
                     -W * std::sin(t * kPi) * (i % 2 ? 0.8 : 1.1) * (i == 4 ? 0 : 1));
    }
    for (int i = 3; i >= 0; --i) {
      const double t = i / 4.0;
      cairo_curve_to(cr, L * (t + 0.12), W * std::sin((t + 0.25) * kPi) * 1.3, L * (t + 0.2), W * 0.3, L * t,
                     W * std::sin(t * kPi) * (i % 2 ? 0.8 : 1.1));
    }
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, -W, 0, W);
    AddStops(g, {{0, Palette::Holly.Lighter(0.3)}, {1, Palette::Holly.Darker(0.4)}});
    FillPreserveWith(cr, g);
    Palette::Holly.Darker(0.6).Set(cr);
    cairo_set_line_width(cr, std::max(0.6, size * 0.03));
    cairo_stroke(cr);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, L * 0.9, 0);
    Palette::Holly.Lighter(0.4).WithAlpha(0.8).Set(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  const double br = size * 0.15;
  for (auto [bx, by] : {std::pair{-br * 0.9, br * 0.2}, std::pair{br * 0.9, br * 0.2}, std::pair{0.0, -br * 1.2}}) {
    cairo_pattern_t* b = cairo_pattern_create_radial(bx - br * 0.35, by - br * 0.35, br * 0.1, bx, by, br);
    AddStops(b, {{0, TColour::Rgb(255, 120, 120)}, {0.5, Palette::Berry}, {1, Palette::BerryDeep}});
    cairo_arc(cr, bx, by, br, 0, 2 * kPi);
    FillWith(cr, b);
  }
  cairo_restore(cr);
}

void Tag(TCanvas& c, TSceneRandom& rng, double x, double y, double w, double h, double holeX, double holeY) {
  cairo_t* cr = c.Cr();
  const double cut = std::min(w, h) * 0.16;
  auto shape = [&](cairo_t* t, double inset) {
    const double cx = cut + inset * 0.4;
    cairo_new_path(t);
    cairo_move_to(t, x + inset + cx, y + inset);
    cairo_line_to(t, x + w - inset - cx, y + inset);
    cairo_line_to(t, x + w - inset, y + inset + cx);
    cairo_line_to(t, x + w - inset, y + h - inset - 8);
    cairo_arc(t, x + w - inset - 8, y + h - inset - 8, 8, 0, kPi / 2);
    cairo_arc(t, x + inset + 8, y + h - inset - 8, 8, kPi / 2, kPi);
    cairo_line_to(t, x + inset, y + inset + cx);
    cairo_close_path(t);
  };
  TCanvas s(c.Width(), c.Height());
  cairo_translate(s.Cr(), 5, 8);
  shape(s.Cr(), 0);
  cairo_set_source_rgba(s.Cr(), 0.02, 0, 0.04, 1);
  cairo_fill(s.Cr());
  s.Blur(14);
  s.PaintOnto(cr, 0, 0, 0.6);

  shape(cr, 0);
  cairo_pattern_t* card = cairo_pattern_create_linear(x, y, x + w * 0.6, y + h);
  AddStops(card, {{0, TColour::Rgb(255, 248, 232)}, {0.6, TColour::Rgb(246, 232, 204)},
      {1, TColour::Rgb(226, 204, 166)}});
  FillWith(cr, card);
  cairo_save(cr);
  shape(cr, 0);
  cairo_clip(cr);
  // Faint paper grain and a warm rim.
  cairo_set_line_width(cr, 0.5);
  for (int i = 0; i < int(w * h / 400); ++i) {
    const double fx = rng.Real(x, x + w), fy = rng.Real(y, y + h);
    cairo_move_to(cr, fx, fy);
    cairo_line_to(cr, fx + rng.Real(2, 8), fy + rng.Real(-1, 1));
    TColour::Rgb(160, 120, 70, rng.Real(0.04, 0.1)).Set(cr);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  // Red band with a gold pinstripe inside the edge.
  shape(cr, 10);
  cairo_set_line_width(cr, 7);
  Palette::Berry.Set(cr);
  cairo_stroke(cr);
  shape(cr, 16);
  cairo_set_line_width(cr, 1.6);
  Palette::Gold.Set(cr);
  cairo_stroke(cr);
  shape(cr, 0.75);
  cairo_set_line_width(cr, 1.5);
  TColour::Rgb(160, 120, 80, 0.8).Set(cr);
  cairo_stroke(cr);
  // The eyelet.
  const double r = 11;
  cairo_arc(cr, holeX, holeY, r, 0, 2 * kPi);
  cairo_pattern_t* g = cairo_pattern_create_linear(holeX - r, holeY - r, holeX + r, holeY + r);
  AddStops(g, {{0, Palette::GoldLight}, {0.5, Palette::Gold}, {1, Palette::GoldDeep}});
  FillWith(cr, g);
  // The hole shows what is behind the tag.
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_arc(cr, holeX, holeY, r * 0.55, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_arc(cr, holeX, holeY, r * 0.55, 0, 2 * kPi);
  cairo_set_line_width(cr, 1.2);
  Palette::GoldDeep.Darker(0.3).Set(cr);
  cairo_stroke(cr);
}

void DropShadow(TCanvas& c, void (*shape)(cairo_t*, const double*), const double* args, double dx, double dy,
                int blur, double alpha) {
  SoftShadow(c, [&](cairo_t* cr) { shape(cr, args); }, TColour{0, 0, 0, 1}, dx, dy, blur, alpha);
}

}  // namespace Parchment
