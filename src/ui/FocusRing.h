// The keyboard and pad focus of one screen: the widgets it walks, in screen order,
// and which of them holds the focus. Its owner lists the widgets afresh every update
// (they come and go with dialogs and overlays); the focus survives while the same
// owner lists them.
#pragma once
#include <functional>
#include <memory>
#include <vector>

class TButton;
class TSlider;

struct TFocusTarget {
  enum TKind { Press, Slider, List };
  float x = 0, y = 0, w = 0, h = 0;   // the hit area, logical pixels
  TKind Kind = Press;
  // A slider's step: moves it by the amount given and applies the new value.
  std::function<void(int)> Slide;
  float CentreX() const { return x + w / 2; }
  float CentreY() const { return y + h / 2; }
};

class TFocusRing {
 public:
  // Starts a new listing; a different owner than the last one forgets the focus.
  void Begin(const void* owner, int start = -1);
  void Add(const TFocusTarget& target);
  // Every active button of the list, in screen order: rows top to bottom, each left to right.
  void AddButtons(const std::vector<std::shared_ptr<TButton>>& buttons);
  // Moves the focus by step in screen order, wrapping at the ends. The first move
  // (no focus yet) lands on the start the owner gave, or the first widget.
  void Move(int step);
  // The focused widget, or none.
  const TFocusTarget* Current() const;
  void Forget() { index_ = -1; }
  int Index() const { return index_; }
  // Who listed the widgets last.
  const void* Owner() const { return owner_; }
  const std::vector<TFocusTarget>& Targets() const { return targets_; }

 private:
  std::vector<TFocusTarget> targets_;
  const void* owner_ = nullptr;
  int start_ = -1;
  int index_ = -1;
};

// The focus frame, in the warm gold of the board's hover light: a border of the given
// thickness inside the rectangle.
void DrawFocusFrame(float x, float y, float w, float h, float thickness);
