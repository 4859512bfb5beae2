// The game object in a real window, started in the build folder with the game's own
// data tree: settings and markers in a folder of the test's own, one logic update a
// frame whatever the machine's speed, and a screen of the test's as the current one.
// Error reports are kept; a fatal one fails the test by an exception, since the game
// would end the program with status 0 and so pass it.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/GameDisplay.h"
#include "core/DataPaths.h"
#include "core/ErrorReport.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "gfx/Draw.h"
#include "platform/Files.h"
#include "platform/Window.h"
#include "screens/Screen.h"
#include "screens/ScreenSwitch.h"
#include "support/TestFolder.h"
#include "ui/MousePointer.h"

class WindowGameTest : public ::testing::Test {
 protected:
  // Call from SetUp after any skip; a failed start leaves the window closed.
  void StartGame(TScreen& screen) {
    SetErrorReportHook([this](const std::string& text, int fatal, int) {
      reports.push_back(text);
      if (fatal) throw std::runtime_error(text);
    });
    folder = TestFolder();
    oldCwd = std::filesystem::current_path();
    std::filesystem::current_path(TV_BUILD_DIR);
    ClearDataPathCache();
    game = std::make_unique<TGame>();
    Game = game.get();
    ScreenWidth = 800;
    ScreenHeight = 600;
    Game->SetDefaultPaths();
    DataPaths().SubPath = folder.string() + "/";
    Game->Ini->FileName = (folder / "tinselvale").string();
    ErrorLogFolder = DataPaths().SubPath;
    ::Settings().FullScreen = 0;
    Clock().FixedRateLogic.Create();
    Game->NoTiming = 1;
    Game->NoTimingTicks = 1;
    ASSERT_TRUE(PlatformInit());
    GameDisplay().GraphicsCreate(0);
    GraphicsReady = 1;
    Pointer().On();
    Screens().CurrentTScreen = &screen;
  }
  // Call from TearDown after the test's own clearing up.
  void StopGame() {
    Screens().CurrentTScreen = nullptr;
    CloseGraphics();
    GraphicsReady = 0;
    Game = nullptr;
    game.reset();
    std::filesystem::current_path(oldCwd);
    ClearDataPathCache();
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    SetErrorReportHook(nullptr);
  }

  std::filesystem::path folder, oldCwd;
  std::unique_ptr<TGame> game;
  std::vector<std::string> reports;
};
