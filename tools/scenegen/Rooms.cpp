// Indoor pictures: the title room with its hearth (whose fire is a separate
// animation strip), Father Christmas for the closing screen, and the wrapped-present
// backdrop of the options and credits.
#include <cmath>

#include "Parchment.h"
#include "Pattern.h"
#include "PictureJobs.h"
#include "Props.h"
#include "Scenery.h"

namespace {
constexpr double kPi = 3.14159265358979;
// Where the title screen draws the fire strip.
constexpr double kFireX = 335, kFireY = 317, kFireW = 137, kFireH = 128;

// A rectangle shaded from top to bottom, as wood and panelling are lit from above.
void ShadedRect(cairo_t* cr, double x, double y, double w, double h, const TColour& top, const TColour& bottom) {
  cairo_rectangle(cr, x, y, w, h);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
  AddStops(p, {{0, top}, {1, bottom}});
  FillWith(cr, p);
}

void WindowView(TCanvas& c, TSceneRandom& rng, double x, double y, double w, double h) {
  cairo_t* cr = c.Cr();
  // A small night scene seen through the panes.
  TCanvas view{int(w), int(h)};
  Scenery::TVillagePlan plan = Scenery::RandomPlan(rng);
  plan.layout = Scenery::TLayout::Ridge;
  plan.horizon = h * 0.55;
  plan.moonX = w * 0.7;
  plan.moonY = h * 0.22;
  plan.moonR = 14;
  plan.aurora = false;
  plan.clouds = 0;
  plan.houses = 3;
  plan.church = false;
  plan.farRidge = h * 0.5;
  plan.midRidge = h * 0.7;
  plan.nearLeft = plan.nearRight = h * 0.9;
  plan.frameTrees = false;
  plan.lanterns = false;
  plan.snow = 60;
  Scenery::Village(view, rng, plan);
  cairo_save(cr);
  cairo_move_to(cr, x, y + h);
  cairo_line_to(cr, x, y + w / 2);
  cairo_arc(cr, x + w / 2, y + w / 2, w / 2, kPi, 2 * kPi);
  cairo_line_to(cr, x + w, y + h);
  cairo_close_path(cr);
  cairo_clip_preserve(cr);
  view.PaintOnto(cr, x, y);
  // Frame and glazing bars.
  cairo_set_line_width(cr, 10);
  TColour::Rgb(70, 40, 30).Set(cr);
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_set_line_width(cr, 5);
  TColour::Rgb(70, 40, 30).Set(cr);
  cairo_move_to(cr, x + w / 2, y);
  cairo_line_to(cr, x + w / 2, y + h);
  cairo_move_to(cr, x, y + h * 0.55);
  cairo_line_to(cr, x + w, y + h * 0.55);
  cairo_stroke(cr);
  // Snow on the outer sill and a garland across the top.
  Parchment::RoundRect(cr, x - 10, y + h - 4, w + 20, 12, 4);
  TColour::Rgb(110, 66, 44).Set(cr);
  cairo_fill(cr);
  for (double gx = x - 6; gx <= x + w + 6; gx += 8) {
    const double gy = y + w * 0.5 - std::sin((gx - x) / w * kPi) * w * 0.45 + 4;
    cairo_arc(cr, gx, gy, 6, 0, 2 * kPi);
    TColour::Rgb(30, 96, 56).Set(cr);
    cairo_fill(cr);
  }
}

void Title(const TStudio& studio) {
  TCanvas c(800, 600);
  cairo_t* cr = c.Cr();
  TSceneRandom rng(301);
  // Wallpaper: deep plum with a damask-like stripe.
  cairo_rectangle(cr, 0, 0, 800, 600);
  cairo_pattern_t* wall = cairo_pattern_create_linear(0, 0, 0, 470);
  AddStops(wall, {{0, TColour::Rgb(58, 22, 46)}, {1, TColour::Rgb(96, 36, 60)}});
  FillWith(cr, wall);
  for (double sx = 0; sx < 800; sx += 40) {
    cairo_rectangle(cr, sx, 0, 14, 470);
    TColour::Rgb(130, 60, 80, 0.15).Set(cr);
    cairo_fill(cr);
    for (double sy = 20; sy < 470; sy += 40) {
      cairo_arc(cr, sx + 27, sy, 3, 0, 2 * kPi);
      TColour::Rgb(230, 180, 110, 0.12).Set(cr);
      cairo_fill(cr);
    }
  }
  // Wainscot panels and floorboards.
  ShadedRect(cr, 0, 400, 800, 70, TColour::Rgb(92, 52, 34), TColour::Rgb(60, 32, 22));
  cairo_rectangle(cr, 0, 396, 800, 8);
  TColour::Rgb(140, 90, 50).Set(cr);
  cairo_fill(cr);
  ShadedRect(cr, 0, 470, 800, 130, TColour::Rgb(110, 64, 36), TColour::Rgb(60, 34, 20));
  cairo_set_line_width(cr, 1.2);
  for (double fy = 478; fy < 600; fy += 14 + (fy - 470) * 0.12) {
    cairo_move_to(cr, 0, fy);
    cairo_line_to(cr, 800, fy);
    TColour::Rgb(40, 20, 10, 0.5).Set(cr);
    cairo_stroke(cr);
  }
  // Windows either side of the chimney breast.
  WindowView(c, rng, 600, 150, 120, 200);
  // Chimney breast and fireplace.
  cairo_rectangle(cr, 262, 0, 280, 470);
  cairo_pattern_t* breast = cairo_pattern_create_linear(262, 0, 542, 0);
  AddStops(breast, {{0, TColour::Rgb(140, 100, 110)}, {0.5, TColour::Rgb(110, 76, 90)}, {1, TColour::Rgb(70, 44, 60)}});
  FillWith(cr, breast);
  // Stone courses.
  cairo_set_line_width(cr, 1);
  for (double by = 10; by < 470; by += 26) {
    cairo_move_to(cr, 262, by);
    cairo_line_to(cr, 542, by);
    for (double bx = 262 + (int(by / 26) % 2) * 30; bx < 542; bx += 60) {
      cairo_move_to(cr, bx, by);
      cairo_line_to(cr, bx, by + 26);
    }
    TColour::Rgb(40, 20, 30, 0.35).Set(cr);
    cairo_stroke(cr);
  }
  // Mantel shelf.
  ShadedRect(cr, 250, 262, 304, 20, TColour::Rgb(170, 110, 60), TColour::Rgb(90, 50, 26));
  // The hearth opening that the fire animation fills.
  const double ox = kFireX - 22, oy = kFireY - 20, ow = kFireW + 44, oh = kFireH + 28;
  cairo_move_to(cr, ox, oy + oh);
  cairo_line_to(cr, ox, oy + 30);
  cairo_curve_to(cr, ox, oy, ox + ow, oy, ox + ow, oy + 30);
  cairo_line_to(cr, ox + ow, oy + oh);
  cairo_close_path(cr);
  cairo_pattern_t* soot = cairo_pattern_create_radial(kFireX + kFireW / 2, kFireY + kFireH * 0.8, 10,
                                                      kFireX + kFireW / 2, kFireY + kFireH * 0.6, ow * 0.7);
  AddStops(soot, {{0, TColour::Rgb(150, 60, 20)}, {0.6, TColour::Rgb(50, 16, 12)}, {1, TColour::Rgb(16, 8, 10)}});
  FillWith(cr, soot);
  // Hearth slab under the opening: the greeting is written on it.
  cairo_rectangle(cr, 280, oy + oh, 250, 28);
  cairo_pattern_t* slab = cairo_pattern_create_linear(0, oy + oh, 0, oy + oh + 28);
  AddStops(slab, {{0, TColour::Rgb(80, 60, 70)}, {1, TColour::Rgb(40, 28, 36)}});
  FillWith(cr, slab);
  // Garland, stockings and candles on the mantel.
  for (double gx = 250; gx <= 554; gx += 7) {
    const double gy = 282 + std::sin((gx - 250) / 304 * kPi * 3) * 6 + 6;
    cairo_arc(cr, gx, gy, 7, 0, 2 * kPi);
    TColour::Rgb(28, 90, 52).Set(cr);
    cairo_fill(cr);
  }
  const TColour beads[] = {Palette::Berry, Palette::Gold, TColour::Rgb(70, 130, 220)};
  for (int i = 0; i < 14; ++i)
    Props::Bauble(cr, 262 + i * 21.5, 290 + std::sin(i * 1.3) * 4, 3.5, beads[i % 3]);
  Props::Stocking(cr, 300, 292, 48, Palette::Berry);
  Props::Stocking(cr, 492, 292, 48, TColour::Rgb(40, 120, 70));
  Props::Candle(c, 292, 262, 34);
  Props::Candle(c, 512, 262, 30);
  Props::Candle(c, 530, 262, 22);
  Parchment::Holly(cr, 402, 252, 26, -kPi / 2);
  // Firelight washes over the room.
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_pattern_t* warm = cairo_pattern_create_radial(404, 400, 10, 404, 400, 420);
  AddStops(warm, {{0, TColour::Rgb(255, 140, 60, 0.28)}, {1, TColour::Rgb(255, 100, 40, 0)}});
  cairo_rectangle(cr, 0, 0, 800, 600);
  FillWith(cr, warm);
  cairo_restore(cr);
  // A round rug before the hearth.
  cairo_save(cr);
  cairo_translate(cr, 404, 530);
  cairo_scale(cr, 1, 0.28);
  for (int ring = 0; ring < 4; ++ring) {
    cairo_arc(cr, 0, 0, 230 - ring * 40, 0, 2 * kPi);
    (ring % 2 ? TColour::Rgb(150, 30, 40) : TColour::Rgb(190, 150, 80)).Set(cr);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  // The tree on the left, presents under it and by the hearth.
  Props::ChristmasTree(c, rng, 124, 548, 420);
  Props::Present(c, 40, 560, 56, 40, TColour::Rgb(40, 90, 170), Palette::Gold);
  Props::Present(c, 150, 572, 64, 36, Palette::Berry, Palette::GoldLight);
  Props::Present(c, 604, 578, 70, 48, TColour::Rgb(40, 120, 70), Palette::Berry);
  Props::Present(c, 680, 568, 44, 56, Palette::Gold, Palette::Berry);
  Scenery::Vignette(c, 0.5);
  Scenery::Grain(c, rng, 2.5);
  studio.Save(c, "Data/graphics/title.jpg");
}

void FireStrip(const TStudio& studio) {
  // 17 frames of 137 x 128 in a 7 x 3 grid (a single row would pass 2048 pixels).
  TCanvas c(int(kFireW) * 7, int(kFireH) * 3);
  for (int f = 0; f < 17; ++f) {
    TCanvas frame{int(kFireW), int(kFireH)};
    Props::Fire(frame, 8, 6, kFireW - 16, kFireH - 12, f / 17.0);
    frame.PaintOnto(c.Cr(), (f % 7) * kFireW, (f / 7) * kFireH);
  }
  studio.Save(c, "Data/graphics/fireanim.png");
}

void Santa(const TStudio& studio) {
  TCanvas c(300, 360);
  TCanvas shadow(300, 360);
  cairo_save(shadow.Cr());
  cairo_translate(shadow.Cr(), 150, 344);
  cairo_scale(shadow.Cr(), 1, 0.2);
  cairo_arc(shadow.Cr(), 0, 0, 100, 0, 2 * kPi);
  cairo_restore(shadow.Cr());
  cairo_set_source_rgba(shadow.Cr(), 0, 0, 0, 1);
  cairo_fill(shadow.Cr());
  shadow.Blur(10);
  shadow.PaintOnto(c.Cr(), 0, 0, 0.5);
  Props::FatherChristmas(c, 150, 346, 336);
  studio.Save(c, "Data/graphics/Santa.png");
}

void Pressie(const TStudio& studio) {
  TCanvas c(800, 600);
  cairo_t* cr = c.Cr();
  TSceneRandom rng(302);
  cairo_pattern_t* paper = cairo_pattern_create_radial(500, 200, 40, 400, 300, 650);
  AddStops(paper, {{0, TColour::Rgb(170, 30, 44)}, {0.7, TColour::Rgb(110, 14, 30)}, {1, TColour::Rgb(60, 6, 20)}});
  cairo_rectangle(cr, 0, 0, 800, 600);
  FillWith(cr, paper);
  // Printed pattern: gold stars and white snowflakes on a staggered grid.
  for (int row = 0; row < 14; ++row) {
    for (int col = 0; col < 18; ++col) {
      const double px = col * 48 + (row % 2) * 24, py = row * 46;
      if ((row + col) % 2 == 0) {
        cairo_move_to(cr, px, py - 8);
        for (int i = 1; i <= 10; ++i) {
          const double a = -kPi / 2 + i * kPi / 5, r = i % 2 ? 3.5 : 8;
          cairo_line_to(cr, px + std::cos(a) * r, py + std::sin(a) * r);
        }
        cairo_close_path(cr);
        Palette::Gold.WithAlpha(0.55).Set(cr);
        cairo_fill(cr);
      } else {
        cairo_set_line_width(cr, 1.4);
        for (int k = 0; k < 3; ++k) {
          const double a = k * kPi / 3;
          cairo_move_to(cr, px - std::cos(a) * 7, py - std::sin(a) * 7);
          cairo_line_to(cr, px + std::cos(a) * 7, py + std::sin(a) * 7);
        }
        TColour{1, 0.95, 0.95, 0.35}.Set(cr);
        cairo_stroke(cr);
      }
    }
  }
  // Satin ribbon bands with a sheen, crossing under a bow.
  auto band = [&](bool vertical, double at, double width) {
    if (vertical) cairo_rectangle(cr, at - width / 2, 0, width, 600);
    else cairo_rectangle(cr, 0, at - width / 2, 800, width);
    cairo_pattern_t* g = vertical ? cairo_pattern_create_linear(at - width / 2, 0, at + width / 2, 0)
                                  : cairo_pattern_create_linear(0, at - width / 2, 0, at + width / 2);
    AddStops(g, {{0, Palette::GoldDeep}, {0.3, Palette::GoldLight}, {0.6, Palette::Gold}, {1, Palette::GoldDeep}});
    FillWith(cr, g);
  };
  band(true, 640, 70);
  band(false, 150, 60);
  const double bx = 640, by = 150;
  TCanvas shade(800, 600);
  for (double s : {-1.0, 1.0}) {
    cairo_move_to(shade.Cr(), bx, by);
    cairo_curve_to(shade.Cr(), bx + s * 170, by - 150, bx + s * 190, by + 60, bx, by);
    cairo_close_path(shade.Cr());
  }
  cairo_set_source_rgba(shade.Cr(), 0, 0, 0, 1);
  cairo_fill(shade.Cr());
  shade.Blur(16);
  shade.PaintOnto(cr, 8, 14, 0.5);
  for (double s : {-1.0, 1.0}) {
    // Tails.
    cairo_move_to(cr, bx, by);
    cairo_curve_to(cr, bx + s * 40, by + 80, bx + s * 60, by + 140, bx + s * 90, by + 210);
    cairo_line_to(cr, bx + s * 60, by + 200);
    cairo_line_to(cr, bx + s * 50, by + 225);
    cairo_curve_to(cr, bx + s * 30, by + 140, bx + s * 10, by + 70, bx, by);
    cairo_close_path(cr);
    cairo_pattern_t* t = cairo_pattern_create_linear(bx, by, bx + s * 90, by + 210);
    AddStops(t, {{0, Palette::GoldLight}, {1, Palette::GoldDeep}});
    FillWith(cr, t);
    // Loops.
    cairo_move_to(cr, bx, by);
    cairo_curve_to(cr, bx + s * 170, by - 150, bx + s * 190, by + 60, bx, by);
    cairo_close_path(cr);
    cairo_pattern_t* l = cairo_pattern_create_linear(bx, by - 100, bx + s * 150, by + 40);
    AddStops(l, {{0, Palette::GoldLight}, {0.5, Palette::Gold}, {1, Palette::GoldDeep}});
    FillWith(cr, l);
    cairo_move_to(cr, bx + s * 20, by - 10);
    cairo_curve_to(cr, bx + s * 110, by - 90, bx + s * 140, by + 10, bx + s * 30, by + 8);
    cairo_set_line_width(cr, 3);
    TColour{1, 1, 0.9, 0.5}.Set(cr);
    cairo_stroke(cr);
  }
  cairo_save(cr);
  cairo_translate(cr, bx, by);
  cairo_scale(cr, 1, 0.8);
  cairo_arc(cr, 0, 0, 24, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_pattern_t* knot = cairo_pattern_create_radial(bx - 8, by - 8, 2, bx, by, 26);
  AddStops(knot, {{0, Palette::GoldLight}, {1, Palette::GoldDeep}});
  FillWith(cr, knot);
  Scenery::Vignette(c, 0.6);
  Scenery::Grain(c, rng, 2.5);
  studio.Save(c, "Data/graphics/pressie.jpg");
}
}  // namespace

void AddRoomJobs(std::vector<TPictureJob>& jobs) {
  jobs.push_back({"title.jpg", Title});
  jobs.push_back({"fireanim.png", FireStrip});
  jobs.push_back({"Santa.png", Santa});
  jobs.push_back({"pressie.jpg", Pressie});
}
