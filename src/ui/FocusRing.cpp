#include "ui/FocusRing.h"

#include "gfx/Box.h"
#include "ui/Button.h"

void TFocusRing::Begin(const void* owner, int start) {
  if (owner != owner_) index_ = -1;
  owner_ = owner;
  start_ = start;
  targets_.clear();
}

void TFocusRing::Add(const TFocusTarget& target) { targets_.push_back(target); }

void TFocusRing::AddButtons(const std::vector<std::shared_ptr<TButton>>& buttons) {
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
