#include <gtest/gtest.h>

#include <climits>

#include "../player/PlayerFixture.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "game/Board.h"
#include "game/PlayerProgress.h"
#include "player/Profile.h"

namespace fs = std::filesystem;

namespace {
std::string LE(int32_t v) {
  std::string s;
  for (int i = 0; i < 4; ++i) s.push_back(char((uint32_t(v) >> (8 * i)) & 0xFF));
  return s;
}

class ProgressTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    TProfile::CreateUserFunction = InitNewProfile;
  }
  void TearDown() override {
    TProfile::CreateUserFunction = nullptr;
    LevelPack = 0;
    PlayerTest::TearDown();
  }
  void LoadPlayer(const std::string& name) {
    Settings().ProfileName = name;
    LoadCurrentProfile();
  }
};
}  // namespace

TEST_F(ProgressTest, ANewPlayerStartsAtTheBeginningAndProgressComesBack) {
  // What the last player reached must not leak into a new one.
  LevelPack = 1;
  PlayerProgress.Level[0] = 30;
  PlayerProgress.Unlocked[1] = 40;
  LoadPlayer("Ann");
  EXPECT_EQ(LevelPack, 0);
  std::string block = LE(0);
  for (int i = 0; i < 10; ++i) block += LE(1) + LE(1);
  EXPECT_EQ(ReadTestFile(profiles / "Ann.dat").substr(440), block);

  LevelPack = 1;
  PlayerProgress.Level[1] = 12;
  PlayerProgress.Unlocked[1] = 20;
  Game->CurrentProfile->Save();
  LoadPlayer("Bob");
  EXPECT_EQ(PlayerProgress.Level[1], 1);
  LoadPlayer("Ann");
  EXPECT_EQ(LevelPack, 1);
  EXPECT_EQ(PlayerProgress.Level[1], 12);
  EXPECT_EQ(PlayerProgress.Unlocked[1], 20);
  EXPECT_TRUE(reports.empty());
}

TEST_F(ProgressTest, NumbersFromADamagedFileCannotPointOutsideThePacks) {
  auto head = TProfile::Create("Eve")->Encode();
  std::string block = LE(7);
  block += LE(0) + LE(-5);       // classic pack: level 0, unlocked below 1
  block += LE(56) + LE(56);      // gold pack: a level past the last, a finished pack
  for (int i = 2; i < 10; ++i) block += LE(i == 2 ? INT_MIN : 900 + i) + LE(i == 9 ? -1 : i);
  Put(profiles / "Eve.dat", head + block);
  LoadPlayer("Eve");
  EXPECT_EQ(LevelPack, 0);
  EXPECT_EQ(PlayerProgress.Level[0], 1);
  EXPECT_EQ(PlayerProgress.Unlocked[0], 1);
  EXPECT_EQ(PlayerProgress.Level[1], 1);
  EXPECT_EQ(PlayerProgress.Unlocked[1], 56);
  Game->CurrentProfile->Save();
  EXPECT_EQ(ReadTestFile(profiles / "Eve.dat").substr(440 + 4 + 16), block.substr(4 + 16))
      << "the slots no pack uses are kept as they were";
}

TEST_F(ProgressTest, TheSettingsNameNeverLeadsOutOfTheProfileFolder) {
  LoadPlayer("../../evil");
  EXPECT_EQ(Game->CurrentProfile->Name, "");
  SetCurrentPlayer("Cleo");
  EXPECT_EQ(Game->CurrentProfile->Name, "Cleo");
  EXPECT_NE(ReadTestFile(Game->Ini->Path()).find("PROFILE NAME=Cleo\r\n"), std::string::npos);
  std::vector<std::string> inProfiles;
  for (const auto& f : FilesWritten())
    if (f.rfind("profiles/", 0) == 0) inProfiles.push_back(f);
  EXPECT_EQ(inProfiles, (std::vector<std::string>{"profiles/Cleo.dat"})) << "no nameless hidden file";
  EXPECT_FALSE(fs::exists(folder.parent_path() / "evil.dat"));
}
