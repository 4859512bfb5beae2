// Feeds arbitrary bytes to the high-score reader: it keeps only whole entries,
// never a name longer than the table allows, and what it keeps is written and
// read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "player/HighScoreList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string input(reinterpret_cast<const char*>(bytes), size);
  const auto entries = THighScoreList::Decode(input);
  size_t used = 0;
  for (const auto& e : entries) {
    if (e.name.size() > THighScoreList::MaxStoredName) std::abort();
    used += e.name.size() + 9;
  }
  if (used > size) std::abort();
  const std::string again = THighScoreList::Encode(entries);
  if (again != input.substr(0, used)) std::abort();
  if (THighScoreList::Decode(again) != entries) std::abort();
  return 0;
}
