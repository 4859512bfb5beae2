#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace {
TCommandLine Parse(std::initializer_list<const char*> args) {
  std::vector<const char*> argv{"tinselvale"};
  argv.insert(argv.end(), args);
  return ParseCommandLine(int(argv.size()), argv.data());
}
}  // namespace

TEST(CommandLine, ShortAndLongFormsMeanTheSameAndUnknownWordsAreRefused) {
  EXPECT_FALSE(Parse({}).Windowed);
  EXPECT_TRUE(Parse({}).Error.empty());
  EXPECT_TRUE(Parse({"-w"}).Windowed);
  EXPECT_TRUE(Parse({"--windowed"}).Windowed);
  EXPECT_TRUE(Parse({"-h"}).Help);
  EXPECT_TRUE(Parse({"--version"}).Version);
  // The first wrong word is the one reported, and it is quoted as typed.
  TCommandLine bad = Parse({"--windowed", "--fullscreen", "x"});
  EXPECT_TRUE(bad.Windowed);
  EXPECT_EQ(bad.Error, "unknown option '--fullscreen'");
  EXPECT_FALSE(Parse({"windowed"}).Error.empty()) << "a bare word is not an option";
}

TEST(CommandLineDeathTest, HelpAndVersionPrintAndEndWhileAWrongWordEndsWithTwo) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(HandleInformationalOptions(Parse({"--help"}), "tinselvale"), ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(HandleInformationalOptions(Parse({"--bogus"}), "tinselvale"), ::testing::ExitedWithCode(2),
              "unknown option '--bogus'");
  // Nothing to do: the game goes on starting.
  HandleInformationalOptions(Parse({"-w"}), "tinselvale");
  const std::string usage = UsageText("tinselvale");
  EXPECT_NE(usage.find("Usage: tinselvale"), std::string::npos);
  EXPECT_NE(usage.find("--windowed"), std::string::npos);
  EXPECT_EQ(VersionLine(), "Tinselvale GOLD 1.11\n");
}
