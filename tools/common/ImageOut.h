// Writing the generators' Cairo drawings to the picture files the game reads.
#pragma once
#include <cairo.h>

#include <string>

// Creates every missing folder above path.
void MakeParentDirs(const std::string& path);
// PNG with straight (not premultiplied) alpha, as the game's loader expects.
bool SavePng(cairo_surface_t* surface, const std::string& path);
// Baseline JPEG; alpha is dropped onto black.
bool SaveJpeg(cairo_surface_t* surface, const std::string& path, int quality = 90);
