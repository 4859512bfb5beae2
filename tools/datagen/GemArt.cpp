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

// Outlines are chosen so that no two gems share much of their solid shape (a large
// round, a wide hexagon, a tall lozenge, a tall step-cut bar, a leaning drop, a
// triangle, a heart), and colours so that they stay apart in lightness and blue-yellow
// for eyes that do not tell red from green.
GemDesign Design(int type) {
  switch (type) {
    case 1: {  // round ruby, brilliant cut, filling the cell
      return {Hex(0xB8102E), RegularPolygon(25, 25, 23.5, 16, -kPi / 2), {25, 25}, 0.56};
    }
    case 2: {  // amber hexagon, cut wide and low
      return {Hex(0xD8600A), {{1, 25}, {14, 12}, {36, 12}, {49, 25}, {36, 38}, {14, 38}}, {25, 25}, 0.55};
    }
    case 3: {  // pale topaz lozenge: a tall diamond standing on its point
      const std::vector<Pt> tips{{25, 1.5}, {42, 25}, {25, 48.5}, {8, 25}};
      std::vector<Pt> pts;
      for (size_t i = 0; i < tips.size(); ++i) {
        const Pt a = tips[i], b = tips[(i + 1) % tips.size()];
        pts.push_back(a);
        pts.push_back({(a.x + b.x) / 2, (a.y + b.y) / 2});
      }
      return {Hex(0xFFE850), pts, {25, 25}, 0.5};
    }
    case 4: {  // emerald, a tall step-cut bar with chamfered corners
      const double l = 12, t = 2, r = 38, b = 48, c = 5;
      return {Hex(0x20B890),
              {{l + c, t}, {r - c, t}, {r, t + c}, {r, b - c}, {r - c, b}, {l + c, b}, {l, b - c}, {l, t + c}},
              {25, 25},
              0.58};
    }
    case 5: {  // sapphire drop, leaning with its tip to the top right
      std::vector<Pt> pts{{25, 1}};
      const double cx = 25, cy = 30, rr = 16.5;
      for (int i = 0; i <= 12; ++i) {
        const double a = -kPi / 2 + 0.6 + (2 * kPi - 1.2) * i / 12.0;
        pts.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
      }
      const double lean = 40 * kPi / 180, cs = std::cos(lean), sn = std::sin(lean);
      auto turn = [&](Pt p) {
        return Pt{24 + (p.x - 25) * cs - (p.y - 27) * sn, 27 + (p.x - 25) * sn + (p.y - 27) * cs};
      };
      for (Pt& p : pts) p = turn(p);
      return {Hex(0x1850D8), pts, turn({25, 29.5}), 0.52};
    }
    case 6: {  // amethyst trillion (triangle with clipped corners)
      std::vector<Pt> tri = RegularPolygon(25, 29, 28, 3, -kPi / 2);
      std::vector<Pt> pts;
      for (size_t i = 0; i < 3; ++i) {
        Pt a = tri[i], prev = tri[(i + 2) % 3], next = tri[(i + 1) % 3];
        const double k = 0.12;
        pts.push_back({a.x + (prev.x - a.x) * k, a.y + (prev.y - a.y) * k});
        pts.push_back({a.x + (next.x - a.x) * k, a.y + (next.y - a.y) * k});
      }
      return {Hex(0xE888F8), pts, {25, 30}, 0.5};
    }
    default: {  // frost heart, the one gem with a notch
      std::vector<Pt> pts;
      for (int i = 0; i < 24; ++i) {
        const double t = 2 * kPi * i / 24;
        const double x = 16 * std::pow(std::sin(t), 3);
        const double y = -(13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t));
        pts.push_back({25 + 1.4 * x, 21 + 1.4 * y});
      }
      return {Hex(0xDCE8F4), pts, {25, 23}, 0.55};
    }
  }
}

}  // namespace

void DrawGem(cairo_t* cr, int type, double shine) {
  GemDesign d = Design(type);
  cairo_save(cr);
  FacetedStone(cr, d.outline, d.centre, d.colour, d.table);
  if (type == 7) {
    // Frost etched into the heart's table.
    Snowflake(cr, d.centre.x - 1, d.centre.y, 8, 1.1, Hex(0x7FA8D8), 0.7);
    Snowflake(cr, d.centre.x - 1.5, d.centre.y - 0.5, 8, 0.6, kWhite, 0.8);
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
  BakePieceShadows(strip, 50);
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
    BakePieceShadows(anim, 50);
    ok &= anim.SavePng(dir + "gem" + std::to_string(type) + "anim.png");
  }
  return ok;
}
