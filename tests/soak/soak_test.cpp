// The soak player's judgement: the figures it reads off the process, the growth it
// allows, and what it expects of the profile and settings files after a run. A soak
// that misreads these passes a leaking game or fails a healthy one after an hour.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "SoakChecks.h"
#include "SoakFigures.h"
#include "player/Profile.h"
#include "player/ProfileGameData.h"

namespace {
// Profile file bytes of a player who has won `won` classic levels, the gallery record
// of every fifth one spent.
std::string ProfileBytes(int won, int pack = 0) {
  TProfile profile;
  profile.Name = "Soak";
  for (int level = 5; level <= won; level += 5) profile.HintsShown[size_t(level / 5 + 88)] = 1;
  TProfileGameData data;
  data.Init();
  data.LevelPack = pack;
  data.Level[0] = won + 1;
  data.Unlocked[0] = won + 1;
  profile.SaveUserFunction = [&](std::string& out) {
    data.Write(out);
    return 1;
  };
  return profile.Encode();
}

bool Names(const std::vector<std::string>& faults, const char* words) {
  for (const auto& f : faults)
    if (f.find(words) != std::string::npos) return true;
  return false;
}
}  // namespace

TEST(SoakFigures, StatusFieldsAreReadByTheirWholeKey) {
  const std::string status =
      "Name:\ttv_soak\nVmHWM:\t  191260 kB\nVmRSS:\t  174124 kB\nThreads:\t8\nVmRSSExtra:\t5 kB\nBroken:\tkB\n";
  EXPECT_EQ(StatusField(status, "VmRSS"), 174124);
  EXPECT_EQ(StatusField(status, "VmHWM"), 191260);
  EXPECT_EQ(StatusField(status, "Threads"), 8);
  // A key that is only the start of another is not found in it.
  EXPECT_EQ(StatusField(status, "VmRS"), -1);
  EXPECT_EQ(StatusField(status, "Missing"), -1);
  EXPECT_EQ(StatusField(status, "Broken"), -1);
}

TEST(SoakFigures, TheProcessFiguresFollowWhatItHolds) {
  const TSoakFigures before = TakeSoakFigures();
  EXPECT_GT(before.RssKb, 0);
  EXPECT_GE(before.HwmKb, before.RssKb);
  EXPECT_GE(before.Threads, 1);
  EXPECT_GE(before.Fds, 3);
  EXPECT_GT(before.HeapBytes, 0);

  FILE* file = std::fopen("/proc/self/status", "r");
  ASSERT_NE(file, nullptr);
  const size_t size = 16u << 20;
  char* block = static_cast<char*>(std::malloc(size));
  ASSERT_NE(block, nullptr);
  std::memset(block, 1, size);
  const TSoakFigures holding = TakeSoakFigures();
  std::fclose(file);
  EXPECT_EQ(holding.Fds, before.Fds + 1);
  EXPECT_GE(holding.HeapBytes - before.HeapBytes, int64_t(size));
  std::free(block);
  const TSoakFigures after = TakeSoakFigures();
  EXPECT_EQ(after.Fds, before.Fds);
  EXPECT_LT(after.HeapBytes - before.HeapBytes, int64_t(size));
}

TEST(SoakFigures, GrowthBeyondItsLimitIsAFault) {
  TSoakLimits limits;
  limits.HeapBytes = 1000;
  limits.RssKb = 100;
  const TSoakFigures from{5000, 6000, 100000, 8, 8};
  TSoakFigures to = from;
  to.HeapBytes += 1000;
  to.RssKb += 100;
  EXPECT_TRUE(SoakGrowthFaults(from, to, limits).empty());
  // Shrinking is never a fault.
  to.HeapBytes = 10;
  to.Fds = 7;
  EXPECT_TRUE(SoakGrowthFaults(from, to, limits).empty());

  to = from;
  to.HeapBytes += 1001;
  to.Fds += 1;
  const auto faults = SoakGrowthFaults(from, to, limits);
  ASSERT_EQ(faults.size(), 2u);
  EXPECT_TRUE(Names(faults, "heap in use grew"));
  EXPECT_TRUE(Names(faults, "open file descriptors grew"));

  to = from;
  to.Threads = -1;
  EXPECT_TRUE(Names(SoakGrowthFaults(from, to, limits), "threads could not be read"));
}

TEST(SoakChecks, TheProfileMustHoldTheLevelReachedAndTheGalleryPictures) {
  TSoakExpectations expected{"Soak", 12, -1};
  EXPECT_TRUE(ProfileFaults(ProfileBytes(12), expected).empty());

  EXPECT_TRUE(Names(ProfileFaults(ProfileBytes(11), expected), "next classic level is 12, not 13"));
  EXPECT_TRUE(Names(ProfileFaults(ProfileBytes(12, 1), expected), "pack 1"));
  // A gallery record missing for a won fifth level, or spent for one not yet won.
  expected.LevelsWon = 10;
  std::string bytes = ProfileBytes(9);
  EXPECT_TRUE(Names(ProfileFaults(bytes, expected), "level 10 is not recorded"));
  expected.LevelsWon = 4;
  EXPECT_TRUE(Names(ProfileFaults(ProfileBytes(5), expected), "level 5, not yet won, is recorded"));

  EXPECT_TRUE(Names(ProfileFaults("", expected), "missing or empty"));
  EXPECT_TRUE(Names(ProfileFaults(std::string(8, '\0'), expected), "corrupt"));
  bytes = ProfileBytes(4);
  EXPECT_TRUE(Names(ProfileFaults(bytes.substr(0, bytes.size() - 10), expected), "ends too early"));
  EXPECT_TRUE(Names(ProfileFaults(bytes.substr(0, TProfile::HeadSize), expected), "ends too early"));
}

TEST(SoakChecks, TheSettingsMustHoldThePlayerAndTheLastVolume) {
  const TSoakExpectations expected{"Soak", 3, 30};
  EXPECT_TRUE(SettingsFaults("SOUND=1\r\nPROFILE NAME=Soak\r\nMUSIC VOLUME=30\r\n", expected).empty());
  EXPECT_TRUE(Names(SettingsFaults("PROFILE NAME=Soak\r\nMUSIC VOLUME=70\r\n", expected), "\"70\", not 30"));
  EXPECT_TRUE(Names(SettingsFaults("MUSIC VOLUME=30\r\n", expected), "player \"\""));
  EXPECT_TRUE(Names(SettingsFaults("", expected), "missing or empty"));
  // Without a visit to the options the volume is whatever the player had.
  EXPECT_TRUE(SettingsFaults("PROFILE NAME=Soak\r\nMUSIC VOLUME=80\r\n", {"Soak", 3, -1}).empty());
}
