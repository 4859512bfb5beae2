// One drawing surface with its Cairo context, shared by both picture generators:
// every generated picture and every soft layer (glows, shadows, drifting snow) is
// painted on one of these.
#pragma once
#include <cairo.h>

#include <string>

class TCanvas {
 public:
  TCanvas(int width, int height);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  cairo_t* Cr() const { return cr_; }
  cairo_surface_t* Surface() const { return surface_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Copies another canvas (for example one animation frame) to (x, y).
  void Blit(const TCanvas& source, double x, double y);
  // Softens the whole surface (three box passes approximate a Gaussian of the radius).
  void Blur(int radius);
  // Paints this canvas onto another at (x, y) with an opacity and a Cairo operator.
  void PaintOnto(cairo_t* target, double x = 0, double y = 0, double alpha = 1.0,
                 cairo_operator_t op = CAIRO_OPERATOR_OVER) const;
  // Paints a scaled copy filling width x height at (x, y), smoothly filtered.
  void PaintScaled(cairo_t* target, double x, double y, double width, double height) const;

  bool SavePng(const std::string& path) const;
  bool SaveJpeg(const std::string& path, int quality = 92) const;

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};
