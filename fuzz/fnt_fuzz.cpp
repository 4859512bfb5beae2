// Feeds arbitrary bytes to the ".fnt" glyph-table reader and measures text with the
// result: no file, however damaged, may reach outside the glyph arrays.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "gfx/BitmapFont.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TBitmapFont font;
  std::string text(reinterpret_cast<const char*>(data), size);
  font.Parse(text, 1.5f);
  const size_t n = size_t(font.ArraySize);
  if (font.NumExtraChars < 0 || n < size_t(256 + font.NumExtraChars) || font.ID.size() != n ||
      font.width.size() != n || font.xAdvance.size() != n || font.yOffset.size() != n)
    std::abort();
  // Every glyph of 256 and above is found again at its own index.
  for (int i = 256; i < 256 + font.NumExtraChars; ++i)
    if (font.ID[size_t(i)] < 256 || font.FindChar(font.ID[size_t(i)]) != i) std::abort();
  // Measuring any bytes, the file's own included, stays finite.
  for (const std::string& s : {text.substr(0, 64), std::string("ABCXYZ \x80\xff"), std::string()}) {
    if (!std::isfinite(font.StringWidth(s)) || !std::isfinite(font.StringHeight(s)) ||
        !std::isfinite(font.StringHeightAccurate(s)) || !std::isfinite(font.StringHeightVertical(s)))
      std::abort();
    font.TruncateString(s, 40);
    font.CalcReducedScale(s, 40);
  }
  font.CalcDrawOffsetY();
  return 0;
}
