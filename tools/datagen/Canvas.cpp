#include "Canvas.h"

#include "ImageOut.h"

TCanvas::TCanvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_BEST);
}

TCanvas::~TCanvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void TCanvas::Blit(const TCanvas& source, double x, double y) {
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  cairo_set_source_surface(cr_, source.surface(), x, y);
  cairo_rectangle(cr_, x, y, source.width(), source.height());
  cairo_fill(cr_);
  cairo_restore(cr_);
}

bool TCanvas::Save(const std::string& path) { return SavePng(surface_, path); }
