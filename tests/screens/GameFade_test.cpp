// The screen fade as the loop runs it: its length and ratio, what skips it, the cut,
// the screen's logic and the channels under it, and a close request during a fade-in.
#include <gtest/gtest.h>

#include "app/GameDisplay.h"
#include "audio/GameChannel.h"
#include "audio/Mixer.h"
#include "core/Input.h"
#include "core/Settings.h"
#include "gfx/Color.h"
#include "gfx/ToolkitTest.h"
#include "screens/GameFade.h"
#include "screens/Screen.h"
#include "screens/ScreenSwitch.h"
#include "support/GameFixture.h"
#include "ui/MousePointer.h"

namespace {
class CountingScreen : public TScreen {
 public:
  void Logic() override { ++logic; }
  void PostFadeIn() override { ++fadedIn; }
  int logic = 0, fadedIn = 0;
};
}  // namespace

class GameFadeTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    for (int& k : KeyHits) k = 0;
    screen.PreStart();
  }
  TGameFade& fade() { return *Screens().GameFade; }
  CountingScreen screen;
};

TEST_F(GameFadeTest, LastsItsTicksAtAnyDeltaAndIgnoresASecondStart) {
  for (float delta : {1.0f, 0.25f}) {
    Delta = delta;
    fade().Init(500, 0);
    int updates = 0;
    while (fade().Manage() != 1 && updates < 1000) {
      if (++updates == int(50 / delta)) {
        EXPECT_NEAR(fade().Ratio, 0.5f, 1e-4f) << delta;
      }
    }
    EXPECT_EQ(updates + 1, int(100 / delta)) << "500 ms are 100 ticks whatever the delta";
    EXPECT_EQ(fade().GetDone(), 1);
    EXPECT_EQ(fade().GetDone(), 0) << "a finish is reported once";
  }
  Delta = 1.0f;
  fade().Init(500, 1, nullptr, 1);
  for (int i = 0; i < 25; ++i) fade().Manage();
  EXPECT_FLOAT_EQ(fade().Ratio, 0.75f);
  EXPECT_EQ(fade().Init(100, 0), 0);
  EXPECT_EQ(fade().Out, 1);
  EXPECT_FLOAT_EQ(fade().Counter, 25.0f) << "a running fade is never restarted or replaced";
  fade().Finish();
  EXPECT_FLOAT_EQ(fade().Ratio, 0.0f);

  Screens().FadeOff();
  fade().Init(500, 0);
  EXPECT_EQ(fade().Active, 0) << "the next fade is a cut, with its end effects";
  EXPECT_EQ(screen.fadedIn, 3);
  fade().Init(500, 0);
  EXPECT_EQ(fade().Active, 1) << "and only that one";
}

TEST_F(GameFadeTest, KeysAndClicksSkipItButAModifierAloneDoesNot) {
  fade().Init(500, 0);
  Frame(50);
  KeyHits['X'] = 1;
  Frame(5);
  EXPECT_EQ(fade().Active, 0);
  EXPECT_FLOAT_EQ(fade().Ratio, 1.0f) << "the new screen shows at once";
  EXPECT_EQ(fade().FadeInAborted, 1);
  EXPECT_EQ(fade().AbortKey, 'X');
  EXPECT_FLOAT_EQ(fade().FadeCounterBeforeAbort, 10.0f);

  fade().Init(500, 0);
  fade().SetToFullOnAbort = 0;
  for (int i = 0; i < 30; ++i) fade().Manage();
  Pointer().ButtonDown(1);
  EXPECT_EQ(fade().Manage(), -1);
  EXPECT_EQ(fade().AbortKey, -1);
  EXPECT_NEAR(fade().Ratio, 0.3f, 1e-5f);

  // Skipping flushes held keys too, so a chord begun during a fade would be lost.
  fade().Init(500, 0);
  KeyHits[91] = KeyDowns[91] = 1;
  Frame(5);
  EXPECT_EQ(fade().Active, 1);
  KeyHits['Q'] = KeyDowns['Q'] = 1;
  EXPECT_EQ(Frame(5), -1) << "Super, then Q, quits";
  KeyDowns[91] = KeyDowns['Q'] = 0;
}

TEST_F(GameFadeTest, ScreenLogicAndChannelsUnderTheFade) {
  fade().Init(500, 0);
  Frame(50);
  EXPECT_EQ(screen.logic, 0) << "a fade-in that forbids animation holds the screen still";
  fade().Finish();

  Settings().MusicVolume = 80;
  Settings().SoundVolume = 50;
  Mixer().SpeechChannel = AllocChannel();
  TChannelPtr music = AllocChannel();
  auto effect = TGameChannel::Create();
  fade().Channel2IsGameChannelArray = 0;
  Screens().DestinationTScreen = &screen;
  fade().Init(500, 1, music, 1, 0, effect);
  for (int i = 0; i < 5; ++i) Frame(50);
  EXPECT_EQ(screen.logic, 50) << "a leaving screen keeps moving while it darkens";
  EXPECT_FLOAT_EQ(ChannelVolume(music), 0.4f);
  EXPECT_FLOAT_EQ(ChannelVolume(effect->Channel), 0.25f);
  EXPECT_FLOAT_EQ(ChannelVolume(Mixer().SpeechChannel), 0.5f);
  fade().Finish();
  EXPECT_FLOAT_EQ(ChannelVolume(music), 0.0f);
  EXPECT_EQ(fade().Channel2, nullptr) << "the effect is stopped and let go";
}

TEST_F(GameFadeTest, CloseRequestDuringAFadeInEndsTheProgram) {
  fade().Init(float(StandardFadeLength), 0);
  Frame(50);
  Frame(50);
  Game->TerminatedEvent = 1;
  Frame(5);
  EXPECT_EQ(fade().Out, 1) << "the fade turned round to leave";
  EXPECT_NEAR(fade().Ratio, 0.2f, 0.011f) << "from what is shown, without a flash";
  int result = 0;
  for (int i = 0; i < 10 && result != -1; ++i) result = Frame(50);
  EXPECT_EQ(result, -1);

  // Any other fade-out asked for during a fade-in is still ignored.
  Screens().InstantExit = 0;
  screen.PreStart();
  CountingScreen other;
  fade().Init(500, 0, nullptr, 1);
  Screens().DestinationTScreen = &other;
  fade().Init(500, 1, nullptr, 1);
  for (int i = 0; i < 12; ++i) Frame(50);
  EXPECT_EQ(Screens().CurrentTScreen, &screen);

  // Also when Escape ends the fade-in in the same update.
  fade().Init(500, 0);
  Frame(50);
  Game->TerminatedEvent = 1;
  KeyHits[27] = 1;
  Frame(5);
  EXPECT_EQ(fade().Out, 1);
  EXPECT_EQ(fade().Active, 1);
}

class GameFadeDrawTest : public GameRecordingTest {};

TEST_F(GameFadeDrawTest, VeilInTheClearColourAndACoveredFrameAfterAFadeOut) {
  const int ready = GraphicsReady;
  GraphicsReady = 1;
  GameDisplay().ClsColor = TColor::Create(10, 20, 30);
  auto& fade = *Screens().GameFade;
  fade.Init(500, 1);
  for (int i = 0; i < 25; ++i) fade.Manage();
  fade.Draw();
  ASSERT_EQ(rec->recorded.size(), 1u);
  EXPECT_EQ(Red(0), 10);
  EXPECT_NEAR(AlphaByte(0), 64, 1) << "a quarter dark";
  EXPECT_EQ(GetAlpha(), 1.0f);

  const int flips = rec->flips;
  fade.Finish();
  EXPECT_EQ(rec->flips, flips + 1) << "the end of a fade-out presents a covered frame";
  Screens().FadeOff();
  fade.Init(500, 1);
  EXPECT_EQ(rec->flips, flips + 1) << "a cut does not";
  GraphicsReady = ready;
}
