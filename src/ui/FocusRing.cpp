#include "ui/FocusRing.h"

#include <algorithm>
#include <cmath>

#include "gfx/Box.h"
#include "gfx/Draw.h"
#include "ui/Button.h"

void TFocusRing::Begin(const void* owner, int start) {
  if (owner != owner_) index_ = -1;
  owner_ = owner;
  start_ = start;
  targets_.clear();
}

void TFocusRing::Add(const TFocusTarget& target) { targets_.push_back(target); }

void TFocusRing::AddButtons(const std::vector<std::shared_ptr<TButton>>& buttons) {
  const size_t first = targets_.size();
  for (const auto& b : buttons) {
    if (!b || b->Active != 1 || (b->Disabled == 1 && b->ClickDisabled == 0)) continue;
    TFocusTarget t;
    if (b->BoundingBox) {
      t.x = b->BoundingBox->X + b->offx;
      t.y = b->BoundingBox->Y + b->offy;
      t.w = b->BoundingBox->W;
      t.h = b->BoundingBox->H;
    } else {
      t.x = b->x + b->offx;
      t.y = b->y + b->offy;
      t.w = float(b->w);
      t.h = float(b->h);
    }
    Add(t);
  }
  // Screen order, whatever order the buttons were made in: rows top to bottom (a row
  // being buttons whose middles lie within half a button's height of the row's first),
  // each row left to right.
  auto begin = targets_.begin() + long(first);
  std::stable_sort(begin, targets_.end(),
                   [](const TFocusTarget& a, const TFocusTarget& b) { return a.CentreY() < b.CentreY(); });
  for (auto row = begin; row != targets_.end();) {
    auto end = row + 1;
    while (end != targets_.end() && std::fabs(end->CentreY() - row->CentreY()) < std::max(row->h, 2.0f) / 2) ++end;
    std::stable_sort(row, end, [](const TFocusTarget& a, const TFocusTarget& b) { return a.x < b.x; });
    row = end;
  }
}

void TFocusRing::Move(int step) {
  const int n = int(targets_.size());
  if (n == 0) {
    index_ = -1;
    return;
  }
  if (index_ < 0 || index_ >= n) {
    index_ = start_ >= 0 && start_ < n ? start_ : 0;
    return;
  }
  index_ = ((index_ + step) % n + n) % n;
}

const TFocusTarget* TFocusRing::Current() const {
  return index_ >= 0 && index_ < int(targets_.size()) ? &targets_[size_t(index_)] : nullptr;
}

void DrawFocusFrame(float x, float y, float w, float h, float t) {
  SetBlend(BLEND_ALPHA);
  SetColor(255, 214, 112);
  SetAlpha(0.9f);
  DrawRect(x, y, w, t);
  DrawRect(x, y + h - t, w, t);
  DrawRect(x, y + t, t, h - 2 * t);
  DrawRect(x + w - t, y + t, t, h - 2 * t);
  SetColor(255, 255, 255);
  SetAlpha(1);
}
