// Full-screen night scenes: the ten board backgrounds and the gallery pictures with
// their thumbnails (composed in Vistas), the loading screen, the intro story, the
// level map and its backdrop, and the side pictures for the bars.
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "Figures.h"
#include "Parchment.h"
#include "Pattern.h"
#include "Placement.h"
#include "PictureJobs.h"
#include "Props.h"
#include "Scenery.h"
#include "Vistas.h"

namespace {
constexpr double kPi = 3.14159265358979;

void Background(const TStudio& studio, int n) {
  TCanvas c(800, 600);
  Vistas::Background(c, n);
  studio.Save(c, "Data/graphics/bg" + std::to_string(n) + ".jpg");
}

void LoadingScreen(const TStudio& studio) {
  TCanvas c(800, 600);
  TSceneRandom rng(201);
  Scenery::TVillagePlan plan = Scenery::RandomPlan(rng);
  plan.layout = Scenery::TLayout::Lake;
  plan.moonX = 660;
  plan.moonY = 70;
  plan.aurora = true;
  plan.horizon = 380;
  plan.farRidge = 370;
  plan.midRidge = 430;
  Scenery::Village(c, rng, plan);
  // The logo, the caption and the bar sit over the middle and the bottom.
  Scenery::CalmCentre(c, 400, 160, 330, 120, 0.35);
  Scenery::CalmCentre(c, 400, 500, 300, 90, 0.35);
  Scenery::Vignette(c, 0.55);
  Scenery::Grain(c, rng, 3);
  studio.Save(c, "Data/graphics/loadingscreen.jpg");
}

// Reindeer and sleigh in silhouette, heading right; (x, y) is the sleigh's runner.
void Sleigh(cairo_t* cr, double x, double y, double s, const TColour& ink) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  // Father Christmas in his sleigh, the reins to four reindeer.
  Figures::Sleigh(cr,
                  {{-40, 0, -50, -10, -46, -30, -36, -30, 0, -22, 6, -8, -34, -4},
                   2.5,
                   {-44, 2, 8, 2, 16, 2, 16, -8, 10, -8},
                   {-22, -32, 6},
                   {-36, -36, 9},
                   1,
                   {-18, -30, 150, -40}},
                  ink);
  for (int i = 0; i < 4; ++i) {
    const double rx = 30 + i * 34, ry = -26 - i * 3;
    cairo_save(cr);
    cairo_translate(cr, rx, ry);
    cairo_scale(cr, 1.6, 0.8);
    cairo_arc(cr, 0, 0, 8, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_fill(cr);
    cairo_set_line_width(cr, 2.2);
    // Legs stretched in a gallop, neck, head and antlers.
    cairo_move_to(cr, rx - 9, ry + 3);
    cairo_line_to(cr, rx - 20, ry + 12);
    cairo_move_to(cr, rx + 9, ry + 3);
    cairo_line_to(cr, rx + 20, ry + 10);
    cairo_move_to(cr, rx + 10, ry - 3);
    cairo_line_to(cr, rx + 16, ry - 12);
    cairo_stroke(cr);
    cairo_arc(cr, rx + 18, ry - 13, 3.5, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, rx + 16, ry - 16);
    cairo_line_to(cr, rx + 12, ry - 24);
    cairo_line_to(cr, rx + 8, ry - 26);
    cairo_move_to(cr, rx + 13, ry - 21);
    cairo_line_to(cr, rx + 17, ry - 26);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

enum class TFeature { None, Tree, Sleigh, Snowmen, Presents };

void StoryScene(TCanvas& c, TSceneRandom& rng, TFeature feature, bool quietCentre) {
  Scenery::TVillagePlan plan = Scenery::RandomPlan(rng);
  if (feature == TFeature::Sleigh) {
    plan.moonX = 520;
    plan.moonY = 130;
    plan.moonR = 70;
    plan.clouds = 1;
  }
  if (feature == TFeature::Tree) plan.layout = Scenery::TLayout::Ridge;
  Scenery::Village(c, rng, plan);
  cairo_t* cr = c.Cr();
  switch (feature) {
    case TFeature::Tree: Props::ChristmasTree(c, rng, 400, 580, 330); break;
    case TFeature::Sleigh: Sleigh(cr, 440, 150, 1.3, TColour::Rgb(20, 16, 40, 0.92)); break;
    case TFeature::Snowmen:
      Scenery::Snowman(c, 330, 575, 130);
      Scenery::Snowman(c, 460, 585, 100);
      break;
    case TFeature::Presents:
      Props::Present(c, 300, 580, 90, 60, Palette::Berry, Palette::Gold);
      Props::Present(c, 400, 590, 70, 80, TColour::Rgb(40, 100, 180), Palette::Snow);
      Props::Present(c, 470, 585, 80, 50, TColour::Rgb(40, 130, 70), Palette::Berry);
      break;
    case TFeature::None: break;
  }
  if (quietCentre) Scenery::CalmCentre(c, 400, 300, 300, 220, 0.2);
  Scenery::Vignette(c, 0.5);
}

void GalleryPicture(const TStudio& studio, int n) {
  TCanvas c(800, 600);
  Vistas::GalleryPicture(c, n);
  studio.Save(c, "Data/graphics/pic" + std::to_string(n) + ".jpg");
  TCanvas thumb(100, 75);
  c.PaintScaled(thumb.Cr(), 0, 0, 100, 75);
  studio.Save(thumb, "Data/graphics/thumb" + std::to_string(n) + ".png");
}

void IntroPicture(const TStudio& studio, int n) {
  static const char* const lines[] = {
      "High in the snowy hills lies the village of Tinselvale.",
      "Every winter night its windows glow with candlelight.",
      "On the longest night, a wild wind shook the winter star...",
      "...and scattered its sparkling gems over every street.",
      "The little snow sprites were trapped beneath ice and brick.",
      "Only a patient puzzler can match the gems and free them.",
      "Then Tinselvale will shine with gold once more.",
      "Are you ready? The whole village is counting on you!"};
  const TFeature features[] = {TFeature::None,     TFeature::None,  TFeature::Sleigh, TFeature::Presents,
                               TFeature::Snowmen, TFeature::Tree,  TFeature::None,   TFeature::Sleigh};
  TCanvas c(800, 600);
  TSceneRandom rng(5000 + uint32_t(n) * 31337);
  StoryScene(c, rng, features[n - 1], false);
  cairo_t* cr = c.Cr();
  if (n == 3 || n == 4) {
    // The star's gems streak across the sky.
    TSceneRandom trail(n);
    for (int i = 0; i < 50; ++i) {
      const double t = i / 50.0;
      const double x = 80 + t * 640, y = 80 + std::sin(t * kPi) * -30 + t * 120 + trail.Real(-20, 20);
      cairo_save(cr);
      cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
      cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, 10);
      AddStops(g, {{0, TColour::Rgb(255, 220, 140, 0.8)}, {1, TColour::Rgb(255, 160, 60, 0)}});
      cairo_set_source(cr, g);
      cairo_arc(cr, x, y, 10, 0, 2 * kPi);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
      cairo_restore(cr);
    }
  }
  // Caption band.
  cairo_rectangle(cr, 0, 500, 800, 100);
  cairo_pattern_t* band = cairo_pattern_create_linear(0, 500, 0, 600);
  AddStops(band, {{0, TColour::Rgb(6, 4, 20, 0)}, {0.45, TColour::Rgb(6, 4, 20, 0.75)},
      {1, TColour::Rgb(6, 4, 20, 0.85)}});
  FillWith(cr, band);
  TLetterStyle t;
  t.face = TTypeface::Headline;
  t.size = 32;
  t.top = TColour::Rgb(255, 250, 230);
  t.bottom = Palette::GoldLight;
  t.shadowBlur = 3;
  t.shadowDx = 2;
  t.shadowDy = 2;
  studio.letters.Draw(c, t, lines[n - 1], 400, 562);
  Scenery::Grain(c, rng, 2.5);
  studio.Save(c, "Data/graphics/intro" + std::to_string(n) + ".jpg");
}

void MapBackground(const TStudio& studio) {
  TCanvas c(1024, 1024);
  TSceneRandom rng(202);
  TSkyColours sky;
  Scenery::Sky(c, sky, 1024, 512);
  Scenery::Stars(c, rng, 700, 1000);
  Scenery::Aurora(c, rng, TColour::Rgb(90, 230, 180, 0.25), 300);
  Scenery::Clouds(c, rng, 8, 100, 900, TColour::Rgb(120, 110, 180, 0.35));
  Scenery::Snowfall(c, rng, 400, 3);
  Scenery::Vignette(c, 0.4);
  Scenery::Grain(c, rng, 3);
  studio.Save(c, "Data/graphics/mapbackground.jpg");
}

// The pictures in the bars beside (or above and below) the game on a display of another
// shape: a tall night of sky, pines and snow, quiet and dark so the game stays in front.
// Drawn scaled to cover bars of any size, so they are large and have no edge to repeat.
void SidePicture(const TStudio& studio, bool left) {
  TCanvas c(720, 1440);
  TSceneRandom rng(left ? 211 : 212);
  TSkyColours sky;
  Scenery::Sky(c, sky, 1060, left ? 620 : 100);
  Scenery::Stars(c, rng, 520, 1000);
  Scenery::Clouds(c, rng, 5, 120, 900, TColour::Rgb(120, 110, 180, 0.3));
  const TRidge far = Scenery::Ridge(c, rng, 1040, 26, Palette::SnowDeep, Palette::SnowShade, 2.0);
  Scenery::PineRow(c, rng, far, 14, 60, 140, Palette::PineDark, 0.35, 6);
  const TRidge near = Scenery::Ridge(c, rng, 1180, 34, Palette::SnowShade, Palette::Snow, 1.6);
  Scenery::PineRow(c, rng, near, 6, 220, 420, Palette::Pine, 0.55, 10);
  Scenery::Drift(c, rng, 1320, 1340, Palette::Snow, Palette::SnowShade);
  Scenery::Snowfall(c, rng, 360, 3);
  Scenery::Vignette(c, 0.5);
  Scenery::Grain(c, rng, 3);
  studio.Save(c, left ? "Data/graphics/sideleft.jpg" : "Data/graphics/sideright.jpg");
}

// Star centres on the map, level 1 to 55, in map-picture pixels.
const double kStars[55][2] = {
    {87, 693},  {121, 698}, {152, 712}, {181, 725}, {212, 740}, {241, 755}, {271, 769}, {300, 781}, {334, 788},
    {370, 788}, {404, 781}, {438, 771}, {471, 761}, {503, 750}, {536, 746}, {519, 691}, {489, 681}, {460, 665},
    {432, 648}, {401, 636}, {368, 627}, {333, 626}, {300, 629}, {270, 635}, {237, 642}, {205, 649}, {174, 652},
    {141, 646}, {111, 627}, {87, 601},  {71, 567},  {98, 494},  {149, 474}, {197, 493}, {244, 520}, {291, 544},
    {344, 555}, {397, 542}, {449, 527}, {441, 474}, {399, 435}, {348, 407}, {286, 408}, {232, 425}, {177, 413},
    {150, 366}, {193, 286}, {261, 294}, {318, 339}, {386, 317}, {364, 256}, {300, 213}, {227, 191}, {277, 139},
    {289, 48}};

void TrailPath(cairo_t* cr) {
  // Catmull-Rom through the stars, as cubic Béziers.
  cairo_move_to(cr, kStars[0][0], kStars[0][1]);
  for (int i = 0; i < 54; ++i) {
    const double* p0 = kStars[std::max(0, i - 1)];
    const double* p1 = kStars[i];
    const double* p2 = kStars[i + 1];
    const double* p3 = kStars[std::min(54, i + 2)];
    cairo_curve_to(cr, p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6, p2[0] - (p3[0] - p1[0]) / 6,
                   p2[1] - (p3[1] - p1[1]) / 6, p2[0], p2[1]);
  }
}

void LevelMap(const TStudio& studio) {
  const int size = 1000;
  TCanvas land(size, size);
  cairo_t* cr = land.Cr();
  TSceneRandom rng(203);
  // The snowfield by night, in the blues of the board's skies, with moonlit swells.
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, size, size);
  AddStops(g, {{0, TColour::Rgb(62, 74, 136)}, {1, TColour::Rgb(30, 36, 86)}});
  PaintWith(cr, g);
  for (int i = 0; i < 40; ++i) {
    const double hx = rng.Real(0, size), hy = rng.Real(0, size), hr = rng.Real(40, 120);
    cairo_save(cr);
    cairo_translate(cr, hx, hy);
    cairo_scale(cr, 2, 1);
    cairo_pattern_t* h = cairo_pattern_create_radial(-hr * 0.2, -hr * 0.3, 0, 0, 0, hr);
    AddStops(h, {{0, TColour::Rgb(170, 186, 240, 0.16)}, {0.7, TColour::Rgb(14, 16, 50, 0.2)},
        {1, TColour::Rgb(14, 16, 50, 0)}});
    cairo_set_source(cr, h);
    cairo_arc(cr, 0, 0, hr, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(h);
    cairo_restore(cr);
  }
  // The pack panel stands fixed over the map's east side wherever it scrolls (map x 600
  // and beyond, y 160 to 765), so a wide frozen mere lies there: even dark ice with
  // nothing on it makes the panel read as one solid board.
  // Each lake is a rounded oblong (squareness 2 is an ellipse, more is squarer).
  auto ice = [&](double lx, double ly, double rx, double ry, double squareness, TColour light, TColour dark) {
    cairo_new_path(cr);
    for (int k = 0; k < 180; ++k) {
      const double a = 2 * kPi * k / 180, ca = std::cos(a), sa = std::sin(a);
      const double px = lx + rx * std::copysign(std::pow(std::fabs(ca), 2 / squareness), ca);
      const double py = ly + ry * std::copysign(std::pow(std::fabs(sa), 2 / squareness), sa);
      if (k == 0) cairo_move_to(cr, px, py);
      else cairo_line_to(cr, px, py);
    }
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(lx - rx, ly - ry, lx + rx, ly + ry);
    AddStops(p, {{0, light}, {1, dark}});
    FillPreserveWith(cr, p);
    cairo_set_line_width(cr, 4);
    TColour::Rgb(170, 190, 240, 0.7).Set(cr);
    cairo_stroke(cr);
  };
  ice(300, 700, 110, 38, 2, TColour::Rgb(70, 96, 160), TColour::Rgb(26, 34, 90));
  ice(805, 478, 240, 322, 5, TColour::Rgb(34, 44, 100), TColour::Rgb(20, 24, 64));
  // Forests away from the trail, the mere, the village and the church.
  const Placement::TMapVillage village = Placement::MapVillage();
  const TBox church = Placement::ChurchBox(village.churchX, village.churchBase, village.churchScale);
  auto nearTrail = [&](double x, double y) {
    for (auto& s : kStars)
      if (std::hypot(s[0] - x, s[1] - y) < 48) return true;
    return false;
  };
  std::vector<std::array<double, 3>> trees;
  for (int i = 0; i < 420; ++i) {
    const double tx = rng.Real(0, size), ty = rng.Real(0, size);
    if (nearTrail(tx, ty)) continue;
    if (std::hypot((tx - 300) / 120, (ty - 700) / 46) < 1.2) continue;
    if (tx > 560 && ty > 20 && ty < 800) continue;  // the village and the mere
    if (tx > church.x0 - 20 && tx < church.x1 + 10 && ty > church.y0 && ty < church.y1 + 30) continue;
    trees.push_back({tx, ty, rng.Real(22, 44)});
  }
  std::sort(trees.begin(), trees.end(), [](auto& a, auto& b) { return a[1] < b[1]; });
  for (auto& t : trees) Scenery::Pine(cr, rng, t[0], t[1], t[2], Palette::Pine, 0.9);
  // Tinselvale itself in the north-east, cottages clear of each other, back to front,
  // and its church on the hill across the trail.
  Scenery::Church(land, rng, village.churchX, village.churchBase, village.churchScale);
  for (const THouse& h : village.houses) Scenery::House(land, rng, h);
  // The trail: trodden snow pale in the moonlight, a dashed golden line of footsteps, in
  // star order.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  TrailPath(cr);
  cairo_set_line_width(cr, 22);
  TColour::Rgb(10, 12, 40, 0.5).Set(cr);
  cairo_stroke(cr);
  TrailPath(cr);
  cairo_set_line_width(cr, 14);
  TColour::Rgb(150, 164, 214, 0.9).Set(cr);
  cairo_stroke(cr);
  TrailPath(cr);
  const double dash[] = {6, 9};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_set_line_width(cr, 4);
  Palette::Gold.WithAlpha(0.9).Set(cr);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  // Dark pads under each star, so a gold star and a locked one's pale rim both stand
  // clear of the pale trail.
  for (auto& s : kStars) {
    cairo_pattern_t* p = cairo_pattern_create_radial(s[0], s[1], 0, s[0], s[1], 17);
    AddStops(p, {{0, TColour::Rgb(8, 10, 34, 0.75)}, {0.6, TColour::Rgb(8, 10, 34, 0.6)},
        {1, TColour::Rgb(8, 10, 34, 0)}});
    cairo_set_source(cr, p);
    cairo_arc(cr, s[0], s[1], 17, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  Scenery::Snowfall(land, rng, 300, 2.5);

  // The land fades out at its edges onto the backdrop behind it.
  TCanvas map(size, size);
  TCanvas mask(size, size);
  Parchment::RoundRect(mask.Cr(), 30, 24, size - 60, size - 48, 120);
  cairo_set_source_rgba(mask.Cr(), 1, 1, 1, 1);
  cairo_fill(mask.Cr());
  mask.Blur(40);
  cairo_set_source_surface(map.Cr(), land.Surface(), 0, 0);
  cairo_mask_surface(map.Cr(), mask.Surface(), 0, 0);
  studio.Save(map, "Data/graphics/levelselect.png");
}
}  // namespace

void AddBackdropJobs(std::vector<TPictureJob>& jobs) {
  for (int n = 1; n <= 10; ++n)
    jobs.push_back({"bg" + std::to_string(n) + ".jpg", [n](const TStudio& s) { Background(s, n); }});
  jobs.push_back({"loadingscreen.jpg", LoadingScreen});
  for (int n = 1; n <= 11; ++n)
    jobs.push_back({"pic" + std::to_string(n) + ".jpg", [n](const TStudio& s) { GalleryPicture(s, n); }});
  for (int n = 1; n <= 8; ++n)
    jobs.push_back({"intro" + std::to_string(n) + ".jpg", [n](const TStudio& s) { IntroPicture(s, n); }});
  jobs.push_back({"mapbackground.jpg", MapBackground});
  jobs.push_back({"sideleft.jpg", [](const TStudio& s) { SidePicture(s, true); }});
  jobs.push_back({"sideright.jpg", [](const TStudio& s) { SidePicture(s, false); }});
  jobs.push_back({"levelselect.png", LevelMap});
}
