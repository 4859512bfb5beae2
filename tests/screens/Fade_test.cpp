// The wall-clock fade of the splashes, run on a clock the test steps by hand and
// drawn into the recording back end; and the cross-fade of the intro's pictures.
#include <SDL.h>
#include <gtest/gtest.h>

#include <deque>

#include "core/Input.h"
#include "gfx/Animation.h"
#include "gfx/ToolkitTest.h"
#include "platform/Clock.h"
#include "screens/CrossFade.h"
#include "screens/Fade.h"

namespace {
void PushKey(SDL_Keycode key) {
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.keysym.sym = key;
  SDL_PushEvent(&e);
}

void PushQuit() {
  SDL_Event e{};
  e.type = SDL_QUIT;
  SDL_PushEvent(&e);
}
}  // namespace

class FadeTest : public RecordingTest {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(SDL_Init(SDL_INIT_EVENTS), 0); }
  void SetUp() override {
    RecordingTest::SetUp();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    PolledInputMode = 0;
    // Every reading of the clock moves it on: by the next planned step, else by 100 ms.
    SetClockSource([this] {
      uint32_t step = 100;
      if (!steps.empty()) {
        step = steps.front();
        steps.pop_front();
      }
      now += step;
      if (onRead) onRead(now);
      return now;
    });
  }
  void TearDown() override {
    SetClockSource(nullptr);
    PolledInputMode = 0;
    RecordingTest::TearDown();
  }
  // The alpha of each picture drawn, in order, as 0..255 (within one step of rounding).
  void ExpectAlphas(const std::vector<int>& expected, const char* what) const {
    ASSERT_EQ(rec->recorded.size(), expected.size()) << what;
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(AlphaByte(i), expected[i], 1) << what << ", picture " << i;
  }
  float Width(size_t i) const {
    const auto& v = rec->recorded.at(i).vertices;
    float lo = v[0].x, hi = v[0].x;
    for (const auto& p : v) lo = std::min(lo, p.x), hi = std::max(hi, p.x);
    return hi - lo;
  }
  uint32_t now = 1000;
  std::deque<uint32_t> steps;
  std::function<void(uint32_t)> onRead;
};

TEST_F(FadeTest, SplashPhasesWithADriftingZoomingBackground) {
  Game->SoundVolume = 50;
  TChannelPtr channel = AllocChannel();
  TFade fade;
  fade.Background = Picture(800, 600);
  fade.BackgroundXSpeed = 20;
  fade.BackgroundYSpeed = 10;
  fade.BackgroundZoomSpeed = 0.02f;
  fade.BackgroundFadeTime = 250;
  fade.Init(500, Picture(200, 100), channel);
  fade.CentreImage();
  EXPECT_EQ(fade.X, 300);
  EXPECT_EQ(fade.Y, 250);

  // Fading in: a frame every 100 ms, the last one past the end at full strength.
  int flips = rec->flips;
  ASSERT_EQ(fade.FadeDo(0), 1);
  EXPECT_EQ(rec->flips - flips, 6);
  ExpectAlphas({102, 51, 204, 102, 255, 153, 255, 204, 255, 255, 255, 255}, "background and picture, frame by frame");
  EXPECT_NEAR(X(0), -2 * 1.002f, 1e-3f) << "100 ms of drift at 20 pixels a second, zoomed";
  EXPECT_NEAR(Y(0), -1 * 1.002f, 1e-3f);
  EXPECT_NEAR(Width(0), 800 * 1.002f, 1e-2f);
  EXPECT_NEAR(X(10), -12 * 1.012f, 1e-3f);
  EXPECT_FLOAT_EQ(X(1), 300);
  EXPECT_FLOAT_EQ(Y(1), 250);
  EXPECT_FLOAT_EQ(Width(1), 200) << "the picture itself is not zoomed";
  EXPECT_FLOAT_EQ(ChannelVolume(channel), 0.5f) << "the sound rises with the picture";
  EXPECT_EQ(GetBlend(), BLEND_SOLID);
  EXPECT_EQ(GetAlpha(), 1.0f);

  // Holding: the picture and the background stay full.
  rec->Clear();
  EXPECT_EQ(fade.WaitForTime(300), 0);
  ExpectAlphas(std::vector<int>(8, 255), "holding");
  EXPECT_EQ(fade.Out, -1);

  // Fading out: the background keeps full strength until its last 250 ms.
  rec->Clear();
  fade.Reset();
  fade.Length = 500;
  ASSERT_EQ(fade.FadeDo(1), 1);
  ExpectAlphas({255, 204, 255, 153, 204, 102, 102, 51, 0, 0, 0, 0}, "fading out");
  EXPECT_FLOAT_EQ(ChannelVolume(channel), 0.0f);

  // The empty frame at the end.
  rec->Clear();
  flips = rec->flips;
  fade.Zero();
  EXPECT_EQ(rec->flips - flips, 1);
  EXPECT_EQ(AlphaByte(1), 0);
  EXPECT_EQ(PolledInputMode, 0) << "the caller's input mode is back";
}

TEST_F(FadeTest, KeyClickOrCloseEndsItEarly) {
  TFade fade;
  fade.Init(2000, Picture(10, 10), nullptr);
  onRead = [](uint32_t t) {
    if (t == 1400) PushKey(SDLK_a);
  };
  EXPECT_EQ(fade.FadeDo(0), -1);
  EXPECT_LT(fade.Elapsed, 500) << "it stopped at the key, not at its end";
  EXPECT_EQ(GetBlend(), BLEND_SOLID) << "the drawing state is reset";
  EXPECT_EQ(GetAlpha(), 1.0f);
  EXPECT_EQ(InputKeyHit('A'), 0) << "the key that ended it is taken";
  EXPECT_EQ(PolledInputMode, 0);

  // A key during the hold ends the hold.
  onRead = [](uint32_t t) {
    if (t == 1800) PushKey(SDLK_SPACE);
  };
  EXPECT_EQ(fade.WaitForTime(5000), -1);

  // A request to close ends it too, and is kept for the main loop; the next fade
  // ends at once, so a row of splashes does not hold the program up.
  InputPollingOn();  // a caller that polls keeps polling
  fade.Reset();
  onRead = [](uint32_t t) {
    if (t == 2100) PushQuit();
  };
  EXPECT_EQ(fade.FadeDo(0), -1);
  EXPECT_EQ(Game->TerminatedEvent, 1);
  EXPECT_EQ(PolledInputMode, 1);
  onRead = nullptr;
  rec->Clear();
  fade.Reset();
  EXPECT_EQ(fade.FadeDo(0), -1);
  EXPECT_EQ(fade.WaitForTime(1000), -1);
  EXPECT_TRUE(rec->recorded.empty());
  InputPollingOff();
  EXPECT_EQ(Game->TerminatedEvent, 1);
}

TEST_F(FadeTest, NoLengthAndNoBackgroundFadeTimeAreNotDivisions) {
  // The clock may read the same millisecond twice.
  TFade fade;
  fade.Background = Picture(800, 600);
  steps = {0, 0};
  fade.Init(0, Picture(10, 10), nullptr);
  ASSERT_EQ(fade.FadeDo(0), 1);
  ExpectAlphas(std::vector<int>(4, 255), "nothing to fade: shown at once");
  EXPECT_FLOAT_EQ(fade.Ratio, 1.0f);
  EXPECT_FLOAT_EQ(fade.BackgroundAlpha, 1.0f);

  rec->Clear();
  fade.Length = 300;
  fade.Reset();
  ASSERT_EQ(fade.FadeDo(1), 1);
  ExpectAlphas({255, 170, 255, 85, 0, 0, 0, 0}, "the background stays until the fade has ended");
}

TEST_F(FadeTest, CrossFadeBringsTheSecondPictureUpAndKeepsIt) {
  auto cross = TCrossFade::Create(Picture(800, 600), Picture(100, 50), 1000);
  cross->SetImage1Coords(0, 0);
  cross->SetImage2Coords(400, 150);
  cross->Draw();
  ASSERT_EQ(rec->recorded.size(), 2u);
  EXPECT_EQ(rec->recorded[0].blend, BLEND_SOLID);
  EXPECT_EQ(AlphaByte(0), 255);
  EXPECT_EQ(AlphaByte(1), 0) << "the second picture starts unseen";
  EXPECT_FLOAT_EQ(X(1), 400);
  EXPECT_FLOAT_EQ(Y(1), 150);

  for (int i = 0; i < 100; ++i) cross->Manage();
  rec->Clear();
  cross->Draw();
  EXPECT_NEAR(AlphaByte(1), 128, 1);

  for (int i = 0; i < 150; ++i) cross->Manage();
  rec->Clear();
  cross->Draw();
  EXPECT_EQ(AlphaByte(1), 255) << "and stays once the blend is over";
  EXPECT_EQ(GetAlpha(), 1.0f);
}
