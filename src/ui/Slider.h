// A horizontal 0-100 slider: a track picture with a knob on it, set by holding the
// left button on the track (or just beside it) and moving along. The options screen's
// sound, music and speech volumes use it.
#pragma once
#include <memory>
#include <string>

#include "gfx/Sprite.h"

class TGameImage;
class TSlider;
using TSliderPtr = std::shared_ptr<TSlider>;

class TSlider : public TSprite {
 public:
  std::shared_ptr<TGameImage> DotImage;  // the knob
  int DotX = 0, DotY = 0;
  int Value = 50;                        // 0 to 100
  int Border = 0;                        // side margin of the usable track
  int BorderY = 0;                       // vertical catch margin
  int Dragging = 0;                      // held since a press over it

  // Track and knob pictures are files of the image folder (".png" added), handles at
  // the top-left.
  static TSliderPtr CreateSpecial(const std::string& track, const std::string& knob, float x, float y, int border,
                                  const std::string& name, int borderY);
  void Load(const std::string& track, const std::string& knob, float x, float y, int border,
            const std::string& name, int borderY);
  void LoadImages(const std::string& track, const std::string& knob);
  // The same with pictures already in memory.
  void SetImages(std::shared_ptr<TGameImage> track, std::shared_ptr<TGameImage> knob);
  void Init() override;
  // Value limited to 0..100, and the knob moved to it.
  void SetValue(int v);
  // 1 in every update in which the left button is held over the slider (the value then
  // follows the pointer), else 0. A press over it holds the slider until the button is
  // let go: the value follows the pointer wherever it goes meanwhile, pinned at the ends,
  // so a fast drag past either end still reaches 0 or 100.
  int Manage();
  void Draw() override;

  // The value for a pointer at mx: 0 at and left of the usable track, 100 at and right
  // of its end; 0 when the track leaves no usable width.
  int ValueAt(int mx) const;

 private:
  bool heldBefore_ = false;
};
