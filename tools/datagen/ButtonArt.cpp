// Menu buttons: glossy night-blue (or festive gold) plates with a gold rim and
// rounded lettering; every button has a lit "MO" twin for the pointer hover.
#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "ArtKit.h"
#include "Canvas.h"
#include "Pattern.h"
#include "Pictures.h"

using namespace art;

namespace {

enum class Plate { Blue, Gold, Red, Green };

constexpr int kBadgeShift = 8;

struct ButtonSpec {
  const char* file;
  const char* caption;  // empty: a blank plate the game letters itself
  int width, height;
  Plate plate;
  bool packBadge = false;  // also drawn chosen, with a star badge that pushes the caption right
};

Rgb PlateColour(Plate plate) {
  switch (plate) {
    case Plate::Gold: return Hex(0xE8A42C);
    case Plate::Red: return Hex(0xC42838);
    case Plate::Green: return Hex(0x22884A);
    default: return Hex(0x3A2C9A);
  }
}

void DrawPlate(cairo_t* cr, double w, double h, Plate plate, bool hover, bool selected) {
  const double m = 3, r = std::min(h / 2 - m, 16.0);
  const double x = m, y = m, pw = w - 2 * m, ph = h - 2 * m - 1;
  Rgb base = PlateColour(plate);
  if (hover) base = Lighten(base, 0.18);
  if (selected) base = Mix(base, Hex(0xF0B030), 0.8);
  // Hover glow and drop shadow stay inside the picture's margin.
  if (hover || selected) {
    for (int i = 3; i >= 1; --i) {
      RoundRect(cr, x, y, pw, ph, r);
      StrokeRgb(cr, i * 2.0, kFrameGold, 0.16);
    }
  }
  RoundRect(cr, x, y + 1.5, pw, ph, r);
  SetRgb(cr, Hex(0x05031A), 0.55);
  cairo_fill(cr);
  RoundRect(cr, x, y, pw, ph, r);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + ph);
  AddStops(p, {{0, Lighten(base, 0.35)}, {0.5, base}, {1, Darken(base, 0.45)}});
  FillWith(cr, p);
  // Gloss over the upper half.
  cairo_save(cr);
  RoundRect(cr, x, y, pw, ph, r);
  cairo_clip(cr);
  cairo_pattern_t* gl = cairo_pattern_create_linear(0, y + 2, 0, y + 2 + ph * 0.46);
  AddStops(gl, {{0, kWhite, hover ? 0.45 : 0.32}, {1, kWhite, 0.04}});
  RoundRect(cr, x + 3, y + 2, pw - 6, ph * 0.46, r * 0.8);
  FillWith(cr, gl);
  cairo_restore(cr);
  // Gold rim.
  RoundRect(cr, x + 0.8, y + 0.8, pw - 1.6, ph - 1.6, r - 0.8);
  cairo_pattern_t* rim = cairo_pattern_create_linear(0, y, 0, y + ph);
  AddStops(rim, {{0, Hex(0xFFF4D0)}, {0.5, kFrameGold}, {1, Hex(0x8A5410)}});
  cairo_set_source(cr, rim);
  cairo_set_line_width(cr, hover ? 2.2 : 1.6);
  cairo_stroke(cr);
  cairo_pattern_destroy(rim);
  // A little snow resting on the top edge.
  cairo_new_path(cr);
  const double sx = x + r * 0.6, sw = std::min(pw * 0.35, 40.0);
  cairo_move_to(cr, sx, y + 1.5);
  cairo_curve_to(cr, sx + sw * 0.2, y - 2, sx + sw * 0.8, y - 2.5, sx + sw, y + 1.2);
  cairo_curve_to(cr, sx + sw * 0.7, y + 3.5, sx + sw * 0.3, y + 3, sx, y + 1.5);
  SetRgb(cr, kWhite, 0.95);
  cairo_fill(cr);
}

// Height of a capital per point of the caption font.
double CapPerPoint(cairo_t* cr) { return MeasureText(cr, UiFont(), 100, "H").height / 100; }

// Captions are sized and set by the height of a capital, not by their own ink: a word
// with a descender ("Options", "Help") would otherwise come out smaller and higher than
// its neighbours ("Resume") on buttons of the same size.
double CaptionSize(cairo_t* cr, double w, double h, const std::string& text) {
  return FitTextSize(cr, UiFont(), std::min(h * 0.5, h * 0.42 / CapPerPoint(cr)), text, w - 20, h);
}

void DrawCaption(cairo_t* cr, double w, double h, const std::string& text, double size, bool hover, bool dark) {
  const double capPerPoint = CapPerPoint(cr);
  const double cx = w / 2, cy = h / 2 - 0.5;
  const TextBox ink = MeasureText(cr, UiFont(), size, text);
  const double left = cx - ink.width / 2 - ink.xBearing, baseline = cy + capPerPoint * size / 2;
  cairo_set_font_face(cr, UiFont());
  cairo_set_font_size(cr, size);
  auto captionPath = [&](double dx, double dy) {
    cairo_new_path(cr);
    cairo_move_to(cr, left + dx, baseline + dy);
    cairo_text_path(cr, text.c_str());
  };
  captionPath(1, 1.5);
  SetRgb(cr, Hex(0x05031A), 0.6);
  cairo_fill(cr);
  captionPath(0, 0);
  if (dark) {
    SetRgb(cr, Hex(0x4A2006));
    cairo_fill(cr);
    return;
  }
  cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - size / 2, 0, cy + size / 2);
  AddStops(p, {{0, kWhite}, {1, hover ? Hex(0xFFE6A0) : Hex(0xE6E0FF)}});
  FillWith(cr, p);
}

bool SaveButton(const std::string& path, const ButtonSpec& b, double captionSize, bool hover, bool selected) {
  TCanvas c(b.width, b.height);
  DrawPlate(c.Cr(), b.width, b.height, b.plate, hover, selected);
  if (selected) {
    // The chosen pack carries a star badge on its left.
    FacetedStone(c.Cr(), StarPoints(17, b.height / 2.0, 9, 4, 5, -kPi / 2), {17, b.height / 2.0}, Hex(0xFFF0A0),
                 0.45);
  }
  if (b.caption[0] != 0) {
    cairo_save(c.Cr());
    if (selected) cairo_translate(c.Cr(), kBadgeShift, 0);
    DrawCaption(c.Cr(), b.width, b.height, b.caption, captionSize, hover, b.plate == Plate::Gold || selected);
    cairo_restore(c.Cr());
  }
  return c.SavePng(path);
}

}  // namespace

void DrawHintButton(cairo_t* cr, double w, double h) {
  DrawPlate(cr, w, h, Plate::Blue, false, false);
  DrawCaption(cr, w, h, "Hint", CaptionSize(cr, w, h, "Hint"), false, false);
}

namespace {

bool SaveArrow(const std::string& path, bool right, bool hover) {
  const int size = 64;
  TCanvas c(size, size);
  cairo_t* cr = c.Cr();
  Rgb base = hover ? Hex(0x5A48C8) : Hex(0x3A2C9A);
  if (hover) SoftGlow(cr, 32, 32, 32, kFrameGold, 0.5);
  cairo_new_path(cr);
  cairo_arc(cr, 32, 33.5, 26, 0, 2 * kPi);
  SetRgb(cr, Hex(0x05031A), 0.55);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_arc(cr, 32, 32, 26, 0, 2 * kPi);
  cairo_pattern_t* p = cairo_pattern_create_radial(24, 22, 3, 32, 32, 28);
  AddStops(p, {{0, Lighten(base, 0.45)}, {0.6, base}, {1, Darken(base, 0.5)}});
  FillPreserveWith(cr, p);
  StrokeRgb(cr, hover ? 2.6 : 2, kFrameGold);
  cairo_save(cr);
  cairo_translate(cr, 32, 32);
  if (!right) cairo_scale(cr, -1, 1);
  Polygon(cr, {{-13, -5}, {1, -5}, {1, -13}, {15, 0}, {1, 13}, {1, 5}, {-13, 5}});
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetRgb(cr, Hex(0x140C38), 0.8);
  cairo_set_line_width(cr, 3);
  cairo_stroke_preserve(cr);
  FillVertical(cr, -13, 13, Hex(0xFFF8E0), hover ? kFrameGold : Hex(0xE8C070));
  cairo_restore(cr);
  SoftGlow(cr, 24, 20, 9, kWhite, 0.35);
  return c.SavePng(path);
}

}  // namespace

bool WriteButtons(const std::string& root) {
  const std::string dir = MenusDir(root);
  const ButtonSpec buttons[] = {
      {"OK", "OK", 100, 40, Plate::Blue},
      {"OK2", "", 120, 40, Plate::Blue},
      {"Yes", "Yes", 100, 40, Plate::Green},
      {"No", "No", 100, 40, Plate::Red},
      {"Cancel", "Cancel", 110, 40, Plate::Blue},
      {"Create", "Create", 110, 40, Plate::Blue},
      {"Delete", "Delete", 110, 40, Plate::Blue},
      {"Hint", "Hint", 140, 48, Plate::Blue},
      {"Menu", "Menu", 140, 52, Plate::Blue},
      {"changeplayer", "Change Player", 150, 48, Plate::Blue},
      {"play", "Play", 136, 72, Plate::Gold},
      {"titleoptions", "Options", 150, 48, Plate::Blue},
      {"mygallery", "Gallery", 150, 48, Plate::Blue},
      {"exit", "Exit", 150, 48, Plate::Blue},
      {"on", "On", 84, 40, Plate::Green},
      {"off", "Off", 84, 40, Plate::Red},
      {"credits", "Credits", 150, 46, Plate::Blue},
      {"resume", "Resume", 210, 46, Plate::Blue},
      {"options", "Options", 210, 46, Plate::Blue},
      {"help", "Help", 210, 46, Plate::Blue},
      {"saveandexit", "Save & Exit", 210, 46, Plate::Blue},
      {"ClassicLevels", "Classic Levels", 170, 50, Plate::Blue, true},
      {"GoldLevels", "Gold Levels", 170, 50, Plate::Blue, true},
  };
  // Buttons of one size stand together on a screen (the title's column, the in-game
  // menu, the two packs), so they share the caption size of the longest one among them.
  std::map<std::pair<int, int>, double> familySize;
  {
    TCanvas scratch(1, 1);
    for (const ButtonSpec& b : buttons) {
      if (b.caption[0] == 0) continue;
      const double size = CaptionSize(scratch.Cr(), b.width - (b.packBadge ? 3 * kBadgeShift : 0), b.height, b.caption);
      auto [it, fresh] = familySize.try_emplace({b.width, b.height}, size);
      if (!fresh) it->second = std::min(it->second, size);
    }
  }
  bool ok = true;
  for (const ButtonSpec& b : buttons) {
    const double size = b.caption[0] ? familySize.at({b.width, b.height}) : 0;
    ok &= SaveButton(dir + b.file + ".png", b, size, false, false);
    ok &= SaveButton(dir + b.file + "MO.png", b, size, true, false);
  }
  for (const ButtonSpec& b : buttons)
    if (b.packBadge)
      ok &= SaveButton(dir + b.file + "_selected.png", b, familySize.at({b.width, b.height}), false, true);
  ok &= SaveArrow(dir + "arrowleft.png", false, false);
  ok &= SaveArrow(dir + "arrowleftMO.png", false, true);
  ok &= SaveArrow(dir + "arrowright.png", true, false);
  ok &= SaveArrow(dir + "arrowrightMO.png", true, true);
  return ok;
}
