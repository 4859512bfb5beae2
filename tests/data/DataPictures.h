// The generated pictures as the data checks read them: straight RGBA from a PNG in
// the build tree, and the few measures several checks share (opaque masks, mean
// colour, colour-blind simulation).
#pragma once
#include <png.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace datapics {

struct Picture {
  bool ok = false;
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;

  const uint8_t* At(int x, int y) const { return &rgba[(size_t(y) * size_t(width) + size_t(x)) * 4]; }
  int Alpha(int x, int y) const { return At(x, y)[3]; }
};

inline std::string Graphics(const std::string& name) { return std::string(TV_BUILD_DIR) + "/Data/graphics/" + name; }
inline std::string Menus(const std::string& name) { return std::string(TV_BUILD_DIR) + "/Data/menus/" + name; }

inline Picture Load(const std::string& path) {
  Picture p;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return p;
  image.format = PNG_FORMAT_RGBA;
  p.width = int(image.width);
  p.height = int(image.height);
  p.rgba.resize(PNG_IMAGE_SIZE(image));
  p.ok = png_image_finish_read(&image, nullptr, p.rgba.data(), 0, nullptr) != 0;
  png_image_free(&image);
  return p;
}

// Which pixels of a w x h region at (x0, y0) are solid enough to read as the shape.
inline std::vector<bool> OpaqueMask(const Picture& p, int x0, int y0, int w, int h, int threshold = 128) {
  std::vector<bool> mask(size_t(w) * size_t(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) mask[size_t(y) * size_t(w) + size_t(x)] = p.Alpha(x0 + x, y0 + y) > threshold;
  return mask;
}

// Overlap of two shapes over their union: 1 for the same outline, 0 for disjoint ones.
inline double IntersectionOverUnion(const std::vector<bool>& a, const std::vector<bool>& b) {
  size_t both = 0, either = 0;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    both += a[i] && b[i];
    either += a[i] || b[i];
  }
  return either ? double(both) / double(either) : 1.0;
}

// Colour vision as the three kinds of eye see it. The two dichromat matrices act on
// linear RGB (full-severity protanopia and deuteranopia).
enum class Vision { Normal, Protan, Deutan };

inline double ToLinear(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

inline std::array<double, 3> SeenLinear(const uint8_t* px, Vision v) {
  const double r = ToLinear(px[0] / 255.0), g = ToLinear(px[1] / 255.0), b = ToLinear(px[2] / 255.0);
  static const double kProtan[3][3] = {
      {0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}};
  static const double kDeutan[3][3] = {
      {0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}};
  if (v == Vision::Normal) return {r, g, b};
  const double(*m)[3] = v == Vision::Protan ? kProtan : kDeutan;
  std::array<double, 3> out{};
  for (int i = 0; i < 3; ++i) out[size_t(i)] = std::clamp(m[i][0] * r + m[i][1] * g + m[i][2] * b, 0.0, 1.0);
  return out;
}

// CIE L*a*b* (D65) of a linear RGB colour.
inline std::array<double, 3> LinearToLab(const std::array<double, 3>& c) {
  const double X = (0.4124 * c[0] + 0.3576 * c[1] + 0.1805 * c[2]) / 0.95047;
  const double Y = 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
  const double Z = (0.0193 * c[0] + 0.1192 * c[1] + 0.9505 * c[2]) / 1.08883;
  auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; };
  return {116 * f(Y) - 16, 500 * (f(X) - f(Y)), 200 * (f(Y) - f(Z))};
}

// Mean colour of the solid pixels of a region as one kind of eye sees it, in Lab.
inline std::array<double, 3> MeanLab(const Picture& p, int x0, int y0, int w, int h, Vision v) {
  std::array<double, 3> sum{};
  double n = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) {
      const uint8_t* px = p.At(x, y);
      if (px[3] <= 128) continue;
      const auto c = SeenLinear(px, v);
      for (size_t i = 0; i < 3; ++i) sum[i] += c[i];
      ++n;
    }
  if (n > 0)
    for (double& s : sum) s /= n;
  return LinearToLab(sum);
}

inline double DeltaE(const std::array<double, 3>& a, const std::array<double, 3>& b) {
  return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
}

}  // namespace datapics
