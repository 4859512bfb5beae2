// Bonus pieces 8-15: each picture shows what the piece does, and each idle strip
// loops seamlessly because every motion is a whole number of sine periods.
#include <cmath>
#include <string>

#include "ArtKit.h"
#include "Canvas.h"
#include "Pattern.h"
#include "Pictures.h"

using namespace art;

namespace {

void Leaf(cairo_t* cr, double x, double y, double angle, double len, Rgb c) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 0);
  // Holly edge: three bites on each side.
  cairo_curve_to(cr, len * 0.2, -len * 0.35, len * 0.35, -len * 0.18, len * 0.5, -len * 0.32);
  cairo_curve_to(cr, len * 0.62, -len * 0.15, len * 0.8, -len * 0.28, len, 0);
  cairo_curve_to(cr, len * 0.8, len * 0.28, len * 0.62, len * 0.15, len * 0.5, len * 0.32);
  cairo_curve_to(cr, len * 0.35, len * 0.18, len * 0.2, len * 0.35, 0, 0);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, -len * 0.3, 0, len * 0.3);
  AddStops(p, {{0, Lighten(c, 0.3)}, {1, Darken(c, 0.35)}});
  FillPreserveWith(cr, p);
  StrokeRgb(cr, 0.7, Darken(c, 0.6), 0.8);
  cairo_move_to(cr, len * 0.1, 0);
  cairo_line_to(cr, len * 0.85, 0);
  StrokeRgb(cr, 0.6, Lighten(c, 0.5), 0.6);
  cairo_restore(cr);
}

void Ball(cairo_t* cr, double cx, double cy, double r, Rgb c, Rgb shade) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.45, r * 0.1, cx, cy, r * 1.05);
  AddStops(p, {{0, Lighten(c, 0.6)}, {0.45, c}, {1, shade}});
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  FillWith(cr, p);
}

void Pudding(cairo_t* cr, double s) {
  const double bob = 1.3 * std::sin(s);
  const double cx = 25, cy = 29 + bob;
  // Plate shadow stays on the ground while the pudding bobs.
  cairo_save(cr);
  cairo_translate(cr, 25, 45.5);
  cairo_scale(cr, 1, 0.25);
  SoftGlow(cr, 0, 0, 17 - bob, kBlack, 0.45);
  cairo_restore(cr);
  Ball(cr, cx, cy, 17.5, Hex(0x8A4A20), Hex(0x2E1206));
  Scatter sc(8);
  for (int i = 0; i < 14; ++i) {
    double a = sc.Range(0, 2 * kPi), r = sc.Range(5, 15);
    double x = cx + r * std::cos(a), y = cy + 4 + r * std::sin(a) * 0.75;
    cairo_new_path(cr);
    cairo_arc(cr, x, y, sc.Range(1.0, 1.7), 0, 2 * kPi);
    SetRgb(cr, Hex(0x2A0C04), 0.85);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_arc(cr, x - 0.4, y - 0.4, 0.5, 0, 2 * kPi);
    SetRgb(cr, Hex(0xC08050), 0.7);
    cairo_fill(cr);
  }
  // Custard poured over the top, running down in drips.
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 16.5, cy - 4);
  cairo_curve_to(cr, cx - 15, cy - 19, cx + 15, cy - 19, cx + 16.5, cy - 4);
  cairo_curve_to(cr, cx + 15, cy + 1, cx + 13, cy + 4, cx + 11.5, cy - 1);
  cairo_curve_to(cr, cx + 9, cy + 1, cx + 7, cy - 2, cx + 5, cy - 1);
  cairo_curve_to(cr, cx + 4, cy + 6, cx + 0, cy + 6, cx - 0.5, cy - 1);
  cairo_curve_to(cr, cx - 3, cy - 2, cx - 5, cy + 0, cx - 7, cy - 1.5);
  cairo_curve_to(cr, cx - 8, cy + 3, cx - 12, cy + 3, cx - 12.5, cy - 1);
  cairo_curve_to(cr, cx - 14, cy - 2, cx - 16, cy - 1, cx - 16.5, cy - 4);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(cx - 10, cy - 16, cx + 8, cy + 4);
  AddStops(p, {{0, Hex(0xFFFCEF)}, {1, Hex(0xE8D2A0)}});
  FillPreserveWith(cr, p);
  StrokeRgb(cr, 0.8, Hex(0xB89860), 0.7);
  // Holly sprig.
  Leaf(cr, cx, cy - 15, -2.6, 12, Hex(0x1F8A3A));
  Leaf(cr, cx, cy - 15, -0.55, 12, Hex(0x1F8A3A));
  const double berryGlint = 0.5 + 0.5 * std::sin(s * 2);
  for (int i = 0; i < 3; ++i) {
    double bx = cx - 3 + i * 3, by = cy - 16 - (i == 1 ? 2.5 : 0);
    Ball(cr, bx, by, 2.6, Hex(0xE0202A), Hex(0x700008));
  }
  Glint(cr, cx - 1, cy - 20, 3 + 2 * berryGlint, 0.5 + 0.4 * berryGlint);
}

// A cracker lying along the x axis around the origin.
void CrackerBody(cairo_t* cr, Rgb body, double shinePos) {
  const Rgb gold = Hex(0xF4C350);
  // Flared, zig-zag cut ends.
  for (int side = -1; side <= 1; side += 2) {
    cairo_new_path(cr);
    cairo_move_to(cr, side * 13, -5);
    cairo_line_to(cr, side * 16.5, -2.6);
    cairo_line_to(cr, side * 21, -7);
    for (int k = 0; k <= 5; ++k) cairo_line_to(cr, side * (k % 2 ? 22.8 : 21.2), -7 + k * 2.8);
    cairo_line_to(cr, side * 16.5, 2.6);
    cairo_line_to(cr, side * 13, 5);
    cairo_close_path(cr);
    FillVertical(cr, -7, 7, Lighten(body, 0.35), Darken(body, 0.45), 1, true);
    StrokeRgb(cr, 0.8, Darken(body, 0.6));
  }
  // Tube.
  RoundRect(cr, -13.5, -7.5, 27, 15, 3);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, -7.5, 0, 7.5);
  AddStops(p, {{0, Lighten(body, 0.45)}, {0.35, body}, {1, Darken(body, 0.5)}});
  FillPreserveWith(cr, p);
  StrokeRgb(cr, 0.9, Darken(body, 0.6));
  // Gold bands and a star in the middle.
  for (double x : {-10.0, 8.0}) {
    cairo_rectangle(cr, x, -7.5, 2.2, 15);
    FillVertical(cr, -7.5, 7.5, Lighten(gold, 0.4), Darken(gold, 0.35));
  }
  Polygon(cr, StarPoints(-1, 0, 5.2, 2.3, 5, -kPi / 2));
  FillVertical(cr, -5, 5, Lighten(gold, 0.5), Darken(gold, 0.2), 1, true);
  StrokeRgb(cr, 0.5, Darken(gold, 0.5), 0.8);
  // Moving glint along the tube.
  cairo_save(cr);
  RoundRect(cr, -13.5, -7.5, 27, 15, 3);
  cairo_clip(cr);
  cairo_rectangle(cr, -14, -6.2, 28, 2.2);
  SetRgb(cr, kWhite, 0.35);
  cairo_fill(cr);
  SoftGlow(cr, shinePos, -5, 5, kWhite, 0.55);
  cairo_restore(cr);
}

void Cracker(cairo_t* cr, double s, bool standing) {
  cairo_save(cr);
  cairo_translate(cr, 25, 25);
  if (standing) cairo_rotate(cr, kPi / 2);
  cairo_rotate(cr, 0.06 * std::sin(s));
  // Faint arrows at both ends tell which way the bang travels.
  for (int side = -1; side <= 1; side += 2) {
    cairo_new_path(cr);
    double x0 = side * (23.5 + 0.6 * std::sin(s * 2));
    cairo_move_to(cr, x0, -3.5);
    cairo_line_to(cr, x0 + side * 1.8, 0);
    cairo_line_to(cr, x0, 3.5);
    SetRgb(cr, kFrameGold, 0.9);
    cairo_fill(cr);
  }
  cairo_translate(cr, 0, 0.8 * std::sin(2 * s));
  CrackerBody(cr, standing ? Hex(0x1E9A4A) : Hex(0xD42232), -14 + 28 * (0.5 + 0.5 * std::sin(s)));
  cairo_restore(cr);
}

// A shooting star: a small bright star flying up to the right on a long trail of
// light. Nothing on the board has its lean or its tail, so it never passes for a gem.
void ShootingStar(cairo_t* cr, double s) {
  const Pt head{34, 15};
  // Three streaks fanning out behind the star, shimmering along their length.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const double spread[3] = {-5.5, 0, 5.5};
  for (int i = 0; i < 3; ++i) {
    const double shimmer = 0.5 + 0.5 * std::sin(s + i * 2 * kPi / 3);
    const double tx = 5 + 1.5 * i, ty = 44 - 1.5 * i + spread[i] * 0.3;
    cairo_pattern_t* p = cairo_pattern_create_linear(head.x, head.y, tx, ty);
    AddStops(p, {{0, Hex(0xFFF6C8), 0.95}, {0.45, kFrameGold, 0.55 + 0.25 * shimmer}, {1, Hex(0xFF9A30), 0}});
    cairo_new_path(cr);
    cairo_move_to(cr, head.x + spread[i] * 0.35, head.y + spread[i] * 0.35);
    cairo_curve_to(cr, head.x - 10 + spread[i], head.y + 12 + spread[i] * 0.4, tx + 10, ty - 6 + spread[i] * 0.2, tx,
                   ty);
    cairo_set_source(cr, p);
    cairo_set_line_width(cr, i == 1 ? 5.5 : 3.2);
    cairo_stroke(cr);
    cairo_pattern_destroy(p);
  }
  // Sparks shed along the trail, drifting back one trail length per loop.
  for (int i = 0; i < 4; ++i) {
    const double t = std::fmod(s / (2 * kPi) + i / 4.0, 1.0);
    const double x = head.x - 6 - t * 24 + 3 * std::sin(i * 1.7), y = head.y + 8 + t * 22 + 2 * std::cos(i * 2.3);
    Glint(cr, x, y, 2.4, (1 - t) * 0.85, Hex(0xFFE8A0));
  }
  SoftGlow(cr, head.x, head.y, 15, Hex(0xFFE090), 0.75);
  // The star itself, tilted along its flight and pulsing gently.
  const double k = 1 + 0.06 * std::sin(s);
  cairo_save(cr);
  cairo_translate(cr, head.x, head.y);
  cairo_rotate(cr, 0.35);
  cairo_scale(cr, k, k);
  cairo_translate(cr, -head.x, -head.y);
  FacetedStone(cr, StarPoints(head.x, head.y, 13, 5.6, 5, -kPi / 2), head, Hex(0xFFD24A), 0.45);
  cairo_restore(cr);
  const double tw = std::pow(0.5 + 0.5 * std::sin(s * 3), 3);
  Glint(cr, head.x + 1, head.y - 1, 4 + 7 * tw, 0.3 + 0.7 * tw);
}

void Snowman(cairo_t* cr, double s) {
  cairo_save(cr);
  cairo_translate(cr, 25, 47);
  cairo_rotate(cr, 0.07 * std::sin(s));
  cairo_translate(cr, -25, -47);
  const Rgb snow = Hex(0xFAFCFF), snowShade = Hex(0x8EA6D8);
  Ball(cr, 25, 35, 12, snow, snowShade);
  Ball(cr, 25, 19.5, 8.5, snow, snowShade);
  // Scarf.
  cairo_new_path(cr);
  cairo_move_to(cr, 17.5, 25);
  cairo_curve_to(cr, 21, 28.5, 29, 28.5, 32.5, 25);
  cairo_line_to(cr, 32.5, 28);
  cairo_curve_to(cr, 29, 31.5, 21, 31.5, 17.5, 28);
  cairo_close_path(cr);
  FillVertical(cr, 25, 31, Hex(0xF03040), Hex(0x901020));
  cairo_new_path(cr);
  double tail = 1.2 * std::sin(s * 2);
  cairo_move_to(cr, 28, 28.5);
  cairo_line_to(cr, 31.5 + tail, 37);
  cairo_line_to(cr, 27.5 + tail, 37.5);
  cairo_line_to(cr, 25.5, 29.5);
  cairo_close_path(cr);
  FillVertical(cr, 28, 38, Hex(0xE02838), Hex(0x901020));
  // Coal buttons, eyes and the carrot nose.
  for (double y : {33.0, 38.5}) {
    cairo_new_path(cr);
    cairo_arc(cr, 25, y, 1.3, 0, 2 * kPi);
    SetRgb(cr, Hex(0x202030));
    cairo_fill(cr);
  }
  for (double x : {22.0, 28.0}) {
    cairo_new_path(cr);
    cairo_arc(cr, x, 18, 1.2, 0, 2 * kPi);
    SetRgb(cr, Hex(0x181828));
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, 25, 19.8);
  cairo_line_to(cr, 32, 21.8);
  cairo_line_to(cr, 25, 22.6);
  cairo_close_path(cr);
  SetRgb(cr, Hex(0xF08020));
  cairo_fill(cr);
  // Top hat with a holly band.
  cairo_rectangle(cr, 17, 12, 16, 2.2);
  FillVertical(cr, 12, 14.2, Hex(0x505070), Hex(0x181828));
  cairo_rectangle(cr, 19.5, 3, 11, 9.5);
  FillVertical(cr, 3, 12.5, Hex(0x4A4A68), Hex(0x141424));
  cairo_rectangle(cr, 19.5, 9.5, 11, 2);
  SetRgb(cr, Hex(0xD02030));
  cairo_fill(cr);
  cairo_restore(cr);
}

void SnowballPiece(cairo_t* cr, double s) {
  const double bob = 1.0 * std::sin(s);
  const double cx = 27, cy = 26 + bob;
  // Speed lines trailing to the left: it is thrown.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 3; ++i) {
    double y = cy - 7 + i * 7, len = 7 + 2 * std::sin(s + i * 2.1);
    cairo_new_path(cr);
    cairo_move_to(cr, 3, y);
    cairo_line_to(cr, 3 + len, y);
    StrokeRgb(cr, 2, kIce, 0.7);
  }
  Ball(cr, cx, cy, 16, Hex(0xFFFFFF), Hex(0x7F98D0));
  // Clumps of packed snow turning once per loop.
  Scatter sc(13);
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, 15.5, 0, 2 * kPi);
  cairo_clip(cr);
  for (int i = 0; i < 16; ++i) {
    double a = sc.Range(0, 2 * kPi) + s, r = sc.Range(3, 14);
    double x = cx + r * std::cos(a), y = cy + r * std::sin(a) * 0.9;
    cairo_new_path(cr);
    cairo_arc(cr, x, y, sc.Range(1.2, 2.4), 0, 2 * kPi);
    SetRgb(cr, Hex(0xA8BCE6), 0.45);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  SoftGlow(cr, cx - 6, cy - 7, 7, kWhite, 0.8);
  const double tw = std::pow(0.5 + 0.5 * std::sin(s * 2 + 1), 4);
  Glint(cr, cx + 8, cy - 9, 2 + 4 * tw, tw);
}

void Match(cairo_t* cr, double s) {
  // Stick, leaning to the right.
  cairo_save(cr);
  cairo_translate(cr, 16, 47);
  cairo_rotate(cr, 0.42);
  RoundRect(cr, -3.4, -24, 6.8, 24, 1.6);
  cairo_pattern_t* p = cairo_pattern_create_linear(-3.4, 0, 3.4, 0);
  AddStops(p, {{0, Hex(0xF6DCA0)}, {1, Hex(0xB0803C)}});
  FillWith(cr, p);
  // Head.
  cairo_save(cr);
  cairo_translate(cr, 0, -25);
  cairo_scale(cr, 1, 1.3);
  Ball(cr, 0, 0, 5.6, Hex(0xE82828), Hex(0x600808));
  cairo_restore(cr);
  // Flame: two tongues that flicker at whole multiples of the loop.
  const double flick = 1 + 0.12 * std::sin(2 * s) + 0.06 * std::sin(3 * s + 1);
  const double sway = 1.2 * std::sin(s + 0.5);
  cairo_translate(cr, 0, -28);
  cairo_rotate(cr, -0.42);
  SoftGlow(cr, 0, -8, 17, Hex(0xFFB040), 0.55);
  for (int layer = 0; layer < 3; ++layer) {
    double k = 1 - layer * 0.3;
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 2);
    cairo_curve_to(cr, -7 * k, 0, -6 * k, -10 * k * flick, sway * k, -19 * k * flick);
    cairo_curve_to(cr, 5 * k, -10 * k * flick, 7 * k, -1, 0, 2);
    cairo_close_path(cr);
    Rgb colours[3] = {Hex(0xF04010), Hex(0xFFA020), Hex(0xFFF8C0)};
    SetRgb(cr, colours[layer], layer == 0 ? 0.85 : 0.95);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  // Sparks rising.
  for (int i = 0; i < 3; ++i) {
    double t = std::fmod(s / (2 * kPi) + i / 3.0, 1.0);
    double x = 33 + 5 * std::sin(t * 7 + i), y = 16 - t * 12;
    Glint(cr, x, y, 2.2, (1 - t) * 0.9, Hex(0xFFD060));
  }
}

void Sack(cairo_t* cr, double s) {
  const double bob = 0.8 * std::sin(s);
  cairo_save(cr);
  cairo_translate(cr, 0, bob);
  // Presents peeking out of the neck.
  cairo_save(cr);
  cairo_translate(cr, 18, 13);
  cairo_rotate(cr, -0.25);
  cairo_rectangle(cr, -6, -6, 12, 12);
  FillVertical(cr, -6, 6, Hex(0xF04050), Hex(0x901828));
  cairo_rectangle(cr, -1.2, -6, 2.4, 12);
  SetRgb(cr, Hex(0xFFD860));
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_translate(cr, 31, 12);
  cairo_rotate(cr, 0.2);
  cairo_rectangle(cr, -5.5, -7, 11, 11);
  FillVertical(cr, -7, 4, Hex(0x40C070), Hex(0x186838));
  cairo_rectangle(cr, -5.5, -2.6, 11, 2.2);
  SetRgb(cr, Hex(0xFFFFFF), 0.9);
  cairo_fill(cr);
  cairo_restore(cr);
  // The sack.
  cairo_new_path(cr);
  cairo_move_to(cr, 14, 18);
  cairo_curve_to(cr, 20, 21, 30, 21, 36, 18);
  cairo_curve_to(cr, 38, 22, 34, 24, 37, 28);
  cairo_curve_to(cr, 45, 36, 44, 47, 25, 47);
  cairo_curve_to(cr, 6, 47, 5, 36, 13, 28);
  cairo_curve_to(cr, 16, 24, 12, 22, 14, 18);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(19, 28, 2, 25, 34, 20);
  AddStops(p, {{0, Hex(0xD8A468)}, {0.6, Hex(0xA06A34)}, {1, Hex(0x5A3414)}});
  FillPreserveWith(cr, p);
  StrokeRgb(cr, 1, Hex(0x3A200A));
  // Gold rope at the neck.
  cairo_new_path(cr);
  cairo_move_to(cr, 14, 24);
  cairo_curve_to(cr, 20, 27, 30, 27, 36, 24);
  StrokeRgb(cr, 2.4, Hex(0xFFD060));
  // A stitched question mark: what comes out is a surprise.
  TextPathCentred(cr, UiFont(), 17, "?", 25, 37);
  SetRgb(cr, Hex(0xFFE090), 0.95);
  cairo_fill_preserve(cr);
  StrokeRgb(cr, 0.6, Hex(0x6A3A10), 0.8);
  cairo_restore(cr);
  // Twinkles taking turns.
  const Pt spots[3] = {{8, 14}, {42, 10}, {43, 33}};
  for (int i = 0; i < 3; ++i) {
    double tw = std::pow(std::max(0.0, std::sin(s + i * 2 * kPi / 3)), 3);
    Glint(cr, spots[i].x, spots[i].y, 2 + 4 * tw, tw);
  }
}

// The bang that flies out of a cracker along its row or column.
void CrackerBang(cairo_t* cr) {
  SoftGlow(cr, 25, 25, 24, Hex(0xFFD070), 0.8);
  cairo_save(cr);
  Polygon(cr, StarPoints(25, 25, 22, 8, 8, 0));
  cairo_pattern_t* p = cairo_pattern_create_radial(25, 25, 2, 25, 25, 22);
  AddStops(p, {{0, kWhite}, {0.4, Hex(0xFFE080)}, {1, Hex(0xF08020), 0.6}});
  FillWith(cr, p);
  cairo_restore(cr);
  Glint(cr, 25, 25, 12, 1);
}

}  // namespace

void DrawBonus(cairo_t* cr, int type, double phase) {
  const double s = 2 * kPi * phase;
  cairo_save(cr);
  switch (type) {
    case 8: Pudding(cr, s); break;
    case 9: Cracker(cr, s, false); break;
    case 10: Cracker(cr, s, true); break;
    case 11: ShootingStar(cr, s); break;
    case 12: Snowman(cr, s); break;
    case 13: SnowballPiece(cr, s); break;
    case 14: Match(cr, s); break;
    default: Sack(cr, s); break;
  }
  cairo_restore(cr);
}

bool WriteBonusPieces(const std::string& root) {
  const std::string dir = GraphicsDir(root);
  bool ok = true;
  for (int type = 8; type <= 15; ++type) {
    TCanvas strip(500, 250);
    for (int f = 0; f < 50; ++f) {
      cairo_save(strip.Cr());
      cairo_translate(strip.Cr(), (f % 10) * 50, (f / 10) * 50);
      cairo_rectangle(strip.Cr(), 0, 0, 50, 50);
      cairo_clip(strip.Cr());
      DrawBonus(strip.Cr(), type, f / 50.0);
      cairo_restore(strip.Cr());
    }
    BakePieceShadows(strip, 50);
    ok &= strip.SavePng(dir + "bonus" + std::to_string(type) + "idle.png");
  }
  TCanvas bang(50, 50);
  CrackerBang(bang.Cr());
  ok &= bang.SavePng(dir + "bonus9activate.png");
  return ok;
}
