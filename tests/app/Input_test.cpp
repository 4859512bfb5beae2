#include "EventFixture.h"
#include "audio/Mixer.h"
#include "core/Settings.h"
#include "screens/GameFade.h"
#include "screens/ScreenSwitch.h"
#include "ui/MousePointer.h"

namespace {
void PushText(const char* utf8) {
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  std::strncpy(e.text.text, utf8, sizeof e.text.text - 1);
  SDL_PushEvent(&e);
}

void PushButton(int sdlButton, bool down) {
  SDL_Event e{};
  e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.button = Uint8(sdlButton);
  SDL_PushEvent(&e);
}
}  // namespace

class InputTest : public EventGameTest {};

TEST_F(InputTest, KeyPressesHoldsAndRepeats) {
  PushKey(SDLK_a, true);
  PushKey(SDLK_a, true, true);  // autorepeat adds presses
  Game->DoPeekEvent();
  EXPECT_EQ(InputKeyDown('A'), 1);
  EXPECT_EQ(InputFirstKeyHit(), -1) << "two presses are not 'exactly one'";
  EXPECT_EQ(InputKeyHit('A'), 1);
  EXPECT_EQ(InputKeyHit('A'), 0) << "several presses between two reads count once";

  PushKey(SDLK_a, false);
  PushKey(SDLK_LSHIFT, true);
  Game->DoPeekEvent();
  EXPECT_EQ(InputKeyDown('A'), 0);
  EXPECT_EQ(InputKeyDown(16), 1) << "a modifier sets its generic code...";
  EXPECT_EQ(InputKeyDown(160), 1) << "...and its left/right code";
  EXPECT_EQ(InputFirstKeyHit(), 16);

  // Keys without a code, and codes outside 0-255, never reach the tables.
  PushKey(SDLK_F13, true);
  Game->DoPeekEvent();
  EXPECT_EQ(InputKeyHit(-1), 0);
  EXPECT_EQ(InputKeyHit(256), 0);
  EXPECT_EQ(InputKeyDown(0x40000000 | 104), 0);
}

TEST_F(InputTest, TypedCharactersAreQueuedAsWindows1252) {
  PushText("a\xE2\x82\xAC\xC3\xA9\xE4\xB8\xAD");  // a, euro sign, e acute, a CJK character
  PushKey(SDLK_BACKSPACE, true);
  PushKey(SDLK_RETURN, true);
  PushKey(SDLK_ESCAPE, true);
  Game->DoPeekEvent();
  EXPECT_EQ(InputGetChar(), 'a');
  EXPECT_EQ(InputGetChar(), 128);
  EXPECT_EQ(InputGetChar(), 233);
  EXPECT_EQ(InputGetChar(), 8) << "characters with no cp1252 code are dropped";
  EXPECT_EQ(InputGetChar(), 13);
  EXPECT_EQ(InputGetChar(), 27);
  EXPECT_EQ(InputGetChar(), 0);

  for (int i = 0; i < 300; ++i) InputQueueChar('x');
  int count = 0;
  while (InputGetChar()) ++count;
  EXPECT_EQ(count, 256) << "a full queue drops new characters";
}

TEST_F(InputTest, MouseButtonsWheelAndClicks) {
  PushButton(SDL_BUTTON_LEFT, true);
  PushButton(SDL_BUTTON_RIGHT, true);
  Game->DoPeekEvent();
  auto& m = Pointer();
  EXPECT_EQ(m.h1, 0) << "a press makes earlier uncollected presses disappear";
  EXPECT_EQ(m.h2, 1);
  EXPECT_EQ(m.mh, 1);
  EXPECT_EQ(m.mb, 2);
  EXPECT_EQ(m.GetLeftClick(), 0);
  EXPECT_EQ(m.mh, 0) << "reading a click empties the total";

  PushButton(SDL_BUTTON_MIDDLE, true);
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = -2;
  SDL_PushEvent(&wheel);
  Game->DoPeekEvent();
  EXPECT_EQ(m.b3, 1);
  EXPECT_EQ(m.GetMh(1), 1);
  EXPECT_EQ(m.GetMh(0), 0) << "a taken click reaches no other widget";
  EXPECT_EQ(m.GetMouseZSpeed(), -2);
  EXPECT_EQ(m.GetMouseZSpeed(), 0);
  EXPECT_EQ(m.z, -2);
}

TEST_F(InputTest, FlushesDropInputButKeepRequestsToEnd) {
  PushKey(SDLK_SPACE, true);
  PushButton(SDL_BUTTON_LEFT, true);
  PushSimple(SDL_QUIT);
  InputFlush();  // the presses were made while no logic ran
  Game->DoPeekEvent();
  EXPECT_EQ(InputKeyHit(32), 0);
  EXPECT_EQ(Pointer().GetMh(0), 0);
  EXPECT_EQ(Game->TerminatedEvent, 1);

  Game->TerminatedEvent = 0;
  InputPollingOn();
  PushKey(SDLK_x, true);
  EXPECT_EQ(InputKeyHit('X'), 1) << "polled mode reads the window system directly";
  PushKey(SDLK_y, true);
  PushSimple(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE);
  InputPollingOff();
  EXPECT_EQ(PolledInputMode, 0);
  EXPECT_EQ(Game->TerminatedEvent, 1) << "a close during a wait loop is not lost";
  Game->DoPeekEvent();
  EXPECT_EQ(InputKeyHit('Y'), 0);
}

TEST_F(InputTest, PauseAndEscape) {
  PushKey(SDLK_p, true);
  Frame(5);
  EXPECT_EQ(Game->Paused, 1);

  // Escape while paused only unpauses; it starts no fade.
  PushKey(SDLK_ESCAPE, true);
  Frame(5);
  EXPECT_EQ(Game->Paused, 0);
  EXPECT_EQ(Screens().Fading(), 0);

  // A click also ends a pause.
  Game->TogglePause();
  PushButton(SDL_BUTTON_LEFT, true);
  Frame(5);
  EXPECT_EQ(Game->Paused, 0);

  // A screen that keeps Escape to itself still sees the press.
  Game->IgnoreEscapeKey = 1;
  PushKey(SDLK_ESCAPE, true);
  Frame(5);
  EXPECT_EQ(Screens().Fading(), 0);
  EXPECT_EQ(InputKeyHit(27), 1);

  // Otherwise Escape starts the leaving fade towards the exit.
  Game->IgnoreEscapeKey = 0;
  PushKey(SDLK_ESCAPE, true);
  Frame(5);
  EXPECT_EQ(Screens().Fading(), 1);
  EXPECT_EQ(Screens().DestinationTScreen, Screens().ExitScreen.get());
}

TEST_F(InputTest, FocusLossSuspendsUntilFocusReturns) {
  struct Counting : TScreen {
    int n = 0;
    void Logic() override { ++n; }
  } counting;
  counting.PreStart();
  PushSimple(SDL_WINDOWEVENT, SDL_WINDOWEVENT_FOCUS_LOST);
  Frame(50);
  EXPECT_EQ(Game->Suspended, 1);
  EXPECT_EQ(counting.n, 0);
  now += 5000;
  PushSimple(SDL_WINDOWEVENT, SDL_WINDOWEVENT_FOCUS_GAINED);
  Frame(0);
  EXPECT_EQ(Game->Suspended, 0);
  EXPECT_LE(counting.n, 10) << "five seconds away are not caught up beyond one capped frame";
  int before = counting.n;
  Frame(10);
  EXPECT_EQ(counting.n - before, 2) << "the timer was re-armed on return";
}

TEST_F(InputTest, FrameworkKeysWorkOnlyWhenSwitchedOn) {
  Settings().SoundVolume = Settings().MusicVolume = Settings().SpeechVolume = 100;
  Game->IgnoreFrameworkKeys = 1;  // as this game runs
  PushKey(SDLK_MINUS, true);
  Frame(5);
  EXPECT_EQ(Settings().SoundVolume, 100);

  Game->IgnoreFrameworkKeys = 0;
  PushKey(SDLK_MINUS, true);
  Frame(5);
  EXPECT_EQ(Settings().SoundVolume, 90);
  EXPECT_EQ(Settings().MusicVolume, 90);
  EXPECT_EQ(Settings().SpeechVolume, 90);
  EXPECT_TRUE(std::filesystem::exists(folder / "tinselvale.ini")) << "a volume change is saved at once";

  // M switches the music, but not while the game is paused.
  Settings().Music = 1;
  Mixer().MusicRestart = 0;  // as after a track has played: switching off pauses it
  const int music = 1;
  Game->Paused = 1;
  PushKey(SDLK_m, true);
  PushKey(SDLK_m, false);
  Frame(5);
  EXPECT_EQ(Settings().Music, music);
  Game->Paused = 0;
  PushKey(SDLK_m, true);
  PushKey(SDLK_m, false);
  Frame(5);
  EXPECT_EQ(Settings().Music, 0);

  PushKey(SDLK_LCTRL, true);
  PushKey(SDLK_x, true);
  Frame(5);
  EXPECT_EQ(Screens().InstantExit, 1) << "Ctrl+X quits at once";
}

TEST_F(InputTest, AWindowCloseDuringAFadeStillEndsTheProgram) {
  // A screen fading in when the player closes the window.
  Screens().GameFade->Init(float(StandardFadeLength), 0);
  ASSERT_EQ(Screens().Fading(), 1);
  PushSimple(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE);
  // The fade-in turns round into the leaving fade; within a standard fade's time the
  // program ends instead of waiting for another request.
  int result = 0;
  for (int frame = 0; frame < 40 && result != -1; ++frame) result = Frame(20);
  EXPECT_EQ(result, -1) << "the request is not lost to the running fade";

  // Without a fade running, the program leaves through its leaving fade.
  Screens().InstantExit = 0;
  Screens().GameFade->Finish();
  PushSimple(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE);
  Frame(5);
  EXPECT_EQ(Screens().InstantExit, 0);
  EXPECT_EQ(Screens().Fading(), 1);
  EXPECT_EQ(Screens().GameFade->Out, 1);
  EXPECT_EQ(Screens().DestinationTScreen, Screens().ExitScreen.get());
}
