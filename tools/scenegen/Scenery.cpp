#include "Scenery.h"

#include <cmath>
#include <utility>

#include "Pattern.h"

namespace {
constexpr double kPi = 3.14159265358979;

cairo_pattern_t* Vertical(double y0, double y1, const TColour& a, const TColour& b) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  AddStops(p, {{0, a}, {1, b}});
  return p;
}

// A smooth random profile: a few sine waves of random phase.
struct TWaves {
  double amp[4], freq[4], phase[4];
  TWaves(TSceneRandom& rng, double waves) {
    for (int i = 0; i < 4; ++i) {
      amp[i] = rng.Real(0.4, 1.0) / double(i + 1);
      freq[i] = waves * (i + 1) * rng.Real(0.7, 1.3) * 2 * kPi / 800.0;
      phase[i] = rng.Real(0, 2 * kPi);
    }
  }
  double At(double x) const {
    double v = 0, norm = 0;
    for (int i = 0; i < 4; ++i) {
      v += amp[i] * std::sin(x * freq[i] + phase[i]);
      norm += amp[i];
    }
    return v / norm;
  }
};
}  // namespace

namespace Scenery {

void Sky(TCanvas& c, const TSkyColours& sky, double horizonY, double glowX) {
  cairo_t* cr = c.Cr();
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, horizonY);
  AddStops(p, {{0, sky.top}, {0.5, sky.mid}, {0.85, sky.low}, {1, sky.horizon}});
  cairo_rectangle(cr, 0, 0, c.Width(), c.Height());
  FillWith(cr, p);
  // Village lights warm the low sky.
  cairo_save(cr);
  cairo_translate(cr, glowX, horizonY);
  cairo_scale(cr, 2.6, 1);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, horizonY * 0.5);
  AddStops(g, {{0, TColour::Rgb(255, 170, 120, 0.28)}, {1, TColour::Rgb(255, 140, 120, 0)}});
  cairo_arc(cr, 0, 0, horizonY * 0.5, 0, 2 * kPi);
  FillWith(cr, g);
  cairo_restore(cr);
}

void Stars(TCanvas& c, TSceneRandom& rng, int count, double bottomY) {
  cairo_t* cr = c.Cr();
  for (int i = 0; i < count; ++i) {
    const double x = rng.Real(0, c.Width());
    // Denser high up, thinning towards the glow of the horizon.
    const double t = rng.Real(0, 1);
    const double y = bottomY * t * t;
    const double fade = 1.0 - y / bottomY;
    const double r = rng.Real(0.4, 1.3);
    const double a = rng.Real(0.3, 1.0) * (0.3 + 0.7 * fade);
    TColour tint = rng.Chance(0.2) ? TColour::Rgb(255, 230, 190) : TColour::Rgb(220, 230, 255);
    tint.WithAlpha(a).Set(cr);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill(cr);
    if (r > 1.1 && rng.Chance(0.35)) {
      // A few bright ones twinkle with a soft cross.
      cairo_save(cr);
      cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
      const double len = rng.Real(5, 10);
      for (int k = 0; k < 2; ++k) {
        cairo_pattern_t* p = k == 0 ? cairo_pattern_create_linear(x - len, y, x + len, y)
                                    : cairo_pattern_create_linear(x, y - len, x, y + len);
        AddStops(p, {{0, tint.WithAlpha(0)}, {0.5, tint.WithAlpha(a * 0.8)}, {1, tint.WithAlpha(0)}});
        if (k == 0) cairo_rectangle(cr, x - len, y - 0.6, len * 2, 1.2);
        else cairo_rectangle(cr, x - 0.6, y - len, 1.2, len * 2);
        FillWith(cr, p);
      }
      cairo_pattern_t* h = cairo_pattern_create_radial(x, y, 0, x, y, 4);
      AddStops(h, {{0, tint.WithAlpha(a * 0.5)}, {1, tint.WithAlpha(0)}});
      cairo_arc(cr, x, y, 4, 0, 2 * kPi);
      FillWith(cr, h);
      cairo_restore(cr);
    }
  }
}

void Moon(TCanvas& c, double cx, double cy, double r) {
  cairo_t* cr = c.Cr();
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_pattern_t* halo = cairo_pattern_create_radial(cx, cy, r * 0.8, cx, cy, r * 5);
  AddStops(halo, {{0, TColour::Rgb(200, 190, 255, 0.35)}, {0.35, TColour::Rgb(120, 110, 200, 0.12)},
      {1, TColour::Rgb(60, 60, 140, 0)}});
  cairo_arc(cr, cx, cy, r * 5, 0, 2 * kPi);
  FillWith(cr, halo);
  cairo_restore(cr);

  cairo_pattern_t* disc = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.35, r * 0.1, cx, cy, r);
  AddStops(disc, {{0, TColour::Rgb(255, 252, 236)}, {0.6, Palette::Moon}, {1, TColour::Rgb(232, 214, 190)}});
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  FillWith(cr, disc);
  // Soft grey seas.
  const double seas[][3] = {{-0.3, -0.2, 0.28}, {0.25, 0.1, 0.22}, {-0.05, 0.4, 0.18}, {0.35, -0.38, 0.12}};
  cairo_save(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_clip(cr);
  for (auto& s : seas) {
    const double sx = cx + s[0] * r, sy = cy + s[1] * r, sr = s[2] * r;
    cairo_pattern_t* p = cairo_pattern_create_radial(sx, sy, 0, sx, sy, sr);
    AddStops(p, {{0, TColour::Rgb(190, 176, 170, 0.45)}, {1, TColour::Rgb(190, 176, 170, 0)}});
    cairo_arc(cr, sx, sy, sr, 0, 2 * kPi);
    FillWith(cr, p);
  }
  // The lower right limb turns away from the light.
  cairo_pattern_t* shade = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
  AddStops(shade, {{0.45, TColour::Rgb(60, 50, 110, 0)}, {1, TColour::Rgb(60, 50, 110, 0.35)}});
  cairo_rectangle(cr, cx - r, cy - r, r * 2, r * 2);
  FillWith(cr, shade);
  cairo_restore(cr);
}

void Aurora(TCanvas& c, TSceneRandom& rng, const TColour& colour, double y) {
  TCanvas layer(c.Width(), c.Height());
  cairo_t* cr = layer.Cr();
  TWaves wave(rng, 1.5);
  for (int band = 0; band < 3; ++band) {
    const double by = y + band * 26 + rng.Real(-10, 10);
    for (double x = -20; x < c.Width() + 20; x += 3) {
      const double top = by + wave.At(x + band * 90) * 45 - 70 - 30 * std::sin(x * 0.013 + band);
      const double bottom = by + wave.At(x + band * 90) * 45;
      cairo_pattern_t* p = Vertical(top, bottom, colour.WithAlpha(0), colour.WithAlpha(colour.a));
      const double flick = 0.5 + 0.5 * std::sin(x * 0.05 + band * 2.0) * std::sin(x * 0.011);
      cairo_rectangle(cr, x, top, 3.2, bottom - top);
      FillWith(cr, p);
      (void)flick;
    }
  }
  layer.Blur(10);
  layer.PaintOnto(c.Cr(), 0, 0, 1.0, CAIRO_OPERATOR_ADD);
}

void Clouds(TCanvas& c, TSceneRandom& rng, int count, double top, double bottom, const TColour& lit) {
  TCanvas layer(c.Width(), c.Height());
  cairo_t* cr = layer.Cr();
  for (int i = 0; i < count; ++i) {
    const double cx = rng.Real(-50, c.Width() + 50), cy = rng.Real(top, bottom);
    const double w = rng.Real(140, 300);
    for (int k = 0; k < 9; ++k) {
      const double px = cx + rng.Real(-w / 2, w / 2), py = cy + rng.Real(-8, 8);
      const double pr = rng.Real(14, 30);
      cairo_save(cr);
      cairo_translate(cr, px, py);
      cairo_scale(cr, 2.2, 0.7);
      cairo_pattern_t* p = cairo_pattern_create_radial(0, -pr * 0.3, 0, 0, 0, pr);
      AddStops(p, {{0, lit}, {0.6, lit.Darker(0.5).WithAlpha(lit.a * 0.6)}, {1, lit.WithAlpha(0)}});
      cairo_arc(cr, 0, 0, pr, 0, 2 * kPi);
      FillWith(cr, p);
      cairo_restore(cr);
    }
  }
  layer.Blur(6);
  layer.PaintOnto(c.Cr());
}

TRidge Ridge(TCanvas& c, TSceneRandom& rng, double baseY, double amplitude, const TColour& body,
             const TColour& rim, double waves) {
  cairo_t* cr = c.Cr();
  TWaves wave(rng, waves);
  TRidge ridge;
  for (double x = 0; x <= c.Width() + 4; x += 4) ridge.ys.push_back(baseY + wave.At(x) * amplitude);
  auto path = [&](double dy) {
    cairo_move_to(cr, -2, c.Height() + 2);
    for (size_t i = 0; i < ridge.ys.size(); ++i) cairo_line_to(cr, double(i) * 4, ridge.ys[i] + dy);
    cairo_line_to(cr, c.Width() + 2, c.Height() + 2);
    cairo_close_path(cr);
  };
  path(0);
  const double low = baseY + amplitude + 140;
  cairo_pattern_t* p = Vertical(baseY - amplitude, low, body.Lighter(0.12), body.Darker(0.25));
  FillWith(cr, p);
  // Moonlit crest: a bright line that softens downwards.
  cairo_save(cr);
  path(0);
  cairo_clip(cr);
  cairo_set_line_width(cr, 5);
  cairo_move_to(cr, 0, ridge.ys[0] + 1);
  for (size_t i = 0; i < ridge.ys.size(); ++i) cairo_line_to(cr, double(i) * 4, ridge.ys[i] + 1);
  rim.WithAlpha(rim.a * 0.45).Set(cr);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 1.6);
  cairo_move_to(cr, 0, ridge.ys[0] + 0.5);
  for (size_t i = 0; i < ridge.ys.size(); ++i) cairo_line_to(cr, double(i) * 4, ridge.ys[i] + 0.5);
  rim.Set(cr);
  cairo_stroke(cr);
  cairo_restore(cr);
  return ridge;
}

void Pine(cairo_t* cr, TSceneRandom& rng, double x, double base, double height, const TColour& body, double snow) {
  const int tiers = height > 60 ? 5 : height > 25 ? 4 : 3;
  const double width = height * rng.Real(0.5, 0.62);
  const double trunkH = height * 0.1;
  // Trunk.
  TColour::Rgb(40, 26, 30).Mix(body, 0.3).Set(cr);
  cairo_rectangle(cr, x - width * 0.06, base - trunkH * 1.5, width * 0.12, trunkH * 1.5);
  cairo_fill(cr);
  const double crownTop = base - height, crownBottom = base - trunkH;
  for (int t = 0; t < tiers; ++t) {
    const double f0 = double(t) / tiers, f1 = double(t + 1) / tiers;
    const double top = crownTop + (crownBottom - crownTop) * (f0 * 0.85);
    const double bottom = crownTop + (crownBottom - crownTop) * f1;
    const double half = width * 0.5 * (0.35 + 0.65 * f1);
    auto tier = [&](double dy) {
      cairo_move_to(cr, x, top + dy);
      cairo_curve_to(cr, x - half * 0.3, top + (bottom - top) * 0.4 + dy, x - half * 0.8, bottom - 6 + dy,
                     x - half, bottom + dy);
      const int scallops = 3 + t;
      for (int s = 0; s < scallops; ++s) {
        const double xa = x - half + (2 * half) * (s + 1) / scallops;
        const double xm = x - half + (2 * half) * (s + 0.5) / scallops;
        cairo_curve_to(cr, xm - 2, bottom - half * 0.12 + dy, xm + 2, bottom - half * 0.12 + dy, xa, bottom + dy);
      }
      cairo_curve_to(cr, x + half * 0.8, bottom - 6 + dy, x + half * 0.3, top + (bottom - top) * 0.4 + dy, x,
                     top + dy);
      cairo_close_path(cr);
    };
    tier(0);
    cairo_pattern_t* p = cairo_pattern_create_linear(x - half, top, x + half, bottom);
    AddStops(p, {{0, body.Lighter(0.18)}, {0.45, body}, {1, body.Darker(0.45)}});
    FillWith(cr, p);
    if (snow > 0) {
      // Snow lies where the tier faces up: the tier minus itself moved down.
      cairo_save(cr);
      tier(0);
      cairo_clip(cr);
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
      cairo_rectangle(cr, x - width, top - height, width * 2, height * 2);
      tier(std::max(1.5, (bottom - top) * 0.28 * snow));
      cairo_pattern_t* s = cairo_pattern_create_linear(x - half, top, x + half, top);
      AddStops(s, {{0, Palette::Snow}, {0.6, Palette::Snow.Mix(Palette::SnowShade, 0.5)}, {1, Palette::SnowShade}});
      FillWith(cr, s);
      cairo_restore(cr);
    }
  }
}

void PineRow(TCanvas& c, TSceneRandom& rng, const TRidge& ground, int count, double minH, double maxH,
             const TColour& body, double snow, double sink) {
  for (int i = 0; i < count; ++i) {
    const double x = rng.Real(-20, c.Width() + 20);
    const double h = rng.Real(minH, maxH);
    Pine(c.Cr(), rng, x, ground.Height(x) + sink + rng.Real(0, sink + 2), h, body, snow);
  }
}

void WindowGlow(cairo_t* cr, double x, double y, double radius, double strength) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, radius);
  AddStops(g, {{0, TColour::Rgb(255, 170, 70, 0.42 * strength)}, {0.4, TColour::Rgb(255, 120, 40, 0.14 * strength)},
      {1, TColour::Rgb(255, 100, 40, 0)}});
  cairo_arc(cr, x, y, radius, 0, 2 * kPi);
  FillWith(cr, g);
  cairo_restore(cr);
}

namespace {
void LitWindow(cairo_t* cr, double x, double y, double w, double h, bool lit, bool arched) {
  auto shape = [&]() {
    if (arched) {
      cairo_move_to(cr, x, y + h);
      cairo_line_to(cr, x, y + w / 2);
      cairo_arc(cr, x + w / 2, y + w / 2, w / 2, kPi, 2 * kPi);
      cairo_line_to(cr, x + w, y + h);
      cairo_close_path(cr);
    } else {
      cairo_rectangle(cr, x, y, w, h);
    }
  };
  // Frame.
  cairo_set_line_width(cr, std::max(1.0, w * 0.14));
  shape();
  if (lit) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x + w * 0.5, y + h * 0.6, 0, x + w * 0.5, y + h * 0.6, h);
    AddStops(p, {{0, Palette::WindowHot}, {0.6, Palette::WindowWarm}, {1, TColour::Rgb(220, 120, 50)}});
    FillPreserveWith(cr, p);
  } else {
    TColour::Rgb(30, 34, 70).Set(cr);
    cairo_fill_preserve(cr);
  }
  TColour::Rgb(48, 30, 36).Set(cr);
  cairo_stroke(cr);
  // Mullions.
  cairo_set_line_width(cr, std::max(0.8, w * 0.09));
  cairo_move_to(cr, x + w / 2, y + (arched ? 1 : 0));
  cairo_line_to(cr, x + w / 2, y + h);
  cairo_move_to(cr, x, y + h * 0.55);
  cairo_line_to(cr, x + w, y + h * 0.55);
  cairo_stroke(cr);
  // Snow on the sill.
  Palette::Snow.Set(cr);
  cairo_move_to(cr, x - w * 0.18, y + h + 1);
  cairo_curve_to(cr, x, y + h - w * 0.22, x + w, y + h - w * 0.22, x + w * 1.18, y + h + 1);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void SnowLip(cairo_t* cr, double x0, double y0, double x1, double y1, double thickness) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, thickness);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  Palette::SnowShade.Set(cr);
  cairo_stroke(cr);
  cairo_set_line_width(cr, thickness * 0.7);
  cairo_move_to(cr, x0, y0 - thickness * 0.2);
  cairo_line_to(cr, x1, y1 - thickness * 0.2);
  Palette::Snow.Set(cr);
  cairo_stroke(cr);
}

void Icicles(cairo_t* cr, TSceneRandom& rng, double x0, double x1, double y, double maxLen) {
  for (double x = x0 + 2; x < x1 - 1; x += rng.Real(3, 7)) {
    const double len = rng.Real(maxLen * 0.3, maxLen);
    cairo_move_to(cr, x - 1.2, y);
    cairo_line_to(cr, x + 1.2, y);
    cairo_line_to(cr, x, y + len);
    cairo_close_path(cr);
    TColour::Rgb(200, 220, 255, 0.85).Set(cr);
    cairo_fill(cr);
  }
}

void Smoke(TCanvas& c, TSceneRandom& rng, double x, double y, double scale) {
  TCanvas layer(c.Width(), c.Height());
  cairo_t* cr = layer.Cr();
  double px = x, py = y;
  for (int i = 0; i < 10; ++i) {
    const double r = scale * (3 + i * 1.6);
    cairo_pattern_t* p = cairo_pattern_create_radial(px, py, 0, px, py, r);
    AddStops(p, {{0, TColour::Rgb(190, 190, 230, 0.22 * (1 - i / 11.0))}, {1, TColour::Rgb(190, 190, 230, 0)}});
    cairo_arc(cr, px, py, r, 0, 2 * kPi);
    FillWith(cr, p);
    px += scale * (3 + rng.Real(0, 4));
    py -= scale * (6 + rng.Real(0, 3));
  }
  layer.Blur(4);
  layer.PaintOnto(c.Cr());
}
}  // namespace

void House(TCanvas& c, TSceneRandom& rng, const THouse& h) {
  cairo_t* cr = c.Cr();
  const double x = h.x, b = h.base, w = h.width, top = b - h.height, apexY = top - h.gable;
  const double d = h.depth, s = h.depth * 0.32;  // side face runs back and slightly up
  const double px = x + w / 2;
  // Side wall, turned away from the moon.
  cairo_move_to(cr, x + w, b);
  cairo_line_to(cr, x + w + d, b - s);
  cairo_line_to(cr, x + w + d, top - s);
  cairo_line_to(cr, x + w, top);
  cairo_close_path(cr);
  cairo_pattern_t* side = cairo_pattern_create_linear(x + w, 0, x + w + d, 0);
  AddStops(side, {{0, h.wall.Darker(0.45)}, {1, h.wall.Darker(0.6)}});
  FillWith(cr, side);
  // Side windows, skewed with the wall.
  if (d > 14) {
    cairo_save(cr);
    cairo_matrix_t m;
    cairo_matrix_init(&m, 1, -s / d, 0, 1, x + w, top);
    cairo_transform(cr, &m);
    const double ww = std::max(4.0, d * 0.32), wh = h.height * 0.34;
    LitWindow(cr, d * 0.34, h.height * 0.28, ww, wh, rng.Chance(h.lit), false);
    cairo_restore(cr);
  }
  // Front gable.
  cairo_move_to(cr, x, b);
  cairo_line_to(cr, x + w, b);
  cairo_line_to(cr, x + w, top);
  cairo_line_to(cr, px, apexY);
  cairo_line_to(cr, x, top);
  cairo_close_path(cr);
  cairo_pattern_t* front = cairo_pattern_create_linear(x, apexY, x + w, b);
  AddStops(front, {{0, h.wall.Lighter(0.08)}, {1, h.wall.Darker(0.2)}});
  FillWith(cr, front);
  // Timber beams.
  cairo_set_line_width(cr, std::max(1.0, w * 0.035));
  h.wall.Darker(0.6).WithAlpha(0.8).Set(cr);
  cairo_move_to(cr, x, top + 0.5);
  cairo_line_to(cr, x + w, top + 0.5);
  cairo_move_to(cr, x + 0.5, b);
  cairo_line_to(cr, x + 0.5, top);
  cairo_move_to(cr, x + w - 0.5, b);
  cairo_line_to(cr, x + w - 0.5, top);
  cairo_stroke(cr);
  // Roof plane running back from the gable.
  const double over = w * 0.08;
  const double rx0 = x + w + over * 0.6, ry0 = top + over * 0.5;
  cairo_move_to(cr, px, apexY - 2);
  cairo_line_to(cr, px + d, apexY - 2 - s);
  cairo_line_to(cr, rx0 + d, ry0 - s);
  cairo_line_to(cr, rx0, ry0);
  cairo_close_path(cr);
  cairo_pattern_t* roof = cairo_pattern_create_linear(px, apexY, rx0 + d, ry0);
  AddStops(roof, {{0, Palette::Snow}, {0.7, Palette::Snow.Mix(Palette::SnowShade, 0.55)}, {1, Palette::SnowShade}});
  FillWith(cr, roof);
  Icicles(cr, rng, rx0 + 1, rx0 + d - 1, ry0 - s * 0.5, std::max(3.0, h.height * 0.14));
  // Chimney on the roof plane.
  if (h.chimney) {
    const double cxp = px + d * 0.55 + (rx0 - px) * 0.35, cyp = apexY - s * 0.55 + (ry0 - apexY) * 0.35;
    const double cw = std::max(5.0, w * 0.13), ch = h.gable * 0.7;
    cairo_rectangle(cr, cxp - cw / 2, cyp - ch, cw, ch + 3);
    cairo_pattern_t* brick = cairo_pattern_create_linear(cxp - cw / 2, 0, cxp + cw / 2, 0);
    AddStops(brick, {{0, TColour::Rgb(130, 70, 80)}, {1, TColour::Rgb(60, 30, 50)}});
    FillWith(cr, brick);
    SnowLip(cr, cxp - cw / 2 - 1, cyp - ch, cxp + cw / 2 + 1, cyp - ch, std::max(3.0, cw * 0.45));
    Smoke(c, rng, cxp, cyp - ch - 4, std::max(0.6, w / 70.0));
  }
  // Snow thick on the gable edges, bright on the left where the moon falls.
  const double lip = std::max(3.0, w * 0.09);
  SnowLip(cr, x - over, top + over * 0.5, px, apexY - 2, lip);
  SnowLip(cr, px, apexY - 2, x + w + over, top + over * 0.5, lip);
  // Front windows and door.
  const double ww = w * 0.18, wh = h.height * 0.36;
  const int n = std::max(0, h.windows);
  for (int i = 0; i < n; ++i) {
    const double wx = n == 1 ? x + w * 0.22 : x + w * (0.14 + 0.56 * i / std::max(1, n - 1));
    if (h.door && std::abs((wx + ww / 2) - px) < w * 0.16) continue;
    LitWindow(cr, wx, top + h.height * 0.2, ww, wh, rng.Chance(h.lit), false);
  }
  // Round window in the gable.
  if (h.gable > 14) {
    const double gr = h.gable * 0.18;
    cairo_arc(cr, px, top - h.gable * 0.38, gr, 0, 2 * kPi);
    Palette::WindowWarm.Set(cr);
    cairo_fill_preserve(cr);
    TColour::Rgb(48, 30, 36).Set(cr);
    cairo_set_line_width(cr, std::max(1.0, gr * 0.3));
    cairo_stroke(cr);
    WindowGlow(cr, px, top - h.gable * 0.38, gr * 4, 0.6);
  }
  if (h.door) {
    const double dw = w * 0.2, dh = h.height * 0.55;
    const double dx = n == 1 ? x + w * 0.62 : px - dw / 2;
    LitWindow(cr, dx, b - dh, dw, dh, rng.Chance(0.5), true);
    if (h.wreath) {
      const double wr = dw * 0.28;
      cairo_set_line_width(cr, wr * 0.6);
      Palette::Holly.Set(cr);
      cairo_arc(cr, dx + dw / 2, b - dh * 0.62, wr, 0, 2 * kPi);
      cairo_stroke(cr);
      Palette::Berry.Set(cr);
      cairo_arc(cr, dx + dw / 2, b - dh * 0.62 + wr, wr * 0.3, 0, 2 * kPi);
      cairo_fill(cr);
    }
    WindowGlow(cr, dx + dw / 2, b - dh * 0.5, dh * 1.3, 0.5);
  }
  // Window light spills onto the snow and the air.
  for (int i = 0; i < n; ++i) {
    const double wx = n == 1 ? x + w * 0.22 : x + w * (0.14 + 0.56 * i / std::max(1, n - 1));
    WindowGlow(cr, wx + ww / 2, top + h.height * 0.4, wh * 2.2, 0.8);
  }
  // Snow banked against the foot of the walls.
  cairo_move_to(cr, x - 6, b + 2);
  cairo_curve_to(cr, x + w * 0.3, b - h.height * 0.12, x + w * 0.7, b - h.height * 0.05, x + w + d + 6, b - s + 2);
  cairo_line_to(cr, x + w + d + 6, b + 4);
  cairo_line_to(cr, x - 6, b + 4);
  cairo_close_path(cr);
  cairo_pattern_t* bank = Vertical(b - h.height * 0.12, b + 4, Palette::Snow, Palette::SnowShade);
  FillWith(cr, bank);
}

void Church(TCanvas& c, TSceneRandom& rng, double x, double base, double scale) {
  cairo_t* cr = c.Cr();
  THouse nave;
  nave.x = x;
  nave.base = base;
  nave.width = 46 * scale;
  nave.height = 44 * scale;
  nave.gable = 26 * scale;
  nave.depth = 70 * scale;
  nave.wall = TColour::Rgb(120, 110, 150);
  nave.windows = 0;
  nave.chimney = false;
  nave.door = true;
  nave.wreath = true;
  // Tower first so the nave's roof sits in front of its foot.
  const double tw = 26 * scale, th = 92 * scale;
  const double tx = x + nave.width * 0.5 - tw / 2;
  cairo_rectangle(cr, tx, base - th, tw, th);
  cairo_pattern_t* p = cairo_pattern_create_linear(tx, 0, tx + tw, 0);
  AddStops(p, {{0, nave.wall.Lighter(0.1)}, {1, nave.wall.Darker(0.35)}});
  FillWith(cr, p);
  // Belfry and spire.
  LitWindow(cr, tx + tw * 0.3, base - th + 10 * scale, tw * 0.4, 16 * scale, true, true);
  WindowGlow(cr, tx + tw / 2, base - th + 18 * scale, 30 * scale, 0.8);
  cairo_move_to(cr, tx - 3 * scale, base - th);
  cairo_line_to(cr, tx + tw / 2, base - th - 58 * scale);
  cairo_line_to(cr, tx + tw + 3 * scale, base - th);
  cairo_close_path(cr);
  cairo_pattern_t* spire = cairo_pattern_create_linear(tx, 0, tx + tw, 0);
  AddStops(spire, {{0.2, Palette::Snow}, {0.55, Palette::SnowShade}, {1, Palette::SnowDeep}});
  FillWith(cr, spire);
  // A gold star on the tip.
  Palette::Gold.Set(cr);
  cairo_arc(cr, tx + tw / 2, base - th - 60 * scale, 2.5 * scale, 0, 2 * kPi);
  cairo_fill(cr);
  WindowGlow(cr, tx + tw / 2, base - th - 60 * scale, 10 * scale, 0.8);
  House(c, rng, nave);
  // Tall lit windows along the nave's side.
  cairo_save(cr);
  cairo_matrix_t m;
  const double s = nave.depth * 0.32;
  cairo_matrix_init(&m, 1, -s / nave.depth, 0, 1, x + nave.width, base - nave.height);
  cairo_transform(cr, &m);
  for (int i = 0; i < 3; ++i)
    LitWindow(cr, nave.depth * (0.15 + 0.28 * i), nave.height * 0.22, 7 * scale, nave.height * 0.5, true, true);
  cairo_restore(cr);
  for (int i = 0; i < 3; ++i)
    WindowGlow(cr, x + nave.width + nave.depth * (0.18 + 0.28 * i), base - nave.height * 0.55 - s * (0.18 + 0.28 * i),
               26 * scale, 0.7);
}

void Drift(TCanvas& c, TSceneRandom& rng, double leftY, double rightY, const TColour& lit, const TColour& shade) {
  cairo_t* cr = c.Cr();
  TWaves wave(rng, 2.2);
  const double w = c.Width();
  auto top = [&](double x) { return leftY + (rightY - leftY) * (x / w) + wave.At(x) * 14; };
  auto path = [&]() {
    cairo_move_to(cr, -2, c.Height() + 2);
    for (double x = -2; x <= w + 4; x += 4) cairo_line_to(cr, x, top(x));
    cairo_line_to(cr, w + 4, c.Height() + 2);
    cairo_close_path(cr);
  };
  path();
  const double y0 = std::min(leftY, rightY) - 14;
  cairo_pattern_t* p = Vertical(y0, c.Height(), lit, shade);
  FillWith(cr, p);
  // Blue hollows in the drift and a bright crest.
  cairo_save(cr);
  path();
  cairo_clip(cr);
  for (int i = 0; i < 7; ++i) {
    const double hx = rng.Real(0, w), hy = top(hx) + rng.Real(30, 90);
    cairo_save(cr);
    cairo_translate(cr, hx, hy);
    cairo_scale(cr, 4, 1);
    cairo_pattern_t* h = cairo_pattern_create_radial(0, 0, 0, 0, 0, 30);
    AddStops(h, {{0, shade.WithAlpha(0.5)}, {1, shade.WithAlpha(0)}});
    cairo_arc(cr, 0, 0, 30, 0, 2 * kPi);
    FillWith(cr, h);
    cairo_restore(cr);
  }
  cairo_set_line_width(cr, 2.5);
  cairo_move_to(cr, -2, top(-2) + 1);
  for (double x = -2; x <= w + 4; x += 4) cairo_line_to(cr, x, top(x) + 1);
  TColour{1, 1, 1, 0.9}.Set(cr);
  cairo_stroke(cr);
  // Glints of frost.
  for (int i = 0; i < 60; ++i) {
    const double gx = rng.Real(0, w), gy = top(gx) + rng.Real(4, 120);
    TColour{1, 1, 1, rng.Real(0.3, 0.9)}.Set(cr);
    cairo_arc(cr, gx, gy, rng.Real(0.5, 1.2), 0, 2 * kPi);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void Lantern(TCanvas& c, double x, double base, double height) {
  cairo_t* cr = c.Cr();
  const double w = height * 0.05;
  TColour::Rgb(30, 26, 44).Set(cr);
  cairo_rectangle(cr, x - w / 2, base - height, w, height);
  cairo_fill(cr);
  const double lw = height * 0.16, lh = height * 0.2, ly = base - height - lh;
  cairo_rectangle(cr, x - lw / 2, ly, lw, lh);
  cairo_pattern_t* p = cairo_pattern_create_radial(x, ly + lh / 2, 0, x, ly + lh / 2, lh);
  AddStops(p, {{0, Palette::WindowHot}, {1, Palette::WindowWarm}});
  FillWith(cr, p);
  TColour::Rgb(30, 26, 44).Set(cr);
  cairo_set_line_width(cr, std::max(1.0, lw * 0.12));
  cairo_rectangle(cr, x - lw / 2, ly, lw, lh);
  cairo_stroke(cr);
  cairo_move_to(cr, x - lw * 0.75, ly);
  cairo_line_to(cr, x, ly - lh * 0.5);
  cairo_line_to(cr, x + lw * 0.75, ly);
  cairo_close_path(cr);
  cairo_fill(cr);
  SnowLip(cr, x - lw * 0.6, ly - lh * 0.1, x + lw * 0.2, ly - lh * 0.45, std::max(2.0, lw * 0.3));
  WindowGlow(cr, x, ly + lh / 2, height * 0.9, 1.0);
}

void Fence(TCanvas& c, double x0, double x1, double base, double height) {
  cairo_t* cr = c.Cr();
  const TColour wood = TColour::Rgb(70, 50, 70);
  cairo_set_line_width(cr, height * 0.12);
  wood.Set(cr);
  cairo_move_to(cr, x0, base - height * 0.35);
  cairo_line_to(cr, x1, base - height * 0.35);
  cairo_move_to(cr, x0, base - height * 0.75);
  cairo_line_to(cr, x1, base - height * 0.75);
  cairo_stroke(cr);
  for (double x = x0; x <= x1; x += height * 0.9) {
    cairo_rectangle(cr, x - height * 0.08, base - height, height * 0.16, height);
    wood.Set(cr);
    cairo_fill(cr);
    SnowLip(cr, x - height * 0.1, base - height - 1, x + height * 0.1, base - height - 1, height * 0.22);
  }
  SnowLip(cr, x0, base - height * 0.75 - height * 0.08, x1, base - height * 0.75 - height * 0.08, height * 0.12);
}

void Snowfall(TCanvas& c, TSceneRandom& rng, int count, double maxSize) {
  cairo_t* cr = c.Cr();
  TCanvas near(c.Width(), c.Height());
  for (int i = 0; i < count; ++i) {
    const double x = rng.Real(0, c.Width()), y = rng.Real(0, c.Height());
    const double depth = rng.Real(0, 1);
    const double r = 0.6 + depth * depth * maxSize;
    const bool isNear = r > maxSize * 0.55;
    cairo_t* target = isNear ? near.Cr() : cr;
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
    AddStops(p, {{0, TColour{1, 1, 1, 0.5 + 0.45 * depth}}, {0.5, TColour{0.9, 0.93, 1, 0.35 * depth + 0.2}},
        {1, TColour{0.9, 0.93, 1, 0}}});
    cairo_arc(target, x, y, r, 0, 2 * kPi);
    FillWith(target, p);
  }
  near.Blur(3);
  near.PaintOnto(cr, 0, 0, 0.85);
}

void Vignette(TCanvas& c, double strength) {
  cairo_t* cr = c.Cr();
  const double w = c.Width(), h = c.Height();
  cairo_save(cr);
  cairo_translate(cr, w / 2, h / 2);
  cairo_scale(cr, w / h, 1);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, h * 0.35, 0, 0, h * 0.78);
  AddStops(p, {{0, TColour::Rgb(4, 2, 18, 0)}, {1, TColour::Rgb(4, 2, 18, strength)}});
  cairo_rectangle(cr, -h, -h, h * 2, h * 2);
  FillWith(cr, p);
  cairo_restore(cr);
}

void CalmCentre(TCanvas& c, double cx, double cy, double rx, double ry, double strength) {
  cairo_t* cr = c.Cr();
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx / ry, 1);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, ry);
  AddStops(p, {{0, TColour::Rgb(6, 6, 28, strength)}, {0.55, TColour::Rgb(6, 6, 28, strength * 0.7)},
      {1, TColour::Rgb(6, 6, 28, 0)}});
  cairo_arc(cr, 0, 0, ry, 0, 2 * kPi);
  FillWith(cr, p);
  cairo_restore(cr);
}

void Grain(TCanvas& c, TSceneRandom& rng, double amount) {
  cairo_surface_t* s = c.Surface();
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < c.Height(); ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * size_t(stride));
    for (int x = 0; x < c.Width(); ++x) {
      const uint32_t px = row[x];
      const int a = int(px >> 24);
      if (a < 255) continue;  // only opaque pictures get grain
      const int n = int(rng.Real(-amount, amount));
      auto ch = [&](int shift) { return uint32_t(std::clamp(int((px >> shift) & 0xFF) + n, 0, 255)) << shift; };
      row[x] = (px & 0xFF000000u) | ch(16) | ch(8) | ch(0);
    }
  }
  cairo_surface_mark_dirty(s);
}

void FrozenLake(TCanvas& c, TSceneRandom& rng, double top, double bottom, double moonX) {
  cairo_t* cr = c.Cr();
  const double w = c.Width();
  TWaves wave(rng, 1.2);
  auto shore = [&](double y, double dy) {
    cairo_move_to(cr, -4, y + dy);
    for (double x = -4; x <= w + 4; x += 8) cairo_line_to(cr, x, y + wave.At(x) * 6 + dy);
  };
  shore(top, 0);
  for (double x = w + 4; x >= -4; x -= 8) cairo_line_to(cr, x, bottom + wave.At(x + 300) * 8);
  cairo_close_path(cr);
  cairo_pattern_t* ice = Vertical(top, bottom, TColour::Rgb(60, 56, 120), TColour::Rgb(120, 140, 200));
  FillPreserveWith(cr, ice);
  cairo_save(cr);
  cairo_clip(cr);
  // The moon's path on the ice and a few long scratches from skates.
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_translate(cr, moonX, (top + bottom) / 2);
  cairo_scale(cr, 0.35, 1);
  cairo_pattern_t* glint = cairo_pattern_create_radial(0, 0, 0, 0, 0, (bottom - top) * 0.7);
  AddStops(glint, {{0, TColour::Rgb(255, 240, 200, 0.45)}, {1, TColour::Rgb(255, 240, 200, 0)}});
  cairo_arc(cr, 0, 0, (bottom - top) * 0.7, 0, 2 * kPi);
  FillWith(cr, glint);
  cairo_restore(cr);
  cairo_set_line_width(cr, 0.8);
  for (int i = 0; i < 14; ++i) {
    const double y = rng.Real(top + 6, bottom - 4), x = rng.Real(0, w);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + 40, y - 3, x + 80, y + 4, x + rng.Real(100, 180), y + rng.Real(-4, 4));
    TColour{1, 1, 1, rng.Real(0.15, 0.35)}.Set(cr);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  // Snow along the far shore.
  shore(top, 0);
  cairo_set_line_width(cr, 4);
  Palette::Snow.WithAlpha(0.9).Set(cr);
  cairo_stroke(cr);
}

void Snowman(TCanvas& c, double x, double base, double height) {
  cairo_t* cr = c.Cr();
  const double r1 = height * 0.24, r2 = height * 0.18, r3 = height * 0.13;
  const double y1 = base - r1, y2 = y1 - r1 - r2 * 0.7, y3 = y2 - r2 - r3 * 0.7;
  for (auto [cy, r] : {std::pair{y1, r1}, std::pair{y2, r2}, std::pair{y3, r3}}) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.4, cy - r * 0.4, r * 0.1, x, cy, r);
    AddStops(p, {{0, Palette::Snow}, {0.7, Palette::Snow.Mix(Palette::SnowShade, 0.4)}, {1, Palette::SnowShade}});
    cairo_arc(cr, x, cy, r, 0, 2 * kPi);
    FillWith(cr, p);
  }
  // Scarf, coal eyes, carrot nose, hat.
  Palette::Berry.Set(cr);
  cairo_rectangle(cr, x - r2 * 0.8, y2 - r2 * 0.95, r2 * 1.6, r2 * 0.3);
  cairo_fill(cr);
  cairo_rectangle(cr, x + r2 * 0.3, y2 - r2 * 0.8, r2 * 0.3, r2 * 0.8);
  cairo_fill(cr);
  TColour::Rgb(30, 26, 40).Set(cr);
  cairo_arc(cr, x - r3 * 0.35, y3 - r3 * 0.15, r3 * 0.12, 0, 2 * kPi);
  cairo_arc(cr, x + r3 * 0.35, y3 - r3 * 0.15, r3 * 0.12, 0, 2 * kPi);
  cairo_fill(cr);
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, x, y2 - r2 * 0.2 + i * r2 * 0.4, r2 * 0.09, 0, 2 * kPi);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, x - r3 * 0.75, y3 - r3 * 1.75, r3 * 1.5, r3 * 0.9);
  cairo_rectangle(cr, x - r3 * 1.05, y3 - r3 * 0.9, r3 * 2.1, r3 * 0.2);
  cairo_fill(cr);
  TColour::Rgb(240, 120, 30).Set(cr);
  cairo_move_to(cr, x, y3 - r3 * 0.05);
  cairo_line_to(cr, x + r3 * 0.9, y3 + r3 * 0.1);
  cairo_line_to(cr, x, y3 + r3 * 0.2);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void Village(TCanvas& c, TSceneRandom& rng, const TVillagePlan& plan) {
  const double w = c.Width();
  Sky(c, plan.sky, plan.horizon, rng.Real(w * 0.3, w * 0.7));
  Stars(c, rng, int(260 * w / 800), plan.horizon * 0.9);
  if (plan.aurora) Aurora(c, rng, plan.auroraColour, plan.horizon * 0.42);
  Moon(c, plan.moonX, plan.moonY, plan.moonR);
  if (plan.clouds > 0)
    Clouds(c, rng, plan.clouds, plan.horizon * 0.15, plan.horizon * 0.7, plan.sky.low.Lighter(0.25).WithAlpha(0.45));

  // Far hills fade into the night air, with a hamlet far away.
  const TColour farBody = plan.sky.low.Mix(Palette::SnowShade, 0.35);
  TRidge far = Ridge(c, rng, plan.farRidge, plan.layout == TLayout::Hillside ? 20 : 38, farBody,
                     Palette::Snow.WithAlpha(0.5), 1.3);
  PineRow(c, rng, far, int(w / 14), 10, 24, farBody.Darker(0.35), 0.4, 2);
  for (int i = 0; i < 3; ++i) {
    THouse h;
    h.x = rng.Real(20, w - 60);
    h.width = 22;
    h.height = 15;
    h.gable = 11;
    h.depth = 12;
    h.base = far.Height(h.x + 10) + 8;
    h.windows = 1;
    h.door = false;
    h.chimney = false;
    h.wall = farBody.Darker(0.1);
    House(c, rng, h);
  }

  const double amp = plan.layout == TLayout::Hillside ? 70 : 22;
  const TColour midBody = Palette::SnowShade.Mix(Palette::Snow, 0.2).Mix(plan.sky.mid, 0.15);
  TRidge mid = Ridge(c, rng, plan.midRidge, amp, midBody, Palette::Snow, plan.layout == TLayout::Hillside ? 0.8 : 1.8);
  const int midPines = plan.layout == TLayout::Forest ? int(w / 12) : int(w / 40);
  PineRow(c, rng, mid, midPines, 26, plan.layout == TLayout::Forest ? 90 : 54,
          Palette::PineDark.Mix(plan.sky.mid, 0.3), 0.7, 3);

  // The village: cottages along the ridge, drawn back to front.
  std::vector<THouse> houses;
  const int count = plan.layout == TLayout::Forest ? std::max(2, plan.houses / 2) : plan.houses;
  for (int i = 0; i < count; ++i) {
    THouse h;
    const double slot = w / count;
    h.x = slot * i + rng.Real(0, slot * 0.4);
    const double scale = rng.Real(0.8, 1.25);
    h.width = 50 * scale;
    h.height = 36 * scale;
    h.gable = 26 * scale;
    h.depth = 30 * scale * rng.Real(0.8, 1.3);
    h.base = mid.Height(h.x + h.width / 2) + rng.Real(6, 22);
    h.wall = plan.wallTint.Mix(TColour::Rgb(rng.Int(80, 140), rng.Int(60, 100), rng.Int(90, 140)), 0.4);
    h.windows = rng.Int(1, 2);
    h.wreath = rng.Chance(0.4);
    h.lit = rng.Real(0.6, 1.0);
    houses.push_back(h);
  }
  std::sort(houses.begin(), houses.end(), [](const THouse& a, const THouse& b) { return a.base < b.base; });
  bool churchDone = !plan.church;
  for (const THouse& h : houses) {
    if (!churchDone && h.base > mid.Height(plan.churchX) + 8) {
      Church(c, rng, plan.churchX, mid.Height(plan.churchX + 20) + 8, 1.0);
      churchDone = true;
    }
    if (plan.church && std::abs(h.x - plan.churchX) < 70) continue;
    House(c, rng, h);
  }
  if (!churchDone) Church(c, rng, plan.churchX, mid.Height(plan.churchX + 20) + 8, 1.0);

  // Near ground: a pond, fences and a snowman give each scene its own foreground.
  const double nearTop = std::min(plan.nearLeft, plan.nearRight);
  if (plan.layout == TLayout::Lake) {
    FrozenLake(c, rng, plan.midRidge + amp + 34, nearTop + 20, plan.moonX);
  } else {
    const double fx = rng.Real(60, w - 260);
    Fence(c, fx, fx + rng.Real(120, 200), mid.Height(fx) + 58, 14);
  }
  Drift(c, rng, plan.nearLeft, plan.nearRight, Palette::Snow.Mix(Palette::SnowShade, 0.1), Palette::SnowDeep);
  if (plan.lanterns) {
    Lantern(c, w * rng.Real(0.12, 0.3), plan.nearLeft + 16, 70);
    Lantern(c, w * rng.Real(0.7, 0.88), plan.nearRight + 16, 64);
  }
  if (rng.Chance(0.5)) Snowman(c, w * rng.Real(0.3, 0.7), nearTop + 40, rng.Real(50, 70));
  if (plan.frameTrees) {
    const TColour near = Palette::Pine.Mix(plan.sky.mid, 0.2);
    Pine(c.Cr(), rng, rng.Real(-10, 40), c.Height() + 10, rng.Real(240, 330), near, 0.8);
    Pine(c.Cr(), rng, w - rng.Real(-10, 40), c.Height() + 10, rng.Real(220, 310), near, 0.8);
    if (plan.layout == TLayout::Forest) {
      Pine(c.Cr(), rng, rng.Real(80, 130), c.Height() + 30, rng.Real(180, 230), near.Darker(0.2), 0.8);
      Pine(c.Cr(), rng, w - rng.Real(80, 130), c.Height() + 30, rng.Real(170, 220), near.Darker(0.2), 0.8);
    }
  }
  Snowfall(c, rng, plan.snow, 3.6);
}

TVillagePlan RandomPlan(TSceneRandom& rng) {
  TVillagePlan plan;
  const TColour tints[] = {TColour::Rgb(8, 12, 38), TColour::Rgb(20, 8, 40), TColour::Rgb(4, 20, 40),
                           TColour::Rgb(14, 10, 30)};
  plan.sky.top = tints[rng.Int(0, 3)];
  plan.sky.mid = Palette::NightMid.Mix(TColour::Rgb(rng.Int(10, 60), rng.Int(20, 50), rng.Int(70, 110)), 0.5);
  plan.sky.low = Palette::NightLow.Mix(TColour::Rgb(rng.Int(40, 120), rng.Int(40, 80), rng.Int(110, 150)), 0.5);
  plan.sky.horizon = Palette::Horizon.Mix(TColour::Rgb(rng.Int(120, 200), rng.Int(90, 130), rng.Int(140, 180)), 0.5);
  plan.layout = TLayout(rng.Int(0, 3));
  plan.horizon = rng.Real(340, 390);
  plan.moonX = rng.Chance(0.6) ? rng.Real(90, 220) : rng.Real(580, 720);
  plan.moonY = rng.Real(70, 140);
  plan.moonR = rng.Real(28, 48);
  plan.aurora = rng.Chance(0.4);
  plan.auroraColour = rng.Chance(0.5) ? TColour::Rgb(90, 230, 180, 0.32) : TColour::Rgb(170, 120, 255, 0.3);
  plan.clouds = rng.Int(0, 4);
  plan.houses = rng.Int(5, 9);
  plan.church = rng.Chance(0.7);
  plan.churchX = rng.Real(120, 640);
  plan.snow = rng.Int(150, 300);
  plan.farRidge = plan.horizon - rng.Real(0, 20);
  plan.midRidge = plan.horizon + rng.Real(40, 70);
  plan.nearLeft = rng.Real(500, 545);
  plan.nearRight = rng.Real(500, 545);
  plan.wallTint = TColour::Rgb(rng.Int(80, 120), rng.Int(60, 90), rng.Int(110, 150));
  return plan;
}

}  // namespace Scenery
