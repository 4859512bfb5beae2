// Particles and floating pictures: glowing soft shapes on transparency, bright
// enough to read when the game adds them on top of the board.
#include <cmath>
#include <string>
#include <vector>

#include "ArtKit.h"
#include "Canvas.h"
#include "Pattern.h"
#include "Pictures.h"

using namespace art;

namespace {

bool SaveFlake(const std::string& path, int size, double armWidth) {
  TCanvas c(size, size);
  const double h = size / 2.0;
  SoftGlow(c.Cr(), h, h, h, Hex(0xCFE8FF), 0.45);
  Snowflake(c.Cr(), h, h, h * 0.86, armWidth, kWhite, 1.0);
  return c.SavePng(path);
}

bool SaveGlint(const std::string& path, int size, Rgb colour) {
  TCanvas c(size, size);
  const double h = size / 2.0;
  SoftGlow(c.Cr(), h, h, h, colour, 0.55);
  Glint(c.Cr(), h, h, h * 0.95, 1.0, colour);
  SoftGlow(c.Cr(), h, h, h * 0.3, kWhite, 1.0);
  return c.SavePng(path);
}

bool SaveScore(const std::string& path, int value) {
  const std::string text = std::to_string(value);
  // Higher values burn hotter: icy white for 10, through gold, to rose for 100.
  const Rgb tiers[9] = {Hex(0xD8F0FF), Hex(0xB8E4FF), Hex(0xA8F0C8), Hex(0xE8F890), Hex(0xFFE070),
                        Hex(0xFFC050), Hex(0xFFA050), Hex(0xFF8070), Hex(0xFF70C0)};
  const int tier = value >= 100 ? 8 : value / 10 - 1;
  const Rgb colour = tiers[tier];
  const double size = value >= 100 ? 26 : 22;
  TCanvas probe(8, 8);
  TextBox box = MeasureText(probe.Cr(), UiFont(), size, text);
  const int w = int(std::ceil(box.width)) + 16, h = int(std::ceil(box.height)) + 16;
  TCanvas c(w, h);
  cairo_t* cr = c.Cr();
  cairo_save(cr);
  cairo_translate(cr, w / 2.0, h / 2.0);
  cairo_scale(cr, (box.width + 14) / 2, (box.height + 12) / 2);
  SoftGlow(cr, 0, 0, 1, colour, 0.45);
  cairo_restore(cr);
  TextPathCentred(cr, UiFont(), size, text, w / 2.0, h / 2.0);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetRgb(cr, Darken(colour, 0.25), 0.8);
  cairo_set_line_width(cr, 2.4);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, h / 2.0 - box.height / 2, 0, h / 2.0 + box.height / 2);
  AddStops(p, {{0, kWhite}, {0.5, Lighten(colour, 0.3)}, {1, colour}});
  FillWith(cr, p);
  return c.SavePng(path);
}

// A splinter of ice tumbling: cell i of the strip is turned i/50 of a full turn.
bool SaveShards(const std::string& path, int cell, const std::vector<Pt>& shape) {
  TCanvas c(cell * 10, cell * 5);
  cairo_t* cr = c.Cr();
  for (int f = 0; f < 50; ++f) {
    cairo_save(cr);
    cairo_translate(cr, (f % 10) * cell + cell / 2.0, (f / 10) * cell + cell / 2.0);
    cairo_rotate(cr, 2 * kPi * f / 50);
    // Light stays at the top left while the shard turns.
    SoftGlow(cr, 0, 0, cell * 0.45, Hex(0xBFE6FF), 0.35);
    Polygon(cr, shape);
    cairo_pattern_t* p = cairo_pattern_create_linear(-cell / 3.0, -cell / 3.0, cell / 3.0, cell / 3.0);
    double turn = std::cos(2 * kPi * f / 50);
    AddStops(p, {{0, kWhite, 0.95}, {0.5, Mix(Hex(0xA8DAFF), kWhite, 0.3 + 0.3 * turn), 0.85},
        {1, Hex(0x5898E0), 0.8}});
    FillPreserveWith(cr, p);
    StrokeRgb(cr, 0.8, kWhite, 0.9);
    cairo_new_path(cr);
    cairo_move_to(cr, shape[0].x, shape[0].y);
    cairo_line_to(cr, shape[shape.size() / 2].x, shape[shape.size() / 2].y);
    StrokeRgb(cr, 0.6, kWhite, 0.6);
    cairo_restore(cr);
  }
  return c.SavePng(path);
}

// The map's stars must tell their state at a glance, in colour or not: a level played
// (or open) is a bright gold stone; a locked one is a dark hollow star with a pale
// rim, so it reads on the night map without looking like a prize already won. The
// map draws the current level with the gold picture, scaled up and pulsing.
bool SaveMapStar(const std::string& path, bool active, bool hover) {
  TCanvas c(24, 24);
  cairo_t* cr = c.Cr();
  std::vector<Pt> star = StarPoints(12, 12.6, 10.5, 4.6, 5, -kPi / 2);
  auto outline = [&] {
    cairo_new_path(cr);
    cairo_move_to(cr, star[0].x, star[0].y);
    for (const Pt& p : star) cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
  };
  if (active) {
    if (hover) SoftGlow(cr, 12, 12, 12, kFrameGold, 0.8);
    const Rgb base = Hex(0xFFC828);
    FacetedStone(cr, star, {12, 12.6}, hover ? Lighten(base, 0.25) : base, 0.45);
    outline();
    StrokeRgb(cr, 1.0, Hex(0x6A3C08), 0.9);
    Glint(cr, 8.5, 8, 3.5, 0.9);
    return c.SavePng(path);
  }
  if (hover) SoftGlow(cr, 12, 12, 12, Hex(0xC0D0FF), 0.55);
  outline();
  SetRgb(cr, hover ? Hex(0x3A4470) : Hex(0x1C2242), 0.95);
  cairo_fill_preserve(cr);
  StrokeRgb(cr, 1.6, hover ? Hex(0xE0E8FF) : Hex(0x98A4C8), 1.0);
  return c.SavePng(path);
}

}  // namespace

bool WriteEffects(const std::string& root) {
  const std::string dir = GraphicsDir(root);
  bool ok = true;
  {
    TCanvas c(50, 50);
    cairo_t* cr = c.Cr();
    cairo_pattern_t* p = cairo_pattern_create_radial(25, 25, 12, 25, 25, 25);
    AddStops(p, {{0, Hex(0xC8E8FF), 0}, {0.6, kWhite, 0.95}, {0.8, Hex(0xA8D8FF), 0.45}, {1, Hex(0x80C0FF), 0}});
    PaintWith(cr, p);
    ok &= c.SavePng(dir + "particlering.png");
  }
  ok &= SaveFlake(dir + "snowflake.png", 16, 1.4);
  ok &= SaveFlake(dir + "snowflakesmall.png", 10, 1.1);
  ok &= SaveFlake(dir + "snowflakelarge.png", 26, 1.8);
  ok &= SaveGlint(dir + "sparkle.png", 16, Hex(0xE8F4FF));
  ok &= SaveGlint(dir + "sparklegold.png", 16, kFrameGold);
  {
    // Fireball: a hot white core in an orange halo.
    TCanvas c(24, 24);
    SoftGlow(c.Cr(), 12, 12, 12, Hex(0xFF6010), 0.9);
    SoftGlow(c.Cr(), 12, 12, 8, Hex(0xFFB030), 1.0);
    SoftGlow(c.Cr(), 12, 12, 4, Hex(0xFFF8D0), 1.0);
    ok &= c.SavePng(dir + "particle7.png");
  }
  {
    // Gold dust mote.
    TCanvas c(10, 10);
    SoftGlow(c.Cr(), 5, 5, 5, Hex(0xFFC840), 1.0);
    SoftGlow(c.Cr(), 5, 5, 2, Hex(0xFFFAE0), 1.0);
    ok &= c.SavePng(dir + "particle8.png");
  }
  for (int v : {10, 20, 30, 40, 50, 60, 70, 80, 100})
    ok &= SaveScore(dir + "score" + std::to_string(v) + ".png", v);
  ok &= SaveShards(dir + "iceshard.png", 32, {{-3, -13}, {6, -7}, {9, 6}, {1, 13}, {-7, 5}, {-8, -6}});
  ok &= SaveShards(dir + "iceshard2.png", 30, {{0, -13}, {5, -2}, {3, 12}, {-2, 12}, {-5, -1}});
  ok &= SaveMapStar(dir + "starinactive.png", false, false);
  ok &= SaveMapStar(dir + "staractive.png", true, false);
  ok &= SaveMapStar(dir + "starinactiveMO.png", false, true);
  ok &= SaveMapStar(dir + "staractiveMO.png", true, true);
  return ok;
}
