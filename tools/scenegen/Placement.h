// Where things stand in a scene without standing in each other: the ground a cottage
// or a church covers, and placing a group of cottages so that no two overlap (the
// level map's village is seen from above, where an overlap reads as a broken house).
#pragma once
#include <functional>
#include <vector>

#include "SceneRandom.h"
#include "Scenery.h"

struct TBox {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool Meets(const TBox& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};

namespace Placement {
// Everything a cottage draws, roof, side wall, chimney and its snow, with a little air.
TBox HouseBox(const THouse& h);
// The church Scenery::Church draws at (x, base) and scale.
TBox ChurchBox(double x, double base, double scale);
// Up to count cottages made by make (which sets their place and size), each tried
// several times until it overlaps neither the ones kept nor anything in keepOut.
std::vector<THouse> Apart(TSceneRandom& rng, int count, const std::function<THouse(TSceneRandom&)>& make,
                          const std::vector<TBox>& keepOut);

// The level map's village: its cottages, back to front, and its church.
struct TMapVillage {
  std::vector<THouse> houses;
  // The church stands apart in the north-west corner, the cottages in the north-east:
  // the map's east side below them is kept open for the pack panel drawn over it.
  double churchX = 52, churchBase = 160, churchScale = 0.9;
};
TMapVillage MapVillage();
}  // namespace Placement
