#include "ui/Slider.h"

#include <algorithm>
#include <cmath>

#include "core/DataPaths.h"
#include "gfx/Draw.h"
#include "gfx/GameImage.h"
#include "gfx/Image.h"
#include "platform/Files.h"
#include "ui/MousePointer.h"

namespace {
// How far beside the track, left and right, a press still catches the slider.
constexpr int kSideCatch = 10;

std::shared_ptr<TGameImage> TopLeftPicture(const std::string& file) {
  auto picture = TGameImage::Create(ResolveDataPath(DataPaths().ImagePath + file + ".png"), -1, 0);
  picture->MidHandle(0);
  return picture;
}
}  // namespace

TSliderPtr TSlider::CreateSpecial(const std::string& track, const std::string& knob, float x, float y, int border,
                                  const std::string& name, int borderY) {
  auto slider = std::make_shared<TSlider>();
  slider->Load(track, knob, x, y, border, name, borderY);
  return slider;
}

void TSlider::Load(const std::string& track, const std::string& knob, float nx, float ny, int border,
                   const std::string& n, int borderY) {
  LoadImages(track, knob);
  SetName(n);
  x = nx;
  y = ny;
  Border = border;
  BorderY = borderY;
  Init();
}

void TSlider::LoadImages(const std::string& track, const std::string& knob) {
  SetImages(TopLeftPicture(track), TopLeftPicture(knob));
}

void TSlider::SetImages(std::shared_ptr<TGameImage> track, std::shared_ptr<TGameImage> knob) {
  SetImage(std::move(track));
  DotImage = std::move(knob);
  GetSize();
}

void TSlider::Init() {
  TSprite::Init();
  GetSize();
  DotY = int(y);
  active = 1;
  SetValue(50);
}

void TSlider::SetValue(int v) {
  Value = std::clamp(v, 0, 100);
  float handleX = 0, handleY = 0;
  if (DotImage && DotImage->image) GetImageHandle(DotImage->image, handleX, handleY);
  const int usable = std::max(0, w - 2 * Border);
  DotX = int(std::trunc(x + float(Border) + float(Value) / 100.0f * float(usable) - handleX));
}

int TSlider::ValueAt(int mx) const {
  const int usable = w - 2 * Border;
  // A track no wider than its two margins has no place for any value but the first.
  if (usable <= 0) return 0;
  const float px = float(mx);
  if (px <= x + float(Border)) return 0;
  if (px >= x + float(w - Border)) return 100;
  return int(std::lround((px - x - float(Border)) / float(usable) * 100.0f));
}

int TSlider::Manage() {
  if (!active) return 0;
  const TMousePointer& mouse = Pointer();
  // A press in this update (or a button found held that was not before) starts over.
  const bool pressedNow = mouse.h1 > 0 || (mouse.b1 != 0 && !heldBefore_);
  heldBefore_ = mouse.b1 != 0;
  if (mouse.b1 == 0 || pressedNow) Dragging = 0;
  if (Dragging) {
    SetValue(ValueAt(mouse.x));
    return 1;
  }
  const float mx = float(mouse.x), my = float(mouse.y);
  const bool over = x - float(kSideCatch) <= mx && mx < x + float(w + kSideCatch) &&
                    y - float(BorderY) <= my && my < y + float(h + BorderY);
  if (!over) {
    MouseOver = 0;
    return 0;
  }
  MouseOver = 1;
  if (mouse.b1 == 0) return 0;
  // A button pressed elsewhere and dragged over the slider moves it while over it, but
  // only a press on it holds it.
  if (pressedNow) Dragging = 1;
  SetValue(ValueAt(mouse.x));
  return 1;
}

void TSlider::Draw() {
  if (!active) return;
  SetBlend(BLEND_ALPHA);
  if (image && image->image) DrawImage(image->image, x, y);
  if (DotImage && DotImage->image) DrawImage(DotImage->image, float(DotX), float(DotY));
}
