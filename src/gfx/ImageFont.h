// A font turned into small glyph images for the drawing layer: either the built-in
// 8x16 bitmap font or a vector font file rendered through FreeType on first use of a glyph.
#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Atlas.h"
#include "gfx/Image.h"

// Font style bits; only FONT_SMOOTH changes anything.
constexpr int FONT_BOLD = 1;
constexpr int FONT_ITALIC = 2;
constexpr int FONT_SMOOTH = 4;

struct TImageGlyph {
  TImagePtr _image;        // nullptr for an empty glyph such as space
  float _advance = 0;
  int _x = 0, _y = 0, _w = 0, _h = 0;
  bool _loaded = false;
};

class TFontSource;  // the FreeType face behind a loaded font

class TImageFont;
using TImageFontPtr = std::shared_ptr<TImageFont>;

class TImageFont {
 public:
  std::shared_ptr<TFontSource> _src_font;  // nullptr for the built-in font
  std::vector<TImageGlyph> _glyphs;
  int _imageFlags = 0;

  ~TImageFont();
  // The shared built-in font.
  static TImageFontPtr BuiltIn();
  // Renders a TrueType/OpenType file at `size` pixels; nullptr when it cannot be read.
  static TImageFontPtr Load(const std::string& path, float size, int style);

  // Glyph index for a character code, or -1 when the font has none.
  int CharToGlyph(int ch) const;
  // The glyph, rendered on first use.
  const TImageGlyph& LoadGlyph(int index);
  int Height() const { return height_; }
  int CountGlyphs() const { return int(_glyphs.size()); }

 private:
  void RenderGlyph(int index, TImageGlyph& glyph);
  int height_ = 16;
  int ascender_ = 16;
  std::unique_ptr<TAtlas> atlas_;  // glyph images share pages
  std::array<int, 256> latinGlyphs_{};  // CharToGlyph for the first 256 character codes
};

// The built-in font's bitmap for a character 32..127: 16 bytes, rows top first, bit 7 =
// leftmost pixel. nullptr for other characters.
const unsigned char* BuiltInFontBitmap(int ch);
