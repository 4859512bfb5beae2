#include "app/Retry.h"

#include "platform/Clock.h"

int RetryFileOperation(const std::function<int()>& attempt, const std::function<void(const std::exception&)>& thrown,
                       const std::function<bool()>& stop) {
  for (int i = 0; i < FileRetryAttempts; ++i) {
    try {
      if (attempt() == 1) return 1;
      if (stop && stop()) return 0;
    } catch (const std::exception& e) {
      if (thrown) thrown(e);
    }
    Delay(FileRetryPauseMs);
  }
  return 0;
}
