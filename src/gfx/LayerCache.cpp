#include "gfx/LayerCache.h"

#include "gfx/Draw.h"

bool TLayerCache::Draw(uint64_t key, float width, float height) {
  TRenderDriver* driver = GetRenderDriver();
  if (key && key == key_ && width == width_ && height == height_ && driver && page_ &&
      page_->seq == driver->ContextSeq() && page_->name) {
    const TDrawState& state = DrawState();
    const int blend = GetBlend();
    SetBlend(BLEND_SOLID);
    driver->DrawFrame(frame_, 0, 0, width, height, state.origin_x, state.origin_y, 0, 0, float(frame_.width),
                      float(frame_.height));
    SetBlend(blend);
    return true;
  }
  steady_ = key != 0 && key == lastAsked_;
  lastAsked_ = key;
  drawing_ = key;
  width_ = width;
  height_ = height;
  return false;
}

void TLayerCache::Keep() {
  TRenderDriver* driver = GetRenderDriver();
  if (!steady_ || !driver) return;
  steady_ = false;
  const TDrawState& state = DrawState();
  key_ = driver->CaptureScreen(state.origin_x, state.origin_y, state.origin_x + width_, state.origin_y + height_,
                               page_, frame_)
             ? drawing_
             : 0;
}

void TLayerCache::Forget() {
  page_.reset();
  frame_ = TImageFrame{};
  key_ = lastAsked_ = drawing_ = 0;
  steady_ = false;
}
