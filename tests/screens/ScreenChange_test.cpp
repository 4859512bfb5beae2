#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ErrorReport.h"
#include "core/Settings.h"
#include "screens/GameFade.h"
#include "screens/Screen.h"
#include "screens/ScreenSwitch.h"
#include "support/GameFixture.h"

namespace {
std::vector<std::string> journal;

// A screen that writes what happens to it into the journal.
class LoggingScreen : public TScreen {
 public:
  explicit LoggingScreen(std::string n) { name = std::move(n); }
  void Load() override { journal.push_back(name + ".Load"); }
  void Start() override {
    journal.push_back(name + ".Start");
    TScreen::Start();
  }
  void CoreStart() override {
    journal.push_back(name + ".CoreStart");
    TScreen::CoreStart();
  }
  void Kill() override {
    journal.push_back(name + ".Kill");
    TScreen::Kill();
  }
  void PostFadeOut() override { journal.push_back(name + ".PostFadeOut"); }
  void Logic() override {
    ++logicCount;
    if (leaveTo) {
      Screens().DestinationTScreen = leaveTo;
      Screens().GameFade->Init(float(StandardFadeLength), 1, nullptr, 1, 0);
      leaveTo = nullptr;
    }
  }
  TScreen* leaveTo = nullptr;
  int logicCount = 0;
};
}  // namespace

class ScreenChangeTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    journal.clear();
    a.PreStart();
    journal.clear();
  }
  LoggingScreen a{"a"}, b{"b"};
};

TEST_F(ScreenChangeTest, WithoutFadesTheSwitchHappensInTheSameUpdate) {
  Settings().Fade = 0;
  a.leaveTo = &b;
  Frame(5);
  EXPECT_EQ(Screens().CurrentTScreen, &b);
  EXPECT_EQ(Screens().LastTScreen, &a);
  std::vector<std::string> expected{"a.PostFadeOut", "a.Kill", "b.Load", "b.Start", "b.CoreStart"};
  EXPECT_EQ(journal, expected) << "the old screen hears of the fade before the new one loads";
}

TEST_F(ScreenChangeTest, FadeOutTakesItsLengthInTicksAndLastDestinationWins) {
  a.leaveTo = &b;
  Frame(5);                                   // fade starts: 500 ms = 100 ticks
  EXPECT_EQ(Screens().GameFade->Length, 100);
  Screens().DestinationTScreen = &a;              // replaced while the fade runs...
  EXPECT_EQ(Screens().GameFade->Init(100, 1, nullptr, 1, 0), 0) << "a running fade is never restarted";
  Screens().DestinationTScreen = &b;              // ...the one set last counts
  for (int i = 0; i < 9; ++i) Frame(50);     // 90 more ticks, still fading
  EXPECT_EQ(Screens().CurrentTScreen, &a);
  EXPECT_GT(a.logicCount, 50) << "the leaving screen keeps moving while it darkens";
  Frame(50);
  Frame(5);
  EXPECT_EQ(Screens().CurrentTScreen, &b);
}

TEST_F(ScreenChangeTest, StoppedScreenKeepsItsStateOnReturn) {
  Settings().Fade = 0;
  a.StopKill = 1;
  a.StopInit = 1;
  a.leaveTo = &b;
  Frame(5);
  b.leaveTo = &a;
  journal.clear();
  Frame(5);
  EXPECT_EQ(Screens().CurrentTScreen, &a);
  std::vector<std::string> expected{"b.PostFadeOut", "b.Kill", "a.CoreStart"};
  EXPECT_EQ(journal, expected) << "no Kill when leaving a, no Load or Start when coming back";
}

TEST_F(ScreenChangeTest, ExitScreenEndsTheLoopAndMissingDestinationIsReported) {
  Settings().Fade = 0;
  a.leaveTo = Screens().ExitScreen.get();
  Frame(5);
  EXPECT_EQ(Screens().InstantExit, 1);
  EXPECT_EQ(Screens().CurrentTScreen, Screens().ExitScreen.get());
  EXPECT_EQ(Frame(5), -1) << "the next logic update ends the program";

  Screens().InstantExit = 0;
  b.PreStart();
  Screens().DestinationTScreen = nullptr;
  Screens().GameFade->Init(0, 1, nullptr, 1, 0);
  // A fatal report, logged: it ends the program without the good-exit marker.
  struct Reported {
    std::string text;
  };
  int fatal = 0, logged = 0;
  SetErrorReportHook([&](const std::string& text, int f, int l) {
    fatal = f;
    logged = l;
    throw Reported{text};
  });
  try {
    Screens().ScreenChange();
    ADD_FAILURE() << "a fade-out without a destination must be reported";
  } catch (const Reported& r) {
    EXPECT_EQ(r.text, "Screen 'b' does not have a destination screen set!");
  }
  SetErrorReportHook(nullptr);
  EXPECT_EQ(fatal, 1);
  EXPECT_EQ(logged, 1);
}

TEST_F(ScreenChangeTest, PausedOrSuspendedGameRunsNoScreenLogic) {
  Game->Paused = 1;
  Frame(50);
  EXPECT_EQ(a.logicCount, 0);
  Game->Paused = 0;
  Frame(50);
  EXPECT_EQ(a.logicCount, 10);
}
