// Checks the board, image-bank, hint and button pictures that tv_datagen draws
// into the build tree: exact names, sizes and strip layouts the game's loaders
// rely on, the animation rules, and a coarse "golden" signature of a few pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "data/DataPictures.h"

using namespace datapics;

namespace {

// Largest channel difference between two cells of two pictures.
int CellDiff(const Picture& a, int ax, int ay, const Picture& b, int bx, int by, int w, int h) {
  int worst = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      for (int c = 0; c < 4; ++c)
        worst = std::max(worst, std::abs(int(a.At(ax + x, ay + y)[c]) - int(b.At(bx + x, by + y)[c])));
  return worst;
}

// Mean channel difference, for telling "moved a little" from "identical".
double CellMeanDiff(const Picture& a, int ax, int ay, const Picture& b, int bx, int by, int w, int h) {
  double sum = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      for (int c = 0; c < 4; ++c) sum += std::abs(int(a.At(ax + x, ay + y)[c]) - int(b.At(bx + x, by + y)[c]));
  return sum / (w * h * 4.0);
}

void CellOrigin(const Picture& p, int cellW, int cellH, int index, int* x, int* y) {
  const int cols = p.width / cellW;
  *x = (index % cols) * cellW;
  *y = (index / cols) * cellH;
  (void)cellH;
}

// Alpha-weighted mean colour and mean alpha of a region: a coarse signature
// that a real change of the drawing moves but a rebuild does not.
std::array<int, 4> Signature(const Picture& p, int x0, int y0, int w, int h) {
  double r = 0, g = 0, b = 0, a = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) {
      const uint8_t* px = p.At(x, y);
      r += px[0] * px[3];
      g += px[1] * px[3];
      b += px[2] * px[3];
      a += px[3];
    }
  if (a == 0) return {0, 0, 0, 0};
  return {int(std::lround(r / a)), int(std::lround(g / a)), int(std::lround(b / a)), int(std::lround(a / (w * h)))};
}

bool Exists(const std::string& path) {
  // Listing the folder keeps the check case-exact even on a folding file system.
  namespace fs = std::filesystem;
  fs::path p(path);
  if (!fs::is_directory(p.parent_path())) return false;
  for (const auto& e : fs::directory_iterator(p.parent_path()))
    if (e.path().filename() == p.filename()) return true;
  return false;
}

struct Expect {
  const char* name;
  int width, height;  // 0: any
};

struct Strip {
  const char* name;
  int cellW, cellH, cells;
};

}  // namespace

TEST(BoardPictures, ImageBankPicturesHaveTheSizesTheGameUses) {
  ASSERT_TRUE(Exists(Graphics("gems.png"))) << "build the data_board_pictures target first";
  const Expect fixed[] = {
      {"pointer.png", 0, 0},          {"pointersmall.png", 0, 0},      {"Localised/paused.png", 0, 0},
      {"lock.png", 50, 50},           {"cell.png", 52, 52},            {"cellpane.png", 52, 52},
      {"cellrightside.png", 0, 52},   {"cellbottom.png", 52, 0},       {"cellcorner.png", 0, 0},
      {"brick.png", 50, 50},          {"armour.png", 50, 50},          {"brickparticle.png", 0, 0},
      {"armourparticle.png", 0, 0},   {"bonushighlightmid.png", 50, 50}, {"magichighlight.png", 64, 64},
      {"diagonalmask.png", 0, 0},     {"Localised/panel.png", 150, 600}, {"gaugeempty.png", 46, 92},
      {"gaugefull.png", 46, 92},      {"gaugemax.png", 46, 92},        {"particlering.png", 0, 0},
      {"snowflake.png", 0, 0},        {"snowflakesmall.png", 0, 0},    {"snowflakelarge.png", 0, 0},
      {"sparkle.png", 0, 0},          {"particle7.png", 0, 0},         {"particle8.png", 0, 0},
      {"sparklegold.png", 0, 0},      {"starinactive.png", 0, 0},      {"staractive.png", 0, 0},
      {"starinactiveMO.png", 0, 0},   {"staractiveMO.png", 0, 0},      {"score10.png", 0, 0},
      {"score20.png", 0, 0},          {"score30.png", 0, 0},           {"score40.png", 0, 0},
      {"score50.png", 0, 0},          {"score60.png", 0, 0},           {"score70.png", 0, 0},
      {"score80.png", 0, 0},          {"score100.png", 0, 0},
  };
  for (const Expect& e : fixed) {
    SCOPED_TRACE(e.name);
    ASSERT_TRUE(Exists(Graphics(e.name)));
    Picture p = Load(Graphics(e.name));
    ASSERT_TRUE(p.ok);
    if (e.width) {
      EXPECT_EQ(p.width, e.width);
    }
    if (e.height) {
      EXPECT_EQ(p.height, e.height);
    }
    EXPECT_LE(std::max(p.width, p.height), 1024);
  }
  EXPECT_FALSE(Exists(Graphics("score90.png")));

  // Frame pieces are drawn at cell width - 2 from the cell picture, so they must be
  // narrow enough not to cover the next cell's gem.
  EXPECT_LE(Load(Graphics("cellrightside.png")).width, 4);
  EXPECT_LE(Load(Graphics("cellbottom.png")).height, 4);
  // The cursor is centred on a cell by ((w - 50) / 2, (h - 50) / 2): it needs room.
  Picture cursor = Load(Graphics("cursor.png"));
  EXPECT_GE(cursor.width, 50);
  EXPECT_GE(cursor.height, 50);
  EXPECT_EQ(cursor.width % 2, 0);
  // Map stars hover in a 20 x 20 square: keep them about that size.
  for (const char* star : {"starinactive.png", "staractive.png", "starinactiveMO.png", "staractiveMO.png"}) {
    Picture s = Load(Graphics(star));
    EXPECT_GE(s.width, 18) << star;
    EXPECT_LE(s.width, 28) << star;
  }
}

TEST(BoardPictures, StripsHoldEveryCellTheLoaderCounts) {
  std::vector<Strip> strips = {{"gems.png", 50, 50, 7},
                               {"bonus9activate.png", 50, 50, 1},
                               {"iceshard.png", 32, 32, 50},
                               {"iceshard2.png", 30, 30, 50}};
  std::vector<std::string> names;
  for (int n = 1; n <= 7; ++n) names.push_back("gem" + std::to_string(n) + "anim.png");
  for (int n = 8; n <= 15; ++n) names.push_back("bonus" + std::to_string(n) + "idle.png");
  for (const std::string& n : names) strips.push_back({n.c_str(), 50, 50, 50});
  for (const Strip& s : strips) {
    SCOPED_TRACE(s.name);
    ASSERT_TRUE(Exists(Graphics(s.name)));
    Picture p = Load(Graphics(s.name));
    ASSERT_TRUE(p.ok);
    const int cols = p.width / s.cellW, rows = p.height / s.cellH;
    EXPECT_GE(cols * rows, s.cells);
    EXPECT_EQ(p.width % s.cellW, 0);
    EXPECT_EQ(p.height % s.cellH, 0);
    EXPECT_LE(std::max(p.width, p.height), 1024);
    // No cell of a strip is left empty.
    for (int i = 0; i < s.cells; ++i) {
      int x, y, opaque = 0;
      CellOrigin(p, s.cellW, s.cellH, i, &x, &y);
      for (int yy = 0; yy < s.cellH; ++yy)
        for (int xx = 0; xx < s.cellW; ++xx) opaque += p.Alpha(x + xx, y + yy) > 128;
      EXPECT_GT(opaque, s.cellW * s.cellH / 20) << "cell " << i;
    }
  }
}

TEST(BoardPictures, PointersPutTheirTipOnTheHotSpot) {
  // The game hangs "pointer" at x offset 4 and "pointersmall" at 3, y 0.
  for (auto [name, hx] : {std::pair{"pointer.png", 4}, std::pair{"pointersmall.png", 3}}) {
    SCOPED_TRACE(name);
    Picture p = Load(Graphics(name));
    ASSERT_TRUE(p.ok);
    int tip = 0;
    for (int y = 0; y < 3; ++y)
      for (int x = hx - 1; x <= hx + 1; ++x) tip = std::max(tip, p.Alpha(x, y));
    EXPECT_GT(tip, 100) << "the tip must be at the hot spot";
    for (int y = 0; y < p.height; ++y) EXPECT_LT(p.Alpha(0, y), 60) << "nothing left of the tip, row " << y;
    for (int x = hx + 4; x < p.width; ++x) EXPECT_LT(p.Alpha(x, 0), 40) << "nothing right of the tip, column " << x;
  }
}

TEST(BoardPictures, GemAnimationsStartAndRestOnTheGemPicture) {
  Picture gems = Load(Graphics("gems.png"));
  ASSERT_TRUE(gems.ok);
  for (int type = 1; type <= 7; ++type) {
    SCOPED_TRACE(type);
    Picture anim = Load(Graphics("gem" + std::to_string(type) + "anim.png"));
    ASSERT_TRUE(anim.ok);
    const int lastMotion = type == 4 ? 26 : 27;
    EXPECT_LE(CellDiff(anim, 0, 0, gems, (type - 1) * 50, 0, 50, 50), 2) << "frame 0 is the resting gem";
    int x, y;
    for (int f = lastMotion; f < 50; ++f) {
      CellOrigin(anim, 50, 50, f, &x, &y);
      EXPECT_LE(CellDiff(anim, x, y, anim, 0, 0, 50, 50), 2) << "frame " << f << " rests";
    }
    CellOrigin(anim, 50, 50, lastMotion / 2, &x, &y);
    EXPECT_GT(CellMeanDiff(anim, x, y, anim, 0, 0, 50, 50), 1.0) << "the middle of the motion moves";
  }
  // A gem fills most of its cell but leaves the corners to the tile below.
  for (int type = 1; type <= 7; ++type) {
    int opaque = 0;
    for (int y = 0; y < 50; ++y)
      for (int x = 0; x < 50; ++x) opaque += gems.Alpha((type - 1) * 50 + x, y) > 200;
    EXPECT_GT(opaque, 600) << "gem " << type;
    EXPECT_LT(gems.Alpha((type - 1) * 50, 0), 10) << "gem " << type;
  }
}

TEST(BoardPictures, GemsStayDistinctWithoutColour) {
  // Compare the gems by opaque shape alone: every pair must differ in a good
  // share of the cell, so a colour-blind player still tells them apart.
  Picture gems = Load(Graphics("gems.png"));
  ASSERT_TRUE(gems.ok);
  for (int a = 0; a < 7; ++a)
    for (int b = a + 1; b < 7; ++b) {
      int differ = 0;
      for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) differ += (gems.Alpha(a * 50 + x, y) > 128) != (gems.Alpha(b * 50 + x, y) > 128);
      EXPECT_GT(differ, 150) << "gems " << a + 1 << " and " << b + 1 << " have nearly the same outline";
    }
}

TEST(BoardPictures, BonusIdleStripsLoopWithoutAJump) {
  for (int type = 8; type <= 15; ++type) {
    SCOPED_TRACE(type);
    Picture p = Load(Graphics("bonus" + std::to_string(type) + "idle.png"));
    ASSERT_TRUE(p.ok);
    int x49, y49, x1, y1;
    CellOrigin(p, 50, 50, 49, &x49, &y49);
    CellOrigin(p, 50, 50, 1, &x1, &y1);
    // The step from the last frame back to the first is no bigger than any other step.
    const double wrap = CellMeanDiff(p, x49, y49, p, 0, 0, 50, 50);
    const double step = CellMeanDiff(p, 0, 0, p, x1, y1, 50, 50);
    EXPECT_LE(wrap, step * 1.6 + 0.5);
    double furthest = 0;
    for (int f = 1; f < 50; ++f) {
      int x, y;
      CellOrigin(p, 50, 50, f, &x, &y);
      furthest = std::max(furthest, CellMeanDiff(p, 0, 0, p, x, y, 50, 50));
    }
    EXPECT_GT(furthest, 1.0) << "the piece moves";
  }
}

TEST(BoardPictures, OverlaysLeaveTheBoardVisible) {
  // The lock sits over a gem: its middle must stay see-through.
  Picture lock = Load(Graphics("lock.png"));
  ASSERT_TRUE(lock.ok);
  EXPECT_LT(lock.Alpha(25, 25), 110);
  EXPECT_GT(lock.Alpha(2, 25), 100) << "frosted edge";
  // The cell grid picture is drawn over bricks: only its edges may be inked.
  Picture cell = Load(Graphics("cell.png"));
  ASSERT_TRUE(cell.ok);
  EXPECT_EQ(cell.Alpha(26, 26), 0);
  EXPECT_GT(cell.Alpha(0, 26), 0);
  // Additive pictures carry light only where they are visible and fade out at the edge.
  for (const char* name : {"score10.png", "score100.png", "particle7.png", "sparkle.png", "particlering.png"}) {
    Picture p = Load(Graphics(name));
    ASSERT_TRUE(p.ok) << name;
    EXPECT_LT(p.Alpha(0, 0), 16) << name;
    int brightest = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        if (p.Alpha(x, y) > 128) brightest = std::max(brightest, int(p.At(x, y)[0]) + p.At(x, y)[1] + p.At(x, y)[2]);
    EXPECT_GT(brightest, 600) << name;
  }
  // The three gauges share one base and cap: the partial fill splices them.
  Picture empty = Load(Graphics("gaugeempty.png")), full = Load(Graphics("gaugefull.png"));
  EXPECT_LE(CellDiff(empty, 0, 76, full, 0, 76, 46, 16), 2) << "same base";
  EXPECT_GT(CellMeanDiff(empty, 0, 16, full, 0, 16, 46, 60), 5.0) << "full shows a fill";
}

TEST(BoardPictures, HintIconsFitOnTheHintPage) {
  // The scroll centres each picture 68 pixels under its title line and starts the text
  // 50 pixels under the picture's centre: the pictures are low and no wider than the text.
  std::vector<std::string> names;
  for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 17}) names.push_back("Hint" + std::to_string(n) + ".png");
  names.push_back("Localised/Hint15.png");
  for (const std::string& name : names) {
    ASSERT_TRUE(Exists(Graphics(name))) << name;
    Picture p = Load(Graphics(name));
    ASSERT_TRUE(p.ok) << name;
    EXPECT_LE(p.width, 300) << name;
    EXPECT_LE(p.height, 72) << name;
  }
}

TEST(BoardPictures, ButtonsHaveHoverTwinsAndFitTheirScreens) {
  const char* names[] = {"OK",    "OK2",          "Yes",        "No",           "Cancel",    "Create",
                         "Delete", "Hint",        "Menu",       "arrowleft",    "arrowright", "ClassicLevels",
                         "GoldLevels", "changeplayer", "play",   "titleoptions", "mygallery", "exit",
                         "on",    "off",          "credits",    "resume",       "options",   "help",
                         "saveandexit"};
  for (const char* n : names) {
    SCOPED_TRACE(n);
    ASSERT_TRUE(Exists(Menus(std::string(n) + ".png")));
    ASSERT_TRUE(Exists(Menus(std::string(n) + "MO.png")));
    Picture a = Load(Menus(std::string(n) + ".png")), b = Load(Menus(std::string(n) + "MO.png"));
    ASSERT_TRUE(a.ok && b.ok);
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.height, b.height);
    EXPECT_GT(CellMeanDiff(a, 0, 0, b, 0, 0, a.width, a.height), 1.0) << "hover must show";
  }
  for (const char* n : {"ClassicLevels_selected.png", "GoldLevels_selected.png"}) {
    Picture s = Load(Menus(n));
    ASSERT_TRUE(s.ok) << n;
    EXPECT_EQ(s.width, Load(Menus(std::string(n).substr(0, std::string(n).find('_')) + ".png")).width);
  }
  auto size = [](const char* n) {
    Picture p = Load(Menus(std::string(n) + ".png"));
    return std::pair{p.width, p.height};
  };
  // Side panel buttons at (4, 490) and (4, 541) inside the 150-px panel.
  EXPECT_LE(size("Hint").second, 51);
  EXPECT_LE(size("Menu").second, 59);
  EXPECT_LE(4 + size("Hint").first, 150);
  EXPECT_LE(4 + size("Menu").first, 150);
  // OK lands at y = 600 - h - 15, about 40 px high.
  EXPECT_NEAR(size("OK").second, 40, 4);
  // Title row: four equal buttons at y 530 around "play" (centred, y 510).
  const int w = size("changeplayer").first;
  for (const char* n : {"mygallery", "titleoptions", "exit"}) EXPECT_EQ(size(n).first, w) << n;
  EXPECT_LE(w, 185);
  const int galleryRight = 16 + w + 10 + w;
  const int optionsLeft = 800 - 2 * 10 - 2 * w - 6;
  EXPECT_LT(galleryRight, optionsLeft);
  const int playW = size("play").first;
  EXPECT_LE(galleryRight, 400 - playW / 2) << "play overlaps the gallery button";
  EXPECT_GE(optionsLeft, 400 + playW / 2) << "play overlaps the options button";
  EXPECT_LE(optionsLeft + 2 * w + 10, 800) << "exit leaves the screen";
  // Level-map pack buttons at x 620 within the panel that ends at x 800.
  EXPECT_LE(620 + size("ClassicLevels").first, 800);
  EXPECT_LE(620 + size("GoldLevels").first, 800);
}

// Golden signatures. When the drawing is changed on purpose, run this test,
// and copy the "actual" lines it prints over the expected values below.
TEST(BoardPictures, GoldenSignaturesOfGemsBrickAndPanel) {
  struct Region {
    const char* name;
    int x, y, w, h;
    std::array<int, 4> expected;
  };
  const Region regions[] = {
      {"gems.png", 0, 0, 50, 50, {149, 47, 65, 187}},
      {"gems.png", 50, 0, 50, 50, {162, 92, 42, 105}},
      {"gems.png", 100, 0, 50, 50, {180, 167, 82, 93}},
      {"gems.png", 150, 0, 50, 50, {56, 145, 122, 130}},
      {"gems.png", 200, 0, 50, 50, {49, 82, 163, 109}},
      {"gems.png", 250, 0, 50, 50, {170, 115, 179, 113}},
      {"gems.png", 300, 0, 50, 50, {169, 176, 185, 125}},
      {"brick.png", 0, 0, 50, 50, {182, 139, 70, 251}},
      {"Localised/panel.png", 0, 0, 150, 300, {61, 52, 96, 248}},
      {"Localised/panel.png", 0, 300, 150, 300, {38, 31, 70, 248}},
  };
  for (const Region& r : regions) {
    Picture p = Load(Graphics(r.name));
    ASSERT_TRUE(p.ok) << r.name;
    std::array<int, 4> s = Signature(p, r.x, r.y, r.w, r.h);
    bool close = true;
    for (int c = 0; c < 4; ++c) close &= std::abs(s[c] - r.expected[c]) <= 3;
    EXPECT_TRUE(close) << "actual: {\"" << r.name << "\", " << r.x << ", " << r.y << ", " << r.w << ", " << r.h
                       << ", {" << s[0] << ", " << s[1] << ", " << s[2] << ", " << s[3] << "}},";
  }
}
