// The one rule for file operations that may fail for a moment (another program
// holding the file, a slow network folder): up to five attempts, 200 ms apart,
// after which the caller gives up and the game goes on.
#pragma once
#include <exception>
#include <functional>

constexpr int FileRetryAttempts = 5;
constexpr int FileRetryPauseMs = 200;

// Runs `attempt` until it answers 1 or the attempts are used up, pausing after each
// failure. An exception from an attempt counts as a failure and is handed to `thrown`
// (when set). `stop`, when set, is asked after a failure that returned 0 and ends the
// attempts at once (a file found corrupt is not read again). Returns 1 when an attempt
// succeeded, else 0.
int RetryFileOperation(const std::function<int()>& attempt,
                       const std::function<void(const std::exception&)>& thrown = {},
                       const std::function<bool()>& stop = {});
