// The board's share of the loading pass against the generated data tree, the
// game screen's level source and its way through the packs, and the board
// clock following the game's timer.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "BoardPlayFixture.h"
#include "core/DataPaths.h"
#include "core/GameClock.h"
#include "core/Settings.h"
#include "game/GameLoading.h"
#include "game/GameScreen.h"
#include "game/PlayerProgress.h"
#include "gfx/Animation.h"
#include "gfx/ImageBank.h"
#include "ui/MousePointer.h"
#include "game/LevelFile.h"
#include "gfx/Draw.h"

TEST_F(BoardPlayTest, StartUpPicturesAreFiledUpperCaseWithTheirHandlesAndStrips) {
  const std::string folder = std::string(TV_BUILD_DIR) + "/Data/graphics/";
  if (!std::filesystem::exists(folder + "gems.png")) GTEST_SKIP() << "data tree not built";
  DataPaths().ImagePath = folder;
  auto saved = std::move(ImageBank);
  ImageBank = std::make_unique<TImageBank>();
  ImageBank->SetPath(folder);
  int steps = 0;
  LoadGamePictures([&steps] { ++steps; });
  EXPECT_EQ(steps, 62) << "one loading-bar step per picture of the table";
  auto& bank = *ImageBank;
  // Renamed files under their bank names, centred; the board's pictures at their corners.
  for (const char* name : {"BRICKMID", "ARMOURMID", "FIREBALL", "GOLDDUST", "SCORE100", "PARTICLERING", "PAUSED"}) {
    auto p = bank.Find(name, 1);
    ASSERT_TRUE(p) << name;
    EXPECT_EQ(p->midhandled, 1) << name;
  }
  for (const char* name : {"GEMS", "LOCK", "CELL", "BRICK", "CURSOR", "POINTERSMALL", "BONUS13IDLE", "PANEL"}) {
    auto p = bank.Find(name, 1);
    ASSERT_TRUE(p) << name;
    EXPECT_EQ(p->midhandled, 0) << name;
  }
  EXPECT_FALSE(bank.Find("BRICKPARTICLE", 1));
  EXPECT_FALSE(bank.Find("SCORE90", 1));
  EXPECT_EQ(bank.Find("GEMS")->Frames(), 7);
  EXPECT_EQ(bank.Find("GEM4ANIM")->Frames(), 50);
  EXPECT_EQ(bank.Find("ICESHARD")->Frames(), 50);
  EXPECT_EQ(bank.Find("ICESHARD")->w, 32);
  EXPECT_EQ(bank.Find("BONUS9ACTIVATE")->Frames(), 1);
  EXPECT_EQ(bank.Find("BONUS9ACTIVATE")->midhandled, 1);
  EXPECT_EQ(bank.Find("BRICK")->w, 50);
  EXPECT_EQ(bank.Find("ARMOUR")->h, 50);
  // The pointer's own picture carries its hot spot 4 pixels in.
  ASSERT_TRUE(Pointer().Image);
  EXPECT_EQ(Pointer().offsetx, 4);
  EXPECT_TRUE(Game->SpritePaused);
  ImageBank = std::move(saved);
}

TEST(BoardResources, SoundListCoversEveryBoardSound) {
  auto grid = std::make_shared<TGameGrid>();
  grid->SetSounds();
  // Every name the rules play must be among the sounds the board loads.
  std::vector<std::string> played = {grid->ClickSound,    grid->ClickReverseSound, grid->InvalidSound,
                                     grid->SwapSound,     grid->FailedSound,       grid->MatchSound,
                                     grid->MatchNoBrickSound, grid->LockedSound,   grid->UnlockSound,
                                     grid->LandSound,     grid->HintSound,         grid->SoundNoMore,
                                     grid->SoundExplode,  grid->ExplodeSound,      grid->StarSound,
                                     grid->BrushSound,    grid->BrushInvalidSound, grid->PaintpotSound,
                                     grid->HornSound,     grid->TornadoSound,      grid->MagicSound};
  const std::string folder = std::string(TV_BUILD_DIR) + "/Data/sound/";
  if (std::filesystem::exists(folder)) {
    for (auto& name : played) EXPECT_TRUE(std::filesystem::exists(folder + name + ".wav")) << name;
  }
}

TEST_F(BoardPlayTest, EveryLevelOfBothPacksLoadsFromItsFile) {
  DataPaths().DataPrefix = std::string(TV_BUILD_DIR) + "/";
  if (!std::filesystem::exists(DataPaths().DataPrefix + TGameGrid::LevelPath(0, 1))) GTEST_SKIP() << "data tree not built";
  for (int pack = 0; pack < 2; ++pack) {
    for (int level = 1; level <= 55; ++level) {
      Grid = TGameGrid::Create();
      ASSERT_EQ(Grid->LoadFile(DataPaths().DataPrefix + TGameGrid::LevelPath(pack, level)), 1) << pack << "/" << level;
      EXPECT_GT(Grid->Gold, 0) << pack << "/" << level;
      EXPECT_LE(Grid->levelwidth, 12) << pack << "/" << level;
    }
  }
}

TEST_F(BoardPlayTest, BoardClockFollowsTheGameTimer) {
  EXPECT_FLOAT_EQ(Board().Clock().AnimLength(200), 40);
  Clock().CurrentSpeed = 2.0f;
  EXPECT_FLOAT_EQ(Board().Clock().AnimLength(200), 20);
  // A new grid takes its swap time from the timer as it is now.
  NewGrid();
  EXPECT_FLOAT_EQ(Grid->SwapTime, 20);
  Clock().CurrentSpeed = 1.0f;
  // A game object whose timer was never set up still gives whole 5 ms steps.
  Clock().FixedRateLogic.MS = 0;
  EXPECT_FLOAT_EQ(Board().Clock().AnimLength(200), 40);
}

TEST_F(BoardPlayTest, ClearedLevelLeadsToTheNextAndAFinishedPackStartsAgain) {
  DataPaths().DataPrefix = std::string(TV_BUILD_DIR) + "/";
  Game->SetDefaultPaths();
  Settings().Music = 0;
  if (!std::filesystem::exists(DataPaths().DataPrefix + TGameGrid::LevelPath(1, 1))) GTEST_SKIP() << "data tree not built";
  TGameScreen screen;
  PlayerProgress.Level = {};
  PlayerProgress.Unlocked = {};
  PlayerProgress.Level[0] = 54;
  PlayerProgress.Level[1] = 1;
  LevelPack = 0;
  screen.Load();
  screen.Start();
  auto expect = [&](int pack, int level) {
    std::ifstream in(DataPaths().DataPrefix + TGameGrid::LevelPath(pack, level), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const TLevelFile file = TLevelFile::Parse(text);
    EXPECT_EQ(LevelPack, pack);
    EXPECT_EQ(screen.CurrentLevel(), level);
    ASSERT_TRUE(Grid);
    EXPECT_EQ(Grid->LevelName, file.LevelName);
    EXPECT_TRUE(screen.Image) << "each level brings its background";
  };
  // A won level counts; the screen is then entered again for the next one.
  int finished = 0;
  auto win = [&] {
    finished = screen.AdvanceLevel();
    screen.Kill();
    screen.Load();
    screen.Start();
  };
  expect(0, 54);
  win();
  expect(0, 55);
  EXPECT_EQ(finished, 0);
  EXPECT_EQ(PlayerProgress.Unlocked[0], 55);
  win();
  EXPECT_EQ(finished, 1);
  expect(0, 1);
  EXPECT_EQ(PlayerProgress.Level[0], 1) << "a finished pack starts again at its first level";
  EXPECT_EQ(PlayerProgress.Unlocked[0], 56) << "with every level of it left open";
  LevelPack = 1;
  PlayerProgress.Level[1] = 55;
  screen.Kill();
  screen.Load();
  screen.Start();
  win();
  // The game never moves to the other pack by itself.
  expect(1, 1);
  // No move left starts the same level again once the board's step is over.
  Board().Host().NoMovesOver();
  screen.IntroAnim->Stop();
  screen.Logic();
  expect(1, 1);
  screen.Kill();
}
