// The building blocks of Tinselvale's night landscapes: sky, moon, stars, aurora,
// hills, pines, cottages with lit windows, drifts and falling snow. The backgrounds,
// gallery pictures, intro story and menus are all composed from these.
#pragma once
#include <algorithm>
#include <vector>

#include "Canvas.h"
#include "Colour.h"
#include "SceneRandom.h"

struct TSkyColours {
  TColour top = Palette::NightTop;
  TColour mid = Palette::NightMid;
  TColour low = Palette::NightLow;
  TColour horizon = Palette::Horizon;
};

// The top line of a ridge, sampled every 4 pixels.
struct TRidge {
  std::vector<double> ys;
  double Height(double x) const {
    if (ys.empty()) return 0;
    const double f = std::clamp(x / 4.0, 0.0, double(ys.size() - 1));
    const size_t i = size_t(f);
    const size_t j = std::min(i + 1, ys.size() - 1);
    return ys[i] + (ys[j] - ys[i]) * (f - double(i));
  }
};

struct THouse {
  double x = 0, base = 0;     // left front corner on the ground
  double width = 60, height = 40, gable = 30, depth = 26;
  TColour wall = TColour::Rgb(92, 78, 128);
  int windows = 2;            // on the front
  bool door = true;
  bool chimney = true;
  bool wreath = false;
  double lit = 0.8;           // share of windows that glow
};

namespace Scenery {
// Sky gradient with a warm glow low on the horizon around glowX.
void Sky(TCanvas& c, const TSkyColours& sky, double horizonY, double glowX);
void Stars(TCanvas& c, TSceneRandom& rng, int count, double bottomY);
// Full moon with its halo; lit from the top left like everything else.
void Moon(TCanvas& c, double cx, double cy, double r);
void Aurora(TCanvas& c, TSceneRandom& rng, const TColour& colour, double y);
void Clouds(TCanvas& c, TSceneRandom& rng, int count, double top, double bottom, const TColour& lit);
// A snowy ridge across the picture; baseY is its mean height. The returned outline
// tells where houses and trees stand on it.
TRidge Ridge(TCanvas& c, TSceneRandom& rng, double baseY, double amplitude, const TColour& body,
             const TColour& rim, double waves);
void Pine(cairo_t* cr, TSceneRandom& rng, double x, double base, double height, const TColour& body, double snow);
void PineRow(TCanvas& c, TSceneRandom& rng, const TRidge& ground, int count, double minH, double maxH,
             const TColour& body, double snow, double sink);
void House(TCanvas& c, TSceneRandom& rng, const THouse& h);
void Church(TCanvas& c, TSceneRandom& rng, double x, double base, double scale);
void WindowGlow(cairo_t* cr, double x, double y, double radius, double strength);
// Foreground drift whose top follows a gentle curve from leftY to rightY.
void Drift(TCanvas& c, TSceneRandom& rng, double leftY, double rightY, const TColour& lit, const TColour& shade);
void Lantern(TCanvas& c, double x, double base, double height);
// A frozen pond between top and bottom that mirrors the moon at moonX.
void FrozenLake(TCanvas& c, TSceneRandom& rng, double top, double bottom, double moonX);
void Snowman(TCanvas& c, double x, double base, double height);
void Fence(TCanvas& c, double x0, double x1, double base, double height);
// Falling snow; near flakes are larger and softened.
void Snowfall(TCanvas& c, TSceneRandom& rng, int count, double maxSize);
void Vignette(TCanvas& c, double strength);
// Darkens an ellipse so game pieces drawn over it stand out.
void CalmCentre(TCanvas& c, double cx, double cy, double rx, double ry, double strength);
// Fine noise so large gradients do not band in JPEG.
void Grain(TCanvas& c, TSceneRandom& rng, double amount);

// A whole village night: the recipe behind every background.
enum class TLayout { Ridge, Lake, Hillside, Forest };
struct TVillagePlan {
  TLayout layout = TLayout::Ridge;
  TSkyColours sky;
  double horizon = 360;
  double moonX = 150, moonY = 110, moonR = 42;
  bool aurora = false;
  TColour auroraColour = TColour::Rgb(90, 230, 180, 0.35);
  int clouds = 3;
  int houses = 7;
  bool church = true;
  double churchX = 560;
  int snow = 220;
  double farRidge = 340, midRidge = 420, nearLeft = 520, nearRight = 540;
  bool frameTrees = true;
  bool lanterns = true;
  TColour wallTint = TColour::Rgb(92, 78, 128);
};
void Village(TCanvas& c, TSceneRandom& rng, const TVillagePlan& plan);
TVillagePlan RandomPlan(TSceneRandom& rng);
}  // namespace Scenery
