// The ten board backgrounds and the eleven gallery pictures: each one its own place
// or moment in Tinselvale, so that the backgrounds change with the levels and every
// gallery picture is a new scene worth unlocking.
#pragma once
#include "Canvas.h"

namespace Vistas {
constexpr int kBackgrounds = 10;
constexpr int kGalleryPictures = 11;
// Background n (1-10), 800 x 600, with a quiet middle where the board lies.
void Background(TCanvas& c, int n);
// Gallery picture n (1-11), 800 x 600.
void GalleryPicture(TCanvas& c, int n);
}  // namespace Vistas
