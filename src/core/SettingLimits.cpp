#include "core/SettingLimits.h"

#include <algorithm>
#include <cstdint>
#include <limits>

int DetailPercent(int setting) { return std::clamp(setting, 0, kMaxDetailPercent); }

int DetailScaled(int count, int setting) {
  if (count <= 0) return 0;
  // Both factors are bounded before they meet, and the product is taken in 64 bits.
  const int64_t scaled = int64_t(count) * DetailPercent(setting) / 100;
  return int(std::min<int64_t>(scaled, std::numeric_limits<int>::max()));
}

int SettingPercent(int setting) { return std::clamp(setting, 0, 100); }

float SettingGain(int setting) { return float(SettingPercent(setting)) / 100.0f; }
