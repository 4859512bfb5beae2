#include "Pattern.h"

void FillWith(cairo_t* cr, cairo_pattern_t* pattern) {
  cairo_set_source(cr, pattern);
  cairo_fill(cr);
  cairo_pattern_destroy(pattern);
}

void FillPreserveWith(cairo_t* cr, cairo_pattern_t* pattern) {
  cairo_set_source(cr, pattern);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(pattern);
}

void StrokeWith(cairo_t* cr, cairo_pattern_t* pattern) {
  cairo_set_source(cr, pattern);
  cairo_stroke(cr);
  cairo_pattern_destroy(pattern);
}

void PaintWith(cairo_t* cr, cairo_pattern_t* pattern) {
  cairo_set_source(cr, pattern);
  cairo_paint(cr);
  cairo_pattern_destroy(pattern);
}
