// The drawing toolkit needs a clock, nothing more: 5 ms logic ticks at normal speed,
// so 1000 ms are 200 ticks, and a Delta the test sets by hand.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Clock() = TGameClock();
    Clock().FixedRateLogic.CalcMS();
    Delta = 1.0f;
  }
  void TearDown() override { Delta = 1.0f; }
};

#include "gfx/Draw.h"
#include "gfx/RecordingRenderDriver.h"
#include "support/RecordingScreen.h"

// The same, drawing into a recording back end on an 800 x 600 screen.
class RecordingTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    rec = UseRecordingScreen();
    ASSERT_NE(rec, nullptr);
  }
  void TearDown() override {
    SetRenderDriver(nullptr);
    ToolkitTest::TearDown();
  }
  // A plain picture of w x h (frames side by side for a strip).
  static TImagePtr Picture(int w, int h, int frames = 1) {
    auto img = TImage::Create(w, h, frames, IMAGE_FILTERED);
    for (int f = 0; f < frames; ++f) {
      auto px = TPixmap::Create(w, h, PF_RGBA8888);
      for (auto& b : px->pixels) b = 255;
      img->SetPixmap(f, px);
    }
    return img;
  }
  // Top-left corner and alpha byte of recorded quad i.
  float X(size_t i) const { return rec->recorded.at(i).vertices.at(0).x; }
  float Y(size_t i) const { return rec->recorded.at(i).vertices.at(0).y; }
  int Red(size_t i) const { return int(rec->recorded.at(i).vertices.at(0).rgba & 0xff); }
  int AlphaByte(size_t i) const { return int(rec->recorded.at(i).vertices.at(0).rgba >> 24); }
  TRecordingRenderDriver* rec = nullptr;
};

// Widgets, screens and fades also reach the game's services (pointer, mixer, screen
// switch, display): these tests make the game object that owns them.
class GameRecordingTest : public RecordingTest {
 protected:
  void SetUp() override {
    game = std::make_unique<TGame>();
    Game = game.get();
    RecordingTest::SetUp();
  }
  void TearDown() override {
    RecordingTest::TearDown();
    Game = nullptr;
    game.reset();
  }
  std::unique_ptr<TGame> game;
};
