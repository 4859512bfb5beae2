#include "ImageOut.h"

#include <jpeglib.h>
#include <png.h>

#include <algorithm>
#include <cstdint>

#include <cstdio>
#include <filesystem>
#include <vector>

void MakeParentDirs(const std::string& path) {
  auto parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent);
}

namespace {
// libpng reports errors by jumping back to a setjmp. That jump must not cross anything
// with a destructor, and no local of the function holding the setjmp may change after
// it; so the pixels are prepared by the caller, and this function holds nothing else.
bool WritePngRows(FILE* file, png_structp png, png_infop info, png_uint_32 width, png_uint_32 height,
                  const unsigned char* rgba) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (png_uint_32 y = 0; y < height; ++y) png_write_row(png, rgba + size_t(y) * width * 4);
  png_write_end(png, info);
  return true;
}
}  // namespace

bool SavePng(cairo_surface_t* surface, const std::string& path) {
  // Always RGBA: Cairo's own writer drops the alpha channel of an opaque picture, and
  // the game colour-keys black in pictures that have none.
  std::error_code ec;
  auto parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent, ec);
  cairo_surface_flush(surface);
  const int width = cairo_image_surface_get_width(surface);
  const int height = cairo_image_surface_get_height(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  std::vector<unsigned char> rgba(size_t(width) * size_t(height) * 4);
  for (int y = 0; y < height; ++y) {
    const uint32_t* src = reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride));
    unsigned char* row = &rgba[size_t(y) * size_t(width) * 4];
    for (int x = 0; x < width; ++x) {
      // Cairo keeps premultiplied native-endian ARGB; PNG wants straight RGBA.
      const uint32_t px = src[x];
      const unsigned a = px >> 24;
      unsigned char* out = row + size_t(x) * 4;
      for (int c = 0; c < 3; ++c) {
        const unsigned v = (px >> (16 - 8 * c)) & 0xFF;
        out[c] = a == 0 ? 0 : static_cast<unsigned char>(std::min(255u, (v * 255 + a / 2) / a));
      }
      out[3] = static_cast<unsigned char>(a);
    }
  }
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  const bool written =
      png && info && WritePngRows(f, png, info, png_uint_32(width), png_uint_32(height), rgba.data());
  png_destroy_write_struct(&png, &info);
  return (std::fclose(f) == 0) && written;
}

bool SaveJpeg(cairo_surface_t* surface, const std::string& path, int quality) {
  MakeParentDirs(path);
  cairo_surface_flush(surface);
  const int w = cairo_image_surface_get_width(surface);
  const int h = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;

  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, f);
  cinfo.image_width = JDIMENSION(w);
  cinfo.image_height = JDIMENSION(h);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(size_t(w) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    // Cairo keeps native-endian premultiplied ARGB32; over black that is the colour itself.
    const uint32_t* src = reinterpret_cast<const uint32_t*>(data + size_t(cinfo.next_scanline) * size_t(stride));
    for (int x = 0; x < w; ++x) {
      row[size_t(x) * 3 + 0] = (src[x] >> 16) & 0xFF;
      row[size_t(x) * 3 + 1] = (src[x] >> 8) & 0xFF;
      row[size_t(x) * 3 + 2] = src[x] & 0xFF;
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return std::fclose(f) == 0;
}
