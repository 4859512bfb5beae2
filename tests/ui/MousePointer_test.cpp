#include <gtest/gtest.h>

#include <memory>

#include "core/Input.h"
#include "core/Settings.h"
#include "gfx/Draw.h"
#include "gfx/RecordingRenderDriver.h"
#include "support/GameFixture.h"
#include "ui/MousePointer.h"
#include "ui/TextCursor.h"

using MouseRepeatTest = GameTest;

TEST_F(MouseRepeatTest, PressThenInitialDelayThenRegularRepeats) {
  auto repeat = TMouseRepeat::Create(400, 100);
  Delta = 1.0f;
  Pointer().ButtonDown(1);
  EXPECT_EQ(repeat->GetButton(), 1) << "the press itself";
  int firstRepeat = 0;
  for (int i = 1; i <= 200 && !firstRepeat; ++i)
    if (repeat->GetButton() == 2) firstRepeat = i;
  EXPECT_EQ(firstRepeat, 80) << "400 ms at 5 ms a tick";
  int gap = 0;
  for (int i = 1; i <= 50; ++i)
    if (repeat->GetButton() == 2) {
      gap = i;
      break;
    }
  EXPECT_EQ(gap, 20) << "then every 100 ms";
  Pointer().ButtonUp(1);
  EXPECT_EQ(repeat->GetButton(), 0);
  Pointer().ButtonDown(1);
  EXPECT_EQ(repeat->GetButton(), 1) << "a new press starts again";

  auto keys = TKeyRepeat::Create(400, 100);
  InputRecordKey(38, 0, true);
  int ones = 0;
  for (int i = 0; i < 100; ++i) ones += keys->GetKey(38);
  EXPECT_EQ(ones, 2) << "the press and the first repeat both answer 1";
  InputFlushKeys();
}

TEST_F(MouseRepeatTest, PointerDrawsItsPicturesAndTextCursorStepsDown) {
  auto recorder = std::make_unique<TRecordingRenderDriver>();
  auto* rec = recorder.get();
  SetRenderDriver(std::move(recorder));
  ASSERT_TRUE(CreateGraphics(800, 600));
  auto& m = Pointer();
  Settings().FullScreen = 1;  // no system pointer to follow
  m.x = 100;
  m.y = 50;
  rec->Clear();
  m.Draw();
  ASSERT_EQ(rec->recorded.size(), 1u) << "no picture: a single pixel";

  auto pixels = TPixmap::Create(16, 16, PF_RGBA8888);
  for (auto& b : pixels->pixels) b = 255;
  auto picture = LoadImage(pixels, 0);
  m.Image = picture;
  Settings().CustomMousePointer = 0;
  rec->Clear();
  m.Draw();
  EXPECT_TRUE(rec->recorded.empty()) << "the custom pointer is off";
  m.Image2 = picture;
  rec->Clear();
  m.Draw();
  EXPECT_EQ(rec->recorded.size(), 1u) << "the carried picture shows either way";

  TTextCursor cursor;
  cursor.Init(10, 20, 20);
  cursor.OutputNL("A");
  EXPECT_EQ(cursor.y, 40);
  cursor.Output("B");
  EXPECT_EQ(cursor.y, 40) << "Output does not move the cursor";
}
