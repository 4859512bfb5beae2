// Paper things the interface is drawn on: parchment sheets and scrolls (the hint,
// level-complete and in-game menu panels, the instructions page), gift tags for the
// options and credits, and gilded frames.
#pragma once
#include "Canvas.h"
#include "Colour.h"
#include "SceneRandom.h"

enum class TPaperTone {
  Light,    // pale cream for dark ink
  Toasted,  // deep amber for white lettering
};

namespace Parchment {
// A sheet with slightly wavy edges, fibres, stains and darkened rims, with a soft
// drop shadow, inside the box (x, y, w, h).
void Sheet(TCanvas& c, TSceneRandom& rng, double x, double y, double w, double h, TPaperTone tone);
// A sheet hanging between two wooden rolls with gold caps; rolls span the full width.
void Scroll(TCanvas& c, TSceneRandom& rng, double x, double y, double w, double h, TPaperTone tone);
// A card gift tag with cut top corners, a gold eyelet and a red and gold border.
void Tag(TCanvas& c, TSceneRandom& rng, double x, double y, double w, double h, double holeX, double holeY);
// A gilded picture frame band; inner is left untouched.
void GoldFrame(cairo_t* cr, double x, double y, double w, double h, double band);
// Holly leaves and berries centred on (x, y), for corners of panels.
void Holly(cairo_t* cr, double x, double y, double size, double angle);
// A rounded-rectangle path.
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
// A soft shadow of the current path shape drawn under later painting.
void DropShadow(TCanvas& c, void (*shape)(cairo_t*, const double*), const double* args, double dx, double dy,
                int blur, double alpha);
}  // namespace Parchment
