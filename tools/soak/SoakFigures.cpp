#include "SoakFigures.h"

#include <dirent.h>
#include <malloc.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizer runtime; GCC ships no header that declares it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {
std::string ReadProcText(const char* path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Entries of a /proc folder, without "." and "..": the stream that lists them is
// left out of the count by the caller where it matters.
int CountEntries(const char* path) {
  DIR* dir = opendir(path);
  if (!dir) return -1;
  int n = 0;
  while (dirent* e = readdir(dir))
    if (e->d_name[0] != '.') ++n;
  closedir(dir);
  return n;
}

int64_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
  // The sanitizer's allocator replaces malloc; the C library's own count stays empty.
  return int64_t(__sanitizer_get_current_allocated_bytes());
#else
  const struct mallinfo2 info = mallinfo2();
  return int64_t(info.uordblks + info.hblkhd);
#endif
}

std::string Mb(int64_t bytes) {
  std::ostringstream s;
  s.precision(1);
  s << std::fixed << double(bytes) / (1024.0 * 1024.0) << " MiB";
  return s.str();
}
}  // namespace

long StatusField(const std::string& statusText, const std::string& key) {
  std::istringstream in(statusText);
  std::string line;
  while (std::getline(in, line)) {
    if (line.size() <= key.size() || line.compare(0, key.size(), key) != 0 || line[key.size()] != ':') continue;
    const char* value = line.c_str() + key.size() + 1;
    char* end = nullptr;
    const long n = std::strtol(value, &end, 10);
    return end == value ? -1 : n;
  }
  return -1;
}

TSoakFigures TakeSoakFigures() {
  TSoakFigures f;
  const std::string status = ReadProcText("/proc/self/status");
  f.RssKb = StatusField(status, "VmRSS");
  f.HwmKb = StatusField(status, "VmHWM");
  f.Threads = int(StatusField(status, "Threads"));
  f.HeapBytes = HeapInUse();
  const int fds = CountEntries("/proc/self/fd");
  // The listing holds one descriptor of its own while it reads.
  f.Fds = fds < 0 ? -1 : fds - 1;
  return f;
}

std::string FormatSoakFigures(const std::string& label, const TSoakFigures& f) {
  std::ostringstream s;
  s << label << ": VmRSS " << f.RssKb << " kB, VmHWM " << f.HwmKb << " kB, heap in use " << Mb(f.HeapBytes)
    << ", open fds " << f.Fds << ", threads " << f.Threads;
  return s.str();
}

std::vector<std::string> SoakGrowthFaults(const TSoakFigures& from, const TSoakFigures& to,
                                          const TSoakLimits& limits) {
  std::vector<std::string> faults;
  auto check = [&](const char* what, int64_t a, int64_t b, int64_t limit, const char* unit) {
    if (a < 0 || b < 0) {
      faults.push_back(std::string(what) + " could not be read");
      return;
    }
    if (b - a > limit) {
      std::ostringstream s;
      s << what << " grew from " << a << " to " << b << " " << unit << " (more than the " << limit << " " << unit
        << " allowed)";
      faults.push_back(s.str());
    }
  };
  check("heap in use", from.HeapBytes, to.HeapBytes, limits.HeapBytes, "bytes");
  check("resident memory", from.RssKb, to.RssKb, limits.RssKb, "kB");
  check("open file descriptors", from.Fds, to.Fds, limits.Fds, "");
  check("threads", from.Threads, to.Threads, limits.Threads, "");
  return faults;
}
