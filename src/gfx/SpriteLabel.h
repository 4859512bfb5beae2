// What a sprite needs from a text label attached to it: the label travels with
// the sprite, takes its opacity and is drawn with it. The widget layer's label
// implements this so that the toolkit does not depend on the widgets.
#pragma once

class TSpriteLabel {
 public:
  virtual ~TSpriteLabel() = default;
  virtual void MoveLabelBy(float dx, float dy) = 0;
  virtual void SetLabelAlpha(float alpha) = 0;
  // Draws the label shifted by (offx, offy) from its own position.
  virtual void DrawWithSprite(float offx, float offy) = 0;
};
