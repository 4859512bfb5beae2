// The screen fade as the loop runs it: its length in ticks, its ratio, the keys and
// clicks that cut it short, the one-shot cut, the screen's logic during it, the
// channels that follow it, and a close request that arrives while a screen fades in.
#include <gtest/gtest.h>

#include <cmath>

#include "audio/ChannelArray.h"
#include "audio/GameChannel.h"
#include "core/Input.h"
#include "gfx/Color.h"
#include "gfx/ToolkitTest.h"
#include "screens/GameFade.h"
#include "screens/Screen.h"
#include "support/GameFixture.h"
#include "ui/MousePointer.h"

namespace {
// A screen that counts its logic updates and the fade's calls.
class CountingScreen : public TScreen {
 public:
  void Logic() override { ++logic; }
  void PostFadeIn() override { ++fadedIn; }
  void PostFadeOut() override { ++fadedOut; }
  int logic = 0, fadedIn = 0, fadedOut = 0;
};
}  // namespace

class GameFadeTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    KeyHitsClear();
    screen.PreStart();
  }
  static void KeyHitsClear() {
    for (int& k : KeyHits) k = 0;
  }
  TGameFade& fade() { return *Game->GameFade; }
  CountingScreen screen;
};

TEST_F(GameFadeTest, LengthInTicksAndRatioWhateverTheDelta) {
  for (float delta : {1.0f, 0.4f, 0.25f}) {
    Delta = delta;
    ASSERT_EQ(fade().Init(500, 0), 1);
    EXPECT_EQ(fade().Length, 100) << "500 ms are 100 ticks of 5 ms";
    EXPECT_FLOAT_EQ(fade().Ratio, 0.0f) << "a fade-in starts covered";
    const int updates = int(std::lround(100.0f / delta));
    int finishedAt = 0;
    for (int i = 1; i <= updates + 5 && !finishedAt; ++i) {
      int r = fade().Manage();
      if (i == updates / 2) {
        EXPECT_NEAR(fade().Ratio, 0.5f, 1e-4f) << "delta " << delta;
      }
      if (r == 1) finishedAt = i;
    }
    EXPECT_EQ(finishedAt, updates) << "delta " << delta << ": the fade lasts exactly its ticks";
    EXPECT_FLOAT_EQ(fade().Ratio, 1.0f);
    EXPECT_EQ(fade().GetDone(), 1);
    EXPECT_EQ(fade().GetDone(), 0) << "a finish is reported once";
  }
  Delta = 1.0f;

  // A fade-out runs the other way; one started part-way begins at its place.
  fade().Init(500, 1);
  EXPECT_FLOAT_EQ(fade().Ratio, 1.0f);
  for (int i = 0; i < 25; ++i) fade().Manage();
  EXPECT_FLOAT_EQ(fade().Ratio, 0.75f);
  fade().Finish();
  EXPECT_FLOAT_EQ(fade().Ratio, 0.0f);
  fade().Init(500, 1, nullptr, 0, 60);
  EXPECT_FLOAT_EQ(fade().Ratio, 0.4f);
  fade().Finish();
  EXPECT_EQ(screen.fadedIn, 3);
  EXPECT_EQ(screen.fadedOut, 2);
}

TEST_F(GameFadeTest, SecondStartIsIgnoredAndTheCutIsOneShot) {
  fade().Init(500, 1, nullptr, 1);
  for (int i = 0; i < 10; ++i) fade().Manage();
  EXPECT_EQ(fade().Init(100, 0, nullptr, 0), 0);
  EXPECT_EQ(fade().Length, 100);
  EXPECT_EQ(fade().Out, 1);
  EXPECT_EQ(fade().AllowAnim, 1);
  EXPECT_FLOAT_EQ(fade().Counter, 10.0f) << "a running fade is never restarted or replaced";
  fade().Finish();

  // FadeOff makes the next fade a cut, with its end effects, and then wears off.
  Game->FadeOff();
  EXPECT_EQ(fade().Init(500, 1), 1);
  EXPECT_EQ(fade().Active, 0);
  EXPECT_EQ(fade().GetDone(), 1);
  EXPECT_EQ(screen.fadedOut, 2);
  EXPECT_EQ(Game->NoFade, 0);
  fade().Init(500, 1);
  EXPECT_EQ(fade().Active, 1) << "only one fade is cut";
  fade().Finish();

  // With the setting off every fade is a cut.
  Game->Fade = 0;
  fade().Init(500, 0);
  EXPECT_EQ(fade().Active, 0);
  EXPECT_FLOAT_EQ(fade().Ratio, 1.0f);
}

TEST_F(GameFadeTest, KeyOrClickEndsTheFadeAndIsRecorded) {
  // A key during a fade-in shows the screen at once and says which key it was.
  fade().Init(500, 0);
  Frame(50);  // 10 ticks
  KeyHits['X'] = 1;
  Frame(5);
  EXPECT_EQ(fade().Active, 0);
  EXPECT_FLOAT_EQ(fade().Ratio, 1.0f);
  EXPECT_EQ(fade().FadeInAborted, 1);
  EXPECT_EQ(fade().AbortKey, 'X');
  EXPECT_FLOAT_EQ(fade().FadeCounterBeforeAbort, 10.0f);
  EXPECT_EQ(screen.fadedIn, 1);
  EXPECT_EQ(KeyHits['X'], 0) << "the key that ended the fade is taken";

  // With SetToFullOnAbort cleared the picture stays where the player stopped it.
  fade().Init(500, 0);
  fade().SetToFullOnAbort = 0;
  for (int i = 0; i < 30; ++i) fade().Manage();
  Game->Mouse->ButtonDown(1);
  EXPECT_EQ(fade().Manage(), -1);
  EXPECT_EQ(fade().AbortKey, -1) << "a click has no key";
  EXPECT_NEAR(fade().Ratio, 0.3f, 1e-5f);

  // During a fade-out a key completes the fade, and the switch follows.
  CountingScreen next;
  Game->DestinationTScreen = &next;
  fade().Init(500, 1, nullptr, 1);
  Frame(50);
  KeyHits[' '] = 1;
  Frame(5);
  EXPECT_EQ(fade().FadeInAborted, 0);
  EXPECT_EQ(screen.fadedOut, 1);
  EXPECT_EQ(Game->CurrentTScreen, &next);

  // A modifier alone skips nothing: it may begin the quit chord, whose held state a
  // skip would flush, losing the chord when its keys come in different updates.
  fade().Init(500, 0);
  KeyHits[91] = KeyDowns[91] = 1;
  Frame(5);
  EXPECT_EQ(fade().Active, 1);
  KeyHits['Q'] = KeyDowns['Q'] = 1;
  EXPECT_EQ(Frame(5), -1) << "Super, then Q, quits";
  KeyDowns[91] = KeyDowns['Q'] = 0;
  Game->InstantExit = 0;
  fade().Finish();

  // A key pressed before the fade started does not skip it.
  KeyHits['Y'] = 1;
  fade().Init(500, 0);
  fade().Manage();
  EXPECT_EQ(fade().Active, 1);
}

TEST_F(GameFadeTest, ScreenLogicRunsDuringTheFadeOnlyWhenAllowed) {
  fade().Init(500, 0, nullptr, 0);
  Frame(50);
  EXPECT_EQ(screen.logic, 0) << "a fade that forbids animation holds the screen still";
  fade().Finish();
  Frame(50);
  EXPECT_EQ(screen.logic, 10);

  fade().Init(500, 1, nullptr, 1);
  Game->DestinationTScreen = &screen;
  Frame(50);
  EXPECT_EQ(screen.logic, 20) << "a leaving screen keeps moving while it darkens";
}

TEST_F(GameFadeTest, ChannelsFollowThePicture) {
  Game->MusicVolume = 80;
  Game->SoundVolume = 50;
  Game->SpeechVolume = 100;
  Game->SpeechChannel = AllocChannel();
  TChannelPtr music = AllocChannel();
  auto effect = TGameChannel::Create();
  fade().Channel2IsGameChannelArray = 0;
  fade().Init(500, 1, music, 1, 0, effect);
  for (int i = 0; i < 50; ++i) fade().Manage();
  EXPECT_FLOAT_EQ(ChannelVolume(music), 0.4f);
  EXPECT_FLOAT_EQ(ChannelVolume(effect->Channel), 0.25f);
  EXPECT_FLOAT_EQ(ChannelVolume(Game->SpeechChannel), 0.5f);
  for (int i = 0; i < 50; ++i) fade().Manage();
  EXPECT_FLOAT_EQ(ChannelVolume(music), 0.0f) << "music given to a leaving fade ends silent";
  EXPECT_FLOAT_EQ(ChannelVolume(effect->Channel), 0.0f);
  EXPECT_EQ(fade().Channel2, nullptr) << "the effect is stopped and forgotten";

  // A pooled effect channel is handed back to the pool as a fresh one.
  Game->ChannelsCreate(4);
  auto pooled = Game->Channels->ChannelByIndex(2);
  fade().Channel2IsGameChannelArray = 1;
  fade().Init(500, 1, nullptr, 1, 0, pooled);
  fade().Finish();
  EXPECT_EQ(Game->Channels->Count(), 4);
  for (const auto& c : *Game->Channels) EXPECT_NE(c, pooled);

  // A fade-in brings them up to their full volumes.
  fade().Init(500, 0, music);
  for (int i = 0; i < 25; ++i) fade().Manage();
  EXPECT_FLOAT_EQ(ChannelVolume(music), 0.2f);
  fade().Finish();
  EXPECT_FLOAT_EQ(ChannelVolume(music), 0.8f);
  EXPECT_FLOAT_EQ(ChannelVolume(Game->SpeechChannel), 1.0f);
}

TEST_F(GameFadeTest, CloseRequestDuringAFadeInEndsTheProgram) {
  fade().Init(float(StandardFadeLength), 0);
  Frame(50);
  Frame(50);  // 20 ticks in: a fifth of the picture shows
  EXPECT_NEAR(fade().Ratio, 0.2f, 1e-5f);
  Game->TerminatedEvent = 1;
  Frame(5);
  EXPECT_EQ(fade().Active, 1);
  EXPECT_EQ(fade().Out, 1) << "the fade turned round to leave";
  EXPECT_EQ(Game->DestinationTScreen, Game->ExitScreen.get());
  EXPECT_NEAR(fade().Ratio, 0.2f, 0.011f) << "it darkens from what is shown, without a flash";
  EXPECT_EQ(screen.fadedIn, 1);
  int result = 0;
  for (int i = 0; i < 10 && result != -1; ++i) result = Frame(50);
  EXPECT_EQ(result, -1) << "the program ends once the picture is dark";

  // Any other fade-out asked for during a fade-in is still ignored.
  Game->InstantExit = 0;
  screen.PreStart();
  CountingScreen other;
  fade().Init(500, 0, nullptr, 1);
  Frame(50);
  Game->DestinationTScreen = &other;
  EXPECT_EQ(fade().Init(500, 1, nullptr, 1), 0);
  for (int i = 0; i < 12; ++i) Frame(50);
  EXPECT_EQ(fade().Active, 0);
  EXPECT_EQ(Game->CurrentTScreen, &screen);

  // A close request that comes while a fade-in ends at a key press is kept too.
  fade().Init(500, 0);
  Frame(50);
  Game->TerminatedEvent = 1;
  KeyHits[27] = 1;  // Escape ends the fade-in inside the framework keys, in the same update
  Frame(5);
  EXPECT_EQ(fade().Active, 1);
  EXPECT_EQ(fade().Out, 1);
  EXPECT_EQ(Game->DestinationTScreen, Game->ExitScreen.get());
}

// The veil and the covered frame, drawn into the recording back end.
class GameFadeDrawTest : public RecordingTest {
 protected:
  void SetUp() override {
    RecordingTest::SetUp();
    savedReady = GraphicsReady;
    GraphicsReady = 1;
    Game->ClsColor = TColor::Create(10, 20, 30);
  }
  void TearDown() override {
    GraphicsReady = savedReady;
    RecordingTest::TearDown();
  }
  int savedReady = 0;
};

TEST_F(GameFadeDrawTest, VeilInTheClearColourAndACoveredFrameAfterAFadeOut) {
  auto& fade = *Game->GameFade;
  fade.Draw();
  EXPECT_TRUE(rec->recorded.empty()) << "no veil without a fade";

  fade.Init(500, 1);
  for (int i = 0; i < 25; ++i) fade.Manage();
  fade.Draw();
  ASSERT_EQ(rec->recorded.size(), 1u);
  EXPECT_EQ(Red(0), 10);
  EXPECT_NEAR(AlphaByte(0), 64, 1) << "a quarter dark";
  float minX = 1e9f, maxX = -1e9f, maxY = -1e9f;
  for (const auto& v : rec->recorded[0].vertices) {
    minX = std::min(minX, v.x);
    maxX = std::max(maxX, v.x);
    maxY = std::max(maxY, v.y);
  }
  EXPECT_FLOAT_EQ(minX, 0);
  EXPECT_FLOAT_EQ(maxX, 800);
  EXPECT_FLOAT_EQ(maxY, 600);
  EXPECT_EQ(GetAlpha(), 1.0f);
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r + g + b, 3 * 255) << "the drawing state is left white and opaque";

  // The end of a fade-out presents one covered frame at once; a cut presents none.
  const int flips = rec->flips, clears = rec->clsCount;
  fade.Finish();
  EXPECT_EQ(rec->flips, flips + 1);
  EXPECT_EQ(rec->clsCount, clears + 1);
  Game->FadeOff();
  fade.Init(500, 1);
  EXPECT_EQ(rec->flips, flips + 1);
}
