#include "Canvas.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <cstdint>
#include <vector>

#include "ImageOut.h"

TCanvas::TCanvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_BEST);
}

void TCanvas::Blit(const TCanvas& source, double x, double y) {
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  cairo_set_source_surface(cr_, source.Surface(), x, y);
  cairo_rectangle(cr_, x, y, source.Width(), source.Height());
  cairo_fill(cr_);
  cairo_restore(cr_);
}

TCanvas::~TCanvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

namespace {
// One box pass along rows (dx = 1) or columns, on premultiplied ARGB.
void BoxPass(uint8_t* data, int w, int h, int stride, int radius, bool rows) {
  const int lines = rows ? h : w;
  const int len = rows ? w : h;
  const int step = rows ? 4 : stride;
  std::vector<uint8_t> copy(size_t(len) * 4);
  const int window = radius * 2 + 1;
  for (int line = 0; line < lines; ++line) {
    uint8_t* base = rows ? data + size_t(line) * stride : data + size_t(line) * 4;
    for (int i = 0; i < len; ++i)
      for (int c = 0; c < 4; ++c) copy[size_t(i) * 4 + c] = base[size_t(i) * step + c];
    int sum[4] = {0, 0, 0, 0};
    // Edges count as transparent, so soft layers fade out at the border.
    for (int i = -radius; i <= radius; ++i)
      if (i >= 0 && i < len)
        for (int c = 0; c < 4; ++c) sum[c] += copy[size_t(i) * 4 + c];
    for (int i = 0; i < len; ++i) {
      for (int c = 0; c < 4; ++c) base[size_t(i) * step + c] = uint8_t(sum[c] / window);
      const int out = i - radius, in = i + radius + 1;
      for (int c = 0; c < 4; ++c) {
        if (out >= 0) sum[c] -= copy[size_t(out) * 4 + c];
        if (in < len) sum[c] += copy[size_t(in) * 4 + c];
      }
    }
  }
}
}  // namespace

void TCanvas::Blur(int radius) {
  if (radius < 1) return;
  cairo_surface_flush(surface_);
  uint8_t* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  const int r = std::max(1, radius / 2);
  for (int pass = 0; pass < 3; ++pass) {
    BoxPass(data, width_, height_, stride, r, true);
    BoxPass(data, width_, height_, stride, r, false);
  }
  cairo_surface_mark_dirty(surface_);
}

void TCanvas::PaintOnto(cairo_t* target, double x, double y, double alpha, cairo_operator_t op) const {
  cairo_save(target);
  cairo_set_operator(target, op);
  cairo_set_source_surface(target, surface_, x, y);
  cairo_paint_with_alpha(target, alpha);
  cairo_restore(target);
}

void TCanvas::PaintScaled(cairo_t* target, double x, double y, double width, double height) const {
  cairo_save(target);
  cairo_translate(target, x, y);
  cairo_scale(target, width / width_, height / height_);
  cairo_set_source_surface(target, surface_, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(target), CAIRO_FILTER_BEST);
  cairo_pattern_set_extend(cairo_get_source(target), CAIRO_EXTEND_PAD);
  cairo_paint(target);
  cairo_restore(target);
}

bool TCanvas::SavePng(const std::string& path) const { return ::SavePng(surface_, path); }

bool TCanvas::SaveJpeg(const std::string& path, int quality) const {
  try {
    return ::SaveJpeg(surface_, path, quality);
  } catch (const std::exception&) {
    return false;  // the folder could not be made
  }
}
