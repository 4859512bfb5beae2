// The road between the screens of play without a window: the game screen, its hint
// scroll and level-complete panel, the level map and the closing screen registered
// as start-up registers them, the built data tree's pictures and texts, the levels
// and the profile in the test's own folder. Steps are logic updates, fades instant.
#pragma once
#include <filesystem>
#include <fstream>
#include <string>

#include "BoardPlayFixture.h"
#include "core/DataPaths.h"
#include "core/Game.h"
#include "core/Input.h"
#include "core/Settings.h"
#include "game/Board.h"
#include "game/GameFinishedScreen.h"
#include "game/GameScreen.h"
#include "game/HintScroll.h"
#include "game/LevelCompleteScreen.h"
#include "game/LevelSelectScreen.h"
#include "game/PlayerProgress.h"
#include "player/Profile.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "support/TestFolder.h"
#include "ui/GameText.h"
#include "ui/MousePointer.h"

class RoadTest : public BoardPlayTest {
 protected:
  void SetUp() override {
    BoardPlayTest::SetUp();
    const std::string built = std::string(TV_BUILD_DIR) + "/";
    if (!std::filesystem::exists(built + "Data/graphics/levelselect.png")) GTEST_SKIP() << "data tree not built";
    folder = TestFolder("-road");
    std::filesystem::create_directories(folder / "data/levels");
    std::filesystem::create_directories(folder / "data/levelsGold");
    std::filesystem::create_directories(folder / "profiles");
    UseBuiltData(built, folder);
    DataPaths().SubPath = folder.string() + "/";
    Game->CurrentProfile->Load();
    // The level-start tutorial pages are not what these tests look at.
    for (int record = 0; record < 19; ++record) Game->CurrentProfile->HintsShown[size_t(record)] = 1;
    panel.WallpaperSetter = [this](const std::string& path) {
      desktop = path;
      return true;
    };
    RegisterScreen(TScreenId::Game, &game);
    RegisterScreen(TScreenId::HintScroll, &scroll);
    RegisterScreen(TScreenId::LevelSelect, &map);
    RegisterScreen(TScreenId::LevelComplete, &panel);
    RegisterScreen(TScreenId::GameFinished, &finished);
    const std::string bricks = "0\n0\n5,5\n0,0\n1,1,1,1,1\n1,1,1,1,1\n1,1,1,1,1\n1,1,1,1,1\n1,1,1,1,1\n";
    for (const char* pack : {"levels", "levelsGold"})
      for (int level : {1, 2, 5, 10, 11, 12, 55})
        std::ofstream(folder / "data" / pack / (std::to_string(level) + ".txt"), std::ios::binary) << bricks;
  }
  void TearDown() override {
    if (gameStarted) game.Kill();
    if (mapStarted) map.Kill();
    scroll.Kill();
    for (TScreenId id : {TScreenId::Game, TScreenId::HintScroll, TScreenId::LevelSelect, TScreenId::LevelComplete,
                         TScreenId::GameFinished, TScreenId::Title, TScreenId::Instructions})
      RegisterScreen(id, nullptr);
    GameText.reset();
    TProfile::CreateUserFunction = nullptr;
    LevelPack = 0;
    PlayerProgress = {};
    BoardPlayTest::TearDown();
  }

  // The level of the current pack played, as when the map leads to the game screen.
  void Play(int level, int score = 0) {
    PlayerProgress.Level[size_t(LevelPack)] = level;
    if (gameStarted) game.Kill();
    game.GameStart();
    game.Player->Score = score;
    game.Load();
    game.Start();
    gameStarted = true;
  }
  // Plays the level to its end: the board cleared, the outro run, the panel opened.
  void Win(int level, int score = 0) {
    Play(level, score);
    Step(game, 210);
    game.Player->Score += 150;
    ASSERT_EQ(Grid->LevelEndStart(), 1);
    for (int i = 0; i < 1000 && !panel.Active; ++i) Step(game, 1);
    ASSERT_EQ(panel.Active, 1);
  }
  // Unrolled, clicked away, rolled up: the picture (or the gallery page over it).
  void RollAway() {
    Step(game, 90);
    ClickAnywhere();
    Step(game, 1);
    for (int i = 0; i < 200 && panel.Active == 1; ++i) Step(game, 1);
    ASSERT_EQ(panel.Active, 2);
  }
  void EnterMap() {
    if (mapStarted) map.Kill();
    Screens().DestinationTScreen = nullptr;
    map.Load();
    map.Start();
    mapStarted = true;
  }
  // The map's zoom-in over: the buttons shown and the pointer back.
  void MapReady() {
    for (int i = 0; i < 200 && map.Zooming(); ++i) Step(map, 1);
    ASSERT_FALSE(map.Zooming());
  }

 public:
  // Logic updates as the main loop runs them: a press or a key lasts one update.
  static void Step(TScreen& screen, int n) {
    for (int i = 0; i < n; ++i) {
      screen.Logic();
      Pointer().ClearMouseHit();
      InputFlushKeys();
    }
  }
  static void ClickAnywhere() {
    Pointer().h1 = 1;
    Pointer().CalcButtonTotals();
  }
  static void ClickAt(float x, float y) {
    Pointer().x = int(x);
    Pointer().y = int(y);
    ClickAnywhere();
  }

 protected:
  // What the saved file says, read into a fresh profile.
  static std::shared_ptr<TProfile> Saved() {
    auto saved = TProfile::Create("Tester");
    saved->LoadUserFunction = LoadProfileData;
    saved->Load();
    return saved;
  }

  std::filesystem::path folder;
  TGameScreen game;
  THintScroll scroll;
  TLevelSelectScreen map;
  TLevelCompleteScreen panel;
  TGameFinishedScreen finished;
  bool gameStarted = false, mapStarted = false;
  std::string desktop;
};
