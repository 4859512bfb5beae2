#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "core/DataPaths.h"
#include "player/Profile.h"
#include "player/ProfileGameData.h"
#include "screens/Screen.h"
#include "PlayerFixture.h"
#include "screens/ScreenSwitch.h"

namespace fs = std::filesystem;

namespace {
std::string LE(uint32_t v) {
  std::string s;
  for (int i = 0; i < 4; ++i) s.push_back(char((v >> (8 * i)) & 0xFF));
  return s;
}

// A profile carrying a game block of its own, as the game installs it.
class ProfileTest : public PlayerTest {
 protected:
  TProfilePtr Make(const std::string& name) {
    auto p = TProfile::Create(name);
    p->SaveUserFunction = [this](std::string& out) {
      data.Write(out);
      return 1;
    };
    p->LoadUserFunction = [this](TByteReader& in) {
      TProfileGameData read;
      read.Init();
      read.Read(in);
      read.Bound(55);
      data = read;
      return 1;
    };
    return p;
  }
  void SetUp() override {
    PlayerTest::SetUp();
    data.Init();
  }
  TProfileGameData data;
};
}  // namespace

TEST_F(ProfileTest, NewProfileFileIsTheFixedLayout) {
  auto p = Make("Ann");
  p->Save();
  // Worked out by hand: (1, 2, 0, 3, 0) plus 3961253 plus 0..4 times 1789447.
  std::string want;
  for (uint32_t w : {3961254u, 5750702u, 7540147u, 9329597u, 11119041u}) want += LE(w);
  want += std::string(8, '\0');                  // no time played
  want += LE(0) + LE(1) + LE(1);                 // difficulty, tips, instructions
  want += std::string(400, '\0');                // no record shown yet
  want += LE(0);                                 // the classic pack
  for (int i = 0; i < 10; ++i) want += LE(1) + LE(1);
  ASSERT_EQ(want.size(), 524u);
  EXPECT_EQ(ReadTestFile(profiles / "Ann.dat"), want);
  EXPECT_EQ(FilesWritten(), std::vector<std::string>{"profiles/Ann.dat"}) << "no temporary file is left";
}

TEST_F(ProfileTest, ValuesAtTheLimitsSurviveTheFile) {
  auto p = Make("Max");
  p->CurrentLevel = INT_MAX;
  p->LockedLevel = INT_MIN;
  p->Score = -1;
  p->Lives = -3961253;
  p->Kills = INT_MAX;
  p->TimeTaken = -1.5e300;
  p->Difficulty = INT_MIN;
  p->TipsFlag = -7;
  p->InstructionsFlag = 2;
  p->HintsShown[0] = 1;
  p->HintsShown[99] = -1;
  data.Level[1] = 55;
  data.Unlocked[1] = 56;
  data.Level[9] = INT_MIN;
  const std::string bytes = p->Encode();
  // The key wraps past 2^32 instead of overflowing.
  EXPECT_EQ(bytes.substr(0, 4), LE(2151444900u));
  EXPECT_EQ(bytes.substr(4, 4), LE(2153234348u));

  TProfileGameData written = data;
  data.Init();
  auto q = Make("Max");
  ASSERT_EQ(q->Decode(bytes), 1);
  EXPECT_EQ(q->CurrentLevel, INT_MAX);
  EXPECT_EQ(q->LockedLevel, INT_MIN);
  EXPECT_EQ(q->Score, -1);
  EXPECT_EQ(q->Lives, -3961253);
  EXPECT_EQ(q->Kills, INT_MAX);
  EXPECT_EQ(q->TimeTaken, -1.5e300);
  EXPECT_EQ(q->Difficulty, INT_MIN);
  EXPECT_EQ(q->TipsFlag, -7);
  EXPECT_EQ(q->InstructionsFlag, 2);
  EXPECT_EQ(q->HintsShown, p->HintsShown);
  EXPECT_EQ(data.Level, written.Level);
  EXPECT_EQ(data.Unlocked, written.Unlocked) << "a finished pack keeps 56";
}

TEST_F(ProfileTest, DamagedFilesAreReportedAndNeverSavedOver) {
  const std::string kept = " The file is kept as it is; progress made now will not be saved.";
  auto p = Make("Ann");
  p->Score = 77;
  // A file of zeros: reported once, not read again, nothing taken from it.
  Put(profiles / "Ann.dat", std::string(524, '\0'));
  EXPECT_EQ(p->Load(), 0);
  EXPECT_EQ(reports, std::vector<std::string>{"Profile Ann is corrupt: First int was 0." + kept});
  EXPECT_EQ(p->loadingError, 1);
  EXPECT_EQ(p->Score, 77);
  p->Save();
  EXPECT_EQ(ReadTestFile(profiles / "Ann.dat"), std::string(524, '\0')) << "neither loading nor saving replaces it";

  // Shorter than the head: every attempt fails, then one report with the reason.
  reports.clear();
  Put(profiles / "Ann.dat", LE(5) + LE(6) + LE(7));
  EXPECT_EQ(p->Load(), 0);
  EXPECT_EQ(reports, std::vector<std::string>{"Profile Ann failed to load (the file ends too early)." + kept});
  EXPECT_EQ(p->loadingError, 0);
  p->ShowHint(7, 1);
  EXPECT_EQ(ReadTestFile(profiles / "Ann.dat"), LE(5) + LE(6) + LE(7));

  // Too large to be a profile, or not a file at all: not read, not replaced.
  for (bool large : {true, false}) {
    reports.clear();
    fs::remove_all(profiles / "Ann.dat");
    if (large) Put(profiles / "Ann.dat", std::string(TProfile::MaxFileBytes + 1, 'x'));
    else fs::create_directory(profiles / "Ann.dat");
    EXPECT_EQ(p->Load(), 0);
    const std::string why = std::strerror(large ? EFBIG : EISDIR);
    EXPECT_EQ(reports, std::vector<std::string>{"Profile Ann failed to load (" + why + ")." + kept});
    p->Save();
    EXPECT_EQ(fs::is_directory(profiles / "Ann.dat"), !large);
    EXPECT_EQ(large ? fs::file_size(profiles / "Ann.dat") : 0, large ? TProfile::MaxFileBytes + 1 : 0);
  }
  fs::remove_all(profiles / "Ann.dat");

  // The game block cut inside the packs in use: the hint records were read, the game
  // data is untouched.
  reports.clear();
  auto full = Make("Ann");
  full->HintsShown[3] = 1;
  data.Level[0] = 9;
  data.Level[1] = 12;
  std::string bytes = full->Encode();
  data.Init();
  Put(profiles / "Ann.dat", bytes.substr(0, 450));
  EXPECT_EQ(p->Load(), 0);
  EXPECT_EQ(reports, std::vector<std::string>{"Profile Ann failed to load (the file ends too early)." + kept});
  EXPECT_EQ(p->HintsShown[3], 1);
  EXPECT_EQ(data.Level[0], 1);

  // Cut only inside the slots no pack uses: all of the progress is read and saved again.
  reports.clear();
  Put(profiles / "Ann.dat", bytes.substr(0, 520));
  EXPECT_EQ(p->Load(), 1);
  EXPECT_EQ(data.Level[0], 9);
  EXPECT_EQ(data.Level[1], 12);
  p->Save();
  EXPECT_EQ(ReadTestFile(profiles / "Ann.dat"), bytes);
  EXPECT_TRUE(reports.empty());

  // An old file with only a few records, read without a game block: the rest are clear.
  auto old = TProfile::Create("Old");
  old->HintsSet(1);
  Put(profiles / "Old.dat", old->Encode().substr(0, 40 + 3 * 4));
  auto plain = TProfile::Create("Old");
  plain->HintsShown[50] = 1;
  EXPECT_EQ(plain->Load(), 1);
  EXPECT_EQ(plain->HintsShown[2], 1);
  EXPECT_EQ(plain->HintsShown[3], 0);
  EXPECT_EQ(plain->HintsShown[50], 0);

  // No file: made from the values in memory.
  auto fresh = Make("New");
  EXPECT_EQ(fresh->Load(), 1);
  EXPECT_EQ(ReadTestFile(profiles / "New.dat"), fresh->Encode());
  EXPECT_TRUE(reports.empty());
}

TEST_F(ProfileTest, AFailedSaveIsReportedOnceWithTheReason) {
  // A name too long for the file system: every save fails the same way.
  auto p = Make(std::string(300, 'n'));
  EXPECT_EQ(p->Load(), 1);
  p->Save();
  p->ShowHint(1, 1);
  const std::string path = p->FilePath();
  EXPECT_EQ(reports, std::vector<std::string>{"Failed to save file " + path + " (" + std::strerror(ENAMETOOLONG) + ")"});
  // A folder that is not one fails for its own reason, reported once too.
  reports.clear();
  Put(folder / "plain", "");
  DataPaths().ProfilePath = (folder / "plain").string() + "/";
  auto q = Make("Ann");
  q->Save();
  q->Save();
  EXPECT_EQ(reports, std::vector<std::string>{"Failed to save file " + q->FilePath() + " (" + std::strerror(ENOTDIR) + ")"});
  EXPECT_NE(ReadTestFile(folder / "ErrorLog.txt").find(q->FilePath()), std::string::npos) << "and logged";
}

TEST_F(ProfileTest, EachRecordAnswersOnceAndIsSaved) {
  auto p = Make("Ann");
  EXPECT_EQ(p->ShowHint(5, 1), 1);
  EXPECT_EQ(ReadTestFile(profiles / "Ann.dat").substr(40 + 5 * 4, 4), LE(1));
  EXPECT_EQ(p->ShowHint(5, 1), 0);
  fs::remove(profiles / "Ann.dat");
  EXPECT_EQ(p->ShowHint(6, 0), 1);
  EXPECT_FALSE(fs::exists(profiles / "Ann.dat")) << "not saved when not asked";
  // Record numbers worked out from damaged data change nothing.
  const auto before = p->HintsShown;
  for (int bad : {-1, 100, INT_MIN, INT_MAX}) EXPECT_EQ(p->ShowHint(bad, 1), 0) << bad;
  EXPECT_EQ(p->HintsShown, before);
  EXPECT_FALSE(fs::exists(profiles / "Ann.dat"));
  p->HintsSet(1);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(p->ShowHint(i, 0), 0) << i;
}

TEST_F(ProfileTest, NamesThatCouldLeaveTheFolderNameNoFileAndWriteNothing) {
  fs::create_directories(folder / "x");
  const std::vector<std::string> names = {"", "../x", "..", ".", "a/b", "x\\y", "tab\there",
                                         std::string("nul\0x", 5), "del\x7f", "\x81odd"};
  for (const auto& name : names) {
    auto p = Make(name);
    p->Save();
    EXPECT_EQ(p->FilePath(), DataPaths().ProfilePath + ".dat") << name;
    EXPECT_EQ(p->Load(), 1) << name;
    EXPECT_EQ(p->ShowHint(2, 1), 1) << name;
  }
  // Letters outside ASCII are kept, written as the file system expects them.
  Make("Zo\xEB")->Save();
  Make("\x80uro")->Save();
  EXPECT_EQ(FilesWritten(), (std::vector<std::string>{"profiles/Zo\xC3\xAB.dat", "profiles/\xE2\x82\xACuro.dat"}));
  EXPECT_TRUE(reports.empty());
}

TEST_F(ProfileTest, EndingTheProgramDuringALevelSavesThePlayer) {
  TScreen screen;
  Screens().CurrentTScreen = &screen;
  Game->CurrentProfile = Make("Ann");
  screen.name = "title";
  Game->TerminatedEvent = 1;
  EXPECT_EQ(Game->GameTerminated(), -1);
  EXPECT_FALSE(fs::exists(profiles / "Ann.dat")) << "only play is saved on the way out";
  screen.name = "game";
  Game->TerminatedEvent = 1;
  EXPECT_EQ(Game->GameTerminated(), -1);
  EXPECT_EQ(Screens().InstantExit, 1);
  EXPECT_TRUE(fs::exists(profiles / "Ann.dat"));
  Game->CurrentProfile.reset();
  Game->TerminatedEvent = 1;
  EXPECT_EQ(Game->GameTerminated(), -1);
  Screens().CurrentTScreen = nullptr;
}
