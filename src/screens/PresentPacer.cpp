#include "screens/PresentPacer.h"

bool TPresentPacer::Due(uint32_t nowMs, bool last) const {
  if (last || !presented_) return true;
  // The millisecond counter wraps; the unsigned difference stays right across the wrap.
  // A clock that went backwards gives a huge difference and a present, not a frozen bar.
  return nowMs - lastMs_ >= interval_;
}

void TPresentPacer::Presented(uint32_t nowMs) {
  lastMs_ = nowMs;
  presented_ = true;
}
