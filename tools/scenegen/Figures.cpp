#include "Figures.h"

#include <cmath>
#include <vector>

#include "Parchment.h"
#include "Pattern.h"
#include "Props.h"
#include "Scenery.h"

namespace {
constexpr double kPi = 3.14159265358979;

// Lit from the moon at the top left: lighter on the left, darker on the right.
void Rounded(cairo_t* cr, double x0, double x1, const TColour& c) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
  AddStops(p, {{0, c.Lighter(0.18)}, {0.45, c}, {1, c.Darker(0.4)}});
  FillWith(cr, p);
}

void Glow(cairo_t* cr, double x, double y, double r, const TColour& c) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
  AddStops(p, {{0, c}, {1, c.WithAlpha(0)}});
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  FillWith(cr, p);
}
}  // namespace

namespace Figures {

void Villager(cairo_t* cr, double x, double base, double height, const TColour& coat, const TColour& scarf,
              TPose pose, bool facingRight) {
  const TColour skin = TColour::Rgb(244, 200, 170), dark = TColour::Rgb(34, 28, 44);
  cairo_save(cr);
  cairo_translate(cr, x, base);
  cairo_scale(cr, (facingRight ? 1 : -1) * height / 100.0, height / 100.0);
  if (pose == TPose::Skating) cairo_rotate(cr, 0.18);
  // Boots and legs.
  for (double side : {-1.0, 1.0}) {
    const double lean = pose == TPose::Skating ? side * 5 : 0;
    cairo_move_to(cr, side * 5 - 3, -30);
    cairo_line_to(cr, side * 5 + 3, -30);
    cairo_line_to(cr, side * 5 + 3 + lean, -6);
    cairo_line_to(cr, side * 5 - 3 + lean, -6);
    cairo_close_path(cr);
    dark.Lighter(0.1).Set(cr);
    cairo_fill(cr);
    Parchment::RoundRect(cr, side * 5 - 5 + lean, -8, 11, 8, 3);
    dark.Set(cr);
    cairo_fill(cr);
    if (pose == TPose::Skating) {
      cairo_set_line_width(cr, 1.6);
      TColour::Rgb(220, 230, 250).Set(cr);
      cairo_move_to(cr, side * 5 - 7 + lean, 1);
      cairo_line_to(cr, side * 5 + 9 + lean, 1);
      cairo_stroke(cr);
    }
  }
  // Arms behind or beside the coat, by pose.
  auto sleeve = [&](double sx, double sy, double ex, double ey) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 7);
    coat.Darker(0.15).Set(cr);
    cairo_move_to(cr, sx, sy);
    cairo_line_to(cr, ex, ey);
    cairo_stroke(cr);
    cairo_arc(cr, ex, ey, 3.6, 0, 2 * kPi);
    scarf.Darker(0.1).Set(cr);  // mittens match the scarf
    cairo_fill(cr);
  };
  if (pose == TPose::Skating) {
    sleeve(-7, -64, -24, -50);
    sleeve(7, -64, 24, -56);
  } else if (pose == TPose::Waving) {
    sleeve(-8, -64, -12, -36);
    sleeve(8, -66, 20, -94);
  }
  // Coat: a bell from the shoulders to the knees.
  cairo_move_to(cr, -8, -74);
  cairo_curve_to(cr, -14, -70, -16, -50, -17, -28);
  cairo_line_to(cr, 17, -28);
  cairo_curve_to(cr, 16, -50, 14, -70, 8, -74);
  cairo_close_path(cr);
  Rounded(cr, -17, 17, coat);
  cairo_set_line_width(cr, 1.2);
  coat.Lighter(0.5).Set(cr);
  cairo_move_to(cr, -16, -29);
  cairo_line_to(cr, 16, -29);
  cairo_stroke(cr);
  if (pose == TPose::Standing) {
    sleeve(-10, -66, -14, -40);
    sleeve(10, -66, 14, -40);
  }
  if (pose == TPose::Singing) {
    // Holding an open song book in front of the chest.
    sleeve(-9, -66, -4, -50);
    sleeve(9, -66, 8, -50);
    cairo_save(cr);
    cairo_translate(cr, 6, -56);
    cairo_rotate(cr, -0.2);
    cairo_rectangle(cr, -8, -6, 16, 10);
    TColour::Rgb(150, 30, 40).Set(cr);
    cairo_fill(cr);
    cairo_rectangle(cr, -7, -5.5, 14, 8);
    TColour::Rgb(250, 244, 226).Set(cr);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  // Scarf with a tail blowing back.
  Parchment::RoundRect(cr, -9, -78, 18, 7, 3);
  scarf.Set(cr);
  cairo_fill(cr);
  cairo_move_to(cr, -4, -74);
  cairo_curve_to(cr, -10, -66, -14, -62, -18, -58);
  cairo_line_to(cr, -12, -56);
  cairo_curve_to(cr, -9, -62, -4, -66, 1, -72);
  cairo_close_path(cr);
  scarf.Darker(0.15).Set(cr);
  cairo_fill(cr);
  // Head, rosy cheek and a bobble hat.
  cairo_arc(cr, 0, -86, 9.5, 0, 2 * kPi);
  Rounded(cr, -9.5, 9.5, skin);
  cairo_arc(cr, 4.5, -83, 2.6, 0, 2 * kPi);
  TColour::Rgb(236, 120, 120, 0.6).Set(cr);
  cairo_fill(cr);
  cairo_arc(cr, 3.5, -88, 1.1, 0, 2 * kPi);
  dark.Set(cr);
  cairo_fill(cr);
  if (pose == TPose::Singing) {
    cairo_arc(cr, 6.5, -81.5, 1.6, 0, 2 * kPi);
    TColour::Rgb(120, 40, 40).Set(cr);
    cairo_fill(cr);
  }
  cairo_move_to(cr, -10.5, -87);
  cairo_curve_to(cr, -11, -100, 11, -100, 10.5, -87);
  cairo_close_path(cr);
  Rounded(cr, -11, 11, scarf.Mix(coat, 0.3));
  Parchment::RoundRect(cr, -11, -90, 22, 5, 2.5);
  TColour::Rgb(245, 245, 250).Set(cr);
  cairo_fill(cr);
  cairo_arc(cr, 0, -100, 3.6, 0, 2 * kPi);
  TColour::Rgb(250, 250, 255).Set(cr);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Reindeer(cairo_t* cr, double x, double base, double height, bool facingRight, bool grazing,
              const TColour& body) {
  cairo_save(cr);
  cairo_translate(cr, x, base);
  cairo_scale(cr, (facingRight ? 1 : -1) * height / 100.0, height / 100.0);
  // Legs, the far pair darker.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int far = 1; far >= 0; --far) {
    (far ? body.Darker(0.35) : body.Darker(0.1)).Set(cr);
    cairo_set_line_width(cr, 4.2);
    const double shift = far ? 5 : 0;
    for (double lx : {-24.0, 22.0}) {
      cairo_move_to(cr, lx + shift, -40);
      cairo_line_to(cr, lx + shift + 2, -20);
      cairo_line_to(cr, lx + shift, 0);
      cairo_stroke(cr);
    }
  }
  // Body and white rump.
  cairo_save(cr);
  cairo_translate(cr, 0, -48);
  cairo_scale(cr, 1.0, 0.52);
  cairo_arc(cr, 0, 0, 34, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, -66, 0, -30);
  AddStops(p, {{0, body.Lighter(0.15)}, {1, body.Darker(0.3)}});
  FillWith(cr, p);
  cairo_arc(cr, -32, -52, 6, 0, 2 * kPi);
  TColour::Rgb(240, 236, 230).Set(cr);
  cairo_fill(cr);
  // Neck and head, raised or down to the snow.
  const double hx = grazing ? 44 : 40, hy = grazing ? -18 : -86;
  cairo_move_to(cr, 20, -62);
  cairo_line_to(cr, 30, -56);
  cairo_line_to(cr, hx + 2, hy + 6);
  cairo_line_to(cr, hx - 6, hy - 2);
  cairo_close_path(cr);
  body.Set(cr);
  cairo_fill(cr);
  // The head: a long face ending in a dark muzzle, with an ear and an eye.
  cairo_save(cr);
  cairo_translate(cr, hx, hy);
  cairo_rotate(cr, grazing ? 1.25 : 0.45);
  cairo_move_to(cr, -8, -7);
  cairo_curve_to(cr, 4, -9, 14, -6, 19, -2);
  cairo_curve_to(cr, 21, 1, 19, 5, 15, 5);
  cairo_curve_to(cr, 6, 6, -4, 8, -9, 5);
  cairo_curve_to(cr, -12, 2, -12, -5, -8, -7);
  cairo_close_path(cr);
  cairo_pattern_t* face = cairo_pattern_create_linear(0, -9, 0, 8);
  AddStops(face, {{0, body.Lighter(0.2)}, {1, body.Darker(0.15)}});
  FillWith(cr, face);
  cairo_arc(cr, 18, 1, 3.2, 0, 2 * kPi);
  TColour::Rgb(40, 24, 24).Set(cr);
  cairo_fill(cr);
  cairo_arc(cr, 2, -3, 1.6, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_move_to(cr, -6, -6);
  cairo_curve_to(cr, -12, -14, -16, -12, -14, -8);
  cairo_close_path(cr);
  body.Darker(0.2).Set(cr);
  cairo_fill(cr);
  cairo_restore(cr);
  // Antlers: two branching curves.
  cairo_set_line_width(cr, 2.2);
  TColour::Rgb(214, 190, 150).Set(cr);
  for (double side : {-1.0, 1.0}) {
    const double bx = hx - 4 + side * 2, by = hy - 5;
    const double dir = grazing ? -1 : 1;
    cairo_move_to(cr, bx, by);
    cairo_curve_to(cr, bx - 8 * dir, by - 14, bx - 14 * dir + side * 4, by - 24, bx - 10 * dir + side * 6, by - 34);
    cairo_move_to(cr, bx - 6 * dir, by - 12);
    cairo_line_to(cr, bx + 2 * dir + side * 3, by - 20);
    cairo_move_to(cr, bx - 11 * dir, by - 22);
    cairo_line_to(cr, bx - 4 * dir + side * 2, by - 30);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void MarketStall(TCanvas& c, TSceneRandom& rng, double x, double base, double width, const TColour& awning) {
  cairo_t* cr = c.Cr();
  const double h = width * 0.95, counterH = width * 0.32, roofY = base - h;
  const TColour wood = TColour::Rgb(112, 70, 46);
  // Back wall, glowing from the lamp inside.
  cairo_rectangle(cr, x + 4, roofY + width * 0.18, width - 8, h - width * 0.18 - counterH);
  cairo_pattern_t* inside = cairo_pattern_create_radial(x + width / 2, roofY + width * 0.4, 2, x + width / 2,
                                                        roofY + width * 0.4, width * 0.7);
  AddStops(inside, {{0, TColour::Rgb(255, 214, 130)}, {1, TColour::Rgb(150, 80, 40)}});
  FillWith(cr, inside);
  // Wares on shelves: baubles, gingerbread and candles.
  for (int i = 0; i < 7; ++i) {
    const double bx = x + 10 + i * (width - 20) / 6.0, by = base - counterH - 6 - (i % 2) * 4;
    const TColour colours[] = {Palette::Berry, Palette::Gold, TColour::Rgb(60, 130, 210), Palette::Holly};
    Props::Bauble(cr, bx, by, width * 0.045, colours[rng.Int(0, 3)]);
  }
  for (int i = 0; i < 4; ++i) {
    const double gx = x + 14 + i * (width - 28) / 3.0, gy = roofY + width * 0.36;
    cairo_arc(cr, gx, gy, width * 0.05, 0, 2 * kPi);
    TColour::Rgb(170, 100, 50).Set(cr);
    cairo_fill(cr);
  }
  // Posts and counter.
  for (double px : {x, x + width - 6}) {
    cairo_rectangle(cr, px, roofY + 6, 6, h - 6);
    Rounded(cr, px, px + 6, wood);
  }
  cairo_rectangle(cr, x - 4, base - counterH, width + 8, counterH);
  cairo_pattern_t* front = cairo_pattern_create_linear(0, base - counterH, 0, base);
  AddStops(front, {{0, wood.Lighter(0.1)}, {1, wood.Darker(0.35)}});
  FillWith(cr, front);
  cairo_set_line_width(cr, 1);
  wood.Darker(0.5).Set(cr);
  for (double py = base - counterH + 8; py < base; py += 8) {
    cairo_move_to(cr, x - 4, py);
    cairo_line_to(cr, x + width + 4, py);
  }
  cairo_stroke(cr);
  Parchment::RoundRect(cr, x - 6, base - counterH - 4, width + 12, 6, 3);
  Palette::Snow.Set(cr);
  cairo_fill(cr);
  // Striped awning with a scalloped edge, snow along its top.
  const int stripes = 6;
  const double aw = width + 16, ax = x - 8, ay = roofY, ah = width * 0.22;
  for (int i = 0; i < stripes; ++i) {
    const double sx = ax + i * aw / stripes;
    cairo_move_to(cr, sx, ay);
    cairo_line_to(cr, sx + aw / stripes, ay);
    cairo_line_to(cr, sx + aw / stripes, ay + ah);
    cairo_arc_negative(cr, sx + aw / stripes / 2, ay + ah, aw / stripes / 2, 0, kPi);
    cairo_close_path(cr);
    (i % 2 ? Palette::Snow.Mix(awning, 0.08) : awning).Set(cr);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, ax, ay, aw, ah * 0.4);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.12);
  cairo_fill(cr);
  Parchment::RoundRect(cr, ax - 2, ay - 5, aw + 4, 8, 4);
  Palette::Snow.Set(cr);
  cairo_fill(cr);
  Scenery::WindowGlow(cr, x + width / 2, roofY + width * 0.45, width * 0.9, 0.7);
}

void StringLights(TCanvas& c, TSceneRandom& rng, double x0, double y0, double x1, double y1, double sag) {
  cairo_t* cr = c.Cr();
  auto at = [&](double t) {
    const double x = x0 + (x1 - x0) * t;
    const double y = y0 + (y1 - y0) * t + sag * 4 * t * (1 - t);
    return std::pair{x, y};
  };
  cairo_set_line_width(cr, 1.2);
  TColour::Rgb(20, 18, 30, 0.9).Set(cr);
  for (int i = 0; i <= 40; ++i) {
    auto [x, y] = at(i / 40.0);
    i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
  }
  cairo_stroke(cr);
  const double length = std::hypot(x1 - x0, y1 - y0);
  const int bulbs = std::max(3, int(length / 16));
  const TColour colours[] = {TColour::Rgb(255, 80, 70), TColour::Rgb(255, 210, 90), TColour::Rgb(90, 220, 120),
                             TColour::Rgb(110, 170, 255)};
  TCanvas glow(c.Width(), c.Height());
  for (int i = 1; i < bulbs; ++i) {
    auto [x, y] = at(double(i) / bulbs);
    const TColour col = colours[(i + rng.Int(0, 1)) % 4];
    Glow(glow.Cr(), x, y + 3, 9, col.WithAlpha(0.55));
    cairo_arc(cr, x, y + 3, 2.2, 0, 2 * kPi);
    col.Lighter(0.35).Set(cr);
    cairo_fill(cr);
  }
  glow.PaintOnto(cr, 0, 0, 1.0, CAIRO_OPERATOR_ADD);
}

void Mountains(TCanvas& c, TSceneRandom& rng, double baseY, double topY, const TColour& rock, int peaks) {
  cairo_t* cr = c.Cr();
  const double w = c.Width();
  std::vector<std::pair<double, double>> pts;
  pts.push_back({-20, baseY - rng.Real(0.2, 0.5) * (baseY - topY)});
  for (int i = 0; i < peaks; ++i) {
    const double px = (i + 0.5) * w / peaks + rng.Real(-w / peaks * 0.25, w / peaks * 0.25);
    const double py = topY + rng.Real(0, 0.45) * (baseY - topY);
    pts.push_back({px, py});
    if (i + 1 < peaks) pts.push_back({px + w / peaks / 2, py + rng.Real(0.35, 0.6) * (baseY - py)});
  }
  pts.push_back({w + 20, baseY - rng.Real(0.2, 0.5) * (baseY - topY)});
  auto outline = [&]() {
    cairo_move_to(cr, -20, baseY + 40);
    for (auto [x, y] : pts) cairo_line_to(cr, x, y);
    cairo_line_to(cr, w + 20, baseY + 40);
    cairo_close_path(cr);
  };
  outline();
  cairo_pattern_t* p = cairo_pattern_create_linear(0, topY, 0, baseY);
  AddStops(p, {{0, rock.Lighter(0.1)}, {1, rock.Darker(0.3)}});
  FillWith(cr, p);
  // Snow caps: from each peak down its flanks, lit on the moon side.
  cairo_save(cr);
  outline();
  cairo_clip(cr);
  for (size_t i = 1; i + 1 < pts.size(); i += 2) {
    const auto [px, py] = pts[i];
    const double drop = (baseY - py) * rng.Real(0.3, 0.45);
    const double spread = drop * 0.9;
    cairo_move_to(cr, px, py - 2);
    cairo_line_to(cr, px - spread, py + drop);
    for (int k = 0; k < 6; ++k)
      cairo_line_to(cr, px - spread + (k + 0.5) * spread / 3, py + drop * (k % 2 ? 0.7 : 1.0) + rng.Real(-4, 4));
    cairo_line_to(cr, px + spread, py + drop);
    cairo_close_path(cr);
    cairo_pattern_t* snow = cairo_pattern_create_linear(px - spread, 0, px + spread, 0);
    AddStops(snow, {{0.2, Palette::Snow}, {0.5, Palette::Snow}, {0.52, Palette::SnowShade.Mix(rock, 0.2)},
        {1, Palette::SnowShade.Mix(rock, 0.4)}});
    FillWith(cr, snow);
  }
  cairo_restore(cr);
}

void Bridge(TCanvas& c, double x0, double x1, double y) {
  cairo_t* cr = c.Cr();
  const double span = x1 - x0, rise = span * 0.08, thick = span * 0.07;
  const TColour stone = TColour::Rgb(120, 112, 140);
  auto deck = [&](double t) { return y - rise * std::sin(kPi * t); };
  // Body with the arch cut out.
  cairo_move_to(cr, x0, deck(0));
  for (int i = 1; i <= 30; ++i) cairo_line_to(cr, x0 + span * i / 30.0, deck(i / 30.0));
  cairo_line_to(cr, x1, y + thick * 2.2);
  cairo_line_to(cr, x1 - span * 0.12, y + thick * 2.2);
  cairo_curve_to(cr, x1 - span * 0.2, y + thick * 0.2, x0 + span * 0.2, y + thick * 0.2, x0 + span * 0.12,
                 y + thick * 2.2);
  cairo_line_to(cr, x0, y + thick * 2.2);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y - rise, 0, y + thick * 2.2);
  AddStops(p, {{0, stone.Lighter(0.15)}, {1, stone.Darker(0.4)}});
  FillWith(cr, p);
  // Parapet and its snow, with a lantern at each end.
  cairo_set_line_width(cr, thick * 0.45);
  stone.Darker(0.1).Set(cr);
  cairo_move_to(cr, x0, deck(0) - thick * 0.2);
  for (int i = 1; i <= 30; ++i) cairo_line_to(cr, x0 + span * i / 30.0, deck(i / 30.0) - thick * 0.2);
  cairo_stroke(cr);
  cairo_set_line_width(cr, thick * 0.25);
  Palette::Snow.Set(cr);
  cairo_move_to(cr, x0, deck(0) - thick * 0.45);
  for (int i = 1; i <= 30; ++i) cairo_line_to(cr, x0 + span * i / 30.0, deck(i / 30.0) - thick * 0.45);
  cairo_stroke(cr);
  Scenery::Lantern(c, x0 + span * 0.06, deck(0.06) - thick * 0.3, thick * 2.4);
  Scenery::Lantern(c, x1 - span * 0.06, deck(0.94) - thick * 0.3, thick * 2.4);
}

void Firework(TCanvas& c, TSceneRandom& rng, double x, double y, double radius, const TColour& colour) {
  TCanvas layer(c.Width(), c.Height());
  cairo_t* cr = layer.Cr();
  const int rays = rng.Int(22, 32);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < rays; ++i) {
    const double a = 2 * kPi * i / rays + rng.Real(-0.05, 0.05);
    const double r = radius * rng.Real(0.8, 1.05);
    const double ex = x + r * std::cos(a), ey = y + r * std::sin(a) + r * 0.12;  // sparks droop as they fall
    cairo_pattern_t* p = cairo_pattern_create_linear(x, y, ex, ey);
    AddStops(p, {{0, colour.WithAlpha(0)}, {0.6, colour.WithAlpha(0.55)}, {1, colour.Lighter(0.6)}});
    cairo_set_source(cr, p);
    cairo_set_line_width(cr, 1.8);
    cairo_move_to(cr, x + r * 0.15 * std::cos(a), y + r * 0.15 * std::sin(a));
    cairo_curve_to(cr, x + r * 0.6 * std::cos(a), y + r * 0.6 * std::sin(a), ex, ey - r * 0.1, ex, ey);
    cairo_stroke(cr);
    cairo_pattern_destroy(p);
    Glow(cr, ex, ey, 4, colour.Lighter(0.5).WithAlpha(0.9));
  }
  Glow(cr, x, y, radius * 0.5, colour.WithAlpha(0.25));
  layer.PaintOnto(c.Cr(), 0, 0, 1.0, CAIRO_OPERATOR_ADD);
}

void CottageWindow(TCanvas& c, TSceneRandom& rng, double x, double y, double w, double h) {
  cairo_t* cr = c.Cr();
  // The warm room inside: a little tree with its lights and a fire's glow.
  cairo_rectangle(cr, x, y, w, h);
  cairo_pattern_t* room = cairo_pattern_create_radial(x + w * 0.3, y + h * 0.75, 4, x + w * 0.5, y + h * 0.5, w);
  AddStops(room, {{0, TColour::Rgb(255, 190, 100)}, {0.7, TColour::Rgb(150, 70, 40)}, {1, TColour::Rgb(70, 30, 30)}});
  FillWith(cr, room);
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  TSceneRandom treeRng(rng.Int(1, 1000));
  Props::ChristmasTree(c, treeRng, x + w * 0.68, y + h * 1.02, h * 0.85);
  cairo_restore(cr);
  // Frame and glazing bars.
  const TColour frame = TColour::Rgb(236, 228, 214);
  cairo_set_line_width(cr, w * 0.05);
  frame.Set(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_move_to(cr, x + w / 2, y);
  cairo_line_to(cr, x + w / 2, y + h);
  cairo_move_to(cr, x, y + h * 0.45);
  cairo_line_to(cr, x + w, y + h * 0.45);
  cairo_stroke(cr);
  // Frost in the pane corners.
  for (auto [fx, fy] : {std::pair{x + 4, y + 4}, std::pair{x + w - 4, y + 4}}) Glow(cr, fx, fy, w * 0.22,
                                                                                      TColour{1, 1, 1, 0.45});
  // Sill with snow and a candle.
  Parchment::RoundRect(cr, x - w * 0.08, y + h, w * 1.16, h * 0.07, 3);
  frame.Darker(0.2).Set(cr);
  cairo_fill(cr);
  Parchment::RoundRect(cr, x - w * 0.06, y + h - h * 0.03, w * 1.12, h * 0.05, 4);
  Palette::Snow.Set(cr);
  cairo_fill(cr);
  Props::Candle(c, x + w * 0.2, y + h - 1, h * 0.18);
  // A wreath above the window.
  for (int i = 0; i < 18; ++i) {
    const double a = 2 * kPi * i / 18;
    cairo_arc(cr, x + w / 2 + w * 0.14 * std::cos(a), y - h * 0.16 + w * 0.14 * std::sin(a), w * 0.05, 0, 2 * kPi);
    (i % 2 ? Palette::Holly : Palette::Holly.Darker(0.3)).Set(cr);
    cairo_fill(cr);
  }
  for (int i = 0; i < 5; ++i) {
    const double a = 2 * kPi * i / 5 + 0.4;
    cairo_arc(cr, x + w / 2 + w * 0.14 * std::cos(a), y - h * 0.16 + w * 0.14 * std::sin(a), w * 0.022, 0, 2 * kPi);
    Palette::Berry.Set(cr);
    cairo_fill(cr);
  }
  Scenery::WindowGlow(cr, x + w / 2, y + h / 2, w * 1.3, 0.8);
}

void Sleigh(cairo_t* cr, const TSleighOutline& o, const TColour& ink) {
  ink.Set(cr);
  const double* b = o.body;
  cairo_move_to(cr, b[0], b[1]);
  cairo_curve_to(cr, b[2], b[3], b[4], b[5], b[6], b[7]);
  cairo_line_to(cr, b[8], b[9]);
  cairo_line_to(cr, b[10], b[11]);
  cairo_line_to(cr, b[12], b[13]);
  cairo_close_path(cr);
  cairo_fill(cr);
  const double* r = o.runner;
  cairo_set_line_width(cr, o.runnerWidth);
  cairo_move_to(cr, r[0], r[1]);
  cairo_line_to(cr, r[2], r[3]);
  cairo_curve_to(cr, r[4], r[5], r[6], r[7], r[8], r[9]);
  cairo_stroke(cr);
  cairo_arc(cr, o.rider[0], o.rider[1], o.rider[2], 0, 2 * kPi);
  cairo_arc(cr, o.sack[0], o.sack[1], o.sack[2], 0, 2 * kPi);
  cairo_fill(cr);
  cairo_set_line_width(cr, o.reinsWidth);
  cairo_move_to(cr, o.reins[0], o.reins[1]);
  cairo_line_to(cr, o.reins[2], o.reins[3]);
  cairo_stroke(cr);
}

}  // namespace Figures
