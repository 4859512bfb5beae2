// Picture files made in memory for the reader tests: little-endian fields for
// hand-built headers, and a real JPEG of one colour.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

inline void Put16(std::vector<uint8_t>& b, int v) { b.push_back(uint8_t(v)), b.push_back(uint8_t(v >> 8)); }
inline void Put32(std::vector<uint8_t>& b, uint32_t v) { Put16(b, int(v & 0xffff)), Put16(b, int(v >> 16)); }

inline std::vector<uint8_t> JpegFile(int w, int h, uint8_t r, uint8_t g, uint8_t bl) {
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* mem = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &mem, &size);
  c.image_width = JDIMENSION(w), c.image_height = JDIMENSION(h), c.input_components = 3, c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 95, TRUE);
  jpeg_start_compress(&c, TRUE);
  std::vector<uint8_t> row(size_t(w) * 3);
  for (int x = 0; x < w; ++x) row[size_t(x) * 3] = r, row[size_t(x) * 3 + 1] = g, row[size_t(x) * 3 + 2] = bl;
  while (c.next_scanline < c.image_height) {
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&c, &p, 1);
  }
  jpeg_finish_compress(&c);
  std::vector<uint8_t> out(mem, mem + size);
  jpeg_destroy_compress(&c);
  free(mem);
  return out;
}
