// Full-screen pages with words on them: the instructions page with its four
// demonstration wells and the gallery wall.
#include <cmath>

#include "Parchment.h"
#include "Pattern.h"
#include "PictureJobs.h"
#include "Props.h"
#include "Scenery.h"

namespace {
TLetterStyle Heading(double size) {
  TLetterStyle s = GoldHeadline(size);
  s.outlineWidth = 2.5;
  s.shadowDx = 2;
  s.shadowDy = 3;
  s.shadowBlur = 4;
  return s;
}

// A sunken dark well where the game draws board pieces. Its rim stays within 4 pixels
// of the pieces: the instruction texts start just under the upper wells.
void Well(cairo_t* cr, double x, double y, double w, double h) {
  const double m = 4;
  Parchment::RoundRect(cr, x - m, y - m, w + 2 * m, h + 2 * m, 7);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y - m, 0, y + h + m);
  AddStops(p, {{0, TColour::Rgb(12, 14, 44)}, {1, TColour::Rgb(40, 44, 100)}});
  FillWith(cr, p);
  Parchment::RoundRect(cr, x - m, y - m, w + 2 * m, h + 2 * m, 7);
  cairo_set_line_width(cr, 2);
  Palette::Gold.Set(cr);
  cairo_stroke(cr);
  // Inner shadow along the top edge.
  Parchment::RoundRect(cr, x - m + 2, y - m + 2, w + 2 * m - 4, 10, 5);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  cairo_fill(cr);
}

void Instructions(const TStudio& studio) {
  TCanvas c(800, 600);
  TSceneRandom rng(401);
  Scenery::TVillagePlan plan = Scenery::RandomPlan(rng);
  Scenery::Village(c, rng, plan);
  Parchment::Sheet(c, rng, 34, 28, 732, 548, TPaperTone::Light);
  cairo_t* cr = c.Cr();
  studio.letters.Draw(c, Heading(56), "How to Play", 400, 104);
  Parchment::Holly(cr, 84, 78, 32, 0.3);
  Parchment::Holly(cr, 716, 78, 32, 3.14159 - 0.3);
  for (auto [x, y] : {std::pair{143.0, 160.0}, std::pair{503.0, 160.0}, std::pair{143.0, 335.0},
                      std::pair{503.0, 335.0}})
    Well(cr, x, y, 150, 100);
  // Quiet rings where the two demonstration gauges stand.
  for (double gx : {333.0, 464.0}) {
    cairo_save(cr);
    cairo_translate(cr, gx, 387);
    cairo_scale(cr, 1, 1.6);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 46);
    AddStops(g, {{0, TColour::Rgb(120, 80, 30, 0.25)}, {1, TColour::Rgb(120, 80, 30, 0)}});
    cairo_set_source(cr, g);
    cairo_arc(cr, 0, 0, 46, 0, 6.2832);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
  }
  Scenery::Grain(c, rng, 2);
  studio.Save(c, "Data/graphics/Localised/instructions.jpg");
}

void Gallery(const TStudio& studio) {
  TCanvas c(800, 600);
  TSceneRandom rng(402);
  Scenery::TVillagePlan plan = Scenery::RandomPlan(rng);
  plan.aurora = true;
  Scenery::Village(c, rng, plan);
  Scenery::Vignette(c, 0.5);
  cairo_t* cr = c.Cr();
  // A velvet board the eleven frames hang on, an even margin round the frames (the
  // frames cover 103-637 across and 154-406 down).
  const double x = 85, y = 136, w = 570, h = 288;
  TCanvas shadow(800, 600);
  Parchment::RoundRect(shadow.Cr(), x + 4, y + 8, w, h, 16);
  cairo_set_source_rgba(shadow.Cr(), 0, 0, 0, 1);
  cairo_fill(shadow.Cr());
  shadow.Blur(14);
  shadow.PaintOnto(cr, 0, 0, 0.7);
  Parchment::RoundRect(cr, x, y, w, h, 16);
  cairo_pattern_t* v = cairo_pattern_create_radial(x + w * 0.4, y + h * 0.3, 10, x + w / 2, y + h / 2, w * 0.7);
  AddStops(v, {{0, TColour::Rgb(120, 30, 50)}, {0.7, TColour::Rgb(70, 14, 34)}, {1, TColour::Rgb(40, 6, 20)}});
  FillWith(cr, v);
  Parchment::RoundRect(cr, x + 6, y + 6, w - 12, h - 12, 12);
  cairo_set_line_width(cr, 3);
  Palette::Gold.Set(cr);
  cairo_stroke(cr);
  // The holly goes in the lower corners, which the last row of frames leaves free.
  Parchment::Holly(cr, x + 64, y + h - 48, 30, 0.4);
  Parchment::Holly(cr, x + w - 64, y + h - 48, 30, 3.14159 - 0.4);
  studio.letters.Draw(c, Heading(60), "My Gallery", 370, 100);
  Props::ChristmasTree(c, rng, 728, 520, 300);
  studio.Save(c, "Data/graphics/Localised/gallery.jpg");
}
}  // namespace

void AddPageJobs(std::vector<TPictureJob>& jobs) {
  jobs.push_back({"Localised/instructions.jpg", Instructions});
  jobs.push_back({"Localised/gallery.jpg", Gallery});
}
