#include "Props.h"

#include <cmath>
#include <tuple>
#include <vector>

#include "Parchment.h"
#include "Pattern.h"
#include "Scenery.h"

namespace {
constexpr double kPi = 3.14159265358979;

void Glow(cairo_t* cr, double x, double y, double r, const TColour& colour) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r);
  AddStops(g, {{0, colour}, {1, colour.WithAlpha(0)}});
  cairo_set_source(cr, g);
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void Shaded(cairo_t* cr, double x0, double y0, double x1, double y1, const TColour& c, double lift, double drop) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  AddStops(p, {{0, c.Lighter(lift)}, {0.45, c}, {1, c.Darker(drop)}});
  FillWith(cr, p);
}
}  // namespace

namespace Props {

void Bauble(cairo_t* cr, double x, double y, double r, const TColour& colour, bool banded) {
  // Gold cap and loop; a banded bauble hangs on its own and keeps a firmer loop.
  cairo_set_line_width(cr, std::max(banded ? 1.0 : 0.8, r * 0.12));
  Palette::GoldDeep.Set(cr);
  cairo_arc(cr, x, y - r * 1.22, r * 0.2, 0, 2 * kPi);
  cairo_stroke(cr);
  cairo_rectangle(cr, x - r * 0.3, y - r * 1.1, r * 0.6, r * 0.3);
  Palette::Gold.Set(cr);
  cairo_fill(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.4, r * 0.05, x, y, r);
  AddStops(p, {{0, colour.Lighter(0.7)}, {0.45, colour}, {1, colour.Darker(0.55)}});
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  FillWith(cr, p);
  if (banded) {
    cairo_save(cr);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_clip(cr);
    cairo_set_line_width(cr, r * 0.14);
    Palette::Gold.WithAlpha(0.85).Set(cr);
    cairo_move_to(cr, x - r, y + r * 0.1);
    cairo_curve_to(cr, x - r * 0.3, y + r * 0.35, x + r * 0.3, y + r * 0.35, x + r, y + r * 0.1);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  // The window's reflection.
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
  AddStops(f, {{0.3, TColour::Rgb(255, 250, 220)}, {1, TColour::Rgb(255, 170, 40)}});
  FillWith(cr, f);
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
  // Drawn 372 units tall, from the boots at 0 to the top of the hat.
  const double s = height / 372.0;
  cairo_save(cr);
  cairo_translate(cr, x, base);
  cairo_scale(cr, s, s);
  const TColour red = TColour::Rgb(196, 28, 40), fur = TColour::Rgb(252, 250, 246);
  const TColour furShade = TColour::Rgb(200, 204, 222);
  const TColour skin = TColour::Rgb(250, 206, 176), boot = TColour::Rgb(34, 26, 32), ink = TColour::Rgb(60, 30, 30);
  auto furBand = [&](double x0, double y0, double w, double h, double r) {
    Parchment::RoundRect(cr, x0, y0, w, h, r);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y0 + h);
    AddStops(p, {{0, fur}, {1, furShade}});
    FillWith(cr, p);
  };

  // The sack over his left shoulder, behind him, with presents peeking out.
  cairo_save(cr);
  cairo_translate(cr, 92, -196);
  cairo_rotate(cr, 0.35);
  for (auto [px, py, pw, ph, paper, ribbon] :
       {std::tuple{-34.0, -74.0, 34.0, 30.0, TColour::Rgb(40, 130, 70), Palette::Gold},
        std::tuple{-4.0, -84.0, 30.0, 36.0, TColour::Rgb(50, 90, 190), fur},
        std::tuple{18.0, -70.0, 28.0, 24.0, Palette::Gold, Palette::Berry}}) {
    cairo_rectangle(cr, px, py, pw, ph);
    Shaded(cr, px, py, px + pw, py + ph, paper, 0.25, 0.35);
    cairo_rectangle(cr, px + pw / 2 - 3, py, 6, ph);
    ribbon.Set(cr);
    cairo_fill(cr);
  }
  cairo_move_to(cr, -46, -50);
  cairo_curve_to(cr, -70, 10, -40, 80, 10, 80);
  cairo_curve_to(cr, 60, 80, 76, 10, 50, -50);
  cairo_curve_to(cr, 20, -40, -20, -40, -46, -50);
  cairo_close_path(cr);
  Shaded(cr, -60, -50, 70, 80, TColour::Rgb(160, 112, 66), 0.3, 0.5);
  cairo_set_line_width(cr, 1.6);
  TColour::Rgb(110, 70, 40, 0.6).Set(cr);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, -30 + i * 26, -38);
    cairo_curve_to(cr, -36 + i * 26, 0, -30 + i * 28, 40, -20 + i * 26, 70);
  }
  cairo_stroke(cr);
  cairo_set_line_width(cr, 6);
  Palette::Gold.Darker(0.2).Set(cr);
  cairo_move_to(cr, -44, -44);
  cairo_curve_to(cr, -14, -34, 24, -34, 50, -44);
  cairo_stroke(cr);
  cairo_restore(cr);

  // Boots with turned-down cuffs, the trousers tucked in.
  for (double side : {-1.0, 1.0}) {
    cairo_rectangle(cr, side * 30 - 18, -70, 36, 40);
    Shaded(cr, side * 30 - 18, -70, side * 30 + 18, -30, red.Darker(0.1), 0.2, 0.4);
    cairo_move_to(cr, side * 30 - 22, -40);
    cairo_line_to(cr, side * 30 + 22, -40);
    cairo_line_to(cr, side * 30 + 22, -12);
    cairo_curve_to(cr, side * 30 + 22 + side * 20, -12, side * 30 + 24 + side * 20, 0, side * 30 + 16 + side * 14, 0);
    cairo_line_to(cr, side * 30 - 22, 0);
    cairo_close_path(cr);
    Shaded(cr, side * 30 - 22, -40, side * 30 + 36, 0, boot, 0.35, 0.3);
    Parchment::RoundRect(cr, side * 30 - 25, -46, 50, 12, 4);
    boot.Lighter(0.15).Set(cr);
    cairo_fill(cr);
    cairo_arc(cr, side * 30 - 8, -26, 4, 0, 2 * kPi);
    TColour{1, 1, 1, 0.25}.Set(cr);
    cairo_fill(cr);
  }

  // The coat: wide shoulders narrowing to the belt, flaring to the hem.
  cairo_move_to(cr, -50, -214);
  cairo_curve_to(cr, -84, -206, -94, -150, -88, -112);
  cairo_curve_to(cr, -96, -90, -100, -70, -96, -56);
  cairo_line_to(cr, 96, -56);
  cairo_curve_to(cr, 100, -70, 96, -90, 88, -112);
  cairo_curve_to(cr, 94, -150, 84, -206, 50, -214);
  cairo_close_path(cr);
  Shaded(cr, -96, -214, 96, -56, red, 0.28, 0.45);
  furBand(-100, -66, 200, 22, 11);
  furBand(-12, -206, 24, 150, 10);
  // Belt and its gold buckle.
  cairo_rectangle(cr, -92, -124, 184, 22);
  cairo_pattern_t* belt = cairo_pattern_create_linear(0, -124, 0, -102);
  AddStops(belt, {{0, boot.Lighter(0.2)}, {1, boot}});
  FillWith(cr, belt);
  Parchment::RoundRect(cr, -18, -128, 36, 30, 5);
  cairo_set_line_width(cr, 6);
  Palette::Gold.Set(cr);
  cairo_stroke(cr);
  Parchment::RoundRect(cr, -18, -128, 36, 30, 5);
  cairo_set_line_width(cr, 1.5);
  Palette::GoldLight.Set(cr);
  cairo_stroke(cr);

  // His right arm raised in a wave, the left one up to the sack's neck.
  auto arm = [&](double sx, double sy, double ex, double ey, double width) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, sx, sy);
    cairo_curve_to(cr, sx + (ex - sx) * 0.2, sy + (ey - sy) * 0.6, ex - (ex - sx) * 0.2, ey + 10, ex, ey);
    cairo_pattern_t* p = cairo_pattern_create_linear(std::min(sx, ex) - width, 0, std::max(sx, ex) + width, 0);
    AddStops(p, {{0, red.Lighter(0.2)}, {1, red.Darker(0.3)}});
    StrokeWith(cr, p);
  };
  arm(-66, -190, -110, -262, 32);
  arm(62, -192, 86, -244, 32);
  auto glove = [&](double gx, double gy, double angle) {
    cairo_save(cr);
    cairo_translate(cr, gx, gy);
    cairo_rotate(cr, angle);
    furBand(-20, -4, 40, 16, 8);
    cairo_move_to(cr, -13, -4);
    cairo_curve_to(cr, -16, -28, 14, -30, 13, -4);
    cairo_close_path(cr);
    Shaded(cr, -16, -30, 14, -4, fur, 0.0, 0.2);
    cairo_move_to(cr, -12, -14);
    cairo_curve_to(cr, -26, -18, -24, -30, -14, -24);
    cairo_close_path(cr);
    fur.Set(cr);
    cairo_fill(cr);
    cairo_restore(cr);
  };
  glove(-114, -272, -0.35);
  glove(88, -252, 0.3);

  // Head: face, rosy cheeks, smiling eyes under bushy brows.
  cairo_save(cr);
  cairo_translate(cr, 0, -250);
  cairo_scale(cr, 1.0, 1.08);
  cairo_arc(cr, 0, 0, 38, 0, 2 * kPi);
  cairo_restore(cr);
  Shaded(cr, -38, -290, 38, -210, skin, 0.2, 0.25);
  for (double side : {-1.0, 1.0}) {
    cairo_arc(cr, side * 22, -238, 10, 0, 2 * kPi);
    cairo_pattern_t* cheek = cairo_pattern_create_radial(side * 22, -238, 0, side * 22, -238, 10);
    AddStops(cheek, {{0, TColour::Rgb(240, 110, 110, 0.75)}, {1, TColour::Rgb(240, 110, 110, 0)}});
    FillWith(cr, cheek);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 3.4);
    ink.Set(cr);
    cairo_arc(cr, side * 14, -252, 6, kPi * 1.15, kPi * 1.85);
    cairo_stroke(cr);
    cairo_move_to(cr, side * 4, -266);
    cairo_curve_to(cr, side * 10, -274, side * 22, -274, side * 28, -264);
    cairo_curve_to(cr, side * 22, -268, side * 12, -266, side * 4, -262);
    cairo_close_path(cr);
    fur.Set(cr);
    cairo_fill(cr);
  }
  // Beard: one soft cloud with a scalloped edge, shaded into the blue of the snow.
  cairo_move_to(cr, -40, -250);
  cairo_curve_to(cr, -46, -214, -40, -196, -30, -186);
  const double scallops[][2] = {{-22, -170}, {-10, -160}, {4, -158}, {16, -164}, {28, -178}};
  double lx = -30, ly = -186;
  for (auto& sc : scallops) {
    cairo_curve_to(cr, lx + 2, ly + 14, sc[0] - 6, sc[1] + 10, sc[0], sc[1]);
    lx = sc[0];
    ly = sc[1];
  }
  cairo_curve_to(cr, 40, -196, 46, -214, 40, -250);
  cairo_curve_to(cr, 30, -222, -30, -222, -40, -250);
  cairo_close_path(cr);
  cairo_pattern_t* beard = cairo_pattern_create_linear(-30, -240, 30, -160);
  AddStops(beard, {{0, fur}, {0.4, fur}, {1, furShade}});
  FillWith(cr, beard);
  cairo_set_line_width(cr, 1.6);
  furShade.WithAlpha(0.8).Set(cr);
  for (int i = 0; i < 6; ++i) {
    const double bx = -24 + i * 10;
    cairo_move_to(cr, bx, -214 + (i % 2) * 6);
    cairo_curve_to(cr, bx - 4, -200, bx + 4, -188, bx - 2, -176 + std::abs(i - 2.5) * 3);
  }
  cairo_stroke(cr);
  // Smile, moustache and nose.
  cairo_set_line_width(cr, 3);
  TColour::Rgb(170, 60, 60).Set(cr);
  cairo_arc(cr, 0, -226, 8, 0.2 * kPi, 0.8 * kPi);
  cairo_stroke(cr);
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, 0, -234);
    cairo_curve_to(cr, side * 12, -244, side * 30, -240, side * 34, -228);
    cairo_curve_to(cr, side * 26, -232, side * 14, -228, 0, -230);
    cairo_close_path(cr);
    cairo_pattern_t* m = cairo_pattern_create_linear(0, -244, 0, -228);
    AddStops(m, {{0, fur}, {1, furShade}});
    FillWith(cr, m);
  }
  cairo_arc(cr, 0, -240, 8.5, 0, 2 * kPi);
  cairo_pattern_t* nose = cairo_pattern_create_radial(-3, -243, 1, 0, -240, 8.5);
  AddStops(nose, {{0, TColour::Rgb(255, 170, 160)}, {1, TColour::Rgb(222, 96, 96)}});
  FillWith(cr, nose);

  // The hat flopping over to his left, its fur band and the bobble.
  cairo_move_to(cr, -40, -280);
  cairo_curve_to(cr, -38, -336, 28, -352, 66, -316);
  cairo_curve_to(cr, 78, -304, 76, -290, 66, -292);
  cairo_curve_to(cr, 50, -312, 32, -312, 40, -280);
  cairo_close_path(cr);
  Shaded(cr, -40, -350, 70, -280, red, 0.28, 0.4);
  furBand(-46, -294, 92, 24, 12);
  cairo_arc(cr, 68, -290, 13, 0, 2 * kPi);
  cairo_pattern_t* bobble = cairo_pattern_create_radial(64, -295, 1, 68, -290, 13);
  AddStops(bobble, {{0, fur}, {1, furShade}});
  FillWith(cr, bobble);
  cairo_restore(cr);
}

}  // namespace Props
