// Festive things placed in scenes and rooms: a decorated tree, wrapped presents,
// hanging stockings, candles, baubles, the hearth fire, and Father Christmas.
#pragma once
#include "Canvas.h"
#include "Colour.h"
#include "SceneRandom.h"

namespace Props {
// banded: a gold band round the middle, for a bauble hanging on its own.
void Bauble(cairo_t* cr, double x, double y, double r, const TColour& colour, bool banded = false);
// A decorated tree; (x, base) is the foot of the trunk.
void ChristmasTree(TCanvas& c, TSceneRandom& rng, double x, double base, double height);
void Present(TCanvas& c, double x, double base, double w, double h, const TColour& paper, const TColour& ribbon);
void Stocking(cairo_t* cr, double x, double y, double size, const TColour& colour);
void Candle(TCanvas& c, double x, double base, double height);
// One frame of the looping hearth fire; phase runs 0..1 over the loop.
void Fire(TCanvas& c, double x, double y, double w, double h, double phase);
// Father Christmas, centred on x with his boots at base.
void FatherChristmas(TCanvas& c, double x, double base, double height);
}  // namespace Props
