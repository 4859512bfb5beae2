// A game object for tests that run the loop without a window: a hand-stepped
// clock, fades switched off unless a test wants them, nothing drawn.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "core/DataPaths.h"
#include "core/ErrorReport.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/IniFile.h"
#include "core/Globals.h"
#include "platform/Clock.h"
#include "support/TestFolder.h"

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    now = 1000;
    SetClockSource([this] { return now; });
    game = std::make_unique<TGame>();
    Game = game.get();
    // Markers and settings go to a folder of the test's own.
    folder = TestFolder("-game");
    DataPaths().SubPath = folder.string() + "/";
    Game->Ini->FileName = folder.string() + "/tinselvale";
    ErrorLogFolder = folder.string() + "/";
    GraphicsReady = 0;
    Clock().FixedRateLogic.Create();
    Clock().FixedRateLogic.JitterCorrection = 0;
    Clock().FixedRateLogic.Init();
  }
  void TearDown() override {
    Game = nullptr;
    ErrorLogFolder.clear();
    SetClockSource(nullptr);
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
  // Moves the clock and runs one frame's logic; returns MainLogicLoop's result.
  int Frame(uint32_t elapsedMs) {
    now += elapsedMs;
    return Game->MainLogicLoop();
  }

  uint32_t now = 0;
  std::filesystem::path folder;
  std::unique_ptr<TGame> game;
};
