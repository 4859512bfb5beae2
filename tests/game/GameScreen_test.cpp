// The game screen without a window: levels written into the test's own folder,
// the pictures and buttons of the built data tree, a profile in the test's folder.
// Checks what the player would see and keep: panel numbers, the gauge, the
// no-moves restart, the won level's outro and the one-time tutorial pages.
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "BoardPlayFixture.h"
#include "audio/GameSound.h"
#include "audio/Mixer.h"
#include "core/DataPaths.h"
#include "core/Settings.h"
#include "frontend/GameMenu.h"
#include "game/GameGrid.h"
#include "game/GemList.h"
#include "game/GameScreen.h"
#include "game/GameTotals.h"
#include "gfx/Draw.h"
#include "game/HintScroll.h"
#include "game/PlayerProgress.h"
#include "core/Input.h"
#include "gfx/Animation.h"
#include "player/Profile.h"
#include "screens/GameFade.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "support/TestFolder.h"
#include "ui/GameText.h"
#include "ui/MousePointer.h"

namespace fs = std::filesystem;

class GameScreenTest : public BoardPlayTest {
 protected:
  void SetUp() override {
    BoardPlayTest::SetUp();
    const std::string built = std::string(TV_BUILD_DIR) + "/";
    if (!fs::exists(built + "Data/graphics/hintbody.png")) GTEST_SKIP() << "data tree not built";
    folder = TestFolder();
    fs::create_directories(folder / "data/levels");
    fs::create_directories(folder / "profiles");
    UseBuiltData(built, folder);
    RegisterScreen(TScreenId::HintScroll, &scroll);
    LevelPack = 0;
    // Bricks everywhere: a filled board of this size always has a move.
    Write(12, "0\n0\n5,5\n0,0\n1,1,1,1,1\n1,1,1,1,1\n1,1,1,1,1\n1,1,1,1,1\n1,1,1,1,1\n");
    Write(1, "0\n0\n5,5\n0,0\n1,1,1,1,1\n1,1,1,1,1\n1,1,1,1,1\n1,1,1,1,1\n1,1,1,1,1\n");
    // Four cells can never hold a line.
    Write(2, "0\n0\n2,2\n0,0\n1,1\n1,1\n");
  }
  void TearDown() override {
    if (started) screen.Kill();
    RegisterScreen(TScreenId::HintScroll, nullptr);
    RegisterScreen(TScreenId::GameMenu, nullptr);
    Mixer().ChannelsKill();
    scroll.Kill();
    GameText.reset();
    TProfile::CreateUserFunction = nullptr;
    std::error_code ec;
    if (!folder.empty()) fs::remove_all(folder, ec);
    BoardPlayTest::TearDown();
  }
  void Write(int level, const std::string& text) {
    std::ofstream(folder / "data/levels" / (std::to_string(level) + ".txt"), std::ios::binary) << text;
  }
  // The current pack's level, then the screen entered as from the level map.
  void Play(int level, int score = 0) {
    PlayerProgress.Level[size_t(LevelPack)] = level;
    screen.GameStart();
    screen.Player->Score = score;
    screen.Load();
    screen.Start();
    started = true;
  }
  // Logic steps as the main loop runs them: a press lasts one step.
  void Step(int n) {
    for (int i = 0; i < n; ++i) {
      screen.Logic();
      Pointer().ClearMouseHit();
    }
  }
  void ClickAnywhere() {
    Pointer().h1 = 1;
    Pointer().CalcButtonTotals();
  }

  // The real in-game menu over the level, and the level's jingle made observable: the
  // channel pool writes the loudness it gives a sound into it.
  void UseMenu() {
    RegisterScreen(TScreenId::GameMenu, &menu);
    Mixer().ChannelsCreate(4);
  }
  bool JinglePlayed() {
    const bool played = screen.SoundLevelStart->volume != -1;
    screen.SoundLevelStart->volume = -1;
    return played;
  }
  void Key(int key, bool ctrl = false) {
    KeyDowns[162] = KeyDowns[17] = ctrl ? 1 : 0;
    KeyHits[key] = 1;
  }

  fs::path folder;
  static inline int counter = 0;
  TGameMenu menu;
  TGameScreen screen;
  THintScroll scroll;
  bool started = false;
};

TEST(GameScreenRules, BackgroundsMusicHintPagesAndPanelFormats) {
  EXPECT_EQ(TGameScreen::BackgroundNumber(10), 10);
  EXPECT_EQ(TGameScreen::MusicTrackNumber(10), 5);
  EXPECT_EQ(TGameScreen::BackgroundNumber(11), 1);
  EXPECT_EQ(TGameScreen::MusicTrackNumber(11), 1);
  EXPECT_EQ(TGameScreen::BackgroundNumber(12), 2);
  EXPECT_EQ(TGameScreen::MusicTrackNumber(12), 2);
  EXPECT_EQ(TGameScreen::BackgroundNumber(55), 5);

  EXPECT_EQ(TGameScreen::StartHintRecord(0, 1), 0);
  EXPECT_EQ(TGameScreen::StartHintRecord(0, 9), 8);
  EXPECT_EQ(TGameScreen::StartHintRecord(1, 8), 7);
  EXPECT_EQ(TGameScreen::StartHintRecord(1, 9), 9) << "the gold pack's ninth page has a record of its own";
  EXPECT_EQ(TGameScreen::StartHintRecord(0, 10), -1);
  EXPECT_EQ(TGameScreen::StartHintRecord(1, 0), -1);

  EXPECT_EQ(ScoreText(90), "000090");
  EXPECT_EQ(ScoreText(0), "000000");
  EXPECT_EQ(ScoreText(1234567), "1234567");
  EXPECT_EQ(TimeText((9 * 60 + 5) * 1000.0), "9: 05");
  EXPECT_EQ(TimeText(59999), "0: 59");
  EXPECT_EQ(TimeText(0), "0: 00");
  EXPECT_EQ(TimeText(-20), "0: 00");
  EXPECT_EQ(TimeText(100 * 60 * 1000.0), "100: 00");
}

TEST_F(GameScreenTest, TheLevelsPicturesMusicAndPanelScore) {
  Game->CurrentProfile->HintsSet(1);
  Play(12, 1200);
  EXPECT_EQ(Mixer().MusicFileName, "level2.ogg");
  EXPECT_TRUE(screen.Image);
  EXPECT_EQ(screen.CurrentLevel(), 12);
  EXPECT_EQ(screen.GetChapter(), 3);
  EXPECT_EQ(screen.GetSubLevel(), 2);
  EXPECT_EQ(screen.Player->Target, 25);
  screen.Player->Score += 90;
  EXPECT_EQ(ScoreText(screen.Player->LevelScore()), "000090") << "the panel shows the level's share";
  // A damaged level number plays level 1 rather than a file that is not there.
  PlayerProgress.Level[0] = 400;
  EXPECT_EQ(screen.CurrentLevel(), 1);
}

TEST_F(GameScreenTest, TheGaugeFillsOneSecondAfterEachFreedCreature) {
  Game->CurrentProfile->HintsSet(0);
  for (int i = 0; i < 9; ++i) Game->CurrentProfile->HintsShown[size_t(i)] = 1;
  Play(12);
  Step(200);
  ASSERT_FALSE(screen.IntroAnim->Active);
  Board().Host().MunchkinFreed();
  EXPECT_EQ(screen.Player->MunchkinsFreed, 1);
  Step(199);
  EXPECT_EQ(Grid->DiagonalGauge, 0);
  Step(1);
  EXPECT_EQ(Grid->DiagonalGauge, 1);
  for (int i = 0; i < 10; ++i) Board().Host().MunchkinFreed();
  Step(200);
  EXPECT_EQ(Grid->DiagonalGauge, 10) << "the gauge stops at its top";
  EXPECT_EQ(Grid->BonusPower, 2) << "the next bonus piece acts with the larger area";
  EXPECT_GT(Grid->DiagonalTextCounter, 0) << "\"Gauge Full\" shows";
  EXPECT_TRUE(scroll.Active);
  EXPECT_EQ(scroll.Hint, 17);
  EXPECT_EQ(Game->CurrentProfile->HintsShown[17], 1);
  // Using the piece empties the gauge.
  Grid->EmptyGauge();
  EXPECT_EQ(Grid->DiagonalGauge, 0);
  EXPECT_EQ(Grid->BonusPower, 1);
}

TEST_F(GameScreenTest, ABoardWithoutMovesStartsAgainWithItsBricksAndKeepsThePoints) {
  Game->CurrentProfile->HintsSet(1);
  Game->CurrentProfile->Score = 500;
  Play(2, 1200);
  Step(200);
  // Points earned and a brick cleared before the board ran out of moves.
  screen.Player->Score += 90;
  CellAt(0, 0)->gold = 0;
  Grid->Gold = 3;
  Step(1);
  ASSERT_EQ(Grid->NoMore, 1);
  EXPECT_EQ(screen.Player->Alive, 0);
  EXPECT_GT(screen.Player->DeathCounter, 0);
  EXPECT_EQ(Game->CurrentProfile->Score, 500) << "the profile keeps the totals it was saved with";
  Step(799);
  EXPECT_EQ(Grid->Gold, 3) << "four seconds of shaking and scattering first";
  EXPECT_EQ(Grid->NoMore, 1);
  Step(1);
  EXPECT_EQ(Grid->Gold, 4) << "every brick is back";
  EXPECT_EQ(screen.Player->Score, 1290) << "the points earned are kept";
  EXPECT_EQ(screen.Player->LevelScore(), 0) << "the panel's level score starts again";
  EXPECT_EQ(screen.Player->Alive, 1);
  EXPECT_EQ(screen.Player->DeathCounter, 0);
  EXPECT_TRUE(screen.IntroAnim->Active) << "the level starts with its intro again";
  EXPECT_EQ(Grid->NoMore, 0);

  // These four cells can never hold a line: with a level map to go back to, the
  // board is not built again for ever after its next no-moves sequence.
  TScreen map;
  RegisterScreen(TScreenId::LevelSelect, &map);
  for (int i = 0; i < 2000 && Screens().DestinationTScreen != &map; ++i) Step(1);
  EXPECT_EQ(Screens().DestinationTScreen, &map);
  EXPECT_EQ(Grid->Gold, 4) << "left as it was, not built again";
  RegisterScreen(TScreenId::LevelSelect, nullptr);
}

TEST_F(GameScreenTest, AWonLevelRunsItsOutroThenTheNextLevelIsSaved) {
  Game->CurrentProfile->HintsSet(1);
  Game->CurrentProfile->HintsShown[15] = 0;
  Play(12, 100);
  EXPECT_EQ(Grid->LevelEndStart(), 0) << "not while the level's intro runs";
  Step(210);
  screen.Player->Kills = 7;
  // Nearly 20 s without a match: the "stuck?" page is due, but not over a won level.
  screen.HintShowCounter = 20000 / 5 - 2;
  ASSERT_EQ(Grid->LevelEndStart(), 1);
  EXPECT_EQ(screen.OutroRunning(), 1);
  EXPECT_EQ(Grid->LevelEndStart(), 0) << "one outro at a time";
  const float rowY = CellAt(0, 0)->sy;
  Step(500);
  EXPECT_FALSE(scroll.Active);
  EXPECT_EQ(Game->CurrentProfile->HintsShown[15], 0);
  EXPECT_EQ(screen.GetHUDX(), 0);
  EXPECT_GT(CellAt(0, 0)->sy, rowY) << "the board falls away";
  Step(200);
  EXPECT_LT(screen.GetHUDX(), -1) << "the panel slides out in the last 1500 ms";
  EXPECT_NE(Screens().DestinationTScreen, &screen);
  Step(200);
  EXPECT_EQ(Screens().DestinationTScreen, &screen) << "the screen is entered again for the next level";
  EXPECT_EQ(PlayerProgress.Level[0], 13);
  EXPECT_EQ(PlayerProgress.Unlocked[0], 13);
  EXPECT_EQ(screen.Player->TotalKills, 7);
  EXPECT_GT(screen.Player->TotalTimeTaken, 0);
  auto saved = TProfile::Create("Tester");
  saved->LoadUserFunction = LoadProfileData;
  PlayerProgress.Level[0] = 0;
  ASSERT_EQ(saved->Load(), 1);
  EXPECT_EQ(PlayerProgress.Level[0], 13) << "the level reached is in the file";
  EXPECT_EQ(saved->Score, 100);
}

TEST_F(GameScreenTest, ALevelsTutorialPageOpensOnceAndIsRecordedInTheFile) {
  Play(1);
  ASSERT_TRUE(scroll.Active);
  EXPECT_EQ(scroll.Hint, 1);
  EXPECT_EQ(scroll.TotalLines, int(scroll.Text.size()));
  EXPECT_GT(scroll.TotalLines, 0);
  auto saved = TProfile::Create("Tester");
  ASSERT_EQ(saved->Load(), 1);
  EXPECT_EQ(saved->HintsShown[0], 1) << "recorded and saved at once";

  // The board waits under the scroll; a click while it unrolls is ignored.
  Step(10);
  ClickAnywhere();
  Step(80);
  ASSERT_TRUE(scroll.Active);
  EXPECT_EQ(screen.Player->TimeTaken, 0);
  ClickAnywhere();
  Step(1);
  EXPECT_EQ(scroll.Unroll->Reverse, 1) << "a click anywhere rolls it up";
  Step(81);
  EXPECT_FALSE(scroll.Active);
  EXPECT_FALSE(scroll.Image) << "its pictures are let go";

  // Starting the level again does not show the page again.
  screen.RestartLevel();
  EXPECT_FALSE(scroll.Active);
  // The gold pack's first level shares the record.
  LevelPack = 1;
  Write(1, "0\n0\n5,5\n0,0\n1,1,1,1,1\n1,1,1,1,1\n1,1,1,1,1\n1,1,1,1,1\n1,1,1,1,1\n");
  fs::create_directories(folder / "data/levelsGold");
  fs::copy_file(folder / "data/levels/1.txt", folder / "data/levelsGold/1.txt");
  screen.RestartLevel();
  EXPECT_FALSE(scroll.Active);
}

TEST_F(BoardPlayTest, GameTotalsLineUpInTwoColumnsAndSlideInOneAfterAnother) {
  TPlayer player;
  player.Score = 1290;
  player.TotalKills = 42;
  player.TotalTimeTaken = 12345;  // steps of 5 ms: 61.7 s
  auto totals = TGameTotals::Create(player);
  totals->CentreVert();
  EXPECT_EQ(totals->StartY, (600 - 120) / 2);
  totals->SetSlideLines();
  ASSERT_EQ(totals->Items.size(), 3u);
  EXPECT_EQ(totals->Values[0], "1290");
  EXPECT_EQ(totals->Values[1], "42");
  EXPECT_EQ(totals->Values[2], "61") << "whole seconds";
  const int label = TextWidth("Total Score");
  EXPECT_EQ(totals->w, label + 50 + TextWidth("1290"));
  EXPECT_EQ(totals->col1, (800 - totals->w) / 2);
  EXPECT_EQ(totals->col2, totals->col1 + label + 50);
  // Every line starts off screen to the left, one gap below the last.
  for (int i = 0; i < 3; ++i) {
    EXPECT_FLOAT_EQ(totals->Items[size_t(i)]->GetX(), float(-totals->w)) << i;
    EXPECT_FLOAT_EQ(totals->Items[size_t(i)]->GetY(), float(totals->StartY + 40 * i)) << i;
  }
  // 300 ms (60 steps) later the first line has arrived; the third waited 60 ms first.
  for (int s = 0; s < 60; ++s) totals->Manage();
  EXPECT_FLOAT_EQ(totals->Items[0]->GetX(), float(totals->col1));
  EXPECT_LT(totals->Items[2]->GetX(), float(totals->col1));
  for (int s = 0; s < 12; ++s) totals->Manage();
  EXPECT_FLOAT_EQ(totals->Items[2]->GetX(), float(totals->col1));
}

TEST_F(GameScreenTest, DeveloperKeysNeedCtrlAndActOnTheLevel) {
  Game->CurrentProfile->HintsSet(1);
  Play(12);
  Step(200);
  auto press = [](int key, bool ctrl) {
    KeyDowns[162] = KeyDowns[17] = ctrl ? 1 : 0;
    KeyHits[key] = 1;
  };
  // Without Ctrl (or the framework's debug mode) the letters do nothing.
  press('A', false);
  screen.SpecificKeys();
  EXPECT_EQ(Grid->DiagonalGauge, 0);
  // A: the gauge full at once.
  press('A', true);
  screen.SpecificKeys();
  EXPECT_EQ(Grid->DiagonalGauge, 10);
  EXPECT_EQ(Grid->BonusPower, 2);
  // R: the level built again from its file.
  CellAt(0, 0)->gold = 0;
  Grid->Gold = 24;
  press('R', true);
  screen.SpecificKeys();
  EXPECT_EQ(Grid->Gold, 25);
  EXPECT_EQ(Grid->DiagonalGauge, 0);
  // Q: the no-moves sequence; while it runs, R and J wait.
  Step(200);
  press('Q', true);
  screen.SpecificKeys();
  EXPECT_EQ(Grid->NoMore, 1);
  EXPECT_GT(Grid->NoMoreCounter, 0);
  press('J', true);
  screen.SpecificKeys();
  EXPECT_EQ(screen.OutroRunning(), 0);
  KeyDowns[162] = KeyDowns[17] = 0;
}

TEST_F(GameScreenTest, TheInGameMenuKeepsTheLevelStillAndTheJingleAndPointerWhereTheyBelong) {
  UseMenu();
  Game->CurrentProfile->HintsSet(1);
  Play(12);
  screen.SoundLevelStart = std::make_shared<TGameSound>();
  screen.SoundLevelStart->volume = -1;
  Step(200);
  // A targeting piece armed on the board rides the pointer.
  Grid->SetBonusPointer(11, 0);
  Key(27);
  screen.SpecificKeys();
  Step(1);
  ASSERT_EQ(menu.Active, 1);
  EXPECT_EQ(Grid->PointerGemType, 0) << "the menu's buttons get the plain pointer";
  EXPECT_EQ(Pointer().Image, ImageBank->Find("pointer")->image);
  EXPECT_FALSE(Pointer().Image2);

  // The developer keys wait while the menu shows.
  Step(81);
  CellAt(0, 0)->gold = 0;
  Grid->Gold = 24;
  Key('R', true);
  screen.SpecificKeys();
  EXPECT_EQ(Grid->Gold, 24) << "no restart under the menu";
  KeyHits['R'] = 0;

  // Back from the options (or help) the menu still shows: no jingle, no stale buttons,
  // and the detail chosen there reaches the gems on the board.
  menu.Menu->FindButton("options")->Glow = 0.8f;
  menu.Menu->FindButton("options")->MouseOver = 1;
  Settings().Particles = 0;
  screen.CoreStart();
  screen.PostFadeIn();
  EXPECT_FALSE(JinglePlayed());
  EXPECT_EQ(menu.Menu->FindButton("options")->Glow, 0);
  EXPECT_EQ(menu.Menu->FindButton("options")->MouseOver, 0);
  for (const auto& gem : Board().Gems->Items) EXPECT_EQ(gem->Shadow, 0);
  Settings().Particles = 100;
  screen.CoreStart();
  for (const auto& gem : Board().Gems->Items) EXPECT_EQ(gem->Shadow, 1);

  // Closing it gives the piece back to the pointer.
  Key(27);
  screen.SpecificKeys();
  Step(1);
  EXPECT_EQ(Grid->PointerGemType, 11);
  Step(100);
  EXPECT_EQ(menu.Active, 0);
  // A level that really starts again plays its jingle.
  screen.PostFadeIn();
  EXPECT_TRUE(JinglePlayed());
  KeyDowns[162] = KeyDowns[17] = 0;
}

TEST_F(GameScreenTest, EscapeOverATutorialPageOpensTheMenuAndTheDeveloperKeysStillWork) {
  UseMenu();
  Play(1);
  ASSERT_TRUE(scroll.Active);
  Step(90);
  Key(27);
  screen.SpecificKeys();
  Step(1);
  EXPECT_EQ(menu.Active, 1) << "the menu opens over the page";
  EXPECT_TRUE(scroll.Active) << "and the page waits under it";
  Key(27);
  screen.SpecificKeys();
  Step(100);
  EXPECT_EQ(menu.Active, 0);
  EXPECT_TRUE(scroll.Active);
  // Under the page (but not under the menu) Ctrl+A fills the gauge.
  Key('A', true);
  screen.SpecificKeys();
  EXPECT_EQ(Grid->DiagonalGauge, Grid->DiagonalGaugeMax);
  KeyDowns[162] = KeyDowns[17] = 0;
}
