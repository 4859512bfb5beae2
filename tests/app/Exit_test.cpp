#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "app/Startup.h"
#include "screens/Screen.h"
#include "screens/ScreenSwitch.h"
#include "support/GameFixture.h"

namespace {
class ThrowingScreen : public TScreen {
 public:
  void Logic() override { throw std::runtime_error("the board fell over"); }
};

// Runs the loop the way the start function protects it.
[[noreturn]] void RunProtected() {
  // No display in the child: the message box falls back to standard error.
  unsetenv("DISPLAY");
  static ThrowingScreen screen;
  Screens().CurrentTScreen = &screen;
  ProgressMarker = 1014;
  try {
    RunMainLoop();
  } catch (const std::exception& e) {
    ReportException(e);
  }
}
}  // namespace

using ExitDeathTest = GameTest;

TEST_F(ExitDeathTest, ExceptionFromScreenLogicIsShownWithMarkerAndExitsZero) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  now += 20;
  EXPECT_EXIT(RunProtected(), ::testing::ExitedWithCode(0), "\\(1014\\) the board fell over");
}

TEST_F(ExitDeathTest, CloseRequestWithoutFadeEndsWithExitCodeZero) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  Screens().FadeOnExit = 0;
  Game->TerminatedEvent = 1;
  static TScreen idle;
  Screens().CurrentTScreen = &idle;
  now += 20;
  EXPECT_EXIT(RunMainLoop(), ::testing::ExitedWithCode(0), "");
}
