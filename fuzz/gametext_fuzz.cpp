// Feeds arbitrary bytes to the game-text reader. A file it cannot read must end in the
// fatal report (here an exception), never in a read out of range; a file it reads must
// give back every block under its key.
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "core/ErrorReport.h"
#include "core/TextLines.h"
#include "ui/GameText.h"

namespace {
struct TFatal : std::runtime_error {
  using std::runtime_error::runtime_error;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool hooked = [] {
    SetErrorReportHook([](const std::string& text, int fatal, int) {
      if (fatal) throw TFatal(text);
    });
    return true;
  }();
  (void)hooked;
  TGameText table;
  try {
    table.Parse(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const TFatal& e) {
    if (std::string(e.what()) != "[TEXT] header hot found") std::abort();
    return 0;
  }
  for (const auto& [key, lines] : table.Items) {
    if (key != UpperCase(key) || table.Find(key) != lines) std::abort();
    for (const auto& line : lines)
      if (!line.empty() && line[0] == '[') std::abort();
    std::string joined = table.FindString(key);
    size_t length = lines.empty() ? 0 : 2 * (lines.size() - 1);
    for (const auto& line : lines) length += line.size();
    if (joined.size() != length) std::abort();
  }
  return 0;
}
