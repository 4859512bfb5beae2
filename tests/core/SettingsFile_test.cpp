// How the settings file meets the disk: a failed save says why, once, in the log
// too; an unchanged file is not written again; and only a plain file of sensible
// size is ever read as settings.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/ErrorReport.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "platform/Files.h"
#include "support/GameFixture.h"

namespace fs = std::filesystem;

namespace {
struct Report {
  std::string text;
  int fatal, log;
};

ino_t Inode(const fs::path& p) {
  struct stat st {};
  return ::stat(p.c_str(), &st) == 0 ? st.st_ino : 0;
}
}  // namespace

using SettingsFile = GameTest;

TEST_F(SettingsFile, FailedSaveIsReportedOnceWithItsReasonAndLogged) {
  std::vector<Report> reports;
  SetErrorReportHook([&](const std::string& text, int fatal, int log) { reports.push_back({text, fatal, log}); });
  Game->IniFill();
  Game->Ini->FileName = (folder / "missing-folder" / "tinselvale").string();
  const std::string path = Game->Ini->Path();
  Game->Ini->Save();
  ASSERT_EQ(reports.size(), 1u) << "one save, one report, however often it was tried";
  EXPECT_EQ(reports[0].text, "Failed to save file " + path + " (" + std::strerror(ENOENT) + ")");
  EXPECT_EQ(reports[0].fatal, 0);
  EXPECT_EQ(reports[0].log, 1);
  std::string log;
  ASSERT_TRUE(ReadWholeFile((folder / "ErrorLog.txt").string(), log));
  EXPECT_NE(log.find("Failed to save file " + path), std::string::npos);

  Game->Ini->Save();
  Game->IniUpdate(1);
  EXPECT_EQ(reports.size(), 1u) << "the same failure again is not shown again";

  // Once a save works, a later failure is news again.
  fs::create_directories(folder / "missing-folder");
  Game->Ini->Save();
  EXPECT_TRUE(fs::exists(path));
  fs::remove_all(folder / "missing-folder");
  Settings().SoundVolume = 12;
  Game->IniUpdate(1);
  EXPECT_EQ(reports.size(), 2u);
  SetErrorReportHook(nullptr);
}

TEST_F(SettingsFile, UnchangedSettingsAreNotWrittenAgain) {
  Game->IniFill();
  Game->Ini->Save();
  const fs::path path = Game->Ini->Path();
  const ino_t first = Inode(path);
  ASSERT_NE(first, 0u);
  Game->Ini->Load();
  Game->IniUpdate(0);
  Game->Ini->Save();
  EXPECT_EQ(Inode(path), first) << "the same bytes were written again";
  Settings().SoundVolume = 55;
  Game->IniUpdate(0);
  EXPECT_NE(Inode(path), first) << "a change is written";
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(path.string(), bytes));
  EXPECT_NE(bytes.find("\r\nSOUND VOLUME=55\r\n"), std::string::npos);
}

TEST_F(SettingsFile, OnlyAPlainFileOfSensibleSizeIsRead) {
  Game->IniFill();
  const fs::path path = Game->Ini->Path();
  {
    std::ofstream out(path, std::ios::binary);
    out << "SOUND VOLUME=3\r\n";
  }
  fs::resize_file(path, 2 << 20);  // a settings file of 2 MB is no settings file
  ASSERT_EQ(Game->Ini->LoadAttempt(), 0);

  fs::remove(path);
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  EXPECT_EQ(Game->Ini->LoadAttempt(), 0) << "a pipe in its place does not hold up the start";
  fs::remove(path);
  fs::create_symlink("/dev/zero", path);
  EXPECT_EQ(Game->Ini->LoadAttempt(), 0) << "nor does an endless device";
  fs::remove(path);
  fs::create_directory(path);
  EXPECT_EQ(Game->Ini->LoadAttempt(), 0);
  fs::remove(path);

  {
    std::ofstream out(path, std::ios::binary);
    out << "SOUND VOLUME=3\r\n";
  }
  EXPECT_EQ(Game->Ini->LoadAttempt(), 1);
  EXPECT_EQ(*Game->Ini->Find("SOUND VOLUME"), "3");
}
