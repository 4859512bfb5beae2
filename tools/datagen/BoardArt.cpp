// The board's cells and what lies in them: the frosted golden brick, its
// armour of double ice, the ice lock over a gem, the dark cell wells with their
// grout lines, and the selection and highlight glows.
#include <algorithm>
#include <cmath>
#include <string>

#include "ArtKit.h"
#include "Canvas.h"
#include "Pattern.h"
#include "Pictures.h"

using namespace art;

namespace {

void Frost(cairo_t* cr, unsigned seed, double x, double y, double w, double h, double alpha) {
  // Speckles crowd towards the edges, as rime does.
  Scatter sc(seed);
  for (int i = 0; i < 60; ++i) {
    double u = sc.Next(), v = sc.Next();
    double edge = std::min(std::min(u, 1 - u), std::min(v, 1 - v));
    if (sc.Next() < edge * 3.2) continue;
    cairo_new_path(cr);
    cairo_arc(cr, x + u * w, y + v * h, sc.Range(0.35, 1.1), 0, 2 * kPi);
    SetRgb(cr, kWhite, alpha * sc.Range(0.4, 1.0));
    cairo_fill(cr);
  }
}

void SnowCrust(cairo_t* cr, double x0, double x1, double y, double depth, unsigned seed) {
  Scatter sc(seed);
  cairo_new_path(cr);
  cairo_move_to(cr, x0, y - 1);
  cairo_line_to(cr, x1, y - 1);
  const int bumps = 7;
  for (int i = bumps; i >= 0; --i) {
    double x = x0 + (x1 - x0) * i / bumps;
    cairo_line_to(cr, x, y + depth * sc.Range(0.5, 1.2));
  }
  cairo_close_path(cr);
  FillVertical(cr, y, y + depth, kWhite, Hex(0xD4E4FA), 0.92);
}

void CrackLines(cairo_t* cr, unsigned seed, double alpha) {
  Scatter sc(seed);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 3; ++i) {
    double x = sc.Range(6, 44), y = sc.Range(6, 44);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    double a = sc.Range(0, 2 * kPi);
    for (int k = 0; k < 3; ++k) {
      a += sc.Range(-0.7, 0.7);
      x += 5 * std::cos(a);
      y += 5 * std::sin(a);
      cairo_line_to(cr, x, y);
    }
    StrokeRgb(cr, 0.7, kWhite, alpha);
  }
}

void IceSheen(cairo_t* cr, double alpha) {
  Polygon(cr, {{4, 20}, {20, 4}, {27, 4}, {4, 27}});
  SetRgb(cr, kWhite, alpha);
  cairo_fill(cr);
  Polygon(cr, {{4, 31}, {31, 4}, {33, 4}, {4, 33}});
  SetRgb(cr, kWhite, alpha * 0.7);
  cairo_fill(cr);
}

}  // namespace

void DrawBrick(cairo_t* cr) {
  const Rgb light = Hex(0xE2B860), dark = Hex(0x7A4A14);
  RoundRect(cr, 0.5, 0.5, 49, 49, 5);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 50, 50);
  AddStops(p, {{0, light}, {0.55, Hex(0xB8822E)}, {1, dark}});
  FillWith(cr, p);
  // Bevel: lit top-left rim, shaded bottom-right rim.
  RoundRect(cr, 2, 2, 46, 46, 4);
  cairo_set_line_width(cr, 2);
  cairo_pattern_t* rim = cairo_pattern_create_linear(0, 0, 50, 50);
  AddStops(rim, {{0, Hex(0xFFF2C8), 0.9}, {0.5, Hex(0xFFE6A0), 0.15}, {1, Hex(0x5A3408), 0.7}});
  StrokeWith(cr, rim);
  // A faint embossed snowflake in the middle of the tile.
  Snowflake(cr, 25.6, 25.6, 15, 1.6, Hex(0x7A4A10), 0.25);
  Snowflake(cr, 25, 25, 15, 1.6, Hex(0xFFF0C0), 0.3);
  Frost(cr, 12, 1, 1, 48, 48, 0.55);
  SnowCrust(cr, 3, 47, 1.5, 3.5, 21);
  RoundRect(cr, 0.5, 0.5, 49, 49, 5);
  StrokeRgb(cr, 1, Hex(0x4A2A06), 0.8);
}

void DrawArmour(cairo_t* cr) {
  DrawBrick(cr);
  // Two sheets of ice, each with its own bevelled rim.
  for (int layer = 0; layer < 2; ++layer) {
    double inset = 1 + layer * 4.5;
    RoundRect(cr, inset, inset, 50 - 2 * inset, 50 - 2 * inset, 6 - layer);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 50, 50);
    AddStops(p, {{0, Hex(0xE8F6FF), 0.55}, {0.5, Hex(0x9CCCF0), 0.32}, {1, Hex(0x4C80C0), 0.5}});
    FillPreserveWith(cr, p);
    StrokeRgb(cr, 1.2, kWhite, 0.8);
  }
  CrackLines(cr, 33, 0.75);
  IceSheen(cr, 0.35);
  Frost(cr, 34, 1, 1, 48, 48, 0.9);
  RoundRect(cr, 0.5, 0.5, 49, 49, 6);
  StrokeRgb(cr, 1, Hex(0x28508C), 0.9);
}

void DrawLockIce(cairo_t* cr) {
  // Clear in the middle so the trapped gem shows, frosted towards the rim.
  RoundRect(cr, 1, 1, 48, 48, 7);
  cairo_pattern_t* p = cairo_pattern_create_radial(25, 25, 10, 25, 25, 34);
  AddStops(p, {{0, Hex(0xBFE6FF), 0.18}, {0.55, Hex(0xCFEFFF), 0.35}, {1, kWhite, 0.95}});
  FillWith(cr, p);
  IceSheen(cr, 0.45);
  CrackLines(cr, 7, 0.8);
  Frost(cr, 8, 1, 1, 48, 48, 1.0);
  // Icicles hanging from the bottom edge.
  for (double x : {12.0, 21.0, 33.0, 40.0}) {
    cairo_new_path(cr);
    cairo_move_to(cr, x - 2.5, 46);
    cairo_line_to(cr, x, 49.5);
    cairo_line_to(cr, x + 2.5, 46);
    cairo_close_path(cr);
    SetRgb(cr, kWhite, 0.9);
    cairo_fill(cr);
  }
  RoundRect(cr, 1.5, 1.5, 47, 47, 7);
  StrokeRgb(cr, 1.6, kWhite, 0.95);
  RoundRect(cr, 3.5, 3.5, 43, 43, 5);
  StrokeRgb(cr, 0.8, Hex(0x6AA8E0), 0.6);
}

void DrawCellWell(cairo_t* cr) {
  // 52 x 52: a dark violet well, shaded deepest under its top-left lip.
  cairo_rectangle(cr, 1, 1, 50, 50);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 52, 52);
  AddStops(p, {{0, Hex(0x0C0A2C), 0.78}, {1, Hex(0x2A2470), 0.6}});
  FillWith(cr, p);
  cairo_pattern_t* lip = cairo_pattern_create_linear(0, 1, 0, 7);
  AddStops(lip, {{0, Hex(0x000010), 0.45}, {1, Hex(0x000010), 0}});
  cairo_rectangle(cr, 1, 1, 50, 6);
  FillWith(cr, lip);
  cairo_pattern_t* side = cairo_pattern_create_linear(1, 0, 7, 0);
  AddStops(side, {{0, Hex(0x000010), 0.35}, {1, Hex(0x000010), 0}});
  cairo_rectangle(cr, 1, 1, 6, 50);
  FillWith(cr, side);
  // Faint light caught by the bottom-right edge.
  cairo_rectangle(cr, 1, 49, 50, 2);
  SetRgb(cr, Hex(0x8C84E0), 0.22);
  cairo_fill(cr);
  cairo_rectangle(cr, 49, 1, 2, 50);
  SetRgb(cr, Hex(0x8C84E0), 0.22);
  cairo_fill(cr);
}

bool WriteBoardTiles(const std::string& root) {
  const std::string dir = GraphicsDir(root);
  bool ok = true;
  auto tile = [&](int size, void (*draw)(cairo_t*), const char* name) {
    TCanvas c(size, size);
    draw(c.Cr());
    ok &= c.SavePng(dir + name);
  };
  tile(50, DrawBrick, "brick.png");
  tile(50, DrawArmour, "armour.png");
  {
    // Debris: a chip of the golden tile and a chip of ice, tumbling when they fly.
    TCanvas c(18, 18);
    cairo_t* cr = c.Cr();
    Polygon(cr, {{3, 5}, {11, 2}, {16, 8}, {13, 16}, {4, 14}});
    cairo_pattern_t* p = cairo_pattern_create_linear(2, 2, 16, 16);
    AddStops(p, {{0, Hex(0xFFE8A0)}, {0.5, Hex(0xD8A040)}, {1, Hex(0x7A4A14)}});
    FillPreserveWith(cr, p);
    StrokeRgb(cr, 0.8, Hex(0x4A2A06), 0.8);
    Frost(cr, 5, 3, 3, 12, 12, 0.8);
    ok &= c.SavePng(dir + "brickparticle.png");
  }
  {
    TCanvas c(18, 18);
    cairo_t* cr = c.Cr();
    Polygon(cr, {{2, 7}, {9, 1}, {16, 6}, {14, 15}, {6, 16}});
    cairo_pattern_t* p = cairo_pattern_create_linear(2, 2, 16, 16);
    AddStops(p, {{0, kWhite, 0.95}, {0.5, Hex(0xA8D8FF), 0.85}, {1, Hex(0x4C80C0), 0.85}});
    FillPreserveWith(cr, p);
    StrokeRgb(cr, 0.8, kWhite, 0.9);
    ok &= c.SavePng(dir + "armourparticle.png");
  }
  tile(50, DrawLockIce, "lock.png");
  tile(52, DrawCellWell, "cellpane.png");
  // Grout: the cell picture is drawn one pixel up-left of every cell and
  // leaves a dark line with a faint lit edge on its top and left; the right,
  // bottom and corner pieces close the lines along the board's far edges.
  const Rgb grout = Hex(0x0A0820);
  {
    TCanvas c(52, 52);
    cairo_rectangle(c.Cr(), 0, 0, 52, 1);
    cairo_rectangle(c.Cr(), 0, 1, 1, 51);
    SetRgb(c.Cr(), grout, 0.65);
    cairo_fill(c.Cr());
    cairo_rectangle(c.Cr(), 1, 1, 51, 1);
    cairo_rectangle(c.Cr(), 1, 2, 1, 50);
    SetRgb(c.Cr(), kWhite, 0.14);
    cairo_fill(c.Cr());
    ok &= c.SavePng(dir + "cell.png");
  }
  // Each closing piece: a grout line one pixel thick, on a canvas two pixels across that way.
  auto groutPiece = [&](int w, int h, const char* name) {
    TCanvas c(std::max(w, 2), std::max(h, 2));
    cairo_rectangle(c.Cr(), 0, 0, w, h);
    SetRgb(c.Cr(), grout, 0.65);
    cairo_fill(c.Cr());
    ok &= c.SavePng(dir + name);
  };
  groutPiece(1, 52, "cellrightside.png");
  groutPiece(52, 1, "cellbottom.png");
  groutPiece(1, 1, "cellcorner.png");
  {
    // Selection ring, 64 x 64, centred on the cell by its handle.
    TCanvas c(64, 64);
    cairo_t* cr = c.Cr();
    for (int i = 4; i >= 1; --i) {
      RoundRect(cr, 7, 7, 50, 50, 9);
      StrokeRgb(cr, 3 + i * 2.2, kFrameGold, 0.12);
    }
    RoundRect(cr, 7, 7, 50, 50, 9);
    cairo_pattern_t* p = cairo_pattern_create_linear(7, 7, 57, 57);
    AddStops(p, {{0, Hex(0xFFF6D0)}, {0.5, kFrameGold}, {1, Hex(0xC88A20)}});
    cairo_set_source(cr, p);
    cairo_set_line_width(cr, 3.2);
    cairo_stroke(cr);
    cairo_pattern_destroy(p);
    RoundRect(cr, 7, 7, 50, 50, 9);
    StrokeRgb(cr, 1, kWhite, 0.7);
    for (Pt q : {Pt{9, 9}, Pt{55, 9}, Pt{9, 55}, Pt{55, 55}}) Glint(cr, q.x, q.y, 5, 0.9, kFrameGold);
    ok &= c.SavePng(dir + "cursor.png");
  }
  {
    TCanvas c(50, 50);
    SoftGlow(c.Cr(), 25, 25, 25, Hex(0xFFE8A8), 0.75);
    ok &= c.SavePng(dir + "bonushighlightmid.png");
  }
  {
    // Creature gem aura: a violet halo with a few motes, 64 x 64 (cell + 7 each side).
    TCanvas c(64, 64);
    cairo_t* cr = c.Cr();
    cairo_pattern_t* p = cairo_pattern_create_radial(32, 32, 14, 32, 32, 32);
    AddStops(p, {{0, Hex(0xE070FF), 0}, {0.45, Hex(0xD070FF), 0.55}, {0.75, Hex(0x8050F0), 0.3},
        {1, Hex(0x6040E0), 0}});
    PaintWith(cr, p);
    Scatter sc(64);
    for (int i = 0; i < 8; ++i) {
      double a = sc.Range(0, 2 * kPi), r = sc.Range(22, 29);
      Glint(cr, 32 + r * std::cos(a), 32 + r * std::sin(a), sc.Range(2, 4), 0.9, Hex(0xF0C0FF));
    }
    ok &= c.SavePng(dir + "magichighlight.png");
  }
  {
    TCanvas c(50, 50);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 50, 50);
    AddStops(p, {{0, kWhite, 1}, {1, kWhite, 0}});
    PaintWith(c.Cr(), p);
    ok &= c.SavePng(dir + "diagonalmask.png");
  }
  return ok;
}
