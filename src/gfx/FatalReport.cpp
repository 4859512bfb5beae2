#include "gfx/FatalReport.h"

#include <stdexcept>
#include <utility>

namespace {
std::function<void(const std::string&)>& Hook() {
  static std::function<void(const std::string&)> hook;
  return hook;
}
}  // namespace

void FatalReport(const std::string& text) {
  if (Hook()) Hook()(text);
  // Callers rely on never coming back from a fatal report.
  throw std::runtime_error(text);
}

void SetFatalReportHook(std::function<void(const std::string&)> hook) { Hook() = std::move(hook); }
