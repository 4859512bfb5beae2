// The seven gems and the bonus pieces as a player sees them, including players with
// red-green colour blindness: every gem keeps an outline of its own, colours stay
// apart under simulated protanopia and deuteranopia, and no piece looks like a gem.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "data/DataPictures.h"

using namespace datapics;

namespace {

// Two gems whose solid shapes overlap more than this read as the same shape at a glance.
constexpr double kMaxGemOverlap = 0.72;
// The star piece, a gold thing the player presses, must share even less with any gem.
constexpr double kMaxPieceOverlap = 0.55;
// Mean colours closer than this (CIE76) are hard to tell apart on a busy board.
constexpr double kMinColourGap = 18;

const char* VisionName(Vision v) { return v == Vision::Normal ? "normal" : v == Vision::Protan ? "protan" : "deutan"; }

std::string Table(const std::vector<std::vector<double>>& m) {
  std::string s;
  char buf[16];
  for (const auto& row : m) {
    for (double v : row) {
      std::snprintf(buf, sizeof buf, "%6.2f", v);
      s += buf;
    }
    s += "\n";
  }
  return s;
}

}  // namespace

TEST(GemLooks, EveryPairKeepsItsOutlineAndItsColourForEveryEye) {
  const Picture gems = Load(Graphics("gems.png"));
  ASSERT_TRUE(gems.ok) << "build the data_board_pictures target first";
  ASSERT_GE(gems.width, 350);
  std::vector<std::vector<bool>> masks;
  for (int g = 0; g < 7; ++g) masks.push_back(OpaqueMask(gems, g * 50, 0, 50, 50));

  std::vector<std::vector<double>> overlap(7, std::vector<double>(7, 1.0));
  for (int a = 0; a < 7; ++a)
    for (int b = 0; b < 7; ++b)
      if (a != b) overlap[size_t(a)][size_t(b)] = IntersectionOverUnion(masks[size_t(a)], masks[size_t(b)]);
  for (int a = 0; a < 7; ++a)
    for (int b = a + 1; b < 7; ++b)
      EXPECT_LT(overlap[size_t(a)][size_t(b)], kMaxGemOverlap)
          << "gems " << a + 1 << " and " << b + 1 << " share most of their outline\n"
          << Table(overlap);

  for (Vision v : {Vision::Normal, Vision::Protan, Vision::Deutan}) {
    SCOPED_TRACE(VisionName(v));
    std::vector<std::array<double, 3>> lab;
    for (int g = 0; g < 7; ++g) lab.push_back(MeanLab(gems, g * 50, 0, 50, 50, v));
    std::vector<std::vector<double>> gap(7, std::vector<double>(7, 0.0));
    for (int a = 0; a < 7; ++a)
      for (int b = 0; b < 7; ++b) gap[size_t(a)][size_t(b)] = DeltaE(lab[size_t(a)], lab[size_t(b)]);
    for (int a = 0; a < 7; ++a)
      for (int b = a + 1; b < 7; ++b)
        EXPECT_GE(gap[size_t(a)][size_t(b)], kMinColourGap)
            << "gems " << a + 1 << " and " << b + 1 << " look alike in colour\n"
            << Table(gap);
  }
}

TEST(GemLooks, StarPieceCannotBeTakenForAGem) {
  const Picture gems = Load(Graphics("gems.png"));
  const Picture star = Load(Graphics("bonus11idle.png"));
  ASSERT_TRUE(gems.ok && star.ok) << "build the data_board_pictures target first";
  const int columns = star.width / 50;
  // A few frames across the idle loop: the piece must not pass for a gem at any point.
  for (int frame : {0, 12, 25, 37}) {
    const int x = (frame % columns) * 50, y = (frame / columns) * 50;
    const auto mask = OpaqueMask(star, x, y, 50, 50);
    for (int g = 0; g < 7; ++g) {
      SCOPED_TRACE("frame " + std::to_string(frame) + ", gem " + std::to_string(g + 1));
      const double iou = IntersectionOverUnion(mask, OpaqueMask(gems, g * 50, 0, 50, 50));
      EXPECT_LT(iou, kMaxPieceOverlap) << "the star piece has nearly the outline of a gem";
      // Gold like the yellow gem: where the colours are close the shapes must be far apart.
      for (Vision v : {Vision::Normal, Vision::Protan, Vision::Deutan}) {
        const double colourGap = DeltaE(MeanLab(star, x, y, 50, 50, v), MeanLab(gems, g * 50, 0, 50, 50, v));
        EXPECT_TRUE(iou < 0.4 || colourGap > 25)
            << VisionName(v) << ": overlap " << iou << " with a colour gap of only " << colourGap;
      }
    }
  }
}
