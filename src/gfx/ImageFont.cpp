#include "gfx/ImageFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <map>
#include <memory>
#include <string>

#include "platform/Files.h"

namespace {
// The game loads one font file at several sizes: the file's bytes and the FreeType
// library are read and made once and shared by every size alive.
struct TFontFile {
  std::vector<uint8_t> bytes;
  FT_Library library = nullptr;
  ~TFontFile() {
    if (library) FT_Done_FreeType(library);
  }
};

std::shared_ptr<TFontFile> OpenFontFile(const std::string& path) {
  static std::map<std::string, std::weak_ptr<TFontFile>> open;
  if (auto file = open[path].lock()) return file;
  std::string text;
  if (!ReadDataFile(path, text) || text.empty()) return nullptr;
  auto file = std::make_shared<TFontFile>();
  file->bytes.assign(text.begin(), text.end());
  if (FT_Init_FreeType(&file->library) != 0) return nullptr;
  open[path] = file;
  return file;
}
}  // namespace

// The vector font behind a loaded image font: the file (FreeType reads its bytes in
// place) and the face at the chosen pixel size.
class TFontSource {
 public:
  std::shared_ptr<TFontFile> file;
  FT_Face face = nullptr;
  bool smooth = false;
  ~TFontSource() {
    // The face goes before the file and library it was made from.
    if (face) FT_Done_Face(face);
  }
};

TImageFont::~TImageFont() = default;

TImageFontPtr TImageFont::BuiltIn() {
  static TImageFontPtr font = [] {
    auto f = std::make_shared<TImageFont>();
    f->_imageFlags = 0;
    f->height_ = 16;
    f->ascender_ = 14;
    f->_glyphs.resize(96);
    // Glyphs are drawn as whole cells: text in a solid blend would otherwise draw each
    // glyph's empty border as pieces of its own.
    f->atlas_ = std::make_unique<TAtlas>(0, 256, 1, false);
    // All at once, so the page is complete before its first upload.
    for (int i = 0; i < 96; ++i) f->LoadGlyph(i);
    return f;
  }();
  return font;
}

TImageFontPtr TImageFont::Load(const std::string& path, float size, int style) {
  if (!(size > 0) || size > 1000) return nullptr;
  auto src = std::make_shared<TFontSource>();
  src->file = OpenFontFile(path);
  if (!src->file) return nullptr;
  const std::vector<uint8_t>& bytes = src->file->bytes;
  if (FT_New_Memory_Face(src->file->library, bytes.data(), FT_Long(bytes.size()), 0, &src->face) != 0)
    return nullptr;
  if (!FT_IS_SCALABLE(src->face) && src->face->num_fixed_sizes == 0) return nullptr;
  if (FT_Set_Pixel_Sizes(src->face, 0, FT_UInt(std::lround(size))) != 0) return nullptr;
  FT_Select_Charmap(src->face, FT_ENCODING_UNICODE);
  src->smooth = (style & FONT_SMOOTH) != 0;

  auto font = std::make_shared<TImageFont>();
  font->_src_font = src;
  font->_imageFlags = src->smooth ? IMAGE_FILTERED | IMAGE_MIPMAPPED : 0;
  font->_glyphs.resize(size_t(std::max<FT_Long>(src->face->num_glyphs, 0)));
  const FT_Size_Metrics& m = src->face->size->metrics;
  font->height_ = int((m.height + 32) >> 6);
  font->ascender_ = int((m.ascender + 32) >> 6);
  // Glyphs carry a transparent border already; a wider gutter keeps the first mipmap
  // levels from mixing neighbours. The rasteriser cuts each glyph to its ink, so there is
  // no empty border to trim.
  font->atlas_ = std::make_unique<TAtlas>(font->_imageFlags, 512, src->smooth ? 2 : 1, false);
  // Every text drawn each frame looks its characters up: the common ones are looked up once.
  for (size_t ch = 0; ch < font->latinGlyphs_.size(); ++ch) {
    const FT_UInt index = FT_Get_Char_Index(src->face, FT_ULong(ch));
    font->latinGlyphs_[ch] = index == 0 || index >= font->_glyphs.size() ? -1 : int(index);
  }
  return font;
}

int TImageFont::CharToGlyph(int ch) const {
  if (!_src_font) return ch >= 32 && ch <= 127 ? ch - 32 : -1;
  if (ch < 0) return -1;
  if (ch < int(latinGlyphs_.size())) return latinGlyphs_[size_t(ch)];
  FT_UInt index = FT_Get_Char_Index(_src_font->face, FT_ULong(ch));
  if (index == 0 || index >= _glyphs.size()) return -1;
  return int(index);
}

const TImageGlyph& TImageFont::LoadGlyph(int index) {
  static const TImageGlyph none;
  if (index < 0 || size_t(index) >= _glyphs.size()) return none;
  TImageGlyph& glyph = _glyphs[size_t(index)];
  if (!glyph._loaded) {
    glyph._loaded = true;
    RenderGlyph(index, glyph);
  }
  return glyph;
}

namespace {
// A white RGBA image whose alpha is the coverage, placed in the font's atlas.
TImagePtr GlyphImage(const TPixmapPtr& pixels, int flags, TAtlas& atlas) {
  auto image = TImage::Create(pixels->width, pixels->height, 1, flags);
  image->pixmaps[0] = pixels;
  // Added as the image's frame, the page knows where its pixels come from, so it can let
  // its own copy go once on the GPU and make it again for a glyph rendered later.
  atlas.Add(*image, 0);
  return image;
}
}  // namespace

void TImageFont::RenderGlyph(int index, TImageGlyph& glyph) {
  if (!_src_font) {
    const unsigned char* bits = BuiltInFontBitmap(index + 32);
    glyph._advance = 8;
    glyph._x = 0, glyph._y = 0, glyph._w = 8, glyph._h = 16;
    if (!bits) return;
    auto pixels = TPixmap::Create(8, 16, PF_RGBA8888);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 8; ++x)
        if (bits[y] & (0x80 >> x)) pixels->WritePixel(x, y, 0xffffffffu);
    glyph._image = GlyphImage(pixels, _imageFlags, *atlas_);
    return;
  }
  FT_Face face = _src_font->face;
  bool smooth = _src_font->smooth;
  FT_Int32 load = FT_LOAD_RENDER | (smooth ? FT_LOAD_TARGET_LIGHT : FT_LOAD_TARGET_MONO);
  if (FT_Load_Glyph(face, FT_UInt(index), load) != 0) return;
  FT_GlyphSlot slot = face->glyph;
  // The unrounded advance, so text keeps the width the font designed.
  glyph._advance = float(slot->linearHoriAdvance) / 65536.0f;
  const FT_Bitmap& bm = slot->bitmap;
  int w = int(bm.width), h = int(bm.rows);
  if (w <= 0 || h <= 0 || !bm.buffer) return;
  if (bm.pixel_mode != FT_PIXEL_MODE_GRAY && bm.pixel_mode != FT_PIXEL_MODE_MONO) return;
  int pad = smooth ? 1 : 0;
  auto pixels = TPixmap::Create(w + 2 * pad, h + 2 * pad, PF_RGBA8888);
  if (!pixels) return;
  for (int y = 0; y < h; ++y) {
    const unsigned char* row = bm.buffer + ptrdiff_t(y) * bm.pitch;
    for (int x = 0; x < w; ++x) {
      int coverage = bm.pixel_mode == FT_PIXEL_MODE_MONO ? ((row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0) : row[x];
      if (!smooth) coverage = coverage >= 128 ? 255 : 0;
      pixels->WritePixel(x + pad, y + pad, (uint32_t(coverage) << 24) | 0xffffffu);
    }
  }
  glyph._x = slot->bitmap_left - pad;
  glyph._y = ascender_ - slot->bitmap_top - pad;
  glyph._w = w + 2 * pad;
  glyph._h = h + 2 * pad;
  glyph._image = GlyphImage(pixels, _imageFlags, *atlas_);
}
