// Tests that check what is drawn: a recording back end on a screen of w x h with
// the drawing state every such test starts from (alpha blending, white, full
// alpha, unscaled, unrotated, no automatic mid-handles).
#pragma once
#include <memory>

#include "gfx/Draw.h"
#include "gfx/RecordingRenderDriver.h"

// The recorder, or nullptr when the screen could not be made.
inline TRecordingRenderDriver* UseRecordingScreen(int w = 800, int h = 600) {
  auto driver = std::make_unique<TRecordingRenderDriver>();
  TRecordingRenderDriver* rec = driver.get();
  SetRenderDriver(std::move(driver));
  if (!CreateGraphics(w, h)) return nullptr;
  SetBlend(BLEND_ALPHA);
  SetColor(255, 255, 255);
  SetAlpha(1);
  SetScale(1, 1);
  SetRotation(0);
  AutoMidHandle(false);
  return rec;
}
