#include "Props.h"

#include <cmath>
#include <vector>

#include "Parchment.h"
#include "Scenery.h"

namespace {
constexpr double kPi = 3.14159265358979;

void Glow(cairo_t* cr, double x, double y, double r, const TColour& colour) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r);
  colour.Stop(g, 0);
  colour.WithAlpha(0).Stop(g, 1);
  cairo_set_source(cr, g);
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void Shaded(cairo_t* cr, double x0, double y0, double x1, double y1, const TColour& c, double lift, double drop) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  c.Lighter(lift).Stop(p, 0);
  c.Stop(p, 0.45);
  c.Darker(drop).Stop(p, 1);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}
}  // namespace

namespace Props {

void Bauble(cairo_t* cr, double x, double y, double r, const TColour& colour) {
  cairo_set_line_width(cr, std::max(0.8, r * 0.12));
  Palette::GoldDeep.Set(cr);
  cairo_arc(cr, x, y - r * 1.22, r * 0.2, 0, 2 * kPi);
  cairo_stroke(cr);
  cairo_rectangle(cr, x - r * 0.3, y - r * 1.1, r * 0.6, r * 0.3);
  Palette::Gold.Set(cr);
  cairo_fill(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.4, r * 0.05, x, y, r);
  colour.Lighter(0.7).Stop(p, 0);
  colour.Stop(p, 0.45);
  colour.Darker(0.55).Stop(p, 1);
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_save(cr);
  cairo_translate(cr, x - r * 0.4, y - r * 0.45);
  cairo_rotate(cr, -0.6);
  cairo_scale(cr, 1, 0.55);
  cairo_arc(cr, 0, 0, r * 0.28, 0, 2 * kPi);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.75);
  cairo_fill(cr);
  cairo_restore(cr);
}

void ChristmasTree(TCanvas& c, TSceneRandom& rng, double x, double base, double height) {
  cairo_t* cr = c.Cr();
  const double potW = height * 0.2, potH = height * 0.09;
  // Green body with lit-from-the-left shading; the stored snow turns off indoors.
  TCanvas tree(c.Width(), c.Height());
  Scenery::Pine(tree.Cr(), rng, x, base - potH + 4, height * 0.93, TColour::Rgb(34, 110, 64), 0);
  tree.PaintOnto(cr);
  // Pot.
  cairo_move_to(cr, x - potW / 2, base - potH);
  cairo_line_to(cr, x + potW / 2, base - potH);
  cairo_line_to(cr, x + potW * 0.4, base);
  cairo_line_to(cr, x - potW * 0.4, base);
  cairo_close_path(cr);
  Shaded(cr, x - potW / 2, 0, x + potW / 2, 0, Palette::Berry, 0.3, 0.5);
  const double top = base - potH - height * 0.9;
  // Gold tinsel swags.
  for (int i = 1; i <= 4; ++i) {
    const double y = top + height * 0.85 * i / 5.0;
    const double half = height * 0.3 * (0.25 + 0.75 * i / 5.0);
    cairo_move_to(cr, x - half, y - half * 0.2);
    cairo_curve_to(cr, x - half * 0.3, y + half * 0.25, x + half * 0.3, y + half * 0.1, x + half, y - half * 0.3);
    cairo_set_line_width(cr, std::max(1.5, height * 0.012));
    Palette::Gold.Set(cr);
    cairo_stroke(cr);
  }
  // Baubles and fairy lights.
  const TColour colours[] = {Palette::Berry, Palette::Gold, TColour::Rgb(60, 120, 220), TColour::Rgb(180, 80, 200)};
  for (int i = 0; i < int(height / 9); ++i) {
    const double t = rng.Real(0.15, 0.95);
    const double half = height * 0.3 * t;
    const double bx = x + rng.Real(-half, half) * 0.9, by = top + height * 0.85 * t + rng.Real(-4, 4);
    if (rng.Chance(0.45)) {
      Bauble(cr, bx, by, height * rng.Real(0.018, 0.028), colours[rng.Int(0, 3)]);
    } else {
      const TColour light = rng.Chance(0.5) ? TColour::Rgb(255, 230, 150) : TColour::Rgb(255, 140, 120);
      Glow(cr, bx, by, height * 0.022, light.WithAlpha(0.45));
      light.Lighter(0.5).Set(cr);
      cairo_arc(cr, bx, by, height * 0.006, 0, 2 * kPi);
      cairo_fill(cr);
    }
  }
  // Star on top.
  const double sr = height * 0.06;
  Glow(cr, x, top - sr * 0.2, sr * 3, TColour{1, 0.85, 0.4, 0.6});
  cairo_move_to(cr, x, top - sr * 1.2);
  for (int i = 1; i <= 10; ++i) {
    const double a = -kPi / 2 + i * kPi / 5, r = i % 2 ? sr * 0.45 : sr * 1.0;
    cairo_line_to(cr, x + std::cos(a) * r, top - sr * 0.2 + std::sin(a) * r);
  }
  cairo_close_path(cr);
  Shaded(cr, x - sr, top - sr, x + sr, top + sr, Palette::Gold, 0.6, 0.3);
}

void Present(TCanvas& c, double x, double base, double w, double h, const TColour& paper, const TColour& ribbon) {
  cairo_t* cr = c.Cr();
  const double d = w * 0.22;
  // Top face, front, side.
  cairo_move_to(cr, x, base - h);
  cairo_line_to(cr, x + d, base - h - d * 0.6);
  cairo_line_to(cr, x + w + d, base - h - d * 0.6);
  cairo_line_to(cr, x + w, base - h);
  cairo_close_path(cr);
  paper.Lighter(0.25).Set(cr);
  cairo_fill(cr);
  cairo_rectangle(cr, x, base - h, w, h);
  Shaded(cr, x, base - h, x + w, base, paper, 0.1, 0.3);
  cairo_move_to(cr, x + w, base);
  cairo_line_to(cr, x + w + d, base - d * 0.6);
  cairo_line_to(cr, x + w + d, base - h - d * 0.6);
  cairo_line_to(cr, x + w, base - h);
  cairo_close_path(cr);
  paper.Darker(0.45).Set(cr);
  cairo_fill(cr);
  // Ribbon bands and bow.
  const double rb = w * 0.14;
  ribbon.Set(cr);
  cairo_rectangle(cr, x + w / 2 - rb / 2, base - h, rb, h);
  cairo_fill(cr);
  cairo_move_to(cr, x + w / 2 - rb / 2, base - h);
  cairo_line_to(cr, x + w / 2 - rb / 2 + d, base - h - d * 0.6);
  cairo_line_to(cr, x + w / 2 + rb / 2 + d, base - h - d * 0.6);
  cairo_line_to(cr, x + w / 2 + rb / 2, base - h);
  cairo_close_path(cr);
  ribbon.Lighter(0.2).Set(cr);
  cairo_fill(cr);
  const double bx = x + w / 2 + d / 2, by = base - h - d * 0.3;
  for (double s : {-1.0, 1.0}) {
    cairo_move_to(cr, bx, by);
    cairo_curve_to(cr, bx + s * w * 0.35, by - w * 0.3, bx + s * w * 0.4, by + w * 0.05, bx, by);
    cairo_close_path(cr);
    ribbon.Set(cr);
    cairo_fill_preserve(cr);
    ribbon.Darker(0.4).Set(cr);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
}

void Stocking(cairo_t* cr, double x, double y, double size, const TColour& colour) {
  const double s = size;
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + s * 0.45, y);
  cairo_line_to(cr, x + s * 0.45, y + s * 0.7);
  cairo_curve_to(cr, x + s * 0.45, y + s * 0.95, x + s * 0.1, y + s * 1.05, x - s * 0.2, y + s);
  cairo_curve_to(cr, x - s * 0.38, y + s * 0.95, x - s * 0.35, y + s * 0.74, x - s * 0.15, y + s * 0.7);
  cairo_line_to(cr, x, y + s * 0.62);
  cairo_close_path(cr);
  Shaded(cr, x - s * 0.3, y, x + s * 0.45, y + s, colour, 0.25, 0.4);
  Parchment::RoundRect(cr, x - s * 0.06, y - s * 0.05, s * 0.57, s * 0.22, s * 0.08);
  Palette::Snow.Set(cr);
  cairo_fill(cr);
}

void Candle(TCanvas& c, double x, double base, double height) {
  cairo_t* cr = c.Cr();
  const double w = height * 0.28;
  cairo_rectangle(cr, x - w / 2, base - height, w, height);
  Shaded(cr, x - w / 2, 0, x + w / 2, 0, TColour::Rgb(250, 240, 220), 0.2, 0.35);
  cairo_move_to(cr, x, base - height - height * 0.42);
  cairo_curve_to(cr, x + w * 0.35, base - height - height * 0.2, x + w * 0.25, base - height, x, base - height);
  cairo_curve_to(cr, x - w * 0.25, base - height, x - w * 0.35, base - height - height * 0.2, x,
                 base - height - height * 0.42);
  cairo_pattern_t* f = cairo_pattern_create_linear(0, base - height - height * 0.42, 0, base - height);
  TColour::Rgb(255, 250, 220).Stop(f, 0.3);
  TColour::Rgb(255, 170, 40).Stop(f, 1);
  cairo_set_source(cr, f);
  cairo_fill(cr);
  cairo_pattern_destroy(f);
  Glow(cr, x, base - height - height * 0.2, height * 1.2, TColour{1, 0.7, 0.3, 0.5});
}

void Fire(TCanvas& c, double x, double y, double w, double h, double phase) {
  cairo_t* cr = c.Cr();
  const double tau = 2 * kPi * phase;
  const double base = y + h * 0.8;
  // Glow behind the flames.
  Glow(cr, x + w / 2, base - h * 0.25, w * 0.5, TColour{1, 0.45, 0.1, 0.45 + 0.08 * std::sin(tau * 3)});
  // Tongues of flame; each wave count is whole so the loop closes.
  struct TTongue {
    double pos, height, width;
    int k;
    double offset;
  };
  const TTongue tongues[] = {{0.22, 0.45, 0.2, 2, 0.3}, {0.38, 0.7, 0.24, 3, 1.7}, {0.5, 0.85, 0.26, 2, 3.1},
                             {0.62, 0.68, 0.24, 3, 4.4}, {0.78, 0.5, 0.2, 4, 5.2}, {0.3, 0.35, 0.16, 5, 2.2},
                             {0.7, 0.38, 0.16, 5, 0.9}};
  const TColour layers[] = {TColour::Rgb(220, 60, 20, 0.85), TColour::Rgb(255, 150, 30, 0.9),
                            TColour::Rgb(255, 230, 140, 0.95)};
  for (int layer = 0; layer < 3; ++layer) {
    const double shrink = 1.0 - layer * 0.3;
    for (const TTongue& t : tongues) {
      const double flick = std::sin(tau * t.k + t.offset);
      const double th = h * t.height * shrink * (0.82 + 0.18 * flick);
      const double tw = w * t.width * shrink;
      const double cx = x + w * t.pos + w * 0.03 * std::sin(tau * t.k + t.offset * 2);
      const double sway = w * 0.06 * std::sin(tau * (t.k + 1) + t.offset);
      cairo_move_to(cr, cx - tw / 2, base);
      cairo_curve_to(cr, cx - tw * 0.6, base - th * 0.45, cx + sway - tw * 0.1, base - th * 0.7, cx + sway, base - th);
      cairo_curve_to(cr, cx + sway + tw * 0.05, base - th * 0.7, cx + tw * 0.6, base - th * 0.45, cx + tw / 2, base);
      cairo_close_path(cr);
      layers[layer].Set(cr);
      cairo_fill(cr);
    }
  }
  // Logs in front, with glowing ends.
  for (int i = 0; i < 2; ++i) {
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, base + h * 0.06 + i * h * 0.02);
    cairo_rotate(cr, i == 0 ? 0.12 : -0.14);
    Parchment::RoundRect(cr, -w * 0.38, -h * 0.06, w * 0.76, h * 0.12, h * 0.06);
    Shaded(cr, 0, -h * 0.06, 0, h * 0.06, TColour::Rgb(96, 56, 34), 0.2, 0.6);
    cairo_arc(cr, i == 0 ? w * 0.36 : -w * 0.36, 0, h * 0.05, 0, 2 * kPi);
    TColour::Rgb(255, 140, 60).Set(cr);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  // Embers.
  TSceneRandom rng(900);
  for (int i = 0; i < 8; ++i) {
    const double ex = x + w * rng.Real(0.2, 0.8);
    const double rise = std::fmod(phase + rng.Real(0, 1), 1.0);
    const double ey = base - h * 0.2 - rise * h * 0.6;
    Glow(cr, ex + std::sin(rise * 6 + i) * 4, ey, 3, TColour{1, 0.7, 0.3, 0.9 * (1 - rise)});
  }
}

void FatherChristmas(TCanvas& c, double x, double base, double height) {
  cairo_t* cr = c.Cr();
  const double s = height / 320.0;
  cairo_save(cr);
  cairo_translate(cr, x, base);
  cairo_scale(cr, s, s);
  const TColour red = TColour::Rgb(200, 30, 40), fur = TColour::Rgb(250, 248, 244), skin = TColour::Rgb(250, 200, 170);
  // Sack over his shoulder, behind him.
  cairo_move_to(cr, 40, -250);
  cairo_curve_to(cr, 150, -290, 160, -170, 110, -140);
  cairo_curve_to(cr, 80, -120, 40, -160, 40, -250);
  Shaded(cr, 40, -290, 160, -140, TColour::Rgb(150, 110, 70), 0.25, 0.5);
  // Boots.
  for (double side : {-1.0, 1.0}) {
    Parchment::RoundRect(cr, side * 34 - 26, -26, 52, 26, 10);
    TColour::Rgb(30, 24, 30).Set(cr);
    cairo_fill(cr);
  }
  // Coat.
  cairo_move_to(cr, -60, -200);
  cairo_curve_to(cr, -100, -140, -96, -60, -80, -24);
  cairo_line_to(cr, 80, -24);
  cairo_curve_to(cr, 96, -60, 100, -140, 60, -200);
  cairo_close_path(cr);
  Shaded(cr, -90, -200, 90, -24, red, 0.2, 0.45);
  // Fur hem and front.
  Parchment::RoundRect(cr, -86, -40, 172, 22, 11);
  fur.Set(cr);
  cairo_fill(cr);
  cairo_rectangle(cr, -10, -200, 20, 170);
  cairo_fill(cr);
  // Belt with a gold buckle.
  cairo_rectangle(cr, -92, -110, 184, 20);
  TColour::Rgb(30, 24, 30).Set(cr);
  cairo_fill(cr);
  Parchment::RoundRect(cr, -16, -114, 32, 28, 4);
  cairo_set_line_width(cr, 5);
  Palette::Gold.Set(cr);
  cairo_stroke(cr);
  // Arms: one waving, one holding the sack.
  cairo_move_to(cr, -60, -190);
  cairo_curve_to(cr, -110, -190, -130, -230, -126, -270);
  cairo_line_to(cr, -98, -274);
  cairo_curve_to(cr, -100, -240, -84, -216, -50, -160);
  cairo_close_path(cr);
  Shaded(cr, -130, -270, -50, -160, red, 0.2, 0.4);
  Parchment::RoundRect(cr, -132, -282, 38, 16, 8);
  fur.Set(cr);
  cairo_fill(cr);
  cairo_arc(cr, -112, -296, 17, 0, 2 * kPi);
  TColour::Rgb(30, 110, 60).Set(cr);
  cairo_fill(cr);
  cairo_move_to(cr, 60, -190);
  cairo_curve_to(cr, 90, -200, 100, -230, 92, -250);
  cairo_line_to(cr, 66, -246);
  cairo_curve_to(cr, 70, -230, 60, -214, 44, -180);
  cairo_close_path(cr);
  Shaded(cr, 40, -250, 100, -180, red, 0.1, 0.45);
  cairo_arc(cr, 80, -256, 15, 0, 2 * kPi);
  TColour::Rgb(30, 110, 60).Set(cr);
  cairo_fill(cr);
  // Head: face, cheeks, eyes smiling shut, nose.
  cairo_arc(cr, 0, -236, 38, 0, 2 * kPi);
  Shaded(cr, -38, -274, 38, -198, skin, 0.2, 0.2);
  for (double side : {-1.0, 1.0}) {
    cairo_arc(cr, side * 22, -226, 9, 0, 2 * kPi);
    TColour::Rgb(240, 120, 120, 0.7).Set(cr);
    cairo_fill(cr);
    cairo_arc(cr, side * 14, -242, 6, kPi * 1.1, kPi * 1.9);
    cairo_set_line_width(cr, 3);
    TColour::Rgb(50, 30, 30).Set(cr);
    cairo_stroke(cr);
  }
  // Beard: a cloud of overlapping curls.
  const double curls[][3] = {{-34, -214, 18}, {-20, -196, 20}, {0, -188, 22}, {20, -196, 20}, {34, -214, 18},
                             {-10, -176, 18}, {10, -176, 18}, {0, -166, 16}, {-38, -230, 12}, {38, -230, 12}};
  for (auto& k : curls) {
    cairo_arc(cr, k[0], k[1], k[2], 0, 2 * kPi);
    cairo_pattern_t* p = cairo_pattern_create_radial(k[0] - k[2] * 0.4, k[1] - k[2] * 0.4, 1, k[0], k[1], k[2]);
    fur.Stop(p, 0);
    TColour::Rgb(214, 214, 230).Stop(p, 1);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  // Moustache and nose over the beard.
  for (double side : {-1.0, 1.0}) {
    cairo_save(cr);
    cairo_translate(cr, side * 13, -220);
    cairo_scale(cr, 1.6, 0.8);
    cairo_arc(cr, 0, 0, 10, 0, 2 * kPi);
    cairo_restore(cr);
    fur.Set(cr);
    cairo_fill(cr);
  }
  cairo_arc(cr, 0, -228, 8, 0, 2 * kPi);
  cairo_pattern_t* nose = cairo_pattern_create_radial(-3, -231, 1, 0, -228, 8);
  TColour::Rgb(255, 160, 150).Stop(nose, 0);
  TColour::Rgb(220, 90, 90).Stop(nose, 1);
  cairo_set_source(cr, nose);
  cairo_fill(cr);
  cairo_pattern_destroy(nose);
  // Hat flopping to the side, with its fur band and bobble.
  cairo_move_to(cr, -38, -258);
  cairo_curve_to(cr, -36, -320, 30, -330, 62, -296);
  cairo_curve_to(cr, 70, -286, 64, -276, 56, -280);
  cairo_curve_to(cr, 40, -300, 30, -296, 38, -258);
  cairo_close_path(cr);
  Shaded(cr, -38, -330, 62, -258, red, 0.25, 0.4);
  Parchment::RoundRect(cr, -44, -270, 88, 20, 10);
  fur.Set(cr);
  cairo_fill(cr);
  cairo_arc(cr, 62, -282, 12, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace Props
