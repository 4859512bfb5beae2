#include "ImageOut.h"

#include <jpeglib.h>

#include <cstdio>
#include <filesystem>
#include <vector>

void MakeParentDirs(const std::string& path) {
  auto parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent);
}

bool SavePng(cairo_surface_t* surface, const std::string& path) {
  MakeParentDirs(path);
  cairo_surface_flush(surface);
  return cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
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
