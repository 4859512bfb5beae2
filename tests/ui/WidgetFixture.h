// Widgets under test: a game object with 5 ms ticks, a recording back end, a pointer
// to move and press, a throwing error report, and (for loaders) a program folder of
// the test's own with pictures written into it.
#pragma once
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/ErrorReport.h"
#include "core/Game.h"
#include "core/Input.h"
#include "gfx/GameImage.h"
#include "gfx/Pixmap.h"
#include "gfx/ToolkitTest.h"
#include "platform/Files.h"
#include "support/TestFolder.h"
#include "ui/MousePointer.h"

class WidgetTest : public GameRecordingTest {
 protected:
  void SetUp() override {
    GameRecordingTest::SetUp();
    SetErrorReportHook([this](const std::string& text, int fatal, int) {
      reports.push_back(text);
      if (fatal) throw std::runtime_error(text);
    });
    InputFlushKeys();
    Pointer().ClearButtons();
  }
  void TearDown() override {
    SetErrorReportHook(nullptr);
    InputFlushKeys();
    if (!folder.empty()) {
      std::filesystem::current_path(oldCwd);
      std::error_code ec;
      std::filesystem::remove_all(folder, ec);
      ClearDataPathCache();
    }
    GameRecordingTest::TearDown();
  }

  // Works inside a fresh program folder from now on (data lookups are relative to it).
  void UseProgramFolder() {
    folder = FreshTestFolder();
    oldCwd = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    ClearDataPathCache();
  }
  // A program folder whose menus (buttons) and sounds are looked up where the game keeps them.
  void UseMenuFolders() {
    UseProgramFolder();
    Game->SetMenuPath("Data/menus");
    Game->SetSoundPath("Data/sound");
  }
  // A w x h PNG at the relative path.
  static void WritePicture(const std::string& path, int w, int h) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    auto px = TPixmap::Create(w, h, PF_RGBA8888);
    for (auto& b : px->pixels) b = 255;
    ASSERT_TRUE(SavePixmapPNG(*px, path));
  }
  static std::shared_ptr<TGameImage> BankPicture(int w, int h, const std::string& name = "PIC") {
    return TGameImage::CreateFromImage(Picture(w, h), name, 0);
  }

  // The pointer as the event handling leaves it.
  void PointAt(int x, int y) {
    Pointer().x = x;
    Pointer().y = y;
  }
  void Press() {
    Pointer().ButtonDown(1);
    Pointer().ButtonUp(1);
  }
  void Key(int code) { InputRecordKey(code, 0, true), InputRecordKey(code, 0, false); }

  std::vector<std::string> reports;
  std::filesystem::path folder, oldCwd;
};
