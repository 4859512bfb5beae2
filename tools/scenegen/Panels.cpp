// Panels and small interface pieces: the parchments behind hints, tallies and the
// in-game menu, the hanging tags' strings, the loading bar, the slider, the gallery
// frame and lock, and the second options card.
#include <cmath>
#include <cstdint>
#include <string>

#include "Parchment.h"
#include "Pattern.h"
#include "PictureJobs.h"
#include "Props.h"
#include "Scenery.h"

namespace {
constexpr double kPi = 3.14159265358979;

// A toasted scroll inset by (x, y) on every side, with a sprig of holly in each upper
// corner, hollyX in from the side.
void HollyScroll(const TStudio& studio, const std::string& path, int w, int h, uint32_t seed, double x, double y,
                 double hollyX, double hollyY, double hollySize) {
  TCanvas c(w, h);
  TSceneRandom rng(seed);
  Parchment::Scroll(c, rng, x, y, w - 2 * x, h - 2 * y, TPaperTone::Toasted);
  Parchment::Holly(c.Cr(), hollyX, hollyY, hollySize, 0.3);
  Parchment::Holly(c.Cr(), w - hollyX, hollyY, hollySize, kPi - 0.3);
  studio.Save(c, path);
}

void HintBody(const TStudio& studio) {
  HollyScroll(studio, "Data/graphics/hintbody.png", 500, 500, 501, 14, 8, 64, 62, 30);
}

void ScrollBody(const TStudio& studio) {
  HollyScroll(studio, "Data/graphics/scrollbody.png", 470, 430, 502, 10, 6, 56, 58, 26);
}

// A glass tube; fill 0 = empty, 1 = full of candy-striped gold, 2 = full and glowing.
void LoadingBar(const TStudio& studio, int fill, const std::string& name) {
  const double w = 440, h = 36;
  TCanvas c{int(w), int(h)};
  cairo_t* cr = c.Cr();
  const double x = 3, y = 3, bw = w - 6, bh = h - 8, r = bh / 2;
  // Case.
  Parchment::RoundRect(cr, x, y, bw, bh, r);
  cairo_pattern_t* cs = cairo_pattern_create_linear(0, y, 0, y + bh);
  AddStops(cs, {{0, TColour::Rgb(20, 16, 50, 0.92)}, {1, TColour::Rgb(46, 40, 96, 0.92)}});
  FillWith(cr, cs);
  if (fill > 0) {
    cairo_save(cr);
    Parchment::RoundRect(cr, x + 4, y + 4, bw - 8, bh - 8, r - 4);
    cairo_clip(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y + 4, 0, y + bh - 4);
    AddStops(g, {{0, Palette::GoldLight}, {0.45, Palette::Gold}, {1, Palette::GoldDeep}});
    PaintWith(cr, g);
    // Candy stripes.
    for (double sx = x - 20; sx < x + bw + 20; sx += 22) {
      cairo_move_to(cr, sx, y + bh);
      cairo_line_to(cr, sx + 9, y + bh);
      cairo_line_to(cr, sx + 9 + bh, y);
      cairo_line_to(cr, sx + bh, y);
      cairo_close_path(cr);
      Palette::Berry.WithAlpha(0.75).Set(cr);
      cairo_fill(cr);
    }
    cairo_restore(cr);
  }
  // Glass shine along the top and a gold rim.
  Parchment::RoundRect(cr, x + 6, y + 3, bw - 12, bh * 0.38, bh * 0.19);
  cairo_pattern_t* shine = cairo_pattern_create_linear(0, y + 3, 0, y + 3 + bh * 0.38);
  AddStops(shine, {{0, TColour{1, 1, 1, 0.55}}, {1, TColour{1, 1, 1, 0.05}}});
  FillWith(cr, shine);
  Parchment::RoundRect(cr, x, y, bw, bh, r);
  cairo_set_line_width(cr, 2.4);
  cairo_pattern_t* rim = cairo_pattern_create_linear(0, y, 0, y + bh);
  AddStops(rim, {{0, Palette::GoldLight}, {1, Palette::GoldDeep}});
  StrokeWith(cr, rim);
  if (fill == 2) {
    // Finished: a few sparkles along the tube.
    TSceneRandom rng(77);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    for (int i = 0; i < 9; ++i) {
      const double sx = rng.Real(x + 20, x + bw - 20), sy = rng.Real(y + 4, y + bh - 4), sr = rng.Real(4, 8);
      cairo_pattern_t* p = cairo_pattern_create_radial(sx, sy, 0, sx, sy, sr);
      AddStops(p, {{0, TColour{1, 1, 0.9, 0.9}}, {1, TColour{1, 0.9, 0.5, 0}}});
      cairo_arc(cr, sx, sy, sr, 0, 2 * kPi);
      FillWith(cr, p);
      cairo_set_source_rgba(cr, 1, 1, 0.9, 0.8);
      cairo_set_line_width(cr, 0.8);
      cairo_move_to(cr, sx - sr * 1.6, sy);
      cairo_line_to(cr, sx + sr * 1.6, sy);
      cairo_move_to(cr, sx, sy - sr * 1.6);
      cairo_line_to(cr, sx, sy + sr * 1.6);
      cairo_stroke(cr);
    }
  }
  studio.Save(c, "Data/graphics/" + name);
}

void Slider(const TStudio& studio) {
  // The groove sits low in the picture so the label above it keeps clear.
  TCanvas c(300, 34);
  cairo_t* cr = c.Cr();
  cairo_translate(cr, 0, 4);
  Parchment::RoundRect(cr, 2, 9, 296, 12, 6);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 9, 0, 21);
  AddStops(g, {{0, TColour::Rgb(90, 50, 30)}, {1, TColour::Rgb(160, 110, 70)}});
  FillWith(cr, g);
  // Inner groove with a ribbon of gold.
  Parchment::RoundRect(cr, 6, 12, 288, 6, 3);
  cairo_pattern_t* r = cairo_pattern_create_linear(0, 12, 0, 18);
  AddStops(r, {{0, Palette::GoldDeep}, {0.6, Palette::Gold}, {1, Palette::GoldLight}});
  FillWith(cr, r);
  Parchment::RoundRect(cr, 2, 9, 296, 12, 6);
  cairo_set_line_width(cr, 1.2);
  TColour::Rgb(60, 30, 14).Set(cr);
  cairo_stroke(cr);
  // Tick marks at the quarters.
  for (int i = 0; i <= 4; ++i) {
    const double tx = 8 + 284 * i / 4.0;
    cairo_move_to(cr, tx, 23);
    cairo_line_to(cr, tx, 28);
    TColour::Rgb(90, 50, 30, 0.8).Set(cr);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
  }
  studio.Save(c, "Data/graphics/slider.png");
}

void Dot(const TStudio& studio) {
  TCanvas c(30, 34);
  Props::Bauble(c.Cr(), 15, 20, 12, Palette::Berry, true);
  studio.Save(c, "Data/graphics/Dot.png");
}

// The string a tag hangs by: a twisted red and white cord.
void Cord(cairo_t* cr, double x0, double y0, double cx, double cy, double x1, double y1, double shade) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, x0, y0);
  cairo_curve_to(cr, cx, cy, cx, cy, x1, y1);
  cairo_set_line_width(cr, 4.2);
  Palette::BerryDeep.Darker(shade).Set(cr);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 3);
  Palette::Berry.Darker(shade).Set(cr);
  cairo_stroke_preserve(cr);
  const double dashes[] = {3, 4};
  cairo_set_dash(cr, dashes, 2, 0);
  cairo_set_line_width(cr, 2.6);
  TColour::Rgb(255, 240, 230).Darker(shade).Set(cr);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
}

// Drawn at (210, -26) behind the tag: the strand that rises from the eyelet.
void BottomString(const TStudio& studio) {
  TCanvas c(40, 80);
  Cord(c.Cr(), 24, 0, 22, 40, 20, 70, 0.35);
  studio.Save(c, "Data/graphics/BottomString.png");
}

// Drawn at (196, -26) over the tag: the loop through the eyelet and its knot.
void TopString(const TStudio& studio) {
  TCanvas c(70, 90);
  cairo_t* cr = c.Cr();
  Cord(cr, 44, 0, 46, 40, 36, 66, 0);
  Cord(cr, 36, 66, 24, 74, 30, 80, 0);
  // A little bow where the cord passes the eyelet.
  for (double s : {-1.0, 1.0}) {
    cairo_move_to(cr, 34, 66);
    cairo_curve_to(cr, 34 + s * 20, 50, 34 + s * 24, 78, 34, 68);
    cairo_close_path(cr);
    Palette::Berry.Set(cr);
    cairo_fill_preserve(cr);
    Palette::BerryDeep.Set(cr);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  cairo_arc(cr, 34, 67, 4, 0, 2 * kPi);
  Palette::BerryDeep.Set(cr);
  cairo_fill(cr);
  studio.Save(c, "Data/graphics/TopString.png");
}

// The second options card, lower right: room for the pointer switch and credits.
void TagOptions2(const TStudio& studio) {
  TCanvas c(400, 345);
  TSceneRandom rng(503);
  Parchment::Tag(c, rng, 24, 40, 360, 290, 330, 82);
  Parchment::Holly(c.Cr(), 70, 92, 34, 0.2);
  Props::Bauble(c.Cr(), 130, 96, 14, Palette::Gold, true);
  Props::Bauble(c.Cr(), 100, 118, 10, TColour::Rgb(60, 120, 200), true);
  // Above the switch, where the card would otherwise stand empty: a few wrapped presents.
  Props::Present(c, 160, 186, 70, 56, Palette::Berry, Palette::Gold);
  Props::Present(c, 240, 186, 50, 74, TColour::Rgb(40, 100, 180), Palette::Snow);
  Props::Present(c, 204, 130, 40, 28, TColour::Rgb(40, 130, 70), Palette::Berry);
  studio.Save(c, "Data/graphics/tagoptions2.png");
}

void PictureFrame(const TStudio& studio) {
  TCanvas c(118, 84);
  cairo_t* cr = c.Cr();
  // The opening overlaps the thumbnail (drawn at 9, 0) by three pixels all round.
  Parchment::GoldFrame(cr, 0, 0, 118, 84, 12);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_rectangle(cr, 12, 3, 94, 69);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  // The top rail is narrow so the frame does not hide the picture.
  cairo_rectangle(cr, 9, 0, 100, 3);
  Palette::Gold.Set(cr);
  cairo_fill(cr);
  cairo_rectangle(cr, 12, 3, 94, 69);
  cairo_set_line_width(cr, 1.5);
  TColour::Rgb(60, 30, 5, 0.9).Set(cr);
  cairo_stroke(cr);
  // Three holly berries on the bottom rail: an empty plate there read as a missing caption.
  for (double bx : {52.0, 59.0, 66.0}) {
    cairo_arc(cr, bx, 78 - (bx == 59.0 ? 1.5 : 0.0), 3.2, 0, 2 * kPi);
    Palette::Berry.Set(cr);
    cairo_fill_preserve(cr);
    Palette::BerryDeep.Set(cr);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_arc(cr, bx - 1, 77 - (bx == 59.0 ? 1.5 : 0.0), 0.9, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.7);
    cairo_fill(cr);
  }
  studio.Save(c, "Data/graphics/pictureframe.png");
}

void LockedPicture(const TStudio& studio) {
  TCanvas c(100, 75);
  cairo_t* cr = c.Cr();
  TSceneRandom rng(504);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 100, 75);
  AddStops(g, {{0, TColour::Rgb(70, 80, 150)}, {1, TColour::Rgb(26, 24, 70)}});
  PaintWith(cr, g);
  // Frost creeping in from the corners.
  for (int i = 0; i < 40; ++i) {
    const double fx = rng.Chance(0.5) ? rng.Real(0, 25) : rng.Real(75, 100);
    const double fy = rng.Chance(0.5) ? rng.Real(0, 20) : rng.Real(55, 75);
    const double fr = rng.Real(4, 12);
    cairo_pattern_t* p = cairo_pattern_create_radial(fx, fy, 0, fx, fy, fr);
    AddStops(p, {{0, TColour{0.9, 0.95, 1, 0.25}}, {1, TColour{0.9, 0.95, 1, 0}}});
    cairo_arc(cr, fx, fy, fr, 0, 2 * kPi);
    FillWith(cr, p);
  }
  // Padlock.
  const double lx = 50, ly = 42;
  cairo_set_line_width(cr, 4.5);
  cairo_arc(cr, lx, ly - 8, 9, kPi, 2 * kPi);
  cairo_line_to(cr, lx + 9, ly);
  cairo_move_to(cr, lx - 9, ly);
  cairo_line_to(cr, lx - 9, ly - 8);
  TColour::Rgb(200, 200, 215).Set(cr);
  cairo_stroke(cr);
  Parchment::RoundRect(cr, lx - 15, ly - 2, 30, 22, 4);
  cairo_pattern_t* b = cairo_pattern_create_linear(lx - 15, ly - 2, lx + 15, ly + 20);
  AddStops(b, {{0, Palette::GoldLight}, {0.5, Palette::Gold}, {1, Palette::GoldDeep}});
  FillWith(cr, b);
  cairo_arc(cr, lx, ly + 7, 3, 0, 2 * kPi);
  cairo_rectangle(cr, lx - 1.2, ly + 7, 2.4, 7);
  TColour::Rgb(60, 30, 8).Set(cr);
  cairo_fill(cr);
  studio.Save(c, "Data/graphics/lockedpicture.png");
}
}  // namespace

void AddPanelJobs(std::vector<TPictureJob>& jobs) {
  jobs.push_back({"hintbody.png", HintBody});
  jobs.push_back({"scrollbody.png", ScrollBody});
  jobs.push_back({"LoadingBar.png", [](const TStudio& s) {
                    LoadingBar(s, 1, "LoadingBar.png");
                    LoadingBar(s, 0, "LoadingBarempty.png");
                    LoadingBar(s, 2, "LoadingBarfinal.png");
                  }});
  jobs.push_back({"slider.png", [](const TStudio& s) {
                    Slider(s);
                    Dot(s);
                  }});
  jobs.push_back({"BottomString.png", [](const TStudio& s) {
                    BottomString(s);
                    TopString(s);
                  }});
  jobs.push_back({"tagoptions2.png", TagOptions2});
  jobs.push_back({"pictureframe.png", [](const TStudio& s) {
                    PictureFrame(s);
                    LockedPicture(s);
                  }});
}
