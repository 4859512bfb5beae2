// The screens around the game without a window: the built data tree's pictures and
// texts, a recording back end, settings, profiles and high scores in the test's own
// folder, and an error report that throws.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/DataPaths.h"
#include "core/ErrorReport.h"
#include "core/Game.h"
#include "core/IniFile.h"
#include "core/Input.h"
#include "core/Settings.h"
#include "game/GameLoading.h"
#include "game/PlayerProgress.h"
#include "gfx/ImageBank.h"
#include "gfx/ToolkitTest.h"
#include "player/Profile.h"
#include "screens/GameFade.h"
#include "screens/Screen.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "support/TestFolder.h"
#include "ui/GameText.h"
#include "ui/Menu.h"
#include "ui/MousePointer.h"

class FrontendTest : public GameRecordingTest {
 protected:
  void SetUp() override {
    GameRecordingTest::SetUp();
    const std::string built = std::string(TV_BUILD_DIR) + "/";
    if (!std::filesystem::exists(built + "Data/graphics/pressie.jpg")) GTEST_SKIP() << "data tree not built";
    SetErrorReportHook([this](const std::string& text, int fatal, int) {
      reports.push_back(text);
      if (fatal) throw std::runtime_error(text);
    });
    folder = TestFolder("-frontend");
    std::filesystem::create_directories(folder / "profiles");
    DataPaths().DataPrefix = built;
    Game->SetDefaultPaths();
    DataPaths().SubPath = folder.string() + "/";
    Game->Ini->FileName = (folder / "tinselvale").string();
    DataPaths().ProfilePath = (folder / "profiles").string() + "/";
    Settings().Music = 0;
    Settings().Sound = 0;
    Settings().Fade = 0;
    GameText = TGameText::Create(built + "Data/text/gametext.txt");
    TProfile::CreateUserFunction = InitNewProfile;
    InputFlush();
    Pointer().ClearButtons();
  }
  void TearDown() override {
    SetErrorReportHook(nullptr);
    for (int id = 0; id < int(TScreenId::Count); ++id) RegisterScreen(TScreenId(id), nullptr);
    GameText.reset();
    ImageBank.reset();
    TProfile::CreateUserFunction = nullptr;
    InputFlush();
    std::error_code ec;
    if (!folder.empty()) std::filesystem::remove_all(folder, ec);
    GameRecordingTest::TearDown();
  }

  // The pictures the board draws with, as the start-up loading fills the bank.
  void LoadBank() {
    ImageBank = std::make_unique<TImageBank>();
    ImageBank->SetPath(DataPaths().ImagePath);
    LoadGamePictures([] {});
  }
  void UseProfile(const std::string& name) {
    Game->CurrentProfile = TProfile::Create(name);
    Game->CurrentProfile->SaveUserFunction = SaveProfileData;
    Game->CurrentProfile->LoadUserFunction = LoadProfileData;
  }
  // Enters screen as the main loop would (load and start) without its fade-in.
  void Enter(TScreen& screen) {
    screen.PreStart();
    Screens().GameFade->Finish();
  }
  // The pointer at (x, y) with the left button pressed and released since the last step.
  void ClickAt(int x, int y) {
    Pointer().x = x;
    Pointer().y = y;
    Pointer().ButtonDown(1);
    Pointer().ButtonUp(1);
  }
  // The pointer at (x, y) with the left button held.
  void HoldAt(int x, int y) {
    Pointer().x = x;
    Pointer().y = y;
    Pointer().ButtonDown(1);
  }
  void ClickButton(TScreen& screen, const std::string& name) {
    auto button = screen.Menu->FindButton(name);
    ASSERT_TRUE(button) << name;
    ClickAt(int(button->x) + 5, int(button->y) + 5);
    screen.RunLogic();
    Pointer().ClearButtons();
  }
  // The value of key in the settings file as written.
  std::string Setting(const std::string& key) const {
    std::ifstream in(Game->Ini->FileName + ".ini");
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
    }
    return "";
  }

  std::filesystem::path folder;
  std::vector<std::string> reports;
};
