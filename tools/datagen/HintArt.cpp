// Hint page icons (200 x 96): each shows a piece, an arrow, and what happens
// on the board, drawn from the same gems, pieces and tiles the board uses.
#include <cmath>
#include <string>

#include "ArtKit.h"
#include "Canvas.h"
#include "Pictures.h"

using namespace art;

namespace {

constexpr int kWidth = 200, kHeight = 96;

enum class Floor { Well, Brick, Armour };

// One board cell of the given size at (x, y): floor, then a gem (1-7) or piece (8-15).
void MiniCell(cairo_t* cr, double x, double y, double size, Floor floor, int piece, bool locked = false,
              bool burst = false) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, size / 50, size / 50);
  if (floor == Floor::Brick) DrawBrick(cr);
  if (floor == Floor::Armour) DrawArmour(cr);
  if (floor == Floor::Well) {
    cairo_translate(cr, -1, -1);
    DrawCellWell(cr);
    cairo_translate(cr, 1, 1);
  }
  if (burst) {
    // A burst gem: a flash and a ring instead of the stone.
    SoftGlow(cr, 25, 25, 28, Hex(0xFFE8A0), 0.9);
    cairo_new_path(cr);
    cairo_arc(cr, 25, 25, 17, 0, 2 * kPi);
    SetRgb(cr, kWhite, 0.8);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Glint(cr, 25, 25, 14, 1.0);
  } else if (piece >= 8) {
    DrawBonus(cr, piece, 0);
  } else if (piece >= 1) {
    DrawGem(cr, piece);
  }
  if (locked) DrawLockIce(cr);
  cairo_restore(cr);
}

void GoldArrow(cairo_t* cr, double x, double y, double len) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  Polygon(cr, {{0, -3.5}, {len - 8, -3.5}, {len - 8, -8}, {len, 0}, {len - 8, 8}, {len - 8, 3.5}, {0, 3.5}});
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetRgb(cr, Hex(0x3A2006), 0.85);
  cairo_set_line_width(cr, 2);
  cairo_stroke_preserve(cr);
  FillVertical(cr, -8, 8, Hex(0xFFF4C8), Hex(0xD89A30));
  cairo_restore(cr);
}

void Piece(cairo_t* cr, int piece, double x, double y, double size) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, size / 50, size / 50);
  SoftGlow(cr, 25, 25, 30, Hex(0xFFE8A8), 0.55);
  DrawBonus(cr, piece, 0);
  cairo_restore(cr);
}

// Piece on the left, arrow, and a 3 x 3 board where `hit` marks the cells that burst.
void PieceAndGrid(cairo_t* cr, int piece, bool (*hit)(int, int), Floor floor = Floor::Brick) {
  Piece(cr, piece, 2, 16, 64);
  GoldArrow(cr, 72, 48, 30);
  const int gems[9] = {1, 3, 5, 2, 0, 6, 4, 7, 2};
  const double cs = 29, ox = 110, oy = 4.5;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) {
      int g = (r == 1 && c == 1) ? piece : gems[r * 3 + c];
      MiniCell(cr, ox + c * cs, oy + r * cs, cs, floor, g, false, hit(c, r) && !(r == 1 && c == 1));
    }
}

void Pair(cairo_t* cr, int piece, Floor before, int gemBefore, bool lockedBefore, Floor after, int gemAfter,
          bool burstAfter) {
  Piece(cr, piece, 0, 16, 64);
  GoldArrow(cr, 64, 48, 22);
  MiniCell(cr, 90, 26, 44, before, gemBefore, lockedBefore);
  GoldArrow(cr, 136, 48, 16);
  MiniCell(cr, 154, 26, 44, after, gemAfter, false, burstAfter);
}

bool Save(TCanvas& c, const std::string& dir, int n) { return c.SavePng(dir + "Hint" + std::to_string(n) + ".png"); }

}  // namespace

bool WriteHints(const std::string& root) {
  const std::string dir = GraphicsDir(root);
  bool ok = true;
  {  // 1: the pudding bursts the square around it.
    TCanvas c(kWidth, kHeight);
    PieceAndGrid(c.Cr(), 8, [](int, int) { return true; });
    ok &= Save(c, dir, 1);
  }
  {  // 2: a cracker lying across bursts its row.
    TCanvas c(kWidth, kHeight);
    PieceAndGrid(c.Cr(), 9, [](int, int r) { return r == 1; });
    ok &= Save(c, dir, 2);
  }
  {  // 3: a match melts the ice off a locked gem.
    TCanvas c(kWidth, kHeight);
    Pair(c.Cr(), 14, Floor::Brick, 5, true, Floor::Brick, 5, false);
    Glint(c.Cr(), 186, 32, 7, 1.0);
    ok &= Save(c, dir, 3);
  }
  {  // 4: a standing cracker bursts its column.
    TCanvas c(kWidth, kHeight);
    PieceAndGrid(c.Cr(), 10, [](int col, int) { return col == 1; });
    ok &= Save(c, dir, 4);
  }
  {  // 5: a snowball knocks one brick away.
    TCanvas c(kWidth, kHeight);
    Pair(c.Cr(), 13, Floor::Brick, 2, false, Floor::Well, 2, false);
    ok &= Save(c, dir, 5);
  }
  {  // 6: the snowman clears the bricks around him.
    TCanvas c(kWidth, kHeight);
    cairo_t* cr = c.Cr();
    Piece(cr, 12, 2, 16, 64);
    GoldArrow(cr, 72, 48, 30);
    const double cs = 29, ox = 110, oy = 4.5;
    for (int r = 0; r < 3; ++r)
      for (int col = 0; col < 3; ++col) {
        MiniCell(cr, ox + col * cs, oy + r * cs, cs, Floor::Well, (r == 1 && col == 1) ? 12 : 1 + (r * 3 + col) % 7);
        if (r != 1 || col != 1) Snowflake(cr, ox + col * cs + 24, oy + r * cs + 5, 4, 1, kWhite, 0.9);
      }
    ok &= Save(c, dir, 6);
  }
  {  // 7: the star bursts the gem it is aimed at.
    TCanvas c(kWidth, kHeight);
    Pair(c.Cr(), 11, Floor::Brick, 4, false, Floor::Brick, 0, true);
    cairo_t* cr = c.Cr();
    cairo_new_path(cr);
    cairo_arc(cr, 112, 48, 19, 0, 2 * kPi);
    SetRgb(cr, Hex(0xFF4040), 0.9);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    ok &= Save(c, dir, 7);
  }
  {  // 8: a sack of presents turns into any piece.
    TCanvas c(kWidth, kHeight);
    cairo_t* cr = c.Cr();
    Piece(cr, 15, 2, 16, 64);
    GoldArrow(cr, 72, 48, 30);
    const int pieces[4] = {8, 9, 12, 11};
    for (int i = 0; i < 4; ++i) {
      double x = 112 + (i % 2) * 42, y = 6 + (i / 2) * 42;
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_scale(cr, 40.0 / 50, 40.0 / 50);
      SoftGlow(cr, 25, 25, 26, Hex(0xFFE8A8), 0.45);
      DrawBonus(cr, pieces[i], 0);
      cairo_restore(cr);
    }
    ok &= Save(c, dir, 8);
  }
  {  // 9: armoured ice takes two hits: ice, then brick, then clear.
    TCanvas c(kWidth, kHeight);
    cairo_t* cr = c.Cr();
    MiniCell(cr, 4, 24, 48, Floor::Armour, 0);
    GoldArrow(cr, 56, 48, 20);
    MiniCell(cr, 78, 24, 48, Floor::Brick, 0);
    GoldArrow(cr, 130, 48, 20);
    MiniCell(cr, 152, 24, 48, Floor::Well, 0);
    for (double x : {66.0, 140.0}) Glint(cr, x, 28, 6, 1.0);
    ok &= Save(c, dir, 9);
  }
  {  // 16: only a few bricks are left: find them.
    TCanvas c(kWidth, kHeight);
    cairo_t* cr = c.Cr();
    const double cs = 40, ox = 4, oy = 8;
    for (int r = 0; r < 2; ++r)
      for (int col = 0; col < 4; ++col) {
        bool brick = (r == 0 && col == 2) || (r == 1 && col == 0);
        double x = ox + col * cs, y = oy + r * cs;
        if (brick) SoftGlow(cr, x + cs / 2, y + cs / 2, cs * 0.85, kFrameGold, 0.8);
        MiniCell(cr, x, y, cs, brick ? Floor::Brick : Floor::Well, 1 + (r * 4 + col) % 7);
        if (brick) {
          cairo_new_path(cr);
          cairo_arc(cr, x + cs / 2, y + cs / 2, cs * 0.56, 0, 2 * kPi);
          SetRgb(cr, kFrameGold, 0.95);
          cairo_set_line_width(cr, 2.4);
          cairo_stroke(cr);
        }
      }
    TextPathCentred(cr, FestiveFont(), 44, "!", 183, 46);
    SetRgb(cr, Hex(0x3A2006));
    cairo_set_line_width(cr, 3);
    cairo_stroke_preserve(cr);
    FillVertical(cr, 26, 66, Hex(0xFFF4C8), Hex(0xE09A20));
    ok &= Save(c, dir, 16);
  }
  {  // 17: a full gauge makes the next piece act on a larger area.
    TCanvas c(kWidth, kHeight);
    cairo_t* cr = c.Cr();
    cairo_save(cr);
    cairo_translate(cr, 4, 2);
    DrawGauge(cr, 2);
    cairo_restore(cr);
    GoldArrow(cr, 56, 48, 26);
    const double cs = 17.6, ox = 96, oy = 4;
    for (int r = 0; r < 5; ++r)
      for (int col = 0; col < 5; ++col) {
        bool corner = (r == 0 || r == 4) && (col == 0 || col == 4);
        bool centre = r == 2 && col == 2;
        MiniCell(cr, ox + col * cs, oy + r * cs, cs, Floor::Brick, centre ? 8 : 1 + (r + col * 2) % 7, false,
                 !corner && !centre);
      }
    ok &= Save(c, dir, 17);
  }
  return ok;
}
