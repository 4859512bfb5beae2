#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/ErrorReport.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/TextLines.h"
#include "platform/Files.h"
#include "support/GameFixture.h"
#include "support/TestFolder.h"

namespace fs = std::filesystem;

TEST(IniNumbers, DecimalHexBinarySignsAndOverflowWrap) {
  EXPECT_EQ(ReadIntValue("75"), 75);
  EXPECT_EQ(ReadIntValue(" 75"), 75);       // leading white space skipped
  EXPECT_EQ(ReadIntValue("\t-12abc"), -12);  // stops at the first other character
  EXPECT_EQ(ReadIntValue("+7"), 7);
  EXPECT_EQ(ReadIntValue("abc"), 0);
  EXPECT_EQ(ReadIntValue(""), 0);
  EXPECT_EQ(ReadIntValue("-"), 0);
  EXPECT_EQ(ReadIntValue("$ff"), 255);
  EXPECT_EQ(ReadIntValue("$1G"), 1);
  EXPECT_EQ(ReadIntValue("-$10"), -16);
  EXPECT_EQ(ReadIntValue("%1011"), 11);
  EXPECT_EQ(ReadIntValue("%102"), 2);  // 2 is not a binary digit
  EXPECT_EQ(ReadIntValue("2147483647"), 2147483647);
  // Past 32 bits the value wraps instead of being undefined.
  EXPECT_EQ(ReadIntValue("2147483648"), int32_t(0x80000000u));
  EXPECT_EQ(ReadIntValue("4294967297"), 1);
  // A long run of digits keeps wrapping modulo 2^32 (10^20 mod 2^32 = 1661992960).
  EXPECT_EQ(ReadIntValue("100000000000000000000"), 1661992960);
  EXPECT_EQ(ReadIntValue("$FFFFFFFF"), -1);
}

TEST(IniFileText, OverlayTakesKnownKeysUpperCasedUntrimmedLaterWins) {
  TIniFile ini;
  ini.Add("Full Screen", "1");
  ini.Add("Sound", "1");
  ini.Add("Profile Name", "");
  ini.Add("Music Volume", "100");
  ini.Overlay(
      "full screen=0\r\n"
      "SOUND =0\n"             // trailing space in the key: matches nothing
      "[Section]\r\n"
      "; comment\n"
      "Unknown Key=5\n"
      "Profile Name=Ann=Bob\r\n"  // the value is everything after the first '='
      "music volume=20\n"
      "MUSIC VOLUME=30\r"       // later line wins; CR dropped, no LF at the end
  );
  EXPECT_EQ(*ini.Find("FULL SCREEN"), "0");
  EXPECT_EQ(*ini.Find("Sound"), "1");
  EXPECT_EQ(*ini.Find("profile name"), "Ann=Bob");
  EXPECT_EQ(*ini.Find("Music Volume"), "30");
  EXPECT_EQ(ini.Find("UNKNOWN KEY"), nullptr);
  EXPECT_EQ(ini.Lines.size(), 4u);
  EXPECT_EQ(ini.Text(), "FULL SCREEN=0\r\nSOUND=1\r\nPROFILE NAME=Ann=Bob\r\nMUSIC VOLUME=30\r\n");

  // A zero byte ends a line like LF does; a line without '=' is a key with an empty value.
  TIniFile z;
  z.Add("A", "x");
  z.Add("B", "y");
  z.Overlay(std::string("A=1\0B=2", 7));
  EXPECT_EQ(*z.Find("A"), "1");
  EXPECT_EQ(*z.Find("B"), "2");
  z.Overlay("B\n");
  EXPECT_EQ(*z.Find("B"), "");
}

TEST_F(GameTest, SettingsListHoldsTheKeysInFileOrderAndReadsBack) {
  Settings().ProfileName = "Ann";
  Settings().Particles = 250;
  Game->IniFill();
  std::string text = Game->Ini->Text();
  const char* expected =
      "VERSION NO=1.11\r\nFULL SCREEN=1\r\nWIDESCREEN=0\r\nBORDERLESS WINDOW=0\r\nSOUND=1\r\nMUSIC=1\r\n"
      "SPEECH=1\r\nSOUND VOLUME=100\r\nMUSIC VOLUME=100\r\nSPEECH VOLUME=100\r\nFADE=1\r\nPARTICLES=250\r\n"
      "SCREENSHAKE=100\r\nPORTAL SPLASH=0\r\nPORTAL SPLASH2=0\r\nINTRO=0\r\nVSYNC=1\r\nDRIVER=0\r\n"
      "SOUND DRIVER=FreeAudio\r\nFULL SCREEN PROCESS PRIORITY=0\r\nFULL SCREEN THREAD PRIORITY=0\r\n"
      "WINDOWED PROCESS PRIORITY=0\r\nWINDOWED THREAD PRIORITY=0\r\nPROFILE NAME=Ann\r\nREGION=0\r\n"
      "SUB-REGION=0\r\nCUSTOM MOUSE POINTER=1\r\n";
  EXPECT_EQ(text, expected);
  EXPECT_EQ(Game->Ini->Lines.size(), 27u);

  // Values are taken unclamped, text keys as text; the version is read but never written back.
  Game->Ini->Overlay("VERSION NO=0.9\nSOUND VOLUME=abc\nPARTICLES= 250\nSOUND DRIVER=None\nFULL SCREEN=$0\n"
                     "CUSTOM MOUSE POINTER=%10\n");
  Game->IniExtract();
  EXPECT_EQ(Settings().VersionNumber, "0.9");
  EXPECT_EQ(Settings().SoundVolume, 0);
  EXPECT_EQ(Settings().Particles, 250);
  EXPECT_EQ(Settings().SoundDriver, "None");
  EXPECT_EQ(Settings().FullScreen, 0);
  EXPECT_EQ(Settings().CustomMousePointer, 2);
  Game->IniFill();
  EXPECT_EQ(*Game->Ini->Find("VERSION NO"), "1.11");

  Game->ParticlesSet(-5, 0);
  EXPECT_EQ(Settings().Particles, 0);
  Settings().screenShake = 7;
  Game->ScreenShakeSetIniValue(400, 0);
  EXPECT_EQ(Settings().screenShake, 100);
}

TEST_F(GameTest, LoadNormalisesTheFileAndSaveFailureIsReported) {
  const fs::path dir = TestFolder();
  std::vector<std::string> reports;
  SetErrorReportHook([&](const std::string& text, int, int) { reports.push_back(text); });
  Game->IniFill();
  Game->Ini->FileName = (dir / "tinselvale").string();
  WriteFileSafely(Game->Ini->Path(), "; made by hand\r\n[Display]\nfull screen=0\nExtra=1\nsound volume=40\n");
  Game->Ini->Load();
  Game->IniExtract();
  EXPECT_EQ(Settings().FullScreen, 0);
  EXPECT_EQ(Settings().SoundVolume, 40);
  std::string written = ReadTestFile(Game->Ini->Path());
  EXPECT_EQ(written.rfind("VERSION NO=1.11\r\nFULL SCREEN=0\r\n", 0), 0u);
  EXPECT_EQ(written.find("Extra"), std::string::npos);
  EXPECT_EQ(written.find("Display"), std::string::npos);
  EXPECT_NE(written.find("SOUND VOLUME=40\r\n"), std::string::npos);
  EXPECT_TRUE(reports.empty());

  // A file that cannot be created: reported with its path once the tries are used up,
  // and the game goes on.
  Game->Ini->FileName = (dir / "missing-folder" / "tinselvale").string();
  EXPECT_EQ(Game->Ini->SaveAttempt(), 0);
  EXPECT_TRUE(reports.empty());
  Game->Ini->Save();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].rfind("Failed to save file " + Game->Ini->Path() + " (", 0), 0u) << reports[0];
  SetErrorReportHook(nullptr);
}
