// Small drawing vocabulary shared by every picture of the generator: colours,
// shapes, glows, glints, faceted stones and lettering, all lit from the top left.
#pragma once
#include <cairo.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "Canvas.h"

namespace art {

struct Rgb {
  double r, g, b;
};
struct Pt {
  double x, y;
};

constexpr double kPi = 3.14159265358979323846;
constexpr Rgb kWhite{1, 1, 1};
constexpr Rgb kBlack{0, 0, 0};
// The board frame's warm gold, (255, 214, 112).
constexpr Rgb kFrameGold{1.0, 214 / 255.0, 112 / 255.0};
constexpr Rgb kDeepGold{0.72, 0.47, 0.12};
constexpr Rgb kNightBlue{0.09, 0.10, 0.30};
constexpr Rgb kViolet{0.30, 0.16, 0.50};
constexpr Rgb kIce{0.72, 0.90, 1.0};

Rgb Hex(unsigned rgb);
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Lighten(Rgb c, double t);
Rgb Darken(Rgb c, double t);
void SetRgb(cairo_t* cr, Rgb c, double alpha = 1.0);
// Strokes the current path width wide in one colour.
void StrokeRgb(cairo_t* cr, double width, Rgb c, double alpha = 1.0);
void AddStop(cairo_pattern_t* p, double offset, Rgb c, double alpha = 1.0);
struct Stop {
  double offset;
  Rgb c;
  double alpha = 1.0;
};
// A gradient's colour stops in order.
void AddStops(cairo_pattern_t* p, std::initializer_list<Stop> stops);

// Paths (each starts a new path).
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
void Polygon(cairo_t* cr, const std::vector<Pt>& pts);
std::vector<Pt> RegularPolygon(double cx, double cy, double r, int n, double rotation);
std::vector<Pt> StarPoints(double cx, double cy, double outer, double inner, int n, double rotation);
std::vector<Pt> Scaled(const std::vector<Pt>& pts, Pt centre, double k, Pt shift = {0, 0});

// Vertical linear gradient over [y0, y1] between two colours.
void FillVertical(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom, double alpha = 1.0, bool preserve = false);
// Soft radial spot fading from alpha at the centre to nothing at radius r.
void SoftGlow(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha);
// Four-pointed star glint with a small halo.
void Glint(cairo_t* cr, double cx, double cy, double size, double alpha, Rgb c = kWhite);
// Six-armed snowflake drawn with strokes.
void Snowflake(cairo_t* cr, double cx, double cy, double r, double width, Rgb c, double alpha, double rotation = 0);
// Faceted stone for an outline around centre: bevelled facets, a table, rim and highlight.
void FacetedStone(cairo_t* cr, const std::vector<Pt>& outline, Pt centre, Rgb base, double tableScale = 0.55);
// Soft drop shadow of the current path, offset down-right (path is consumed).
void PathShadow(cairo_t* cr, double dx, double dy, double alpha);
// Lays the drop shadow the board shows under every piece beneath each cell x cell square
// of a strip: the square's own picture in black at half its opacity, 1.5 pixels right and
// down. Baked here, it costs the game no second quad per piece.
void BakePieceShadows(TCanvas& strip, int cell);

// Lettering. Fonts: the game's rounded sans and the festive script.
cairo_font_face_t* UiFont();
cairo_font_face_t* FestiveFont();
struct TextBox {
  double width, height, xBearing, yBearing, advance;
};
TextBox MeasureText(cairo_t* cr, cairo_font_face_t* face, double size, const std::string& text);
// Adds the text outline to the path, its ink box centred on (cx, cy).
void TextPathCentred(cairo_t* cr, cairo_font_face_t* face, double size, const std::string& text, double cx, double cy);
// Largest size (<= maxSize) whose ink fits in maxWidth x maxHeight.
double FitTextSize(cairo_t* cr, cairo_font_face_t* face, double maxSize, const std::string& text, double maxWidth,
                   double maxHeight);

// Deterministic noise for speckles and scatter (same picture every build).
class Scatter {
 public:
  explicit Scatter(unsigned seed) : state_(seed * 2654435761u + 12345u) {}
  double Next();  // [0, 1)
  double Range(double lo, double hi) { return lo + (hi - lo) * Next(); }

 private:
  unsigned state_;
};

}  // namespace art
