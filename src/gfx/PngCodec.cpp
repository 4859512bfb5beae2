// PNG reading through libpng's simplified API (it reports errors instead of jumping),
// PNG writing through the classic API so the compression level can be chosen.
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include "gfx/Pixmap.h"

TPixmapPtr LoadPixmapPNG(const uint8_t* data, size_t size) {
  if (!data || size < 8) return nullptr;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data, size)) return nullptr;
  bool alpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  image.format = alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  auto pixmap = TPixmap::Create(int(std::min<png_uint_32>(image.width, TPixmap::kMaxSide + 1)),
                                int(std::min<png_uint_32>(image.height, TPixmap::kMaxSide + 1)),
                                alpha ? PF_RGBA8888 : PF_RGB888);
  if (!pixmap || png_uint_32(pixmap->width) != image.width || png_uint_32(pixmap->height) != image.height) {
    png_image_free(&image);
    return nullptr;
  }
  if (!png_image_finish_read(&image, nullptr, pixmap->pixels.data(), pixmap->pitch, nullptr)) {
    png_image_free(&image);
    return nullptr;
  }
  png_image_free(&image);
  return pixmap;
}

namespace {
void PngWriteError(png_structp png, png_const_charp) { longjmp(png_jmpbuf(png), 1); }
void PngWriteWarning(png_structp, png_const_charp) {}

// Kept apart so that nothing with a destructor lives in the frame libpng jumps back to.
bool WriteRows(FILE* file, png_bytep* rows, png_uint_32 width, png_uint_32 height, int colorType,
               int compression) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngWriteError, PngWriteWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png)) != 0) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_compression_level(png, compression);
  png_set_IHDR(png, info, width, height, 8, colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}
}  // namespace

bool SavePixmapPNG(const TPixmap& pixmap, const std::string& path, int compression) {
  if (pixmap.width < 1 || pixmap.height < 1 || pixmap.pixels.size() < size_t(pixmap.pitch) * pixmap.height)
    return false;
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  std::vector<png_bytep> rows(size_t(pixmap.height));
  for (int y = 0; y < pixmap.height; ++y) rows[size_t(y)] = const_cast<png_bytep>(pixmap.Row(y));
  bool ok = WriteRows(file, rows.data(), png_uint_32(pixmap.width), png_uint_32(pixmap.height),
                      pixmap.HasAlpha() ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, std::clamp(compression, 0, 9));
  // A full disk shows up only when the buffered data is flushed.
  if (std::fclose(file) != 0) ok = false;
  if (!ok) std::remove(path.c_str());
  return ok;
}
