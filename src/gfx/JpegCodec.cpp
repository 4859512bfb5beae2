// JPEG reading through libjpeg-turbo; its default error handler would end the program,
// so errors jump back here and the picture counts as unreadable.
#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <jpeglib.h>

#include "gfx/Pixmap.h"

namespace {
struct JpegError {
  jpeg_error_mgr mgr;
  jmp_buf jump;
};
void JpegErrorExit(j_common_ptr info) { longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1); }
void JpegMessage(j_common_ptr) {}

// Whether a stream of this many bytes can describe the picture its header declares,
// asked before anything of the picture's size is allocated (by us or by the library,
// which keeps whole coefficient planes for some files). Every 8 x 8 block of every
// component carries at least one bit for its mean colour, so the largest component
// needs blocks / 8 bytes. (Arithmetic coding could in principle go below that; such
// pictures are refused, and the game ships none.)
bool CanHoldPicture(const jpeg_decompress_struct& cinfo, size_t size) {
  uint64_t blocks = 0;
  for (int c = 0; c < cinfo.num_components; ++c) {
    const jpeg_component_info& comp = cinfo.comp_info[c];
    blocks = std::max(blocks, uint64_t(comp.width_in_blocks) * uint64_t(comp.height_in_blocks));
  }
  return blocks / 8 <= size;
}

// Kept apart from the caller so nothing with a destructor lives in the frame that jumps.
bool Decode(jpeg_decompress_struct& cinfo, const uint8_t* data, size_t size, TPixmapPtr& out) {
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) return false;
  cinfo.out_color_space = JCS_RGB;
  if (cinfo.image_width > unsigned(TPixmap::kMaxSide) || cinfo.image_height > unsigned(TPixmap::kMaxSide))
    return false;
  if (!CanHoldPicture(cinfo, size)) return false;
  jpeg_start_decompress(&cinfo);
  if (cinfo.output_components != 3) return false;
  out = TPixmap::Create(int(cinfo.output_width), int(cinfo.output_height), PF_RGB888);
  if (!out) return false;
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = out->Row(int(cinfo.output_scanline));
    if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) return false;
  }
  jpeg_finish_decompress(&cinfo);
  // libjpeg only warns about a truncated or damaged stream and fills the rest with grey.
  return cinfo.err->num_warnings == 0;
}
}  // namespace

TPixmapPtr LoadPixmapJPEG(const uint8_t* data, size_t size) {
  if (!data || size < 4) return nullptr;
  jpeg_decompress_struct cinfo;
  JpegError err;
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = JpegErrorExit;
  err.mgr.output_message = JpegMessage;
  TPixmapPtr out;
  if (setjmp(err.jump) != 0) {
    jpeg_destroy_decompress(&cinfo);
    return nullptr;
  }
  jpeg_create_decompress(&cinfo);
  bool ok = Decode(cinfo, data, size, out);
  jpeg_destroy_decompress(&cinfo);
  return ok ? out : nullptr;
}
