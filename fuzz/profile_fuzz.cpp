// Feeds arbitrary bytes to the profile reader with the game's block hooked in,
// then checks that every pack and level number the game would index with is in
// range, and that writing the result and reading it back changes nothing.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "player/Profile.h"
#include "player/ProfileGameData.h"

namespace {
TProfileGameData data;

void Hook(TProfile& p) {
  p.SaveUserFunction = [](std::string& out) {
    data.Write(out);
    return 1;
  };
  p.LoadUserFunction = [](TByteReader& in) {
    TProfileGameData read;
    read.Read(in);
    read.Bound(55);
    data = read;
    return 1;
  };
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const std::string input(reinterpret_cast<const char*>(bytes), size);
  TProfile p;
  Hook(p);
  data.Init();
  try {
    if (p.Decode(input) == 0) return 0;
  } catch (const TShortRead&) {
    return 0;
  }
  if (data.LevelPack < 0 || data.LevelPack > 1) std::abort();
  for (int i = 0; i < 2; ++i)
    if (data.Level[size_t(i)] < 1 || data.Level[size_t(i)] > 55 || data.Unlocked[size_t(i)] < 1) std::abort();
  const std::string once = p.Encode();
  if (once.size() != TProfile::HeadSize + TProfileGameData::Size) std::abort();
  TProfile q;
  Hook(q);
  if (q.Decode(once) != 1 || q.Encode() != once) std::abort();
  return 0;
}
