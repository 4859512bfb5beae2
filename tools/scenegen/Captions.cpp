// Lettered pictures: the logo, the headers and labels of the Localised folder, the
// click-here button, the dialog backgrounds, the studio splashes and the footer.
#include <cmath>
#include <tuple>

#include "Parchment.h"
#include "Pattern.h"
#include "PictureJobs.h"
#include "Scenery.h"

namespace {
constexpr double kPi = 3.14159265358979;

TLetterStyle Festive(double size) {
  TLetterStyle s = GoldHeadline(size);
  s.outlineWidth = std::max(2.0, size / 28);
  s.shadowDx = size / 30;
  s.shadowDy = size / 22;
  s.shadowBlur = size / 14;
  s.shadow = TColour{0.05, 0, 0.1, 0.7};
  return s;
}

// Small pale lettering with a tight shadow, for the lines under a name.
TLetterStyle Moonlit(double size, const TColour& top, const TColour& bottom) {
  TLetterStyle s;
  s.size = size;
  s.top = top;
  s.bottom = bottom;
  s.shadowDx = 1;
  s.shadowDy = 1;
  s.shadowBlur = 2;
  return s;
}

// Dark red ink for words printed on the cream tags.
TLetterStyle Ink(double size) {
  TLetterStyle s;
  s.size = size;
  s.top = TColour::Rgb(150, 30, 36);
  s.bottom = TColour::Rgb(96, 14, 24);
  s.shadow = TColour{1, 1, 1, 0.7};
  s.shadowDx = 1;
  s.shadowDy = 1.5;
  s.shadowBlur = 1;
  s.shine = false;
  return s;
}

// A picture just big enough for the text and its shadow.
void Lettered(const TStudio& studio, const std::string& path, const std::string& text, const TLetterStyle& style,
              double pad = 12) {
  const TLettering& L = studio.letters;
  const double w = std::ceil(L.Width(style, text) + pad * 2 + style.outlineWidth * 2 + style.shadowDx);
  const double asc = L.Ascent(style), desc = L.Descent(style);
  const double h = std::ceil(asc + desc + pad * 2 + style.shadowDy);
  TCanvas c{int(w), int(h)};
  L.Draw(c, style, text, w / 2 - style.shadowDx / 2, pad + asc);
  studio.Save(c, path);
}

void Logo(const TStudio& studio) {
  TCanvas c(620, 250);
  cairo_t* cr = c.Cr();
  const TLettering& L = studio.letters;
  // A red ribbon banner carries "GOLD" under the name.
  const double by = 176, bh = 50, bx0 = 190, bx1 = 430;
  for (double s : {-1.0, 1.0}) {
    const double ex = s < 0 ? bx0 : bx1;
    cairo_move_to(cr, ex, by + 10);
    cairo_line_to(cr, ex + s * 52, by + 10);
    cairo_line_to(cr, ex + s * 36, by + 10 + bh / 2);
    cairo_line_to(cr, ex + s * 52, by + 10 + bh);
    cairo_line_to(cr, ex, by + 10 + bh);
    cairo_close_path(cr);
    Palette::BerryDeep.Set(cr);
    cairo_fill(cr);
  }
  cairo_move_to(cr, bx0, by);
  cairo_curve_to(cr, 280, by - 10, 340, by - 10, bx1, by);
  cairo_line_to(cr, bx1, by + bh);
  cairo_curve_to(cr, 340, by + bh - 10, 280, by + bh - 10, bx0, by + bh);
  cairo_close_path(cr);
  cairo_pattern_t* rib = cairo_pattern_create_linear(0, by - 8, 0, by + bh);
  AddStops(rib, {{0, TColour::Rgb(236, 70, 70)}, {0.5, Palette::Berry}, {1, Palette::BerryDeep}});
  FillPreserveWith(cr, rib);
  Palette::Gold.Set(cr);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);

  TLetterStyle gold;
  gold.size = 38;
  gold.letterSpacing = 12;
  gold.top = Palette::GoldLight;
  gold.bottom = TColour::Rgb(226, 150, 30);
  gold.outline = TColour::Rgb(90, 30, 0);
  gold.outlineWidth = 2;
  gold.shadowDx = 1;
  gold.shadowDy = 2;
  gold.shadowBlur = 3;
  L.Draw(c, gold, "GOLD", 310 + 6, by + 38);

  TLetterStyle name = Festive(112);
  name.glow = TColour{1, 0.8, 0.35, 0.35};
  name.glowRadius = 18;
  L.Draw(c, name, "Tinselvale", 310, 138);
  Parchment::Holly(cr, 62, 60, 38, 2.3);
  // A twinkle on the last letter.
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  const double sx = 548, sy = 40;
  cairo_pattern_t* g = cairo_pattern_create_radial(sx, sy, 0, sx, sy, 18);
  AddStops(g, {{0, TColour{1, 1, 0.85, 0.9}}, {1, TColour{1, 0.9, 0.5, 0}}});
  cairo_set_source(cr, g);
  cairo_arc(cr, sx, sy, 18, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  for (double a = 0; a < kPi; a += kPi / 2) {
    cairo_save(cr);
    cairo_translate(cr, sx, sy);
    cairo_rotate(cr, a);
    cairo_move_to(cr, -26, 0);
    cairo_line_to(cr, 0, -2);
    cairo_line_to(cr, 26, 0);
    cairo_line_to(cr, 0, 2);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 1, 1, 0.9, 0.9);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  studio.Save(c, "Data/graphics/mainlogo.png");
}

void ClickHere(const TStudio& studio, bool hover) {
  TCanvas c(340, 90);
  cairo_t* cr = c.Cr();
  const double x = 14, y = 10, w = 312, h = 66;
  TCanvas s(340, 90);
  Parchment::RoundRect(s.Cr(), x + 3, y + 5, w, h, h / 2);
  cairo_set_source_rgba(s.Cr(), 0, 0, 0, 1);
  cairo_fill(s.Cr());
  s.Blur(8);
  s.PaintOnto(cr, 0, 0, 0.6);
  if (hover) {
    TCanvas glow(340, 90);
    Parchment::RoundRect(glow.Cr(), x - 4, y - 4, w + 8, h + 8, h / 2 + 4);
    cairo_set_source_rgba(glow.Cr(), 1, 0.85, 0.4, 1);
    cairo_fill(glow.Cr());
    glow.Blur(10);
    glow.PaintOnto(cr, 0, 0, 0.8);
  }
  Parchment::RoundRect(cr, x, y, w, h, h / 2);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
  const TColour base = hover ? TColour::Rgb(226, 50, 56) : Palette::Berry;
  AddStops(p, {{0, base.Lighter(0.35)}, {0.5, base}, {1, base.Darker(0.45)}});
  FillWith(cr, p);
  Parchment::RoundRect(cr, x + 6, y + 4, w - 12, h * 0.42, h * 0.21);
  cairo_set_source_rgba(cr, 1, 1, 1, hover ? 0.3 : 0.22);
  cairo_fill(cr);
  Parchment::RoundRect(cr, x, y, w, h, h / 2);
  cairo_set_line_width(cr, 3);
  cairo_pattern_t* rim = cairo_pattern_create_linear(0, y, 0, y + h);
  AddStops(rim, {{0, Palette::GoldLight}, {1, Palette::GoldDeep}});
  StrokeWith(cr, rim);
  TLetterStyle t;
  t.size = 28;
  t.top = TColour::Rgb(255, 252, 236);
  t.bottom = hover ? TColour::Rgb(255, 236, 170) : TColour::Rgb(250, 220, 170);
  t.shadow = TColour{0.25, 0, 0, 0.8};
  t.shadowDx = 1;
  t.shadowDy = 2;
  t.shadowBlur = 2;
  studio.letters.Draw(c, t, "Click to Play", x + w / 2, y + h / 2 + 10);
  studio.Save(c, hover ? "Data/graphics/Localised/clickhereMO.png" : "Data/graphics/Localised/clickhere.png");
}

// The big hanging card of the options and credits screens, its word at the top.
void BigTag(const TStudio& studio, const std::string& word, const std::string& path, uint32_t seed) {
  // Drawn at (10, -26), the tag runs down to 596 so that the OK button placed at the
  // screen's foot (its bottom at 585) sits inside it, not across its border.
  TCanvas c(440, 630);
  TSceneRandom rng(seed);
  Parchment::Tag(c, rng, 6, 30, 426, 592, 220, 70);
  Parchment::Holly(c.Cr(), 74, 86, 34, 0.25);
  Parchment::Holly(c.Cr(), 366, 86, 34, kPi - 0.25);
  TLetterStyle s = Festive(60);
  s.top = TColour::Rgb(236, 60, 60);
  s.bottom = TColour::Rgb(140, 16, 28);
  s.outline = TColour::Rgb(255, 236, 190);
  s.outlineWidth = 2.5;
  s.shadowBlur = 4;
  s.shadow = TColour{0.3, 0.15, 0.05, 0.45};
  s.snowCap = false;
  studio.letters.Draw(c, s, word, 220, 156);
  studio.Save(c, path);
}

// A dark velvet panel framed in gold, for the player dialogs.
void DialogPanel(const TStudio& studio, int w, int h, const std::string& path, uint32_t seed) {
  TCanvas c(w, h);
  cairo_t* cr = c.Cr();
  TSceneRandom rng(seed);
  const double m = 8;
  TCanvas s(w, h);
  Parchment::RoundRect(s.Cr(), m + 2, m + 4, w - m * 2, h - m * 2, 18);
  cairo_set_source_rgba(s.Cr(), 0, 0, 0, 1);
  cairo_fill(s.Cr());
  s.Blur(8);
  s.PaintOnto(cr, 0, 0, 0.7);
  Parchment::RoundRect(cr, m, m, w - m * 2, h - m * 2, 18);
  cairo_pattern_t* p = cairo_pattern_create_radial(w * 0.4, h * 0.3, 0, w * 0.5, h * 0.5, std::max(w, h) * 0.7);
  AddStops(p, {{0, TColour::Rgb(60, 50, 130)}, {0.7, TColour::Rgb(26, 20, 70)}, {1, TColour::Rgb(14, 10, 40)}});
  FillWith(cr, p);
  // Faint snowflakes woven into the cloth.
  cairo_save(cr);
  Parchment::RoundRect(cr, m, m, w - m * 2, h - m * 2, 18);
  cairo_clip(cr);
  for (int i = 0; i < w * h / 5000; ++i) {
    const double fx = rng.Real(0, w), fy = rng.Real(0, h), fr = rng.Real(4, 9);
    cairo_set_line_width(cr, 1);
    cairo_set_source_rgba(cr, 0.8, 0.85, 1, 0.08);
    for (int k = 0; k < 3; ++k) {
      const double a = k * kPi / 3;
      cairo_move_to(cr, fx - std::cos(a) * fr, fy - std::sin(a) * fr);
      cairo_line_to(cr, fx + std::cos(a) * fr, fy + std::sin(a) * fr);
    }
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  for (double inset : {m + 1.5, m + 8.0}) {
    Parchment::RoundRect(cr, inset, inset, w - inset * 2, h - inset * 2, 18 - (inset - m));
    cairo_set_line_width(cr, inset < m + 2 ? 3 : 1.2);
    Palette::Gold.Set(cr);
    cairo_stroke(cr);
  }
  Parchment::Holly(cr, m + 26, m + 26, 26, kPi / 4);
  Parchment::Holly(cr, w - m - 26, m + 26, 26, 3 * kPi / 4);
  studio.Save(c, path);
}

// A little winged moth carrying a quill: the Quillmoth mark.
void Moth(cairo_t* cr, double x, double y, double s) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  for (double side : {-1.0, 1.0}) {
    cairo_save(cr);
    cairo_scale(cr, side, 1);
    // Fore wing and hind wing.
    cairo_move_to(cr, 2, -4);
    cairo_curve_to(cr, 30, -46, 78, -40, 84, -22);
    cairo_curve_to(cr, 80, -4, 40, 4, 2, 2);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, -40, 70, 0);
    AddStops(g, {{0, TColour::Rgb(250, 226, 170)}, {0.6, TColour::Rgb(200, 150, 90)}, {1, TColour::Rgb(130, 86, 50)}});
    FillPreserveWith(cr, g);
    TColour::Rgb(90, 50, 26).Set(cr);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_move_to(cr, 2, 4);
    cairo_curve_to(cr, 30, 6, 60, 16, 54, 40);
    cairo_curve_to(cr, 36, 48, 12, 30, 2, 10);
    cairo_close_path(cr);
    cairo_pattern_t* h = cairo_pattern_create_linear(0, 0, 50, 40);
    AddStops(h, {{0, TColour::Rgb(236, 200, 140)}, {1, TColour::Rgb(150, 100, 60)}});
    FillPreserveWith(cr, h);
    TColour::Rgb(90, 50, 26).Set(cr);
    cairo_stroke(cr);
    // Eye spots.
    cairo_arc(cr, 52, -22, 8, 0, 2 * kPi);
    Palette::Gold.Set(cr);
    cairo_fill(cr);
    cairo_arc(cr, 52, -22, 4, 0, 2 * kPi);
    TColour::Rgb(60, 30, 60).Set(cr);
    cairo_fill(cr);
    // Feelers.
    cairo_move_to(cr, 2, -18);
    cairo_curve_to(cr, 6, -34, 14, -44, 22, -48);
    TColour::Rgb(90, 50, 26).Set(cr);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  cairo_save(cr);
  cairo_scale(cr, 0.5, 1);
  cairo_arc(cr, 0, 0, 12, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_translate(cr, 0, 4);
  cairo_scale(cr, 0.45, 1.6);
  cairo_arc(cr, 0, 0, 12, 0, 2 * kPi);
  cairo_restore(cr);
  TColour::Rgb(110, 64, 34).Set(cr);
  cairo_fill(cr);
  // The quill, carried across the body.
  cairo_move_to(cr, -46, 44);
  cairo_curve_to(cr, -10, 20, 30, -10, 70, -60);
  cairo_curve_to(cr, 40, -20, 0, 20, -46, 44);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.92);
  cairo_fill_preserve(cr);
  TColour::Rgb(140, 150, 180).Set(cr);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_move_to(cr, -50, 48);
  cairo_line_to(cr, 62, -52);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void StudioSplash(const TStudio& studio) {
  TCanvas c(640, 400);
  cairo_t* cr = c.Cr();
  TSceneRandom rng(601);
  // A moonlit glow behind the emblem; the rest stays clear so the splash fades on black.
  // The glow is wider than high and dies out before the picture's top, or its edge
  // would show as a hard line across the screen.
  cairo_save(cr);
  cairo_translate(cr, 320, 150);
  cairo_scale(cr, 1.5, 1);
  cairo_pattern_t* halo = cairo_pattern_create_radial(0, 0, 14, 0, 0, 146);
  AddStops(halo, {{0, TColour::Rgb(80, 70, 160, 0.8)}, {0.5, TColour::Rgb(40, 30, 100, 0.35)},
      {0.8, TColour::Rgb(20, 10, 60, 0.08)}, {1, TColour::Rgb(20, 10, 60, 0)}});
  cairo_set_source(cr, halo);
  cairo_arc(cr, 0, 0, 146, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_destroy(halo);
  cairo_restore(cr);
  for (int i = 0; i < 60; ++i) {
    const double a = rng.Real(0, 2 * kPi), d = rng.Real(40, 175);
    cairo_arc(cr, 320 + std::cos(a) * d, 150 + std::sin(a) * d * 0.8, rng.Real(0.5, 1.5), 0, 2 * kPi);
    cairo_set_source_rgba(cr, 1, 0.95, 0.8, rng.Real(0.3, 0.9));
    cairo_fill(cr);
  }
  Moth(cr, 320, 150, 1.3);
  TLetterStyle name = Festive(74);
  name.snowCap = false;
  name.glow = TColour{1, 0.8, 0.4, 0.3};
  studio.letters.Draw(c, name, "Quillmoth", 320, 318);
  TLetterStyle sub = Moonlit(20, TColour::Rgb(230, 230, 255), TColour::Rgb(180, 180, 230));
  sub.letterSpacing = 6;
  studio.letters.Draw(c, sub, "PRESENTS", 320, 362);
  studio.Save(c, "data/branding/splash1.png");
}

void LogoSplash(const TStudio& studio) {
  TCanvas c(520, 300);
  cairo_t* cr = c.Cr();
  // A gold medallion with the moth, the studio name on a ribbon below.
  const double cx = 260, cy = 120, r = 96;
  TCanvas s(520, 300);
  cairo_arc(s.Cr(), cx + 4, cy + 6, r, 0, 2 * kPi);
  cairo_set_source_rgba(s.Cr(), 0, 0, 0, 1);
  cairo_fill(s.Cr());
  s.Blur(12);
  s.PaintOnto(cr, 0, 0, 0.6);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_pattern_t* g = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
  AddStops(g, {{0, Palette::GoldLight}, {0.4, Palette::Gold}, {1, Palette::GoldDeep}});
  FillWith(cr, g);
  cairo_arc(cr, cx, cy, r - 10, 0, 2 * kPi);
  cairo_pattern_t* in = cairo_pattern_create_radial(cx - 20, cy - 30, 5, cx, cy, r);
  AddStops(in, {{0, TColour::Rgb(70, 60, 150)}, {1, TColour::Rgb(20, 14, 60)}});
  FillWith(cr, in);
  Moth(cr, cx, cy + 4, 0.95);
  TLetterStyle name = Festive(56);
  name.snowCap = false;
  studio.letters.Draw(c, name, "Quillmoth", cx, 272);
  studio.Save(c, "data/quillmoth.png");
}

void Footer(const TStudio& studio) {
  TLetterStyle s = Moonlit(14, TColour::Rgb(236, 226, 255), TColour::Rgb(200, 190, 230));
  s.shadow = TColour{0, 0, 0, 0.8};
  s.shine = false;
  const std::string text = "Tinselvale GOLD  \xC2\xA9 Quillmoth";
  const double w = std::ceil(studio.letters.Width(s, text) + 16);
  TCanvas c{int(w), 24};
  studio.letters.Draw(c, s, text, w / 2, 17);
  studio.Save(c, "Data/graphics/copyright.png");
}
}  // namespace

void AddCaptionJobs(std::vector<TPictureJob>& jobs) {
  jobs.push_back({"mainlogo.png", Logo});
  jobs.push_back({"copyright.png", Footer});
  jobs.push_back({"Localised/clickhere.png", [](const TStudio& s) {
                    ClickHere(s, false);
                    ClickHere(s, true);
                  }});
  jobs.push_back({"Localised/loading.png", [](const TStudio& s) {
                    TLetterStyle t;
                    t.size = 34;
                    t.top = TColour::Rgb(255, 250, 230);
                    t.bottom = Palette::GoldLight;
                    t.glow = TColour{1, 0.8, 0.4, 0.4};
                    t.glowRadius = 10;
                    t.shadowBlur = 3;
                    t.shadowDx = 2;
                    t.shadowDy = 2;
                    Lettered(s, "Data/graphics/Localised/loading.png", "Loading...", t, 16);
                  }});
  jobs.push_back({"Localised/go.png", [](const TStudio& s) {
                    TLetterStyle t = Festive(150);
                    t.glow = TColour{1, 0.8, 0.3, 0.45};
                    t.glowRadius = 20;
                    Lettered(s, "Data/graphics/Localised/go.png", "Go!", t, 28);
                  }});
  jobs.push_back({"Localised/welldone.png", [](const TStudio& s) {
                    TLetterStyle t = Festive(104);
                    t.glow = TColour{1, 0.8, 0.3, 0.45};
                    t.glowRadius = 18;
                    Lettered(s, "Data/graphics/Localised/welldone.png", "Well Done!", t, 24);
                  }});
  jobs.push_back({"Localised/levelcomplete.png", [](const TStudio& s) {
                    Lettered(s, "Data/graphics/Localised/levelcomplete.png", "Level Complete!", Festive(70), 14);
                  }});
  jobs.push_back({"localised/selectlevel.png", [](const TStudio& s) {
                    Lettered(s, "Data/graphics/localised/selectlevel.png", "Choose a Level", Festive(62), 12);
                  }});
  jobs.push_back({"Localised/Music.png", [](const TStudio& s) {
                    // The slider labels sit above 300-pixel tracks; the switch labels stand left
                    // of their switches and must stay under about 95 pixels wide.
                    const std::tuple<const char*, const char*, double> labels[] = {
                        {"Music", "Music", 20},          {"Sound", "Sound", 20},
                        {"Details", "Details", 20},      {"FullScreen", "Full Screen", 16},
                        {"Widescreen", "Widescreen", 16}, {"CustomCursor", "Pointer", 16}};
                    for (auto [file, text, size] : labels)
                      Lettered(s, std::string("Data/graphics/Localised/") + file + ".png", text, Ink(size), 2);
                  }});
  jobs.push_back({"Localised/tagoptions.png",
                  [](const TStudio& s) { BigTag(s, "Options", "Data/graphics/Localised/tagoptions.png", 701); }});
  jobs.push_back({"Localised/tagcredits.png",
                  [](const TStudio& s) { BigTag(s, "Credits", "Data/graphics/Localised/tagcredits.png", 702); }});
  jobs.push_back({"Localised/enteryourname.png", [](const TStudio& s) {
                    DialogPanel(s, 420, 260, "Data/graphics/Localised/enteryourname.png", 703);
                  }});
  jobs.push_back({"Localised/chooseplayer.png", [](const TStudio& s) {
                    DialogPanel(s, 540, 450, "Data/graphics/Localised/chooseplayer.png", 704);
                  }});
  jobs.push_back({"branding/splash1.png", StudioSplash});
  jobs.push_back({"quillmoth.png", LogoSplash});
}
