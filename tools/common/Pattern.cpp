#include "Pattern.h"

namespace {
void UseOnce(cairo_t* cr, cairo_pattern_t* pattern, void (*draw)(cairo_t*)) {
  cairo_set_source(cr, pattern);
  draw(cr);
  cairo_pattern_destroy(pattern);
}
}  // namespace

void FillWith(cairo_t* cr, cairo_pattern_t* pattern) { UseOnce(cr, pattern, cairo_fill); }
void FillPreserveWith(cairo_t* cr, cairo_pattern_t* pattern) { UseOnce(cr, pattern, cairo_fill_preserve); }
void StrokeWith(cairo_t* cr, cairo_pattern_t* pattern) { UseOnce(cr, pattern, cairo_stroke); }
void PaintWith(cairo_t* cr, cairo_pattern_t* pattern) { UseOnce(cr, pattern, cairo_paint); }
