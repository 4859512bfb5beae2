#include "core/Retry.h"

#include <exception>
#include <set>

#include "core/ErrorReport.h"
#include "core/Globals.h"
#include "platform/Clock.h"

int RetryFileOperation(const std::function<int()>& attempt, const std::string& failureText, int fatal,
                       int log, const std::function<bool()>& stop) {
  for (int i = 0; i < kFileTries; ++i) {
    try {
      if (attempt() == 1) return 1;
      if (stop && stop()) return 0;
    } catch (const std::exception&) {
      if (ReportRetryFailures) ShowError(failureText, fatal, log);
    }
    if (i + 1 < kFileTries) Delay(kFileRetryPauseMs);
  }
  return 0;
}

void ReportFailureOnce(const std::string& text) {
  static std::set<std::string> reported;
  if (!reported.insert(text).second) return;
  ShowError(text, 0, 1);
}
