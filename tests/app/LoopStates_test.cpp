// The main loop around pauses and endings: a request to end while the game
// stands still, the screen shake running with the logic, and the settings a
// pause must not touch.
#include <fstream>
#include <iterator>

#include "EventFixture.h"
#include "app/GameDisplay.h"
#include "core/GameClock.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "gfx/ParticleList.h"
#include "screens/GameFade.h"
#include "screens/ScreenSwitch.h"
#include "ui/MousePointer.h"

namespace {
void PushQuit() {
  SDL_Event e{};
  e.type = SDL_QUIT;
  SDL_PushEvent(&e);
}

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
}  // namespace

class LoopStates : public EventGameTest {};

TEST_F(LoopStates, RequestToEndWhilePausedOrSuspendedEndsAtOnce) {
  Game->TogglePause();
  PushQuit();
  EXPECT_EQ(Frame(5), -1) << "paused: nothing would ever run the exit fade";
  EXPECT_EQ(Screens().Fading(), 0);

  Screens().InstantExit = 0;
  Game->TogglePause();
  Game->Suspended = 1;
  PushQuit();
  EXPECT_EQ(Frame(5), -1) << "suspended: the same";

  // A running game still leaves through its fade.
  Screens().InstantExit = 0;
  Game->Suspended = 0;
  PushQuit();
  EXPECT_EQ(Frame(5), 1);
  EXPECT_EQ(Screens().Fading(), 1);
  EXPECT_EQ(Screens().DestinationTScreen, Screens().ExitScreen.get());
}

TEST_F(LoopStates, ScreenShakeRunsDownWithTheLogicAndStandsStillWhilePaused) {
  Settings().screenShake = 100;
  GameDisplay().SetScreenShake(4, 0, 20);
  ASSERT_FLOAT_EQ(GameDisplay().screenShakeCounter, 19) << "setting a shake takes its first step";
  Frame(25);  // five updates
  EXPECT_FLOAT_EQ(GameDisplay().screenShakeCounter, 14);
  Game->TogglePause();
  Frame(25);
  EXPECT_FLOAT_EQ(GameDisplay().screenShakeCounter, 14) << "a pause holds the shake";
  Game->TogglePause();
  for (int i = 0; i < 5; ++i) Frame(25);
  EXPECT_FLOAT_EQ(GameDisplay().screenShakeRange, 0) << "a finished shake puts the picture back";
}

TEST_F(LoopStates, PauseNeverReachesTheSettingsFile) {
  Settings().Music = Settings().Speech = 1;
  Game->TogglePause();
  ASSERT_EQ(Settings().Speech, 0) << "the pause silences speech";
  Game->IniUpdate(1);
  std::string text = FileText(folder / "tinselvale.ini");
  EXPECT_NE(text.find("\r\nSPEECH=1\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\nMUSIC=1\r\n"), std::string::npos) << text;
  Game->TogglePause();

  // Music switched off by the player stays off in the file, paused or not.
  Settings().Music = 0;
  Game->Suspended = 1;
  Game->PausedMusicState = 0;
  Game->PausedSpeechState = 1;
  Settings().Speech = 0;
  Game->IniUpdate(1);
  text = FileText(folder / "tinselvale.ini");
  EXPECT_NE(text.find("\r\nMUSIC=0\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\nSPEECH=1\r\n"), std::string::npos) << text;
  Game->Suspended = 0;
}

TEST_F(LoopStates, AGameStandingStillWaitsButStillReadsItsEventsAndSkipsTheWait) {
  // The clock moves 100 ms while the loop waits, as a real wait with nothing to do would.
  bool waiting = false;
  SetClockSource([&] {
    const uint32_t t = now;
    if (waiting) now += 100, waiting = false;
    return t;
  });
  Frame(5);
  const double armed = Clock().FixedRateLogic.LastTime;
  waiting = true;
  Game->WaitWhileIdle();
  EXPECT_EQ(Clock().FixedRateLogic.LastTime, armed) << "a running game does not wait";
  waiting = false;

  Game->TogglePause();
  Frame(5);
  for (int pass = 0; pass < 3; ++pass) {
    now += 16;  // drawing the frame
    waiting = true;
    Game->WaitWhileIdle();
    if (pass == 2) PushKey('p');
    EXPECT_EQ(Game->MainLogicLoop(), 1);
    EXPECT_DOUBLE_EQ(Clock().FixedRateLogic.TmpMS, 16) << "the frame counts, the wait does not";
  }
  EXPECT_EQ(Game->Paused, 0) << "the updates between waits read the key that ends the pause";

  // The pointer's sparkles go on moving in a pause: the loop draws them out before it waits.
  Game->TogglePause();
  Frame(5);
  Pointer().ParticleList->AddNew(10, 10, nullptr, 1, 0, 0, 100, 0, 0, 0, 1, 0, 100);
  const double before = Clock().FixedRateLogic.LastTime;
  waiting = true;
  Game->WaitWhileIdle();
  EXPECT_EQ(Clock().FixedRateLogic.LastTime, before) << "no wait while the trail still moves";
  Pointer().ParticleList->Clear();
  Game->WaitWhileIdle();
  EXPECT_GT(Clock().FixedRateLogic.LastTime, before) << "a still picture waits again";
  Game->TogglePause();
}
