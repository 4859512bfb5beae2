// The soak player's hands in a real window: a drag must press where it starts and let
// go where it ends, as the game's own pointer sees it, and keys and typed text must
// reach the game's input. A soak whose presses land a few pixels off plays a different
// gem, and a level is never won.
#include <gtest/gtest.h>

#include <SDL.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "SoakInput.h"
#include "app/GameDisplay.h"
#include "core/DataPaths.h"
#include "core/ErrorReport.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Input.h"
#include "core/Settings.h"
#include "gfx/Draw.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/Window.h"
#include "screens/Screen.h"
#include "screens/ScreenSwitch.h"
#include "support/WindowGameFixture.h"
#include "ui/MousePointer.h"

namespace fs = std::filesystem;

namespace {
const fs::path kBuild = TV_BUILD_DIR;

// What a screen sees of the input in each logic update.
struct TWatchingScreen : TScreen {
  struct TPress {
    int x, y;
  };
  std::vector<TPress> presses;
  std::vector<TPress> releases;
  int held = 0;
  int enters = 0;
  std::string typed;
  void Logic() override {
    TMousePointer& mouse = Pointer();
    if (mouse.h1 > 0) presses.push_back({mouse.x, mouse.y});
    if (held && !mouse.b1) releases.push_back({mouse.x, mouse.y});
    held = mouse.b1;
    if (InputKeyHit(13)) ++enters;
    for (int c = InputGetChar(); c != 0; c = InputGetChar())
      if (c >= 32) typed.push_back(char(c));
  }
};

class SoakInputWindow : public WindowGameTest {
 protected:
  void SetUp() override {
    if (!fs::exists(kBuild / "Data")) GTEST_SKIP() << "the data tree has not been made (build the gamedata target)";
    StartGame(screen);
  }
  void TearDown() override {
    if (game) StopGame();
  }
  // Plays the queued steps, one per frame, then a few frames more.
  void Play() {
    for (int i = 0; i < 200 && input.Busy(); ++i) {
      ASSERT_TRUE(input.Step()) << input.Failure;
      Game->MainLogicLoop();
    }
    ASSERT_FALSE(input.Busy());
    for (int i = 0; i < 3; ++i) Game->MainLogicLoop();
  }

  TWatchingScreen screen;
  TSoakInput input;
};
}  // namespace

TEST_F(SoakInputWindow, PressesAndReleasesLandWhereTheyAreMeant) {
  input.Drag(125, 175, 175, 175);
  Play();
  ASSERT_EQ(screen.presses.size(), 1u);
  EXPECT_EQ(screen.presses[0].x, 125);
  EXPECT_EQ(screen.presses[0].y, 175);
  ASSERT_EQ(screen.releases.size(), 1u);
  EXPECT_EQ(screen.releases[0].x, 175);
  EXPECT_EQ(screen.releases[0].y, 175);

  // A click far away: one press more, there, and the button let go again.
  input.Click(700, 40);
  Play();
  ASSERT_EQ(screen.presses.size(), 2u);
  EXPECT_EQ(screen.presses[1].x, 700);
  EXPECT_EQ(screen.presses[1].y, 40);
  EXPECT_EQ(Pointer().b1, 0);
}

TEST_F(SoakInputWindow, KeysAndTypedTextReachTheGame) {
  input.Type("Soak");
  input.Wait(2);
  input.Key(SDLK_RETURN);
  Play();
  EXPECT_EQ(screen.typed, "Soak");
  EXPECT_EQ(screen.enters, 1);
}
