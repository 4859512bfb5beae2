#include "audio/AudioError.h"

#include <stdexcept>
#include <utility>

namespace {
std::function<void(const std::string&)>& Hook() {
  static std::function<void(const std::string&)> hook;
  return hook;
}
}  // namespace

void AudioFatalError(const std::string& text) {
  if (Hook()) Hook()(text);
  // A report that came back must still not let the caller go on with a missing sound.
  throw std::runtime_error(text);
}

void SetAudioErrorHook(std::function<void(const std::string&)> hook) { Hook() = std::move(hook); }
