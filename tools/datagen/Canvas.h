// A transparent ARGB drawing surface with its Cairo context, the unit every
// picture of the generator is drawn on and saved from.
#pragma once
#include <cairo.h>

#include <string>

class TCanvas {
 public:
  TCanvas(int width, int height);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // Copies another canvas (for example one animation frame) to (x, y).
  void Blit(const TCanvas& source, double x, double y);
  // Writes the picture as RGBA PNG; false when the file cannot be written.
  bool Save(const std::string& path);

 private:
  int width_;
  int height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};
