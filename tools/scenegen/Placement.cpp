#include "Placement.h"

#include <algorithm>

namespace Placement {

TBox HouseBox(const THouse& h) {
  const double rise = h.depth * 0.32;  // the side wall runs back and up
  const double chimney = h.chimney ? h.gable * 0.5 : 0.0;
  return {h.x - 4, h.base - h.height - h.gable - rise - chimney - 6, h.x + h.width + h.depth + 4, h.base + 4};
}

TBox ChurchBox(double x, double base, double scale) {
  const double naveW = 46 * scale, depth = 70 * scale, tower = 92 * scale, spire = 62 * scale;
  return {x - 6 * scale, base - tower - spire, x + naveW + depth + 4, base + 4};
}

std::vector<THouse> Apart(TSceneRandom& rng, int count, const std::function<THouse(TSceneRandom&)>& make,
                          const std::vector<TBox>& keepOut) {
  std::vector<THouse> kept;
  std::vector<TBox> taken = keepOut;
  for (int i = 0; i < count; ++i) {
    for (int attempt = 0; attempt < 60; ++attempt) {
      const THouse h = make(rng);
      const TBox box = HouseBox(h);
      if (std::any_of(taken.begin(), taken.end(), [&](const TBox& t) { return t.Meets(box); })) continue;
      kept.push_back(h);
      taken.push_back(box);
      break;
    }
  }
  std::sort(kept.begin(), kept.end(), [](const THouse& a, const THouse& b) { return a.base < b.base; });
  return kept;
}

TMapVillage MapVillage() {
  TMapVillage v;
  TSceneRandom rng(204);
  const TBox church = ChurchBox(v.churchX, v.churchBase, v.churchScale);
  // Plots in loose rows, taken in a shuffled order and nudged a little, so the village
  // fills its corner of the map without looking laid out on a grid.
  std::vector<std::pair<double, double>> plots;
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 6; ++col) plots.push_back({596 + col * 58 + (row % 2) * 14, 78 + row * 64});
  for (size_t i = plots.size(); i > 1; --i) std::swap(plots[i - 1], plots[size_t(rng.Int(0, int(i) - 1))]);
  size_t next = 0;
  v.houses = Apart(
      rng, 11,
      [&](TSceneRandom& r) {
        THouse h;
        const double s = r.Real(0.5, 0.56);
        h.width = 50 * s;
        h.height = 36 * s;
        h.gable = 26 * s;
        h.depth = 30 * s;
        const auto [px, py] = plots[next++ % plots.size()];
        h.x = std::min(px + r.Real(-3, 3), 960 - h.width - h.depth);
        h.base = py + r.Real(-3, 3);
        h.wall = TColour::Rgb(r.Int(130, 190), r.Int(90, 130), r.Int(110, 160));
        h.wreath = r.Chance(0.5);
        return h;
      },
      {church});
  return v;
}

}  // namespace Placement
