// Hint page pictures (240 x 66): each shows the one thing its page says, drawn from
// the same gems, pieces and tiles the board uses. They are low and wide because the
// hint scroll centres them between its title and its text.
#include <cmath>
#include <string>

#include "ArtKit.h"
#include "Canvas.h"
#include "Pictures.h"

using namespace art;

namespace {

constexpr int kWidth = 240, kHeight = 66;
constexpr double kMid = kHeight / 2.0;

enum class Floor { None, Well, Brick, Armour };

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
    StrokeRgb(cr, 3, kWhite, 0.8);
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
  Polygon(cr, {{0, -3}, {len - 7, -3}, {len - 7, -7}, {len, 0}, {len - 7, 7}, {len - 7, 3}, {0, 3}});
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetRgb(cr, Hex(0x3A2006), 0.85);
  cairo_set_line_width(cr, 2);
  cairo_stroke_preserve(cr);
  FillVertical(cr, -7, 7, Hex(0xFFF4C8), Hex(0xD89A30));
  cairo_restore(cr);
}

// A bonus piece on its glow, size x size at (x, y).
void Piece(cairo_t* cr, int piece, double x, double y, double size) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, size / 50, size / 50);
  SoftGlow(cr, 25, 25, 30, Hex(0xFFE8A8), 0.55);
  DrawBonus(cr, piece, 0);
  cairo_restore(cr);
}

// The mouse pointer with its tip at (x, y): the page is about pressing something.
void Pointer(cairo_t* cr, double x, double y) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  Polygon(cr, {{0, 0}, {0, 15}, {3.6, 11.6}, {6.4, 17.4}, {9, 16.2}, {6.3, 10.6}, {11, 10.4}});
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetRgb(cr, Hex(0x14102A), 0.95);
  cairo_set_line_width(cr, 2.2);
  cairo_stroke_preserve(cr);
  SetRgb(cr, kWhite);
  cairo_fill(cr);
  cairo_restore(cr);
}

// A cols x rows board of cs-pixel cells at (ox, oy); burst(c, r) marks the cells that go.
template <typename Burst>
void Board(cairo_t* cr, double ox, double oy, double cs, int cols, int rows, Floor floor, int centrePiece,
           Burst burst) {
  static const int gems[] = {1, 3, 5, 2, 6, 4, 7, 2, 5, 1, 4, 6, 3, 7, 2, 5, 1, 6, 3, 4, 7, 2, 5, 1, 6};
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const bool centre = centrePiece && r == rows / 2 && c == cols / 2;
      const int g = centre ? centrePiece : gems[(r * cols + c) % 25];
      MiniCell(cr, ox + c * cs, oy + r * cs, cs, floor, g, false, !centre && burst(c, r));
    }
}

bool Save(TCanvas& c, const std::string& path) { return c.SavePng(path); }

// 1: pressing the pudding bursts the square around it.
void PuddingPage(cairo_t* cr) {
  Piece(cr, 8, 30, 6, 54);
  Pointer(cr, 62, 40);
  GoldArrow(cr, 92, kMid, 28);
  Board(cr, 128, 3, 20, 3, 3, Floor::Well, 8, [](int, int) { return true; });
}

// 2: pressing a cracker bursts every gem along it.
void CrackerPage(cairo_t* cr) {
  Piece(cr, 9, 8, 6, 54);
  Pointer(cr, 40, 38);
  GoldArrow(cr, 68, kMid, 26);
  Board(cr, 102, 3, 20, 6, 3, Floor::Well, 0, [](int, int r) { return r == 1; });
  // The cracker lay in the middle row: its bang runs out both ways.
  for (double x : {104.0, 218.0}) Glint(cr, x, kMid, 6, 0.9);
}

// 3: the match melts the ice off the frozen gem it is aimed at.
void MatchPage(cairo_t* cr) {
  Piece(cr, 14, 6, 6, 54);
  GoldArrow(cr, 62, kMid, 22);
  MiniCell(cr, 90, 11, 44, Floor::Brick, 5, true);
  Pointer(cr, 120, 36);
  GoldArrow(cr, 142, kMid, 22);
  MiniCell(cr, 170, 11, 44, Floor::Brick, 5, false);
  Glint(cr, 208, 16, 7, 1.0);
}

// 4: a cracker lying down clears its row, a standing one its column.
void CrackerDirectionsPage(cairo_t* cr) {
  Piece(cr, 9, 0, 13, 40);
  Board(cr, 44, 6, 18, 3, 3, Floor::Well, 0, [](int, int r) { return r == 1; });
  Piece(cr, 10, 120, 13, 40);
  Board(cr, 164, 6, 18, 3, 3, Floor::Well, 0, [](int c, int) { return c == 1; });
}

// 5: the snow pieces take bricks away and leave the gems where they are.
void SnowPiecesPage(cairo_t* cr) {
  Piece(cr, 12, 0, 12, 42);
  Piece(cr, 13, 36, 12, 42);
  GoldArrow(cr, 82, kMid, 22);
  MiniCell(cr, 108, 11, 44, Floor::Brick, 2);
  GoldArrow(cr, 156, kMid, 22);
  MiniCell(cr, 182, 11, 44, Floor::Well, 2);
  Snowflake(cr, 220, 16, 6, 1.2, kWhite, 0.9);
}

// A brick cell that shows its brick round a smaller gem, as the board shows a gem on a brick.
void BrickWithGem(cairo_t* cr, double x, double y, double size, int gem) {
  MiniCell(cr, x, y, size, Floor::Brick, 0);
  MiniCell(cr, x + size * 0.22, y + size * 0.22, size * 0.56, Floor::None, gem);
}

// 6: the snowman clears the bricks all around him (the bricks beyond stay); the snowball
// the one brick picked.
void SnowAimPage(cairo_t* cr) {
  Piece(cr, 12, 0, 13, 40);
  const double cs = 16, ox = 40, oy = kMid - 1.5 * cs;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 5; ++c) {
      const double x = ox + c * cs, y = oy + r * cs;
      const int gem = 1 + (r * 5 + c) % 7;
      if (c == 0 || c == 4) {
        BrickWithGem(cr, x, y, cs, gem);
      } else {
        MiniCell(cr, x, y, cs, Floor::Well, r == 1 && c == 2 ? 12 : gem);
        if (r != 1 || c != 2) Snowflake(cr, x + cs - 4, y + 4, 3, 0.8, kWhite, 0.9);
      }
    }
  Piece(cr, 13, 126, 13, 40);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) {
      const bool picked = r == 1 && c == 2;
      const double x = 168 + c * 18, y = 6 + r * 18;
      const int gem = 1 + (r * 3 + c + 2) % 7;
      if (picked) MiniCell(cr, x, y, 18, Floor::Well, gem);
      else BrickWithGem(cr, x, y, 18, gem);
    }
  Snowflake(cr, 168 + 2 * 18 + 14, 6 + 18 + 4, 3, 0.8, kWhite, 0.9);
  Pointer(cr, 168 + 2 * 18 + 9, 6 + 18 + 10);
}

// 7: the star bursts whichever gem it is aimed at.
void StarPage(cairo_t* cr) {
  Piece(cr, 11, 8, 6, 54);
  GoldArrow(cr, 64, kMid, 22);
  MiniCell(cr, 92, 11, 44, Floor::Well, 4);
  cairo_new_path(cr);
  cairo_arc(cr, 114, kMid, 19, 0, 2 * kPi);
  StrokeRgb(cr, 2, Hex(0xFF4040), 0.9);
  Pointer(cr, 122, 38);
  GoldArrow(cr, 144, kMid, 22);
  MiniCell(cr, 172, 11, 44, Floor::Well, 0, false, true);
}

// 8: the sack of presents turns into one of the other pieces.
void SackPage(cairo_t* cr) {
  Piece(cr, 15, 20, 6, 54);
  Pointer(cr, 54, 40);
  GoldArrow(cr, 82, kMid, 26);
  const int pieces[4] = {8, 9, 12, 11};
  for (int i = 0; i < 4; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 118 + i * 28, i % 2 ? 20 : 6);
    cairo_scale(cr, 40.0 / 50, 40.0 / 50);
    SoftGlow(cr, 25, 25, 26, Hex(0xFFE8A8), 0.45);
    DrawBonus(cr, pieces[i], 0);
    cairo_restore(cr);
  }
}

// 9: armour first, then the brick under it, then the cell is clear.
void ArmourPage(cairo_t* cr) {
  MiniCell(cr, 14, 8, 50, Floor::Armour, 0);
  GoldArrow(cr, 70, kMid, 20);
  MiniCell(cr, 96, 8, 50, Floor::Brick, 0);
  GoldArrow(cr, 152, kMid, 20);
  MiniCell(cr, 178, 8, 50, Floor::Well, 0);
  for (double x : {80.0, 162.0}) Glint(cr, x, 14, 6, 1.0);
}

// 15: the Hint button makes a gem that can move wobble.
void HintButtonPage(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 6, 15);
  DrawHintButton(cr, 100, 36);
  cairo_restore(cr);
  Pointer(cr, 78, 38);
  GoldArrow(cr, 112, kMid, 24);
  // Two gems of a kind and a third one that can step up beside them.
  MiniCell(cr, 142, 4, 28, Floor::Well, 5);
  MiniCell(cr, 170, 4, 28, Floor::Well, 5);
  MiniCell(cr, 198, 4, 28, Floor::Well, 3);
  MiniCell(cr, 198, 34, 28, Floor::Well, 5);
  // Wobble marks either side of the gem that can move.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int side = -1; side <= 1; side += 2) {
    for (int k = 0; k < 2; ++k) {
      const double x = 212 + side * (17 + 4 * k);
      cairo_new_path(cr);
      cairo_arc(cr, 212, 48, std::abs(x - 212), side < 0 ? kPi * 0.8 : -kPi * 0.2, side < 0 ? kPi * 1.2 : kPi * 0.2);
      StrokeRgb(cr, 2, kFrameGold, 0.95 - 0.3 * k);
    }
  }
}

// 16: only a few bricks are left: find them. The two brick cells show their brick
// round a smaller gem, so the page shows what the player is looking for.
void FewBricksPage(cairo_t* cr) {
  const double cs = 28, ox = 24, oy = 5;
  for (int r = 0; r < 2; ++r)
    for (int col = 0; col < 6; ++col) {
      const bool brick = (r == 0 && col == 4) || (r == 1 && col == 1);
      const double x = ox + col * cs, y = oy + r * cs;
      const int gem = 1 + (r * 6 + col) % 7;
      if (!brick) {
        MiniCell(cr, x, y, cs, Floor::Well, gem);
        continue;
      }
      SoftGlow(cr, x + cs / 2, y + cs / 2, cs * 0.85, kFrameGold, 0.8);
      BrickWithGem(cr, x, y, cs, gem);
      cairo_new_path(cr);
      cairo_arc(cr, x + cs / 2, y + cs / 2, cs * 0.62, 0, 2 * kPi);
      StrokeRgb(cr, 2.2, kFrameGold, 0.95);
    }
  TextPathCentred(cr, FestiveFont(), 44, "!", 212, kMid);
  SetRgb(cr, Hex(0x3A2006));
  cairo_set_line_width(cr, 3);
  cairo_stroke_preserve(cr);
  FillVertical(cr, 13, 53, Hex(0xFFF4C8), Hex(0xE09A20));
}

// 17: a full gauge makes the next piece act on a larger area.
void FullGaugePage(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 44, 3);
  cairo_scale(cr, 0.65, 0.65);
  DrawGauge(cr, 2);
  cairo_restore(cr);
  GoldArrow(cr, 84, kMid, 28);
  const double cs = 12;
  for (int r = 0; r < 5; ++r)
    for (int col = 0; col < 5; ++col) {
      const bool corner = (r == 0 || r == 4) && (col == 0 || col == 4);
      const bool centre = r == 2 && col == 2;
      MiniCell(cr, 122 + col * cs, 3 + r * cs, cs, Floor::Well, centre ? 8 : 1 + (r + col * 2) % 7, false,
               !corner && !centre);
    }
}

}  // namespace

bool WriteHints(const std::string& root) {
  const std::string dir = GraphicsDir(root);
  struct Page {
    const char* file;
    void (*draw)(cairo_t*);
  };
  const Page pages[] = {
      {"Hint1.png", PuddingPage},      {"Hint2.png", CrackerPage},          {"Hint3.png", MatchPage},
      {"Hint4.png", CrackerDirectionsPage}, {"Hint5.png", SnowPiecesPage}, {"Hint6.png", SnowAimPage},
      {"Hint7.png", StarPage},         {"Hint8.png", SackPage},             {"Hint9.png", ArmourPage},
      {"Localised/Hint15.png", HintButtonPage}, {"Hint16.png", FewBricksPage}, {"Hint17.png", FullGaugePage},
  };
  bool ok = true;
  for (const Page& p : pages) {
    TCanvas c(kWidth, kHeight);
    p.draw(c.Cr());
    ok &= Save(c, dir + p.file);
  }
  return ok;
}
