#include "platform/Clock.h"

#include <SDL.h>

namespace {
std::function<uint32_t()>& Source() {
  static std::function<uint32_t()> source;
  return source;
}
}  // namespace

uint32_t MilliSecs() {
  if (Source()) return Source()();
  return SDL_GetTicks();
}

void Delay(int ms) {
  if (ms > 0) SDL_Delay(uint32_t(ms));
}

void SetClockSource(std::function<uint32_t()> source) { Source() = std::move(source); }
