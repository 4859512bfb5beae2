#include "Vistas.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "Figures.h"
#include "Pattern.h"
#include "Placement.h"
#include "Props.h"
#include "Scenery.h"

namespace {
constexpr double kPi = 3.14159265358979;
using Figures::TPose;

TSkyColours SkyOf(TColour top, TColour mid, TColour low, TColour horizon) { return {top, mid, low, horizon}; }

// The sky and everything in it, down to the horizon.
struct TNight {
  TSkyColours sky;
  double horizon = 360;
  double moonX = 150, moonY = 110, moonR = 40;  // moonR 0: no moon
  int stars = 260;
  TColour aurora{0, 0, 0, 0};  // alpha 0: none
  int clouds = 2;
};

struct TMoon {
  double x = 150, y = 110, r = 40;  // r 0: no moon
};

// Draws a scene's sky, stars, aurora, moon and clouds; the hills and pines after it take
// their tints from the night it returns.
TNight Night(TCanvas& c, TSceneRandom& rng, const TSkyColours& sky, TMoon moon, int stars = 260, int clouds = 2,
             TColour aurora = {0, 0, 0, 0}) {
  TNight n;
  n.sky = sky;
  n.moonX = moon.x, n.moonY = moon.y, n.moonR = moon.r;
  n.stars = stars;
  n.clouds = clouds;
  n.aurora = aurora;
  Scenery::Sky(c, n.sky, n.horizon, rng.Real(250, 550));
  if (n.stars > 0) Scenery::Stars(c, rng, n.stars, n.horizon * 0.9);
  if (n.aurora.a > 0) Scenery::Aurora(c, rng, n.aurora, n.horizon * 0.42);
  if (n.moonR > 0) Scenery::Moon(c, n.moonX, n.moonY, n.moonR);
  if (n.clouds > 0)
    Scenery::Clouds(c, rng, n.clouds, n.horizon * 0.15, n.horizon * 0.7, n.sky.low.Lighter(0.25).WithAlpha(0.45));
  return n;
}

// Cottages standing on a ridge between x0 and x1, never in each other, back to front.
void Cottages(TCanvas& c, TSceneRandom& rng, const TRidge& ground, int count, double x0, double x1, double scaleLo,
              double scaleHi, const TColour& tint, const std::vector<TBox>& keepOut = {}) {
  const auto houses = Placement::Apart(
      rng, count,
      [&](TSceneRandom& r) {
        THouse h;
        const double s = r.Real(scaleLo, scaleHi);
        h.width = 50 * s;
        h.height = 36 * s;
        h.gable = 26 * s;
        h.depth = 30 * s * r.Real(0.8, 1.2);
        h.x = r.Real(x0, std::max(x0, x1 - h.width - h.depth));
        h.base = ground.Height(h.x + h.width / 2) + r.Real(4, 14) * s;
        h.wall = tint.Mix(TColour::Rgb(r.Int(80, 150), r.Int(60, 100), r.Int(90, 140)), 0.45);
        h.windows = r.Int(1, 2);
        h.wreath = r.Chance(0.45);
        h.lit = r.Real(0.65, 1.0);
        return h;
      },
      keepOut);
  for (const THouse& h : houses) Scenery::House(c, rng, h);
}

TRidge FarHills(TCanvas& c, TSceneRandom& rng, const TNight& n, double y, double amp) {
  const TColour body = n.sky.low.Mix(Palette::SnowShade, 0.35);
  TRidge far = Scenery::Ridge(c, rng, y, amp, body, Palette::Snow.WithAlpha(0.5), 1.3);
  Scenery::PineRow(c, rng, far, int(c.Width() / 16), 10, 24, body.Darker(0.35), 0.4, 2);
  return far;
}

TRidge MidHills(TCanvas& c, TSceneRandom& rng, const TNight& n, double y, double amp, double waves = 1.6) {
  const TColour body = Palette::SnowShade.Mix(Palette::Snow, 0.2).Mix(n.sky.mid, 0.15);
  return Scenery::Ridge(c, rng, y, amp, body, Palette::Snow, waves);
}

// Where the middle hills run: their height, how far they rise and fall, and how often.
struct THills {
  double y, amp, waves = 1.6;
};

// Cottages along a ridge: how many, between which x, at which sizes and in what tint.
struct TCottageRow {
  int count;
  double x0, x1, scaleLo, scaleHi;
  TColour tint;
};

// A church on the hills: its left x, where its ground is read, and its size.
struct TChurchSite {
  double x, groundX, scale;
};

// The middle hills with cottages along them; a church, when there is one, stands first
// and the cottages keep clear of it.
TRidge HillVillage(TCanvas& c, TSceneRandom& rng, const TNight& n, const THills& hills, const TCottageRow& row,
                   std::optional<TChurchSite> church = std::nullopt) {
  TRidge mid = MidHills(c, rng, n, hills.y, hills.amp, hills.waves);
  std::vector<TBox> keepOut;
  if (church) {
    const double base = mid.Height(church->groundX) + 8;
    Scenery::Church(c, rng, church->x, base, church->scale);
    keepOut.push_back(Placement::ChurchBox(church->x, base, church->scale));
  }
  Cottages(c, rng, mid, row.count, row.x0, row.x1, row.scaleLo, row.scaleHi, row.tint, keepOut);
  return mid;
}

void FramePines(TCanvas& c, TSceneRandom& rng, const TNight& n, double scale = 1.0) {
  const TColour near = Palette::Pine.Mix(n.sky.mid, 0.2);
  Scenery::Pine(c.Cr(), rng, rng.Real(-10, 30), c.Height() + 10, rng.Real(240, 320) * scale, near, 0.8);
  Scenery::Pine(c.Cr(), rng, c.Width() - rng.Real(-10, 30), c.Height() + 10, rng.Real(220, 300) * scale, near, 0.8);
}

void Finish(TCanvas& c, TSceneRandom& rng, int snow, double vignette) {
  if (snow > 0) Scenery::Snowfall(c, rng, snow, 3.6);
  Scenery::Vignette(c, vignette);
}

// Musical notes drifting up from carol singers.
void Notes(cairo_t* cr, TSceneRandom& rng, double x, double y, int count) {
  for (int i = 0; i < count; ++i) {
    const double nx = x + rng.Real(-30, 40), ny = y - i * 22 - rng.Real(0, 10), s = rng.Real(0.8, 1.2);
    cairo_save(cr);
    cairo_translate(cr, nx, ny);
    cairo_scale(cr, s, s);
    cairo_rotate(cr, -0.3);
    cairo_arc(cr, 0, 0, 4, 0, 2 * kPi);
    cairo_restore(cr);
    TColour::Rgb(255, 236, 170, 0.9).Set(cr);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.4);
    cairo_move_to(cr, nx + 3.6 * s, ny - 1);
    cairo_line_to(cr, nx + 3.6 * s, ny - 16 * s);
    cairo_line_to(cr, nx + 9 * s, ny - 12 * s);
    cairo_stroke(cr);
  }
}

const TColour kCoats[] = {TColour::Rgb(170, 40, 50),  TColour::Rgb(40, 90, 160), TColour::Rgb(40, 120, 80),
                          TColour::Rgb(120, 70, 150), TColour::Rgb(190, 130, 40), TColour::Rgb(90, 60, 50)};
const TColour kScarves[] = {TColour::Rgb(240, 200, 60), TColour::Rgb(230, 60, 60), TColour::Rgb(250, 250, 250),
                            TColour::Rgb(60, 170, 90), TColour::Rgb(90, 140, 230)};

// ---- Backgrounds ------------------------------------------------------------------

// 1: the village along its ridge under a high moon.
void MoonlitRidge(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(
      c, rng,
      SkyOf(TColour::Rgb(8, 10, 36), TColour::Rgb(30, 28, 88), TColour::Rgb(80, 56, 126), TColour::Rgb(150, 100, 150)),
      {640, 90, 44});
  FarHills(c, rng, n, 350, 30);
  HillVillage(c, rng, n, {420, 24}, {8, 0, 800, 0.8, 1.2, TColour::Rgb(100, 80, 130)}, TChurchSite{470, 490, 1.1});
  Scenery::Drift(c, rng, 520, 535, Palette::Snow, Palette::SnowDeep);
  Scenery::Lantern(c, 210, 540, 70);
  Scenery::Lantern(c, 700, 548, 64);
  FramePines(c, rng, n);
  Finish(c, rng, 200, 0.55);
}

// 2: the skating pond under a green aurora.
void SkatingPond(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(
      c, rng,
      SkyOf(TColour::Rgb(2, 18, 34), TColour::Rgb(12, 50, 80), TColour::Rgb(40, 90, 120), TColour::Rgb(110, 150, 170)),
      {120, 80, 30}, 260, 0, TColour::Rgb(90, 240, 170, 0.4));
  FarHills(c, rng, n, 340, 26);
  HillVillage(c, rng, n, {400, 18}, {7, 0, 800, 0.7, 1.0, TColour::Rgb(70, 90, 120)});
  Scenery::FrozenLake(c, rng, 440, 560, 120);
  for (int i = 0; i < 5; ++i)
    Figures::Villager(c.Cr(), 170 + i * 130 + rng.Real(-20, 20), 500 + rng.Real(-10, 40), rng.Real(42, 52),
                      kCoats[i % 6], kScarves[i % 5], TPose::Skating, i % 2 == 0);
  Scenery::Drift(c, rng, 560, 570, Palette::Snow, Palette::SnowDeep);
  FramePines(c, rng, n);
  Finish(c, rng, 120, 0.55);
}

// 3: deep in the pine forest, lanterns along the path.
void PineForest(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(
      c, rng,
      SkyOf(TColour::Rgb(4, 14, 24), TColour::Rgb(14, 40, 60), TColour::Rgb(30, 70, 84), TColour::Rgb(90, 130, 130)),
      {420, 70, 26}, 260, 3);
  TRidge far = FarHills(c, rng, n, 330, 20);
  Scenery::PineRow(c, rng, far, 60, 40, 90, Palette::PineDark.Mix(n.sky.mid, 0.45), 0.6, 4);
  TRidge mid = MidHills(c, rng, n, 440, 14, 1.0);
  Scenery::PineRow(c, rng, mid, 40, 80, 170, Palette::PineDark.Mix(n.sky.mid, 0.2), 0.8, 6);
  THouse cabin;
  cabin.x = 600, cabin.base = mid.Height(640) + 12, cabin.width = 60, cabin.height = 40, cabin.gable = 30;
  cabin.depth = 34, cabin.wall = TColour::Rgb(110, 70, 50), cabin.wreath = true;
  Scenery::House(c, rng, cabin);
  Scenery::Drift(c, rng, 540, 520, Palette::Snow, Palette::SnowDeep);
  for (int i = 0; i < 4; ++i) Scenery::Lantern(c, 180 + i * 160, 556 - i * 6, 58);
  const TColour near = Palette::Pine.Mix(n.sky.mid, 0.1);
  for (double x : {-10.0, 90.0, 720.0, 810.0})
    Scenery::Pine(c.Cr(), rng, x, c.Height() + 20, rng.Real(300, 380), near, 0.8);
  Finish(c, rng, 160, 0.6);
}

// 4: a hamlet at the foot of high mountains before dawn.
void MountainValley(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(c, rng,
                         SkyOf(TColour::Rgb(14, 22, 60), TColour::Rgb(50, 70, 130), TColour::Rgb(150, 140, 190),
                               TColour::Rgb(240, 190, 190)),
                         {680, 70, 20}, 120, 1);
  Figures::Mountains(c, rng, 400, 120, TColour::Rgb(80, 90, 150), 4);
  Figures::Mountains(c, rng, 430, 230, TColour::Rgb(60, 66, 120), 6);
  HillVillage(c, rng, n, {470, 12, 1.2}, {6, 120, 760, 0.6, 0.85, TColour::Rgb(110, 90, 120)});
  Scenery::Drift(c, rng, 540, 530, Palette::Snow, Palette::SnowDeep);
  FramePines(c, rng, n, 0.9);
  Finish(c, rng, 90, 0.5);
}

// 5: the last warm light of a winter evening.
void EveningGlow(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(c, rng,
                         SkyOf(TColour::Rgb(40, 30, 90), TColour::Rgb(140, 70, 120), TColour::Rgb(240, 130, 100),
                               TColour::Rgb(255, 200, 130)),
                         {0, 0, 0}, 60, 4);
  Scenery::Moon(c, 180, 150, 16);
  FarHills(c, rng, n, 360, 34);
  const TRidge mid =
      HillVillage(c, rng, n, {430, 28}, {7, 0, 800, 0.8, 1.1, TColour::Rgb(130, 90, 100)}, TChurchSite{300, 330, 1.0});
  Scenery::Fence(c, 420, 640, mid.Height(500) + 60, 14);
  Scenery::Drift(c, rng, 530, 540, Palette::Snow.Mix(TColour::Rgb(255, 200, 180), 0.25), Palette::SnowDeep);
  FramePines(c, rng, n);
  Finish(c, rng, 60, 0.45);
}

// 6: a snowstorm sweeping over the village.
void Blizzard(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(c, rng,
                         SkyOf(TColour::Rgb(40, 44, 70), TColour::Rgb(80, 90, 120), TColour::Rgb(120, 130, 160),
                               TColour::Rgb(170, 170, 190)),
                         {0, 0, 0}, 0, 6);
  FarHills(c, rng, n, 370, 20);
  HillVillage(c, rng, n, {430, 20}, {8, 0, 800, 0.8, 1.15, TColour::Rgb(100, 100, 130)});
  // The storm veils everything behind the near drift.
  cairo_rectangle(c.Cr(), 0, 0, 800, 600);
  cairo_set_source_rgba(c.Cr(), 0.75, 0.78, 0.88, 0.28);
  cairo_fill(c.Cr());
  Scenery::Drift(c, rng, 520, 510, Palette::Snow, Palette::SnowShade);
  FramePines(c, rng, n);
  Scenery::Snowfall(c, rng, 900, 4.5);
  Scenery::Vignette(c, 0.45);
}

// 7: the church square with its lamps and lights strung across.
void ChurchSquare(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(
      c, rng,
      SkyOf(TColour::Rgb(10, 8, 34), TColour::Rgb(40, 26, 80), TColour::Rgb(90, 50, 110), TColour::Rgb(160, 100, 140)),
      {150, 90, 36});
  HillVillage(c, rng, n, {450, 6, 0.8}, {4, 0, 360, 1.2, 1.5, TColour::Rgb(120, 80, 110)});
  Scenery::Church(c, rng, 470, 470, 2.2);
  Figures::StringLights(c, rng, 0, 300, 470, 340, 50);
  Figures::StringLights(c, rng, 640, 300, 800, 280, 40);
  Scenery::Drift(c, rng, 540, 540, Palette::Snow, Palette::SnowDeep);
  for (double x : {120.0, 420.0, 740.0}) Scenery::Lantern(c, x, 560, 90);
  Finish(c, rng, 150, 0.55);
}

// 8: the market street, stalls under strings of lights.
void MarketStreet(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(
      c, rng,
      SkyOf(TColour::Rgb(12, 10, 30), TColour::Rgb(46, 30, 70), TColour::Rgb(110, 60, 90), TColour::Rgb(200, 120, 110)),
      {700, 80, 30});
  HillVillage(c, rng, n, {420, 10, 1.0}, {7, 0, 800, 1.0, 1.3, TColour::Rgb(130, 90, 90)});
  Figures::StringLights(c, rng, 0, 330, 400, 350, 40);
  Figures::StringLights(c, rng, 400, 350, 800, 320, 40);
  Scenery::Drift(c, rng, 520, 520, Palette::Snow, Palette::SnowDeep);
  const TColour awnings[] = {Palette::Berry, TColour::Rgb(40, 120, 70), TColour::Rgb(40, 80, 160), Palette::Berry};
  for (int i = 0; i < 4; ++i) Figures::MarketStall(c, rng, 30 + i * 210, 590, 130, awnings[i]);
  Finish(c, rng, 120, 0.55);
}

// 9: a lone cabin on the hilltop under a violet aurora.
void HilltopAurora(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(
      c, rng,
      SkyOf(TColour::Rgb(10, 4, 30), TColour::Rgb(34, 16, 70), TColour::Rgb(60, 40, 110), TColour::Rgb(110, 80, 150)),
      {0, 0, 0}, 420, 0, TColour::Rgb(180, 110, 255, 0.45));
  FarHills(c, rng, n, 400, 40);
  TRidge hill = MidHills(c, rng, n, 470, 70, 0.7);
  THouse cabin;
  cabin.x = 560, cabin.base = hill.Height(600) + 10, cabin.width = 70, cabin.height = 46, cabin.gable = 34;
  cabin.depth = 40, cabin.wall = TColour::Rgb(120, 80, 60), cabin.wreath = true;
  Scenery::House(c, rng, cabin);
  Scenery::PineRow(c, rng, hill, 10, 40, 90, Palette::PineDark.Mix(n.sky.mid, 0.3), 0.7, 4);
  Scenery::Drift(c, rng, 560, 550, Palette::Snow, Palette::SnowDeep);
  Finish(c, rng, 80, 0.5);
}

// 10: dawn over the sleeping village, the sky paling to pink and gold.
void WinterDawn(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(c, rng,
                         SkyOf(TColour::Rgb(60, 90, 150), TColour::Rgb(140, 150, 200), TColour::Rgb(240, 190, 200),
                               TColour::Rgb(255, 220, 170)),
                         {600, 100, 22}, 30, 3);
  FarHills(c, rng, n, 350, 30);
  HillVillage(c, rng, n, {440, 30, 1.4}, {9, 0, 800, 0.7, 1.0, TColour::Rgb(130, 110, 140)});
  Scenery::Snowman(c, 620, 560, 80);
  Scenery::Drift(c, rng, 530, 545, Palette::Snow.Mix(TColour::Rgb(255, 220, 220), 0.2), Palette::SnowShade);
  FramePines(c, rng, n);
  Finish(c, rng, 50, 0.4);
}

// ---- Gallery ------------------------------------------------------------------------

// 1: the great tree lit on the village green.
void GreatTree(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(
      c, rng,
      SkyOf(TColour::Rgb(8, 10, 36), TColour::Rgb(30, 28, 88), TColour::Rgb(80, 56, 126), TColour::Rgb(160, 110, 150)),
      {650, 90, 34});
  HillVillage(c, rng, n, {400, 16}, {7, 0, 800, 0.8, 1.1, TColour::Rgb(110, 80, 130)});
  Scenery::Drift(c, rng, 470, 480, Palette::Snow, Palette::SnowDeep);
  Figures::StringLights(c, rng, 0, 380, 400, 160, 30);
  Figures::StringLights(c, rng, 400, 160, 800, 380, 30);
  Props::ChristmasTree(c, rng, 400, 560, 400);
  for (int i = 0; i < 5; ++i) {
    const double x = i < 2 ? 160 + i * 70 : 520 + (i - 2) * 70;
    Figures::Villager(c.Cr(), x, 575 + rng.Real(-6, 6), rng.Real(80, 100), kCoats[i], kScarves[i],
                      i % 2 ? TPose::Waving : TPose::Standing, x < 400);
  }
  Finish(c, rng, 140, 0.5);
}

// 2: the sleigh crossing the full moon.
void SleighMoon(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(
      c, rng,
      SkyOf(TColour::Rgb(6, 8, 30), TColour::Rgb(24, 30, 80), TColour::Rgb(60, 60, 120), TColour::Rgb(120, 110, 160)),
      {430, 200, 120}, 260, 2);
  cairo_t* cr = c.Cr();
  // The team in silhouette across the moon.
  const TColour ink = TColour::Rgb(20, 16, 40, 0.95);
  for (int i = 0; i < 4; ++i)
    Figures::Reindeer(cr, 430 + i * 60, 190 - i * 10, 48, true, false, ink);
  cairo_save(cr);
  cairo_translate(cr, 330, 214);
  Figures::Sleigh(cr,
                  {{-50, 0, -62, -14, -56, -40, -42, -40, 10, -30, 16, -10, -40, -4},
                   3,
                   {-56, 4, 14, 4, 26, 4, 26, -10, 18, -10},
                   {-24, -46, 9},
                   {-44, -50, 13},
                   1.2,
                   {-20, -40, 110, -40}},
                  ink);
  cairo_restore(cr);
  HillVillage(c, rng, n, {450, 20}, {8, 0, 800, 0.8, 1.1, TColour::Rgb(100, 80, 130)});
  Scenery::Drift(c, rng, 540, 545, Palette::Snow, Palette::SnowDeep);
  FramePines(c, rng, n);
  Finish(c, rng, 120, 0.5);
}

// 3: a family of snowmen and the children who built them.
void SnowmanFamily(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(c, rng,
                         SkyOf(TColour::Rgb(10, 16, 44), TColour::Rgb(36, 50, 100), TColour::Rgb(90, 90, 150),
                               TColour::Rgb(170, 140, 180)),
                         {160, 100, 40});
  HillVillage(c, rng, n, {390, 20}, {6, 0, 800, 0.7, 0.95, TColour::Rgb(110, 90, 130)});
  Scenery::Drift(c, rng, 440, 460, Palette::Snow, Palette::SnowDeep);
  Scenery::Snowman(c, 300, 560, 230);
  Scenery::Snowman(c, 460, 565, 190);
  Scenery::Snowman(c, 580, 570, 110);
  Figures::Villager(c.Cr(), 170, 575, 110, kCoats[1], kScarves[0], TPose::Waving, true);
  Figures::Villager(c.Cr(), 680, 580, 90, kCoats[0], kScarves[2], TPose::Standing, false);
  FramePines(c, rng, n);
  Finish(c, rng, 150, 0.5);
}

// 4: skaters on the frozen pond.
void Skaters(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(
      c, rng,
      SkyOf(TColour::Rgb(4, 16, 36), TColour::Rgb(20, 50, 90), TColour::Rgb(60, 90, 140), TColour::Rgb(140, 150, 190)),
      {600, 90, 38});
  HillVillage(c, rng, n, {330, 16}, {7, 0, 800, 0.7, 0.95, TColour::Rgb(100, 90, 130)});
  Scenery::FrozenLake(c, rng, 370, 580, 600);
  const double spots[][3] = {{180, 470, 100}, {320, 520, 120}, {470, 450, 90}, {600, 540, 130}, {700, 470, 95}};
  for (int i = 0; i < 5; ++i) {
    // A faint reflection on the ice under each skater.
    cairo_save(c.Cr());
    cairo_push_group(c.Cr());
    Figures::Villager(c.Cr(), spots[i][0], spots[i][1], spots[i][2], kCoats[i], kScarves[i], TPose::Skating,
                      i % 2 == 0);
    cairo_pattern_t* figure = cairo_pop_group(c.Cr());
    cairo_translate(c.Cr(), 0, 2 * spots[i][1]);
    cairo_scale(c.Cr(), 1, -1);
    cairo_set_source(c.Cr(), figure);
    cairo_paint_with_alpha(c.Cr(), 0.18);
    cairo_restore(c.Cr());
    PaintWith(c.Cr(), figure);
  }
  FramePines(c, rng, n);
  Finish(c, rng, 100, 0.5);
}

// 5: carol singers at a cottage door under the lamp.
void CarolSingers(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(
      c, rng,
      SkyOf(TColour::Rgb(12, 8, 34), TColour::Rgb(44, 26, 80), TColour::Rgb(100, 56, 110), TColour::Rgb(170, 110, 140)),
      {680, 80, 30});
  TRidge mid = MidHills(c, rng, n, 440, 6, 0.8);
  THouse home;
  home.x = 60, home.base = 470, home.width = 250, home.height = 170, home.gable = 110, home.depth = 90;
  home.wall = TColour::Rgb(150, 90, 80), home.windows = 2, home.wreath = true, home.lit = 1.0;
  Scenery::House(c, rng, home);
  Cottages(c, rng, mid, 3, 460, 800, 0.9, 1.1, TColour::Rgb(110, 80, 120));
  Scenery::Drift(c, rng, 480, 490, Palette::Snow, Palette::SnowDeep);
  Scenery::Lantern(c, 430, 560, 190);
  for (int i = 0; i < 4; ++i)
    Figures::Villager(c.Cr(), 470 + i * 70, 580 - (i % 2) * 6, 130 - (i == 3) * 40, kCoats[(i + 2) % 6],
                      kScarves[i], TPose::Singing, false);
  Notes(c.Cr(), rng, 560, 410, 5);
  Finish(c, rng, 130, 0.5);
}

// 6: the Christmas market at night.
void ChristmasMarket(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(
      c, rng,
      SkyOf(TColour::Rgb(10, 8, 30), TColour::Rgb(40, 26, 70), TColour::Rgb(90, 50, 90), TColour::Rgb(180, 110, 110)),
      {120, 70, 28});
  HillVillage(c, rng, n, {360, 10, 1.0}, {6, 0, 800, 1.0, 1.3, TColour::Rgb(130, 90, 100)}, TChurchSite{560, 600, 1.3});
  Scenery::Drift(c, rng, 440, 440, Palette::Snow, Palette::SnowDeep);
  Figures::StringLights(c, rng, 0, 250, 400, 280, 40);
  Figures::StringLights(c, rng, 400, 280, 800, 240, 40);
  const TColour awnings[] = {Palette::Berry, TColour::Rgb(40, 120, 70), TColour::Rgb(40, 80, 160)};
  for (int i = 0; i < 3; ++i) Figures::MarketStall(c, rng, 70 + i * 250, 520, 170, awnings[i]);
  for (int i = 0; i < 6; ++i)
    Figures::Villager(c.Cr(), 40 + i * 140 + rng.Real(-20, 20), 590, rng.Real(95, 120), kCoats[i], kScarves[i % 5],
                      i % 3 == 0 ? TPose::Waving : TPose::Standing, i % 2 == 0);
  Finish(c, rng, 110, 0.5);
}

// 7: the church at midnight, every window lit.
void MidnightChurch(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(
      c, rng,
      SkyOf(TColour::Rgb(4, 4, 20), TColour::Rgb(16, 16, 56), TColour::Rgb(44, 40, 100), TColour::Rgb(90, 80, 140)),
      {640, 110, 48}, 500, 1);
  HillVillage(c, rng, n, {470, 10, 0.9}, {2, 560, 800, 1.0, 1.2, TColour::Rgb(100, 80, 120)});
  Scenery::Church(c, rng, 230, 520, 3.0);
  Scenery::Drift(c, rng, 540, 560, Palette::Snow, Palette::SnowDeep);
  Scenery::Fence(c, 20, 200, 560, 24);
  // Footprints in the snow leading to the door.
  for (int i = 0; i < 12; ++i) {
    const double t = i / 11.0;
    const double fx = 700 - t * 400 + (i % 2) * 8, fy = 600 - t * 40;
    cairo_save(c.Cr());
    cairo_translate(c.Cr(), fx, fy);
    cairo_scale(c.Cr(), 1.6, 0.7);
    cairo_arc(c.Cr(), 0, 0, 4 - t * 1.5, 0, 2 * kPi);
    cairo_restore(c.Cr());
    Palette::SnowShade.WithAlpha(0.7).Set(c.Cr());
    cairo_fill(c.Cr());
  }
  Finish(c, rng, 100, 0.55);
}

// 8: reindeer in a forest clearing under the aurora.
void ReindeerClearing(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(
      c, rng,
      SkyOf(TColour::Rgb(2, 14, 26), TColour::Rgb(10, 40, 60), TColour::Rgb(30, 80, 90), TColour::Rgb(90, 140, 130)),
      {0, 0, 0}, 380, 0, TColour::Rgb(100, 255, 160, 0.45));
  TRidge far = FarHills(c, rng, n, 360, 20);
  Scenery::PineRow(c, rng, far, 50, 50, 110, Palette::PineDark.Mix(n.sky.mid, 0.4), 0.6, 4);
  MidHills(c, rng, n, 440, 14, 0.8);
  Figures::Reindeer(c.Cr(), 280, 540, 150, true, false, TColour::Rgb(120, 84, 60));
  Figures::Reindeer(c.Cr(), 500, 560, 130, false, true, TColour::Rgb(140, 100, 70));
  Figures::Reindeer(c.Cr(), 640, 520, 90, false, false, TColour::Rgb(110, 80, 60));
  Scenery::Drift(c, rng, 560, 570, Palette::Snow, Palette::SnowDeep);
  const TColour near = Palette::Pine.Mix(n.sky.mid, 0.1);
  for (double x : {-20.0, 80.0, 740.0, 830.0}) Scenery::Pine(c.Cr(), rng, x, 620, rng.Real(320, 420), near, 0.8);
  Finish(c, rng, 90, 0.55);
}

// 9: looking in through a cottage window at the tree inside.
void CottageWindowScene(TCanvas& c, TSceneRandom& rng) {
  cairo_t* cr = c.Cr();
  // The cottage wall fills the picture: timber boards lit by the window.
  cairo_rectangle(cr, 0, 0, 800, 600);
  cairo_pattern_t* wall = cairo_pattern_create_radial(400, 280, 40, 400, 300, 560);
  AddStops(wall, {{0, TColour::Rgb(150, 96, 70)}, {0.7, TColour::Rgb(70, 40, 40)}, {1, TColour::Rgb(30, 18, 30)}});
  FillWith(cr, wall);
  cairo_set_line_width(cr, 2);
  for (double y = 20; y < 600; y += 38) {
    cairo_move_to(cr, 0, y + rng.Real(-1, 1));
    cairo_line_to(cr, 800, y + rng.Real(-1, 1));
    TColour::Rgb(30, 16, 20, 0.5).Set(cr);
    cairo_stroke(cr);
  }
  // Snow heaped on the eaves above.
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, 800, 0);
  cairo_line_to(cr, 800, 40);
  for (double x = 800; x >= 0; x -= 20) cairo_line_to(cr, x, 40 + 12 * std::sin(x * 0.05) + rng.Real(0, 6));
  cairo_close_path(cr);
  Palette::Snow.Set(cr);
  cairo_fill(cr);
  Figures::CottageWindow(c, rng, 250, 150, 300, 280);
  Props::Present(c, 120, 590, 110, 80, Palette::Berry, Palette::Gold);
  Props::Present(c, 620, 595, 90, 100, TColour::Rgb(40, 100, 180), Palette::Snow);
  Props::Present(c, 700, 590, 70, 60, TColour::Rgb(40, 130, 70), Palette::Berry);
  Scenery::Snowfall(c, rng, 160, 4.0);
  Scenery::Vignette(c, 0.6);
}

// 10: the old stone bridge over the frozen river, a cabin and the mountains behind.
void RiverBridge(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(
      c, rng,
      SkyOf(TColour::Rgb(8, 14, 40), TColour::Rgb(30, 44, 96), TColour::Rgb(80, 90, 150), TColour::Rgb(150, 140, 190)),
      {200, 100, 42});
  Figures::Mountains(c, rng, 360, 150, TColour::Rgb(70, 80, 140), 5);
  HillVillage(c, rng, n, {390, 12, 1.0}, {5, 420, 800, 0.8, 1.0, TColour::Rgb(120, 90, 110)});
  Scenery::FrozenLake(c, rng, 440, 600, 200);
  Figures::Bridge(c, 120, 560, 450);
  Figures::Villager(c.Cr(), 300, 414, 50, kCoats[0], kScarves[0], TPose::Standing, true);
  Figures::Villager(c.Cr(), 330, 416, 40, kCoats[1], kScarves[1], TPose::Waving, true);
  Finish(c, rng, 90, 0.5);
}

// 11: fireworks over golden Tinselvale: the village saved.
void GoldenFireworks(TCanvas& c, TSceneRandom& rng) {
  const TNight n = Night(
      c, rng,
      SkyOf(TColour::Rgb(12, 8, 30), TColour::Rgb(40, 24, 60), TColour::Rgb(110, 60, 70), TColour::Rgb(230, 160, 90)),
      {0, 0, 0}, 200, 0);
  const TColour colours[] = {Palette::Gold, TColour::Rgb(255, 90, 90), TColour::Rgb(120, 255, 160),
                             Palette::GoldLight, TColour::Rgb(150, 160, 255)};
  for (int i = 0; i < 7; ++i)
    Figures::Firework(c, rng, rng.Real(80, 720), rng.Real(60, 260), rng.Real(50, 110), colours[i % 5]);
  HillVillage(c, rng, n, {420, 18}, {9, 0, 800, 0.8, 1.1, TColour::Rgb(150, 100, 80)}, TChurchSite{360, 390, 1.4});
  Scenery::Drift(c, rng, 520, 530, Palette::Snow.Mix(Palette::GoldLight, 0.2), Palette::SnowDeep);
  for (int i = 0; i < 6; ++i)
    Figures::Villager(c.Cr(), 90 + i * 130, 590, rng.Real(80, 100), kCoats[i], kScarves[i % 5], TPose::Waving,
                      i % 2 == 0);
  // The whole scene warmed by the gold of the sky.
  cairo_rectangle(c.Cr(), 0, 0, 800, 600);
  cairo_set_source_rgba(c.Cr(), 1.0, 0.8, 0.4, 0.08);
  cairo_fill(c.Cr());
  Finish(c, rng, 80, 0.45);
}

}  // namespace

namespace Vistas {

void Background(TCanvas& c, int n) {
  TSceneRandom rng(1000 + uint32_t(n) * 7919);
  void (*const scenes[kBackgrounds])(TCanvas&, TSceneRandom&) = {
      MoonlitRidge, SkatingPond, PineForest, MountainValley, EveningGlow,
      Blizzard,     ChurchSquare, MarketStreet, HilltopAurora, WinterDawn};
  scenes[(n - 1) % kBackgrounds](c, rng);
  // The board sits right of the side panel; keep that area quiet.
  Scenery::CalmCentre(c, 460, 320, 330, 260, 0.42);
  Scenery::Grain(c, rng, 3);
}

void GalleryPicture(TCanvas& c, int n) {
  TSceneRandom rng(3000 + uint32_t(n) * 104729);
  void (*const scenes[kGalleryPictures])(TCanvas&, TSceneRandom&) = {
      GreatTree,       SleighMoon,     SnowmanFamily,       Skaters,     CarolSingers,   ChristmasMarket,
      MidnightChurch,  ReindeerClearing, CottageWindowScene, RiverBridge, GoldenFireworks};
  scenes[(n - 1) % kGalleryPictures](c, rng);
  Scenery::Grain(c, rng, 2.5);
}

}  // namespace Vistas
