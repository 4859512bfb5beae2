#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/DataPaths.h"
#include "core/ErrorReport.h"
#include "core/IniFile.h"
#include "core/Paths.h"
#include "core/Settings.h"
#include "core/TextLines.h"
#include "platform/Files.h"
#include "support/GameFixture.h"
#include "support/TestFolder.h"

namespace fs = std::filesystem;

namespace {

// A game object whose shared data folder and data tree live in a fresh temporary folder.
class PathsTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    root = TestFolder();
    oldCwd = fs::current_path();
    fs::create_directories(root / "prog" / "data");
    fs::current_path(root / "prog");
    ClearDataPathCache();
    setenv("XDG_DATA_HOME", (root / "xdg").c_str(), 1);
    SetErrorReportHook([this](const std::string& text, int fatal, int log) {
      reports.push_back(text);
      if (fatal) throw std::runtime_error("fatal: " + text);
    });
    Game->SetSubPathWrapper("Quillmoth/Tinselvale GOLD", 1);
  }
  void TearDown() override {
    SetErrorReportHook(nullptr);
    fs::current_path(oldCwd);
    fs::remove_all(root);
    ClearDataPathCache();
    GameTest::TearDown();
  }
  // The start-up steps of the settings, as the start function runs them.
  void StartUp() {
    Game->CheckGoodExit();
    Game->CreateSharedDataFolder();
    Game->InitSettings();
    Game->CreateProfileFolder();
  }
  fs::path shared() const { return root / "xdg" / "Quillmoth" / "Tinselvale GOLD"; }
  fs::path iniPath() const { return fs::path(Game->SettingsFileBase() + ".ini"); }

  fs::path root, oldCwd;
  std::vector<std::string> reports;
};
}  // namespace

TEST(PathText, AddSlashProgramNameAndDataFolder) {
  EXPECT_EQ(AddSlash(""), "/");
  EXPECT_EQ(AddSlash("a"), "a/");
  EXPECT_EQ(AddSlash("a/"), "a/");
  EXPECT_EQ(AddSlash("a\\"), "a\\");
  EXPECT_EQ(ProgramBaseName("/opt/tv/tinselvale"), "tinselvale");
  EXPECT_EQ(ProgramBaseName("/opt/tv/tinselvale.debug"), "tinselvale");
  EXPECT_EQ(ProgramBaseName("/opt/tv/tv.debug.bin"), "tv");
  // Short names must not be cut at a fixed position.
  EXPECT_EQ(ProgramBaseName("tv"), "tv");
  EXPECT_EQ(ProgramBaseName("/x/.debug"), ".debug");
  EXPECT_EQ(ProgramPathWithoutExtension("/opt/tv/tinselvale.exe"), "/opt/tv/tinselvale");

  setenv("XDG_DATA_HOME", "relative/path", 1);
  setenv("HOME", "/home/ann", 1);
  EXPECT_EQ(GetSpecialFolderPath(35), "/home/ann/.local/share/");
  setenv("XDG_DATA_HOME", "/data/ann", 1);
  EXPECT_EQ(GetSpecialFolderPath(35), "/data/ann/");
  EXPECT_EQ(GetSpecialFolderPath(5), "");
}

TEST_F(PathsTest, FirstStartMakesFoldersAndANormalisedFileWithoutCrashMessage) {
  EXPECT_EQ(DataPaths().SubPath, shared().string() + "/");
  EXPECT_EQ(DataPaths().ProfilePath, shared().string() + "/profiles/");
  EXPECT_EQ(ErrorLogFolder, DataPaths().SubPath);
  EXPECT_EQ(DataPaths().ImagePath, "Data/graphics/");
  std::ofstream(root / "prog" / "data" / "Default.ini") << "Full Screen=0\r\nDriver=1\r\n";
  StartUp();
  EXPECT_TRUE(fs::is_directory(shared() / "profiles"));
  // Named after the program file (here the test program).
  EXPECT_EQ(iniPath(), shared() / "test_core.ini");
  EXPECT_EQ(Game->UseWindowedModeAfterCrash, 1);
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(Settings().FullScreen, 0);
  EXPECT_EQ(Settings().Driver, 1);
  std::string text = ReadTestFile(iniPath());
  EXPECT_EQ(text.rfind("VERSION NO=1.11\r\nFULL SCREEN=0\r\n", 0), 0u);
  EXPECT_EQ(SplitTextLines(text).size(), 27u);
}

TEST_F(PathsTest, KilledRunStartsWindowedAndLogs_ChangedSettingsRestoreDefaultsKeepingTheName) {
  std::ofstream(root / "prog" / "data" / "Default.ini") << "Full Screen=1\r\nSound Volume=100\r\nDriver=1\r\n";
  StartUp();
  // The player changes settings, then the run is killed (no good-exit marker).
  Settings().ProfileName = "Ann";
  Settings().SoundVolume = 10;
  Game->IniUpdate(1);
  EXPECT_TRUE(fs::exists(shared() / "inichanged.dat"));

  game = std::make_unique<TGame>();
  Game = game.get();
  Game->SetSubPathWrapper("Quillmoth/Tinselvale GOLD", 1);
  StartUp();
  EXPECT_EQ(Game->UseWindowedModeAfterCrash, 2);
  EXPECT_EQ(Settings().FullScreen, 0);
  EXPECT_EQ(Settings().SoundVolume, 100) << "the shipped defaults come back";
  EXPECT_EQ(Settings().ProfileName, "Ann") << "the player's name is kept";
  EXPECT_FALSE(fs::exists(shared() / "inichanged.dat"));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0], "Starting in Windowed mode due to incorrect shutdown.");
  std::string log = ReadTestFile(shared() / "ErrorLog.txt");
  EXPECT_EQ(log.rfind(std::string(57, '-') + "\r\nDate: ", 0), 0u);
  EXPECT_NE(log.find("   Time: "), std::string::npos);
  EXPECT_NE(log.find("\r\nStarting in Windowed mode due to incorrect shutdown.\r\n"), std::string::npos);
  EXPECT_NE(ReadTestFile(iniPath()).find("FULL SCREEN=0\r\n"), std::string::npos);

  // A clean exit this time: the next start finds the marker, deletes it, no message.
  TGame::MakeGoodExit();
  EXPECT_TRUE(fs::exists(shared() / "GoodExit.dat"));
  game = std::make_unique<TGame>();
  Game = game.get();
  Game->SetSubPathWrapper("Quillmoth/Tinselvale GOLD", 1);
  reports.clear();
  StartUp();
  EXPECT_EQ(Game->UseWindowedModeAfterCrash, 1);
  EXPECT_TRUE(reports.empty());
  EXPECT_FALSE(fs::exists(shared() / "GoodExit.dat"));
}

TEST_F(PathsTest, RestoreWithoutDefaultFileStillKeepsThePlayersName) {
  StartUp();
  Settings().ProfileName = "Bob";
  Game->IniUpdate(1);
  Game->RestoreDefaultSettings();
  EXPECT_EQ(ReadTestFile(iniPath()), "PROFILE NAME=Bob\r\n");
  // A default file without the key gets it added rather than losing it.
  std::ofstream(root / "prog" / "data" / "default.ini") << "Music=0\r\n";
  ClearDataPathCache();
  Game->RestoreDefaultSettings();
  EXPECT_EQ(ReadTestFile(iniPath()), "Music=0\r\nPROFILE NAME=Bob\r\n");
}

TEST_F(PathsTest, ProfileFolderQueries) {
  StartUp();
  EXPECT_EQ(Game->ProfileFolderInUse(), 0);
  std::ofstream(shared() / "profiles" / ".dat") << "";
  EXPECT_EQ(Game->ProfileFolderInUse(), 0);
  std::ofstream(shared() / "profiles" / "Ann.dat") << "";
  std::ofstream(shared() / "profiles" / "notes.txt") << "";
  EXPECT_EQ(Game->ProfileFolderInUse(), 1);
  Game->DeleteAllProfiles();
  EXPECT_FALSE(fs::exists(shared() / "profiles" / "Ann.dat"));
  EXPECT_TRUE(fs::exists(shared() / "profiles" / "notes.txt"));
  fs::remove_all(shared() / "profiles");
  EXPECT_THROW(Game->ProfileFolderInUse(), std::runtime_error);
  EXPECT_EQ(reports.back(), "Failed to read directory '" + DataPaths().ProfilePath + "'");
}
