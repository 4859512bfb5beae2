// The in-game menu: Escape or the Menu button slides the scroll up over 400 ms, its
// buttons answer only at rest, Escape during the slide turns it back from where it
// is, and its choices visit other screens with the level kept loaded under it.
#include "FrontendFixture.h"
#include "audio/Mixer.h"
#include "frontend/GameMenu.h"
#include "frontend/TitleScreen.h"
#include "gfx/Animation.h"
#include "screens/ScreenSwitch.h"
#include "ui/MousePointer.h"

class GameMenuTest : public FrontendTest {
 protected:
  void SetUp() override {
    FrontendTest::SetUp();
    if (IsSkipped()) return;
    RegisterScreen(TScreenId::Game, &level);
    RegisterScreen(TScreenId::Options, &options);
    RegisterScreen(TScreenId::GameMenu, &menu);
    menu.Load();
  }
  void TearDown() override {
    menu.Kill();
    FrontendTest::TearDown();
  }
  void Escape() {
    InputRecordKey(27, 0, true);
    InputRecordKey(27, 0, false);
  }
  int Step(int ticks) {
    int result = 0;
    for (int i = 0; i < ticks; ++i) result = menu.MenuLogic();
    return result;
  }
  void Click(const std::string& name) {
    auto button = menu.Menu->FindButton(name);
    ASSERT_TRUE(button);
    ClickAt(int(button->x) + 5, int(button->y) + 5);
  }

  TGameMenu menu;
  TScreen level, options;
};

TEST_F(GameMenuTest, SlidesUpAndBackAndAnswersOnlyAtRest) {
  EXPECT_EQ(Step(1), TGameMenu::Showing);
  EXPECT_EQ(menu.Active, 0);
  Escape();
  EXPECT_EQ(Step(1), TGameMenu::Opened);
  EXPECT_EQ(menu.Active, 1);
  EXPECT_NEAR(menu.GetTopY(), 460, 1) << "the scroll starts below the screen";

  // Half way up the buttons do not answer.
  Step(39);
  const float halfway = menu.GetTopY();
  EXPECT_NEAR(halfway, 230, 6);
  Click("resume");
  EXPECT_EQ(Step(1), TGameMenu::Showing);
  EXPECT_TRUE(menu.Sliding());
  Pointer().ClearButtons();

  // Escape now turns it back from where it is.
  Escape();
  EXPECT_EQ(Step(1), TGameMenu::Closing);
  EXPECT_NEAR(menu.GetTopY(), halfway, 12);
  const int closing = [&] {
    int ticks = 0;
    while (menu.Active && ticks < 200) Step(1), ++ticks;
    return ticks;
  }();
  EXPECT_NEAR(closing, 41, 2) << "the way back is as long as the way up was";
  EXPECT_EQ(menu.Active, 0);

  // Fully open, "resume" closes it over the whole 400 ms.
  menu.Open();
  Step(81);
  EXPECT_FALSE(menu.Sliding());
  EXPECT_FLOAT_EQ(menu.GetTopY(), 0);
  Click("resume");
  EXPECT_EQ(Step(1), TGameMenu::Closing);
  Pointer().ClearButtons();
  EXPECT_EQ(Step(79), TGameMenu::Closed);
  EXPECT_EQ(menu.Active, 1);
  Step(2);
  EXPECT_EQ(menu.Active, 0);
}

TEST_F(GameMenuTest, VisitsKeepTheLevelLoadedAndSaveAndExitWorksWithoutAProfile) {
  menu.Open();
  Step(81);
  Click("options");
  Step(1);
  EXPECT_EQ(Screens().DestinationTScreen, &options);
  EXPECT_EQ(options.Destination, &level);
  EXPECT_EQ(level.StopKill, 1);
  EXPECT_EQ(level.StopInit, 1);
  EXPECT_EQ(menu.Active, 1) << "still open when the level comes back";


  // No title screen and no player: the program's end, and nothing saved.
  Screens().GameFade->Finish();
  Pointer().ClearButtons();
  Game->CurrentProfile.reset();
  Click("saveandexit");
  Step(1);
  EXPECT_EQ(Screens().DestinationTScreen, Screens().ExitScreen.get());

  // The title it leads to lets Escape end the program with the music fading out.
  TTitleScreen title;
  Mixer().FadeMusic = 0;
  title.SpecialLoad(0, 1);
  EXPECT_EQ(Mixer().FadeMusic, 1);
  title.Kill();
}
