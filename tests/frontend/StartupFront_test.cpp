// The front of start-up without a window: the loading table's order and size (the
// bar must end exactly full), the files it names existing in the data tree so the
// helper threads decode what the loader then reads, the title's test for an existing
// player, and the greeting of a player whose name is long.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/DataPaths.h"
#include "support/GameFixture.h"
#include "frontend/StartupLoading.h"
#include "frontend/TitleScreen.h"
#include "game/GameLoading.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "platform/Files.h"
#include "player/Profile.h"
#include "ui/GameText.h"

namespace {
const std::string kBuild = TV_BUILD_DIR;
bool DataBuilt() { return std::filesystem::exists(kBuild + "/Data/graphics/gems.png"); }
}  // namespace

class StartupFrontTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    ScreenWidth = 800;
    ScreenHeight = 600;
    DataPaths().DataPrefix = kBuild + "/";
    Game->SetDefaultPaths();
  }
};

TEST_F(StartupFrontTest, LoadingTableKeepsItsOrderAndFillsTheBarExactly) {
  const auto steps = GamePictureSteps();
  ASSERT_EQ(steps.size(), 62u);
  EXPECT_EQ(GameSoundFiles().size(), 25u);
  EXPECT_EQ(LoadingStepCount(), 90) << "text, 25 sounds, 62 pictures, high scores, title";
  EXPECT_EQ(steps[0].Kind, TPictureStep::Pointer);
  EXPECT_EQ(steps[3].File, "Localised/paused");
  EXPECT_EQ(steps[3].Kind, TPictureStep::Paused);
  EXPECT_EQ(steps[4].File, "gems");
  EXPECT_EQ(steps[4].Cells, 7);
  EXPECT_EQ(steps[12].Name, "brickmid");
  EXPECT_EQ(steps[19].File, "gem1anim");
  // The bonus strips, each once: 9 is followed by its activation strip; 11, 13 and 14
  // activate with their idle strip.
  std::vector<std::string> bonus;
  for (int i = 26; i <= 34; ++i) bonus.push_back(steps[i].File);
  EXPECT_EQ(bonus, (std::vector<std::string>{"bonus8idle", "bonus9idle", "bonus9activate", "bonus10idle",
                                             "bonus11idle", "bonus12idle", "bonus13idle", "bonus14idle",
                                             "bonus15idle"}));
  EXPECT_EQ(steps[35].Name, "panel");
  EXPECT_EQ(steps[56].File, "iceshard");
  EXPECT_EQ(steps[56].CellW, 32);
  EXPECT_EQ(steps[61].File, "staractiveMO");
  EXPECT_EQ(GameSoundFiles()[12], "levelend.ogg");
}

TEST_F(StartupFrontTest, EveryFileDecodedAheadIsOneTheLoaderReads) {
  if (!DataBuilt()) GTEST_SKIP() << "data tree not built";
  std::vector<std::string> paths = GamePicturePaths();
  for (const auto& file : GameSoundPaths()) paths.push_back(file);
  for (const auto& file : TTitleScreen::PictureFiles()) paths.push_back(file);
  EXPECT_EQ(paths.size(), 62u + 25u + 14u);
  for (const auto& path : paths) EXPECT_TRUE(PathExists(ResolveDataPath(path))) << path;
}

TEST(TitleScreen, OnlyAProperPlayerFileCountsAsAPlayer) {
  EXPECT_FALSE(TTitleScreen::HoldsPlayer({}));
  EXPECT_FALSE(TTitleScreen::HoldsPlayer({".", "..", ".dat"})) << "the nameless file is no player";
  EXPECT_FALSE(TTitleScreen::HoldsPlayer({"Ann.DAT", "Ann.dat.tmp", "notes.txt", "dat"}));
  EXPECT_FALSE(TTitleScreen::HoldsPlayer({"x\r\nFULL SCREEN=0.dat", std::string("a\x7f.dat")}))
      << "a name with control characters would break the settings file";
  EXPECT_TRUE(TTitleScreen::HoldsPlayer({".dat", "Ann.dat"}));
}

TEST_F(StartupFrontTest, GreetingNamesThePlayerAndStaysOnScreenForALongName) {
  if (!DataBuilt()) GTEST_SKIP() << "data tree not built";
  Font48 = LoadImageFont(kBuild + "/Data/fonts/CARD1.dat", 48, 6);
  GameText = TGameText::Create(DataPaths().TextPath + "gametext.txt");
  const std::string welcome = GameText->FindString("Welcome");
  ASSERT_FALSE(welcome.empty());
  TTitleScreen title;
  title.SetupWelcome();
  EXPECT_FALSE(title.Welcome) << "no player, no greeting";

  Game->CurrentProfile = std::make_shared<TProfile>();
  Game->CurrentProfile->Name = "Ann";
  title.SetupWelcome();
  ASSERT_TRUE(title.Welcome);
  EXPECT_EQ(title.Welcome->Text, welcome + " Ann");
  EXPECT_FLOAT_EQ(title.Welcome->Scale, 0.75f);
  EXPECT_FLOAT_EQ(title.Welcome->X, 415.0f);

  Game->CurrentProfile->Name = std::string(40, 'W');
  title.SetupWelcome();
  ASSERT_TRUE(title.Welcome);
  const float width = title.Welcome->CalcWidth() * title.Welcome->Scale;
  EXPECT_GE(title.Welcome->X - width / 2, 0.0f);
  EXPECT_LE(title.Welcome->X + width / 2, float(ScreenWidth));
  EXPECT_LT(title.Welcome->Scale, 0.75f);
  Game->CurrentProfile.reset();
  Font48.reset();
  GameText.reset();
}
