// Colours of the Tinselvale palette and the small arithmetic the scene painters
// need on them (mixing, lightening) before they go to Cairo.
#pragma once
#include <cairo.h>

#include <algorithm>
#include <initializer_list>
#include <utility>

struct TColour {
  double r = 0, g = 0, b = 0, a = 1;

  static constexpr TColour Rgb(int r, int g, int b, double a = 1.0) {
    return TColour{r / 255.0, g / 255.0, b / 255.0, a};
  }
  TColour WithAlpha(double alpha) const { return TColour{r, g, b, alpha}; }
  // Towards white by t (0..1); keeps alpha.
  TColour Lighter(double t) const { return Mix(TColour{1, 1, 1, a}, t); }
  TColour Darker(double t) const { return Mix(TColour{0, 0, 0, a}, t); }
  TColour Mix(const TColour& o, double t) const {
    return TColour{r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t, a + (o.a - a) * t};
  }
  void Set(cairo_t* cr) const { cairo_set_source_rgba(cr, r, g, b, a); }
  void Stop(cairo_pattern_t* p, double offset) const {
    cairo_pattern_add_color_stop_rgba(p, offset, r, g, b, a);
  }
};

// A gradient's colour stops in order, each an offset and its colour.
inline void AddStops(cairo_pattern_t* p, std::initializer_list<std::pair<double, TColour>> stops) {
  for (const auto& [offset, colour] : stops) colour.Stop(p, offset);
}

// The named colours the pictures share, so the screens look like one game.
namespace Palette {
inline constexpr TColour NightTop = TColour::Rgb(8, 12, 38);
inline constexpr TColour NightMid = TColour::Rgb(28, 30, 84);
inline constexpr TColour NightLow = TColour::Rgb(74, 52, 120);
inline constexpr TColour Horizon = TColour::Rgb(140, 96, 150);
inline constexpr TColour Snow = TColour::Rgb(236, 242, 255);
inline constexpr TColour SnowShade = TColour::Rgb(120, 138, 196);
inline constexpr TColour SnowDeep = TColour::Rgb(62, 74, 138);
inline constexpr TColour PineDark = TColour::Rgb(10, 38, 46);
inline constexpr TColour Pine = TColour::Rgb(22, 72, 70);
inline constexpr TColour WindowWarm = TColour::Rgb(255, 196, 92);
inline constexpr TColour WindowHot = TColour::Rgb(255, 236, 170);
inline constexpr TColour Gold = TColour::Rgb(242, 190, 72);
inline constexpr TColour GoldLight = TColour::Rgb(255, 238, 160);
inline constexpr TColour GoldDeep = TColour::Rgb(150, 92, 20);
inline constexpr TColour Berry = TColour::Rgb(190, 28, 44);
inline constexpr TColour BerryDeep = TColour::Rgb(110, 12, 30);
inline constexpr TColour Holly = TColour::Rgb(30, 110, 60);
inline constexpr TColour Parchment = TColour::Rgb(238, 216, 168);
inline constexpr TColour ParchmentEdge = TColour::Rgb(176, 128, 70);
inline constexpr TColour Ink = TColour::Rgb(58, 34, 18);
inline constexpr TColour Moon = TColour::Rgb(255, 246, 214);
}  // namespace Palette
