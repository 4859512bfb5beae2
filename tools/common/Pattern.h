// Most gradients in the pictures are made for one fill, stroke or paint and then let
// go; these draw with the pattern and release it in one step, so none outlives its use.
#pragma once
#include <cairo.h>

void FillWith(cairo_t* cr, cairo_pattern_t* pattern);
// Keeps the path, for an outline or a second layer over the same shape.
void FillPreserveWith(cairo_t* cr, cairo_pattern_t* pattern);
void StrokeWith(cairo_t* cr, cairo_pattern_t* pattern);
void PaintWith(cairo_t* cr, cairo_pattern_t* pattern);
