// A game object for toolkit tests: 5 ms logic ticks at normal speed, so 1000 ms
// are 200 ticks, and a Delta the test sets by hand.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "app/Game.h"
#include "app/Globals.h"

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game = std::make_unique<TGame>();
    Game = game.get();
    Game->FixedRateLogic.CalcMS();
    Delta = 1.0f;
  }
  void TearDown() override {
    Delta = 1.0f;
    Game = nullptr;
  }
  std::unique_ptr<TGame> game;
};
