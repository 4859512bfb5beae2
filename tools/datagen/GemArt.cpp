// The seven ordinary gems: each has its own cut as well as its own colour, so the
// board reads without colour vision. Their mouse-over strips sweep a light
// across the stone and come back to the resting picture.
#include <cmath>
#include <string>
#include <vector>

#include "ArtKit.h"
#include "Canvas.h"
#include "Pictures.h"

using namespace art;

namespace {

struct GemDesign {
  Rgb colour;
  std::vector<Pt> outline;
  Pt centre;
  double table;
};

GemDesign Design(int type) {
  switch (type) {
    case 1: {  // round ruby, brilliant cut
      return {Hex(0xD0102A), RegularPolygon(25, 25, 21.5, 16, -kPi / 2), {25, 25}, 0.56};
    }
    case 2: {  // amber hexagon, cut wide and low so it never reads as the round ruby
      std::vector<Pt> hex = RegularPolygon(25, 25, 23.5, 6, 0);
      for (Pt& p : hex) p.y = 25 + (p.y - 25) * 0.82;
      return {Hex(0xF58A14), hex, {25, 25}, 0.55};
    }
    case 3: {  // topaz star
      return {Hex(0xF7D320), StarPoints(25, 26.5, 24, 12.5, 5, -kPi / 2), {25, 26.5}, 0.5};
    }
    case 4: {  // emerald, step-cut rectangle with chamfered corners
      const double l = 6.5, t = 3.5, r = 43.5, b = 46.5, c = 8;
      return {Hex(0x149A40),
              {{l + c, t}, {r - c, t}, {r, t + c}, {r, b - c}, {r - c, b}, {l + c, b}, {l, b - c}, {l, t + c}},
              {25, 25},
              0.58};
    }
    case 5: {  // sapphire teardrop
      std::vector<Pt> pts{{25, 3}};
      const double cx = 25, cy = 30.5, rr = 16.5;
      for (int i = 0; i <= 12; ++i) {
        double a = -kPi / 2 + 0.72 + (2 * kPi - 1.44) * i / 12.0;
        pts.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
      }
      return {Hex(0x2F86F0), pts, {25, 30}, 0.52};
    }
    case 6: {  // amethyst trillion (triangle with clipped corners)
      std::vector<Pt> tri = RegularPolygon(25, 29, 27, 3, -kPi / 2);
      std::vector<Pt> pts;
      for (size_t i = 0; i < 3; ++i) {
        Pt a = tri[i], prev = tri[(i + 2) % 3], next = tri[(i + 1) % 3];
        const double k = 0.12;
        pts.push_back({a.x + (prev.x - a.x) * k, a.y + (prev.y - a.y) * k});
        pts.push_back({a.x + (next.x - a.x) * k, a.y + (next.y - a.y) * k});
      }
      return {Hex(0x9A3CD8), pts, {25, 30}, 0.5};
    }
    default: {  // silver snow crystal: six-pointed
      return {Hex(0xDCE8F4), StarPoints(25, 25, 23.5, 14, 6, -kPi / 2), {25, 25}, 0.55};
    }
  }
}

}  // namespace

void DrawGem(cairo_t* cr, int type, double shine) {
  GemDesign d = Design(type);
  cairo_save(cr);
  FacetedStone(cr, d.outline, d.centre, d.colour, d.table);
  if (type == 7) {
    // Frost etched into the crystal's table.
    Snowflake(cr, d.centre.x - 1, d.centre.y - 1, 9.5, 1.1, Hex(0x7FA8D8), 0.7);
    Snowflake(cr, d.centre.x - 1.5, d.centre.y - 1.5, 9.5, 0.6, kWhite, 0.8);
  }
  if (type == 1) {
    // A second glint gives the ruby its fire.
    Glint(cr, 33, 33, 3.5, 0.35);
  }
  if (shine > 0 && shine < 1) {
    Polygon(cr, d.outline);
    cairo_clip(cr);
    // A soft band running from the top-left corner to the bottom-right.
    const double c = -20 + shine * 140;
    cairo_pattern_t* p = cairo_pattern_create_linear(c / 2 - 6, c / 2 - 6, c / 2 + 6, c / 2 + 6);
    AddStop(p, 0, kWhite, 0);
    AddStop(p, 0.5, kWhite, 0.75);
    AddStop(p, 1, kWhite, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    cairo_reset_clip(cr);
    double twinkle = std::pow(std::sin(kPi * shine), 2);
    if (twinkle > 0.01) Glint(cr, d.centre.x - 7, d.centre.y - 9, 4 + 6 * twinkle, twinkle * 0.9);
  }
  cairo_restore(cr);
}

bool WriteGems(const std::string& root) {
  const std::string dir = GraphicsDir(root);
  bool ok = true;
  TCanvas strip(350, 50);
  for (int type = 1; type <= 7; ++type) {
    cairo_save(strip.Cr());
    cairo_translate(strip.Cr(), (type - 1) * 50, 0);
    DrawGem(strip.Cr(), type);
    cairo_restore(strip.Cr());
  }
  ok &= strip.SavePng(dir + "gems.png");

  // Mouse-over strips: 50 cells in 10 columns x 5 rows; the sweep runs over
  // frames 0-27 (0-26 for the emerald), the rest hold the resting picture.
  for (int type = 1; type <= 7; ++type) {
    const int last = (type == 4) ? 26 : 27;
    TCanvas anim(500, 250);
    for (int f = 0; f < 50; ++f) {
      double shine = f <= last ? double(f) / last : 0;
      if (shine >= 1) shine = 0;
      cairo_save(anim.Cr());
      cairo_translate(anim.Cr(), (f % 10) * 50, (f / 10) * 50);
      DrawGem(anim.Cr(), type, shine);
      cairo_restore(anim.Cr());
    }
    ok &= anim.SavePng(dir + "gem" + std::to_string(type) + "anim.png");
  }
  return ok;
}
