// The heads-up pictures: the mouse pointers, the "Paused" lettering, the side
// panel with its score, level and time wells, and the three power gauges.
#include <cmath>
#include <string>
#include <vector>

#include "ArtKit.h"
#include "Canvas.h"
#include "Pattern.h"
#include "Pictures.h"

using namespace art;

namespace {

// Arrow with its tip at (0, 0), about 20 x 26 at scale 1.
void ArrowPath(cairo_t* cr) {
  Polygon(cr, {{0, 0}, {0, 21}, {5.2, 16.5}, {8.6, 24.8}, {12.2, 23.2}, {8.8, 15.2}, {15.6, 15.2}});
}

bool SavePointer(const std::string& path, int size, double tipX, double scale) {
  TCanvas c(size, size);
  cairo_t* cr = c.Cr();
  cairo_translate(cr, tipX, 0.6);
  cairo_scale(cr, scale, scale);
  ArrowPath(cr);
  PathShadow(cr, 1.6, 1.8, 0.6);
  ArrowPath(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 12, 24);
  AddStops(p, {{0, Hex(0xFFF8E0)}, {0.45, kFrameGold}, {1, Hex(0xC07818)}});
  FillPreserveWith(cr, p);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  StrokeRgb(cr, 1.5, Hex(0x1A1240));
  cairo_new_path(cr);
  cairo_move_to(cr, 1.6, 3.5);
  cairo_line_to(cr, 1.6, 16);
  StrokeRgb(cr, 1, kWhite, 0.8);
  return c.SavePng(path);
}

bool SavePaused(const std::string& path) {
  TCanvas c(340, 120);
  cairo_t* cr = c.Cr();
  const double size = 78;
  TextPathCentred(cr, FestiveFont(), size, "Paused", 170, 58);
  cairo_path_t* text = cairo_copy_path(cr);
  // Warm halo first, then a navy outline, then the gold letters.
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  for (int i = 5; i >= 1; --i) {
    cairo_new_path(cr);
    cairo_append_path(cr, text);
    StrokeRgb(cr, 4 + i * 4, kFrameGold, 0.07);
  }
  cairo_new_path(cr);
  cairo_append_path(cr, text);
  SetRgb(cr, Hex(0x140C38));
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 25, 0, 95);
  AddStops(p, {{0, Hex(0xFFFBE8)}, {0.45, kFrameGold}, {1, Hex(0xD08A20)}});
  FillWith(cr, p);
  cairo_path_destroy(text);
  Snowflake(cr, 22, 60, 14, 2.2, kWhite, 0.95);
  Snowflake(cr, 318, 60, 14, 2.2, kWhite, 0.95);
  Glint(cr, 250, 28, 9, 1.0);
  return c.SavePng(path);
}

void Label(cairo_t* cr, const std::string& text, double cx, double cy) {
  TextPathCentred(cr, UiFont(), 17, text, cx + 1, cy + 1);
  SetRgb(cr, kBlack, 0.5);
  cairo_fill(cr);
  TextPathCentred(cr, UiFont(), 17, text, cx, cy);
  FillVertical(cr, cy - 8, cy + 8, Hex(0xFFF4D0), kFrameGold);
}

void ValueWell(cairo_t* cr, double y) {
  RoundRect(cr, 14, y, 122, 32, 10);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + 32);
  AddStops(p, {{0, Hex(0x060420), 0.95}, {1, Hex(0x221A5A), 0.95}});
  FillPreserveWith(cr, p);
  StrokeRgb(cr, 1.6, Hex(0xC89A40));
  RoundRect(cr, 15.5, y + 1.5, 119, 29, 9);
  StrokeRgb(cr, 1, kWhite, 0.12);
}

bool SavePanel(const std::string& path) {
  TCanvas c(150, 600);
  cairo_t* cr = c.Cr();
  // Night-blue plate with a gold edge on the board side.
  cairo_rectangle(cr, 0, 0, 146, 600);
  cairo_pattern_t* bg = cairo_pattern_create_linear(0, 0, 0, 600);
  AddStops(bg, {{0, Hex(0x2A1E66), 0.96}, {0.5, Hex(0x1A1650), 0.96}, {1, Hex(0x120E3A), 0.96}});
  FillWith(cr, bg);
  Scatter sc(150);
  for (int i = 0; i < 26; ++i)
    Snowflake(cr, sc.Range(6, 140), sc.Range(90, 590), sc.Range(3, 7), 0.8, Hex(0xA8B8FF), sc.Range(0.08, 0.2),
              sc.Range(0, 1));
  cairo_rectangle(cr, 143, 0, 7, 600);
  cairo_pattern_t* edge = cairo_pattern_create_linear(143, 0, 150, 0);
  AddStops(edge, {{0, Hex(0x9A6418)}, {0.4, Hex(0xFFF0C0)}, {0.7, kFrameGold}, {1, Hex(0x8A5410)}});
  FillWith(cr, edge);

  // Crest: snow on the top, a gold star over a holly sprig.
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, 150, 0);
  cairo_line_to(cr, 150, 12);
  for (int i = 10; i >= 0; --i) {
    double x = i * 15.0;
    cairo_curve_to(cr, x + 10, 18 + (i % 3) * 2, x + 5, 14, x, 12 + (i % 2) * 5);
  }
  cairo_close_path(cr);
  FillVertical(cr, 0, 20, kWhite, Hex(0xC8D8F8));
  for (double x : {20.0, 52.0, 97.0, 128.0}) {
    cairo_new_path(cr);
    cairo_move_to(cr, x - 3, 14);
    cairo_line_to(cr, x, 26 + std::fmod(x, 7));
    cairo_line_to(cr, x + 3, 14);
    SetRgb(cr, Hex(0xE8F4FF), 0.9);
    cairo_fill(cr);
  }
  SoftGlow(cr, 73, 52, 30, kFrameGold, 0.35);
  FacetedStone(cr, StarPoints(73, 53, 20, 8.5, 5, -kPi / 2), {73, 53}, Hex(0xFFC828), 0.48);
  Glint(cr, 66, 42, 6, 0.9);

  Label(cr, "Score", 75, 110);
  ValueWell(cr, 122);
  Label(cr, "Level", 75, 197);
  ValueWell(cr, 209);
  Label(cr, "Time", 75, 282);
  ValueWell(cr, 294);

  // Socket behind the gauge at (59, 422), with its caption.
  Label(cr, "Power", 59, 356);
  RoundRect(cr, 30, 370, 58, 104, 14);
  cairo_pattern_t* sock = cairo_pattern_create_linear(0, 370, 0, 474);
  AddStops(sock, {{0, Hex(0x08061E), 0.9}, {1, Hex(0x2A2060), 0.9}});
  FillPreserveWith(cr, sock);
  StrokeRgb(cr, 1.6, Hex(0xC89A40));
  // Little candles beside the gauge.
  for (int i = 0; i < 3; ++i) {
    double y = 384 + i * 32;
    RoundRect(cr, 106, y + 6, 8, 16, 2);
    FillVertical(cr, y + 6, y + 22, Hex(0xFFF4E0), Hex(0xD8C0A0));
    SoftGlow(cr, 110, y + 2, 8, Hex(0xFFB040), 0.6);
    cairo_new_path(cr);
    cairo_move_to(cr, 110, y - 2);
    cairo_curve_to(cr, 113, y + 2, 112, y + 5, 110, y + 5.5);
    cairo_curve_to(cr, 108, y + 5, 107, y + 2, 110, y - 2);
    SetRgb(cr, Hex(0xFFE080));
    cairo_fill(cr);
  }
  return c.SavePng(path);
}

}  // namespace

void DrawGauge(cairo_t* cr, int fill) {
  // 46 x 92: gold cap (top 16 px) and base (bottom 16 px) around a glass tube.
  const double tx = 12, tw = 22, top = 12, bottom = 80;
  RoundRect(cr, tx - 2, top - 2, tw + 4, bottom - top + 4, 12);
  SetRgb(cr, Hex(0x0A0826), 0.9);
  cairo_fill(cr);
  RoundRect(cr, tx, top, tw, bottom - top, 11);
  cairo_pattern_t* glass = cairo_pattern_create_linear(tx, 0, tx + tw, 0);
  AddStops(glass, {{0, Hex(0x30306A), 0.9}, {0.5, Hex(0x181444), 0.9}, {1, Hex(0x0C0A2A), 0.9}});
  FillWith(cr, glass);
  if (fill > 0) {
    // Magic liquid from the base up to the cap.
    const Rgb hot = fill == 2 ? Hex(0xFFD0F8) : Hex(0xF060D8);
    RoundRect(cr, tx + 2, 16, tw - 4, 60, 8);
    cairo_pattern_t* p = cairo_pattern_create_linear(tx, 0, tx + tw, 0);
    AddStops(p, {{0, Lighten(hot, 0.4)}, {0.4, hot}, {1, Darken(hot, fill == 2 ? 0.25 : 0.45)}});
    FillWith(cr, p);
    Scatter sc(fill * 7);
    for (int i = 0; i < 7; ++i) {
      cairo_new_path(cr);
      cairo_arc(cr, sc.Range(tx + 5, tx + tw - 5), sc.Range(22, 72), sc.Range(0.8, 1.8), 0, 2 * kPi);
      SetRgb(cr, kWhite, 0.7);
      cairo_fill(cr);
    }
    if (fill == 2) {
      SoftGlow(cr, 23, 46, 24, Hex(0xFFB0F0), 0.5);
      Glint(cr, 18, 30, 6, 1.0);
      Glint(cr, 28, 58, 4.5, 0.9);
    }
  }
  // Glass reflection.
  RoundRect(cr, tx + 3.5, top + 6, 4, bottom - top - 14, 2);
  SetRgb(cr, kWhite, 0.35);
  cairo_fill(cr);
  // Cap and base: gold bands with a bauble top.
  for (int k = 0; k < 2; ++k) {
    double y = k == 0 ? 4 : 76;
    RoundRect(cr, 6, y, 34, 12, 5);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + 12);
    AddStops(g, {{0, Hex(0xFFF2C8)}, {0.45, kFrameGold}, {1, Hex(0x9A6014)}});
    FillPreserveWith(cr, g);
    StrokeRgb(cr, 1, Hex(0x5A3408));
  }
  cairo_new_path(cr);
  cairo_arc(cr, 23, 3.5, 3, 0, 2 * kPi);
  SetRgb(cr, kFrameGold);
  cairo_fill(cr);
}

bool WriteHud(const std::string& root) {
  const std::string dir = GraphicsDir(root);
  bool ok = true;
  ok &= SavePointer(dir + "pointer.png", 32, 4, 1.0);
  ok &= SavePointer(dir + "pointersmall.png", 22, 3, 0.68);
  ok &= SavePaused(dir + "Localised/paused.png");
  ok &= SavePanel(dir + "Localised/panel.png");
  const char* names[3] = {"gaugeempty.png", "gaugefull.png", "gaugemax.png"};
  for (int fill = 0; fill < 3; ++fill) {
    TCanvas c(46, 92);
    DrawGauge(c.Cr(), fill);
    ok &= c.SavePng(dir + names[fill]);
  }
  return ok;
}
