// The player manager under test: the dialog fixture (button pictures, menu sounds) plus
// a profile folder, settings and markers in the test's own folder, the game's glue
// between profiles and progress, the dialog pictures, and the game's font as the name
// font when the system has it.
#pragma once
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/DataPaths.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "game/Board.h"
#include "game/PlayerProgress.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "player/NameDialog.h"
#include "player/PlayerManager.h"
#include "player/Profile.h"
#include "support/TestFolder.h"
#include "ui/DialogFixture.h"

class PlayerManagerTest : public DialogTest {
 protected:
  static constexpr const char* kGameFont = "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf";

  void SetUp() override {
    DialogTest::SetUp();
    profiles = folder / "profiles";
    std::filesystem::create_directories(profiles);
    DataPaths().ProfilePath = profiles.string() + "/";
    DataPaths().SubPath = folder.string() + "/";
    Game->Ini->FileName = (folder / "tinselvale").string();
    WritePicture("Data/graphics/Localised/chooseplayer.png", 540, 450);
    WritePicture("Data/graphics/Localised/enteryourname.png", 420, 260);
    TProfile::CreateUserFunction = InitNewProfile;
    if (std::filesystem::exists(kGameFont)) Font30 = LoadImageFont(kGameFont, 30);
    ExtraBannedNameChars.clear();
  }
  void TearDown() override {
    if (manager) manager->Kill();
    manager.reset();
    Font30.reset();
    ExtraBannedNameChars.clear();
    TProfile::CreateUserFunction = nullptr;
    Game->CurrentProfile.reset();
    LevelPack = 0;
    PlayerProgress = TPackProgress{};
    DialogTest::TearDown();
  }

  // A profile file as the game writes it for a new player of that name.
  void AddPlayer(const std::string& name) {
    ::Settings().ProfileName = name;
    LoadCurrentProfile();
  }
  // The chosen player's file and settings as the game leaves them on start-up.
  void Choose(const std::string& name) {
    ::Settings().ProfileName = name;
    LoadCurrentProfile();
    Game->IniUpdate(1);
  }
  TPlayerManager& Open() {
    manager = CreateChoosePlayerDialog([](const std::string& name) {
      SetCurrentPlayer(name);
      return 1;
    });
    manager->Start();
    return *manager;
  }
  std::vector<std::string> Listed() const { return manager->ListBox->Strings; }
  // Clicks a list line (by its place in the list) in the manager's update.
  int ClickLine(int line) {
    const TListBox& list = *manager->ListBox;
    PointAt(int(list.Box.X + list.Box.W / 2), int(list.Box.Y) + list.LineHeight * (line - list.TopIndex) +
                                                  list.LineHeight / 2);
    Press();
    return Step(*manager);
  }
  // Runs the manager until it answers (at most a second of updates).
  int Answer() {
    int result = 0;
    for (int i = 0; i < 200 && result == 0; ++i) result = Step(*manager);
    return result;
  }
  // Types into whatever has the keyboard: queued characters, one update each.
  void Type(const std::string& text) {
    for (char c : text) {
      InputQueueChar(uint8_t(c));
      if (c == '\r') Key(13);
      Step(*manager);
    }
  }
  std::string SettingsFileBytes() const { return ReadTestFile(folder / "tinselvale.ini"); }
  static void Put(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  }
  // Every file of the profile folder with its bytes, sorted by name.
  std::vector<std::pair<std::string, std::string>> Folder() const {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& e : std::filesystem::directory_iterator(profiles))
      files.emplace_back(e.path().filename().string(), e.is_directory() ? "<dir>" : ReadTestFile(e.path()));
    std::sort(files.begin(), files.end());
    return files;
  }
  // The bytes the game writes for a player who has not played yet.
  static std::string FreshProfile(const std::string& name) {
    TPackProgress keep = PlayerProgress;
    const int keepPack = LevelPack;
    TProfilePtr fresh = TProfile::Create(name);
    fresh->SaveUserFunction = SaveProfileData;
    std::string bytes = fresh->Encode();
    PlayerProgress = keep;
    LevelPack = keepPack;
    return bytes;
  }

  std::filesystem::path profiles;
  TPlayerManagerPtr manager;
};
