// The splashes' wall-clock fade on a clock the test steps by hand, drawn into the
// recording back end; and the cross-fade of the intro's pictures.
#include <SDL.h>
#include <gtest/gtest.h>

#include <deque>

#include "core/Input.h"
#include "core/Settings.h"
#include "gfx/ToolkitTest.h"
#include "platform/Clock.h"
#include "screens/CrossFade.h"
#include "screens/Fade.h"

class FadeTest : public GameRecordingTest {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(SDL_Init(SDL_INIT_EVENTS), 0); }
  void SetUp() override {
    GameRecordingTest::SetUp();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    // Every reading moves the clock on: by the next planned step, else by 100 ms;
    // an event planned for a time is sent when the clock gets there.
    SetClockSource([this] {
      now += steps.empty() ? 100 : steps.front();
      if (!steps.empty()) steps.pop_front();
      if (now == eventAt) SDL_PushEvent(&event);
      return now;
    });
  }
  void TearDown() override {
    SetClockSource(nullptr);
    GameRecordingTest::TearDown();
  }
  void ExpectAlphas(const std::vector<int>& expected, const char* what) {
    ASSERT_EQ(rec->recorded.size(), expected.size()) << what;
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(AlphaByte(i), expected[i], 1) << what << " #" << i;
    rec->Clear();
  }
  void SendAt(uint32_t t, Uint32 type, SDL_Keycode key = 0) {
    event = SDL_Event{};
    event.type = type;
    event.key.keysym.sym = key;
    eventAt = t;
  }
  uint32_t now = 1000, eventAt = 0;
  std::deque<uint32_t> steps;
  SDL_Event event{};
};

TEST_F(FadeTest, SplashPhasesOverADriftingZoomingBackground) {
  Settings().SoundVolume = 50;
  TChannelPtr channel = AllocChannel();
  TFade fade;
  fade.Background = Picture(800, 600);
  fade.BackgroundXSpeed = 20;
  fade.BackgroundZoomSpeed = 0.02f;
  fade.BackgroundFadeTime = 250;
  fade.Init(500, Picture(200, 100), channel);
  fade.CentreImage();
  ASSERT_EQ(fade.FadeDo(0), 1);
  EXPECT_NEAR(X(0), -2 * 1.002f, 1e-3f) << "100 ms of drift at 20 pixels a second, zoomed";
  EXPECT_NEAR(rec->recorded[0].vertices[1].x - X(0), 800 * 1.002f, 1e-2f);
  EXPECT_FLOAT_EQ(X(1), 300);
  EXPECT_FLOAT_EQ(Y(1), 250);
  EXPECT_FLOAT_EQ(ChannelVolume(channel), 0.5f) << "the sound rises with the picture";
  ExpectAlphas({102, 51, 204, 102, 255, 153, 255, 204, 255, 255, 255, 255}, "fading in, a frame each 100 ms");
  EXPECT_EQ(GetBlend(), BLEND_SOLID);

  EXPECT_EQ(fade.WaitForTime(300), 0);
  ExpectAlphas(std::vector<int>(8, 255), "holding");

  fade.Reset();
  ASSERT_EQ(fade.FadeDo(1), 1);
  ExpectAlphas({255, 204, 255, 153, 204, 102, 102, 51, 0, 0, 0, 0}, "the background goes in the last 250 ms");
  EXPECT_FLOAT_EQ(ChannelVolume(channel), 0.0f);
}

TEST_F(FadeTest, KeyOrCloseRequestEndsItEarly) {
  TFade fade;
  fade.Init(2000, Picture(10, 10), nullptr);
  SendAt(1400, SDL_KEYDOWN, SDLK_a);
  EXPECT_EQ(fade.FadeDo(0), -1);
  EXPECT_LT(fade.Elapsed, 500);
  EXPECT_EQ(GetAlpha(), 1.0f) << "the drawing state is reset";
  EXPECT_EQ(InputKeyHit('A'), 0) << "the key is taken";
  EXPECT_EQ(PolledInputMode, 0) << "polled only while it runs";

  SendAt(1800, SDL_QUIT);
  EXPECT_EQ(fade.WaitForTime(5000), -1);
  EXPECT_EQ(Game->TerminatedEvent, 1) << "kept for the main loop";
  rec->Clear();
  fade.Reset();
  EXPECT_EQ(fade.FadeDo(1), -1) << "and every fade after it ends at once";
  EXPECT_TRUE(rec->recorded.empty());
}

TEST_F(FadeTest, NoLengthAndNoBackgroundFadeTimeAreNotDivisions) {
  TFade fade;
  fade.Background = Picture(800, 600);
  steps = {0, 0};  // the clock reads the same millisecond twice
  fade.Init(0, Picture(10, 10), nullptr);
  ASSERT_EQ(fade.FadeDo(0), 1);
  ExpectAlphas(std::vector<int>(4, 255), "nothing to fade: shown at once");
  fade.Length = 300;
  fade.Reset();
  ASSERT_EQ(fade.FadeDo(1), 1);
  ExpectAlphas({255, 170, 255, 85, 0, 0, 0, 0}, "the background goes with the end of the fade");
}

TEST_F(FadeTest, CrossFadeBringsTheSecondPictureUpAndKeepsIt) {
  auto cross = TCrossFade::Create(Picture(800, 600), Picture(100, 50), 1000);
  cross->SetImage2Coords(400, 150);
  cross->Draw();
  EXPECT_EQ(rec->recorded.at(0).blend, BLEND_SOLID);
  EXPECT_FLOAT_EQ(X(1), 400);
  ExpectAlphas({255, 0}, "the second picture starts unseen");
  for (int i = 0; i < 100; ++i) cross->Manage();
  cross->Draw();
  ExpectAlphas({255, 127}, "half way");
  for (int i = 0; i < 150; ++i) cross->Manage();
  cross->Draw();
  ExpectAlphas({255, 255}, "and stays once the blend is over");
}
