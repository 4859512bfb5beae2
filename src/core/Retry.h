// The files the game keeps (settings, markers, profiles, scores) are tried five
// times, 200 ms apart, before a failure counts: another program (a backup tool, a
// file indexer) may hold one for a moment.
#pragma once
#include <functional>
#include <string>

constexpr int kFileTries = 5;
constexpr int kFileRetryPauseMs = 200;

// Runs attempt until it returns 1, at most kFileTries times with the pause between.
// An exception from an attempt counts as a failed try; it is reported with
// failureText (fatal and logged as given) only while ReportRetryFailures is set.
// `stop`, when set, is asked after an attempt that returned 0 and ends the tries at
// once (a file found corrupt is not read again). Returns 1 when an attempt
// succeeded, else 0.
int RetryFileOperation(const std::function<int()>& attempt, const std::string& failureText, int fatal,
                       int log, const std::function<bool()>& stop = {});

// Shows and logs text (never fatal) the first time it is given in this run. A save that
// keeps failing (a read-only folder, a full disk) would otherwise repeat the same box at
// every later save, while the first one already said why.
void ReportFailureOnce(const std::string& text);
