// The figures a developer asks for with --timing (start-up, loading, each change of
// screen), one "what: N ms" line each on standard output, flushed at once so a
// script watching the output sees each as it happens.
#pragma once
#include <chrono>

void EnableTimingReport(bool on);
bool TimingReportEnabled();
// Prints "what: ms" when the report is on; a negative time is no figure and is skipped.
void ReportTiming(const char* what, double ms);
// Milliseconds from `start` until now, on the steady clock.
double MillisecondsSince(std::chrono::steady_clock::time_point start);
