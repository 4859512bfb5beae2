// The drawing kit behind the generated pictures: what it writes must be what the
// game's loader expects, and its random and geometric helpers must be repeatable.
#include <gtest/gtest.h>

#if TV_HAVE_SCENEKIT
#include <png.h>

#include <filesystem>

#include "Canvas.h"
#include "Lettering.h"
#include "Placement.h"
#include "SceneRandom.h"
#include "Scenery.h"
#include "support/TestFolder.h"

namespace {
struct TRead {
  int w = 0, h = 0;
  bool alpha = false;
  std::vector<unsigned char> rgba;
};

TRead ReadPng(const std::string& path) {
  TRead r;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return r;
  r.w = int(image.width);
  r.h = int(image.height);
  r.alpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  image.format = PNG_FORMAT_RGBA;
  r.rgba.resize(PNG_IMAGE_SIZE(image));
  png_image_finish_read(&image, nullptr, r.rgba.data(), 0, nullptr);
  return r;
}

std::string TempPng(const char* name) {
  return (TestFolder() / (std::string(name) + ".png")).string();
}

uint32_t PixelAt(TCanvas& c, int x, int y) {
  cairo_surface_flush(c.Surface());
  const unsigned char* d = cairo_image_surface_get_data(c.Surface());
  return reinterpret_cast<const uint32_t*>(d + size_t(y) * size_t(cairo_image_surface_get_stride(c.Surface())))[x];
}
}  // namespace

TEST(SceneKit, PngKeepsAlphaAndStraightColour) {
  // An opaque picture still carries an alpha channel, so black in it stays black.
  TCanvas opaque(8, 4);
  cairo_set_source_rgb(opaque.Cr(), 0, 0, 0);
  cairo_paint(opaque.Cr());
  const std::string a = TempPng("opaque");
  ASSERT_TRUE(opaque.SavePng(a));
  TRead r = ReadPng(a);
  EXPECT_EQ(r.w, 8);
  EXPECT_EQ(r.h, 4);
  EXPECT_TRUE(r.alpha);
  EXPECT_EQ(r.rgba[3], 255);

  // Half-transparent orange comes back as the same colour, not darkened by alpha.
  TCanvas soft(2, 2);
  cairo_set_source_rgba(soft.Cr(), 1.0, 0.5, 0.0, 0.5);
  cairo_paint(soft.Cr());
  const std::string b = TempPng("soft");
  ASSERT_TRUE(soft.SavePng(b));
  r = ReadPng(b);
  EXPECT_NEAR(r.rgba[0], 255, 2);
  EXPECT_NEAR(r.rgba[1], 128, 3);
  EXPECT_NEAR(r.rgba[2], 0, 1);
  EXPECT_NEAR(r.rgba[3], 128, 1);

  // Fully clear pixels are written as clear black, never as stray colour.
  TCanvas clear(2, 2);
  const std::string c = TempPng("clear");
  ASSERT_TRUE(clear.SavePng(c));
  r = ReadPng(c);
  for (unsigned char v : r.rgba) EXPECT_EQ(v, 0);

  EXPECT_FALSE(soft.SavePng("/proc/no/such/folder/x.png"));
  std::filesystem::remove(a);
  std::filesystem::remove(b);
  std::filesystem::remove(c);
}

TEST(SceneKit, BlurSpreadsEvenlyAndStaysInside) {
  TCanvas c(41, 41);
  cairo_rectangle(c.Cr(), 20, 20, 1, 1);
  cairo_set_source_rgba(c.Cr(), 1, 1, 1, 1);
  cairo_fill(c.Cr());
  c.Blur(6);
  // Symmetric around the dot, fading with distance, and nothing at the far corners.
  const uint32_t centre = PixelAt(c, 20, 20) >> 24;
  EXPECT_GT(centre, 0u);
  EXPECT_EQ(PixelAt(c, 17, 20) >> 24, PixelAt(c, 23, 20) >> 24);
  EXPECT_EQ(PixelAt(c, 20, 17) >> 24, PixelAt(c, 20, 23) >> 24);
  EXPECT_GE(centre, PixelAt(c, 23, 20) >> 24);
  EXPECT_EQ(PixelAt(c, 0, 0), 0u);
  EXPECT_EQ(PixelAt(c, 40, 40), 0u);

  // A uniform field stays uniform away from the edges (no drift, no wrap-around).
  TCanvas flat(30, 30);
  cairo_set_source_rgba(flat.Cr(), 0.2, 0.4, 0.6, 1);
  cairo_paint(flat.Cr());
  const uint32_t before = PixelAt(flat, 15, 15);
  flat.Blur(4);
  const uint32_t after = PixelAt(flat, 15, 15);
  for (int shift : {0, 8, 16, 24})
    EXPECT_NEAR(int((before >> shift) & 0xFF), int((after >> shift) & 0xFF), 2) << shift;
}

TEST(SceneKit, RandomStreamsRepeatPerPicture) {
  TSceneRandom a(42), b(42), other(43);
  bool differs = false;
  for (int i = 0; i < 200; ++i) {
    const int x = a.Int(-3, 9);
    EXPECT_EQ(x, b.Int(-3, 9));
    EXPECT_GE(x, -3);
    EXPECT_LE(x, 9);
    const double r = a.Real(2.0, 2.5);
    EXPECT_EQ(r, b.Real(2.0, 2.5));
    EXPECT_GE(r, 2.0);
    EXPECT_LT(r, 2.5);
    differs |= other.Int(-3, 9) != x;
  }
  EXPECT_TRUE(differs);
  EXPECT_EQ(a.Int(5, 5), 5);
  EXPECT_EQ(a.Int(7, 3), 7);  // an empty range gives its low end rather than garbage
}

TEST(SceneKit, RidgeHeightInterpolatesAndClamps) {
  TRidge ridge;
  ridge.ys = {100, 120, 80};
  EXPECT_DOUBLE_EQ(ridge.Height(0), 100);
  EXPECT_DOUBLE_EQ(ridge.Height(2), 110);
  EXPECT_DOUBLE_EQ(ridge.Height(6), 100);
  EXPECT_DOUBLE_EQ(ridge.Height(-50), 100);
  EXPECT_DOUBLE_EQ(ridge.Height(5000), 80);
  EXPECT_DOUBLE_EQ(TRidge{}.Height(10), 0);

  // A drawn ridge stays within its amplitude of the mean line.
  TCanvas c(200, 120);
  TSceneRandom rng(5);
  const TRidge drawn = Scenery::Ridge(c, rng, 60, 15, Palette::SnowShade, Palette::Snow, 1.5);
  for (double x = 0; x <= 200; x += 10) {
    EXPECT_GE(drawn.Height(x), 45 - 1e-9);
    EXPECT_LE(drawn.Height(x), 75 + 1e-9);
  }
}

TEST(SceneKit, LetteringMeasuresAndCentres) {
  const char* ui = "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf";
  const char* head = "/usr/share/fonts/opentype/lobstertwo/LobsterTwo-Bold.otf";
  if (!std::filesystem::exists(ui) || !std::filesystem::exists(head)) GTEST_SKIP() << "fonts not installed";
  TLettering letters(ui, head);
  TLetterStyle s;
  s.size = 30;
  const double one = letters.Width(s, "Go");
  EXPECT_GT(one, 10);
  EXPECT_GT(letters.Width(s, "Go Go"), one * 2);
  TLetterStyle spaced = s;
  spaced.letterSpacing = 10;
  EXPECT_NEAR(letters.Width(spaced, "GOLD"), letters.Width(s, "GOLD") + 30, 1.5);
  EXPECT_GT(letters.Ascent(s), letters.Descent(s));

  // Drawn centred: ink on both sides of the middle and none at the far edges.
  TCanvas c(200, 60);
  s.shadowBlur = 0;
  letters.Draw(c, s, "Snow", 100, 40);
  auto inkIn = [&](int x0, int x1) {
    int n = 0;
    for (int y = 0; y < 60; ++y)
      for (int x = x0; x < x1; ++x) n += (PixelAt(c, x, y) >> 24) > 64;
    return n;
  };
  const int left = inkIn(60, 100), right = inkIn(100, 140);
  EXPECT_GT(left, 20);
  EXPECT_GT(right, 20);
  EXPECT_EQ(inkIn(0, 20), 0);
  EXPECT_EQ(inkIn(180, 200), 0);
}

TEST(SceneKit, MapCottagesStandApart) {
  // Seen from above, two cottages drawn into each other read as one broken house.
  const Placement::TMapVillage v = Placement::MapVillage();
  ASSERT_GE(v.houses.size(), 9u) << "the map's village needs its cottages";
  const TBox church = Placement::ChurchBox(v.churchX, v.churchBase, v.churchScale);
  for (size_t i = 0; i < v.houses.size(); ++i) {
    const TBox a = Placement::HouseBox(v.houses[i]);
    EXPECT_FALSE(a.Meets(church)) << "cottage " << i << " stands in the church";
    // Inside the village's corner of the 1000 x 1000 map, clear of the trail's stars.
    EXPECT_GE(a.x0, 590);
    EXPECT_LE(a.x1, 965);
    for (size_t j = i + 1; j < v.houses.size(); ++j)
      EXPECT_FALSE(a.Meets(Placement::HouseBox(v.houses[j]))) << "cottages " << i << " and " << j << " overlap";
    if (i > 0) {
      EXPECT_LE(v.houses[i - 1].base, v.houses[i].base) << "drawn back to front";
    }
  }

  // The placing itself: with room for only one, the second is left out rather than
  // squeezed in, and what is kept out stays clear.
  TSceneRandom rng(1);
  const TBox wall{0, 0, 100, 200};
  auto make = [](TSceneRandom& r) {
    THouse h;
    h.x = r.Real(90, 130);
    h.base = 150;
    h.chimney = false;
    return h;
  };
  const auto two = Placement::Apart(rng, 2, make, {wall});
  ASSERT_EQ(two.size(), 1u);
  EXPECT_FALSE(Placement::HouseBox(two[0]).Meets(wall));
}
#endif
