// Full-screen night scenes: the ten board backgrounds, the loading screen, the
// gallery pictures with their thumbnails, the intro story and the level map.
#include <cmath>

#include "PictureJobs.h"
#include "Scenery.h"

namespace {
void Background(const TStudio& studio, int n) {
  TCanvas c(800, 600);
  TSceneRandom rng(1000 + uint32_t(n) * 7919);
  Scenery::TVillagePlan plan = Scenery::RandomPlan(rng);
  // Every layout shows up at least twice among the ten.
  plan.layout = Scenery::TLayout((n - 1) % 4);
  Scenery::Village(c, rng, plan);
  // The board sits right of the side panel; keep that area quiet.
  Scenery::CalmCentre(c, 460, 320, 330, 260, 0.42);
  Scenery::Vignette(c, 0.55);
  Scenery::Grain(c, rng, 3);
  studio.Save(c, "Data/graphics/bg" + std::to_string(n) + ".jpg");
}
}  // namespace

void AddBackdropJobs(std::vector<TPictureJob>& jobs) {
  for (int n = 1; n <= 10; ++n)
    jobs.push_back({"bg" + std::to_string(n) + ".jpg", [n](const TStudio& s) { Background(s, n); }});
}
