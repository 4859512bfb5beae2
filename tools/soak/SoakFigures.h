// The soak player's health figures of its own process: resident memory, heap in use,
// open file descriptors and threads, taken between levels, and the verdict on how much
// they may grow over a long run before it counts as a leak.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct TSoakFigures {
  long RssKb = -1;        // VmRSS
  long HwmKb = -1;        // VmHWM, the resident peak
  int64_t HeapBytes = -1; // allocated and not yet freed (the sanitizer's count under it)
  int Fds = -1;
  int Threads = -1;
};

// How much each figure may grow between two points of the run.
struct TSoakLimits {
  int64_t HeapBytes = 4 << 20;
  long RssKb = 32 * 1024;
  int Fds = 0;
  int Threads = 0;
};

// The figures now.
TSoakFigures TakeSoakFigures();
// One line for the log: "<label>: VmRSS 123456 kB, VmHWM ..., heap in use ..., fds ..., threads ...".
std::string FormatSoakFigures(const std::string& label, const TSoakFigures& figures);
// The value of a "Key:   123 kB" line of /proc/<pid>/status text; -1 when it has none.
long StatusField(const std::string& statusText, const std::string& key);
// One sentence per figure that grew beyond its limit from `from` to `to` (none: healthy).
// A figure that could not be read at either point is named too, rather than passed.
std::vector<std::string> SoakGrowthFaults(const TSoakFigures& from, const TSoakFigures& to,
                                          const TSoakLimits& limits);
