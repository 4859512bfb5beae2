// The game-over screen: a score good enough for the table asks for a name, and "OK"
// (or Enter) puts it in at its place, pushing the lowest out; a poorer score or
// Escape leaves the table as it was.
#include "FrontendFixture.h"
#include "frontend/GameOverScreen.h"
#include "game/GameScreen.h"
#include "game/GameTotals.h"
#include "player/HighScoreEntry.h"
#include "player/HighScoreList.h"
#include "screens/ScreenSwitch.h"

class GameOverTest : public FrontendTest {
 protected:
  void SetUp() override {
    FrontendTest::SetUp();
    if (IsSkipped()) return;
    UseProfile("Tester");
    Game->HighScores = std::make_shared<THighScoreList>();
    Game->HighScores->Create((folder / "tv").string(), 10);
    for (int i = 0; i < 10; ++i) Game->HighScores->Add("P" + std::to_string(i), 1000 - 100 * i, 1);
    RegisterScreen(TScreenId::Game, &game);
    RegisterScreen(TScreenId::Title, &title);
  }
  void TearDown() override {
    screen.Kill();
    FrontendTest::TearDown();
  }
  void Type(const std::string& text) {
    for (char c : text) {
      InputQueueChar(uint8_t(c));
      screen.RunLogic();
    }
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : Game->HighScores->Entries) names.push_back(e.name);
    return names;
  }

  TGameOverScreen screen;
  TGameScreen game;
  TScreen title;
};

TEST_F(GameOverTest, AGoodScoreEntersTheTableAtItsPlace) {
  game.Player->Score = 650;
  Enter(screen);
  ASSERT_EQ(screen.High->HighScore, 1);
  ASSERT_TRUE(screen.InputName);
  Type("Zoe Q");
  EXPECT_EQ(screen.High->Name, "Zoe Q") << "a space is part of the name, not a press of OK";
  InputRecordKey(13, 0, true);
  InputRecordKey(13, 0, false);
  InputQueueChar(13);
  screen.RunLogic();
  EXPECT_EQ(Screens().DestinationTScreen, &title);
  const std::vector<std::string> want = {"P0", "P1", "P2", "P3", "Zoe Q", "P4", "P5", "P6", "P7", "P8"};
  EXPECT_EQ(Names(), want) << "above the 600, below the 700, the lowest gone";
  EXPECT_EQ(Game->HighScores->Entries[4].score, 650);
  // A second step (Enter read again by the field) adds nothing more.
  screen.RunLogic();
  EXPECT_EQ(Names(), want);

  // The finished game's profile starts a new game.
  EXPECT_EQ(Game->CurrentProfile->Score, 0);
  EXPECT_EQ(Game->CurrentProfile->Lives, 3);
}

TEST_F(GameOverTest, APoorScoreOrEscapeLeavesTheTableAsItWas) {
  const auto before = Names();
  game.Player->Score = 50;
  Enter(screen);
  EXPECT_EQ(screen.High->HighScore, 0);
  EXPECT_FALSE(screen.InputName) << "no name field";
  EXPECT_NE(screen.GameTotals->StartY, 150) << "the totals move to the middle";
  ASSERT_EQ(screen.GameTotals->Items.size(), 3u) << "score, matches and time slide in";
  EXPECT_EQ(screen.GameTotals->Values[0], "50");
  ClickButton(screen, "ok");
  EXPECT_EQ(Screens().DestinationTScreen, &title);
  EXPECT_EQ(Names(), before);
  screen.Kill();

  Screens().GameFade->Finish();
  game.Player->Score = 5000;
  Enter(screen);
  Type("Max");
  EXPECT_EQ(screen.SetEscDestination(), 0);
  EXPECT_EQ(Screens().DestinationTScreen, &title);
  EXPECT_EQ(Names(), before) << "Escape leaves without the typed name";
}
