// A game object for tests that run the loop without a window: a hand-stepped
// clock, fades switched off unless a test wants them, nothing drawn.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>

#include "app/Game.h"
#include "app/Globals.h"
#include "platform/Clock.h"

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    now = 1000;
    SetClockSource([this] { return now; });
    game = std::make_unique<TGame>();
    Game = game.get();
    GraphicsReady = 0;
    Game->FixedRateLogic.Create();
    Game->FixedRateLogic.JitterCorrection = 0;
    Game->FixedRateLogic.Init();
  }
  void TearDown() override {
    Game = nullptr;
    SetClockSource(nullptr);
  }
  // Moves the clock and runs one frame's logic; returns MainLogicLoop's result.
  int Frame(uint32_t elapsedMs) {
    now += elapsedMs;
    return Game->MainLogicLoop();
  }

  uint32_t now = 0;
  std::unique_ptr<TGame> game;
};
