// The people, animals and village fixtures that give each night scene its own story:
// carol singers, skaters and children, reindeer, market stalls under strings of
// lights, mountains, a stone bridge and fireworks over the rooftops.
#pragma once
#include "Canvas.h"
#include "Colour.h"
#include "SceneRandom.h"

namespace Figures {
enum class TPose { Standing, Singing, Skating, Waving };
// A villager in a winter coat, hat and scarf, centred on x with the feet at base.
void Villager(cairo_t* cr, double x, double base, double height, const TColour& coat, const TColour& scarf,
              TPose pose, bool facingRight = true);
// A reindeer standing, or grazing with its head down; (x, base) under its middle.
void Reindeer(cairo_t* cr, double x, double base, double height, bool facingRight, bool grazing,
              const TColour& body);
// A wooden market stall with a striped awning, wares and a warm lamp inside.
void MarketStall(TCanvas& c, TSceneRandom& rng, double x, double base, double width, const TColour& awning);
// A sagging string of coloured bulbs from (x0, y0) to (x1, y1).
void StringLights(TCanvas& c, TSceneRandom& rng, double x0, double y0, double x1, double y1, double sag);
// Snow-capped peaks across the picture, their feet at baseY, the highest near topY.
void Mountains(TCanvas& c, TSceneRandom& rng, double baseY, double topY, const TColour& rock, int peaks);
// A humped stone bridge from x0 to x1 whose road sits at y.
void Bridge(TCanvas& c, double x0, double x1, double y);
// One firework: a ring of falling sparks around (x, y).
void Firework(TCanvas& c, TSceneRandom& rng, double x, double y, double radius, const TColour& colour);
// A sleigh in silhouette round the origin, heading right: the body with its curled
// back, the runner under it, the rider and his sack, and the reins to the team.
struct TSleighOutline {
  double body[14];  // from the front foot up the curled back (a curve), the seat, the dash, the toe
  double runnerWidth;
  double runner[10];  // from the back to the front, then its curl up (a curve)
  double rider[3], sack[3];  // circles: x, y, radius
  double reinsWidth;
  double reins[4];  // from the hands to the team
};
void Sleigh(cairo_t* cr, const TSleighOutline& o, const TColour& ink);
// A big lit window with its frame, seen close, with a wreath and candle on the sill.
void CottageWindow(TCanvas& c, TSceneRandom& rng, double x, double y, double w, double h);
}  // namespace Figures
