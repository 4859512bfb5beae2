// A picture of the part of the screen that seldom changes (a board at rest under its
// moving pieces), kept in a texture: drawn once, copied from the frame, then shown as one
// opaque quad until what it shows changes.
#pragma once
#include <cstdint>

#include "gfx/ImageFrame.h"

class TLayerCache {
 public:
  // Draws the kept picture over the logical rectangle (0, 0)-(width, height) when it shows
  // `key` and was taken under the current context; false when the caller must draw the
  // layer itself and then call Keep. Key 0 is never kept.
  bool Draw(uint64_t key, float width, float height);
  // After the caller drew the layer itself, over everything below it: takes its picture
  // once the key has held still since the frame before (a layer that changes every frame,
  // a flash or a slide, is not worth copying).
  void Keep();
  // Lets the picture and its texture go.
  void Forget();

 private:
  TTexturePagePtr page_;
  TImageFrame frame_;
  uint64_t key_ = 0;      // what the kept picture shows (0: nothing kept)
  uint64_t drawing_ = 0;  // what the caller is drawing itself this frame
  uint64_t lastAsked_ = 0;
  bool steady_ = false;   // the key drawn now was asked for the frame before too
  float width_ = 0, height_ = 0;
};
