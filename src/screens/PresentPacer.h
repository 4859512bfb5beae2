// Decides which of the frames a drawing loop outside the main loop (the start-up
// loading bar) are worth presenting: no more than the display can show, and always
// the last one, so the finished state is what stays on screen.
#pragma once
#include <cstdint>

class TPresentPacer {
 public:
  // About one refresh of a 60 Hz display.
  static constexpr uint32_t kDefaultIntervalMs = 16;

  explicit TPresentPacer(uint32_t intervalMs = kDefaultIntervalMs) : interval_(intervalMs) {}

  // Whether a frame ready at nowMs should be presented: the first one, one whose
  // predecessor was presented at least an interval ago, or the last one of the run.
  bool Due(uint32_t nowMs, bool last) const;
  // A frame was presented; nowMs is taken when the present has returned, so the time the
  // present itself took counts towards the wait for the next one.
  void Presented(uint32_t nowMs);
  // Forgets every present: the next frame is due.
  void Reset() { presented_ = false; }

 private:
  uint32_t interval_;
  uint32_t lastMs_ = 0;
  bool presented_ = false;
};
