// Feeds arbitrary bytes to the trim-file reader: it must neither crash nor read out
// of bounds, and every record it keeps must be found again from a picture name.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "gfx/TrimData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TTrimDataMap map;
  map.Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const auto& [key, trim] : map.Items) {
    if (key.empty() || !trim) std::abort();
    // The picture's own file name, with any extension, finds its record.
    if (map.Find(key + ".png", 1) != trim) std::abort();
  }
  return 0;
}
