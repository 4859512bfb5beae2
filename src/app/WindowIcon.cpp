#include "app/WindowIcon.h"

#include <algorithm>
#include <cmath>

#include "platform/Window.h"

std::vector<uint8_t> DrawWindowIcon(int size) {
  std::vector<uint8_t> rgba(size_t(size) * size_t(size) * 4, 0);
  const float c = (float(size) - 1) / 2, radius = float(size) * 0.46f;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      float dx = float(x) - c, dy = float(y) - c;
      float d = std::sqrt(dx * dx + dy * dy);
      // Antialiased edge: coverage falls over the last pixel of the disc.
      float cover = std::clamp(radius - d + 0.5f, 0.0f, 1.0f);
      if (cover <= 0) continue;
      // Lit from the top left, darker towards the rim, with eight facets.
      float light = std::clamp(0.55f - (dx + dy) / (4 * radius), 0.0f, 1.0f);
      float facet = 0.08f * std::cos(8 * std::atan2(dy, dx));
      float rim = std::clamp(1.0f - d / radius, 0.0f, 1.0f);
      float shade = std::clamp(0.35f + 0.45f * light + 0.3f * rim + facet, 0.0f, 1.0f);
      float hx = dx + radius * 0.35f, hy = dy + radius * 0.35f;
      float spark = std::clamp(1.0f - std::sqrt(hx * hx + hy * hy) / (radius * 0.3f), 0.0f, 1.0f);
      uint8_t* p = &rgba[(size_t(y) * size_t(size) + size_t(x)) * 4];
      p[0] = uint8_t(std::min(255.0f, 230 * shade + 255 * spark));
      p[1] = uint8_t(std::min(255.0f, 40 * shade + 230 * spark));
      p[2] = uint8_t(std::min(255.0f, 70 * shade + 230 * spark));
      p[3] = uint8_t(255 * cover);
    }
  }
  return rgba;
}

void SetGameWindowIcon() {
  const int size = 64;
  auto pixels = DrawWindowIcon(size);
  PlatformSetWindowIcon(pixels.data(), size, size);
}
