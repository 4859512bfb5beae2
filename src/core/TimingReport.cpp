#include "core/TimingReport.h"

#include <cstdio>

namespace {
bool enabled = false;
}

void EnableTimingReport(bool on) { enabled = on; }

bool TimingReportEnabled() { return enabled; }

void ReportTiming(const char* what, double ms) {
  if (!enabled || ms < 0) return;
  std::printf("%s: %.1f ms\n", what, ms);
  std::fflush(stdout);
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
