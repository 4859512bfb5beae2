// The player manager: which files of the profile folder are players, creating up to
// six, deleting with a question (never the last one), choosing, cancelling after the
// current player was deleted, and that a player taken over never inherits anything
// from the one before, whatever state their file is in.
#include <gtest/gtest.h>

#include "core/Settings.h"
#include "platform/Events.h"
#include "player/PlayerManagerFixture.h"

namespace fs = std::filesystem;

TEST_F(PlayerManagerTest, ListsOnlyFilesThatNameAPlayer) {
  AddPlayer("anna");
  AddPlayer("Bob");
  const std::string fresh = FreshProfile("x");
  Put(profiles / "Zo\xC3\xAB.dat", FreshProfile("Zo\xEB"));  // named in UTF-8 on disk
  for (const char* stray : {"x\r\nFULL SCREEN=0.dat", ".dat", "Carl.DAT", "notes.txt", "Dora.dat.tmp",
                            "bad\xFF.dat", "tab\tname.dat", "del\x7F.dat", "c1\xC2\x81.dat", "long\xC0\xAE.dat"})
    Put(profiles / stray, fresh);
  fs::create_directory(profiles / "Eve.dat");
  Choose("Bob");
  const auto before = Folder();

  Open();
  EXPECT_EQ(Listed(), (std::vector<std::string>{"anna", "Bob", "Zo\xEB"}));
  EXPECT_EQ(manager->ListBox->Value, "Bob") << "the current player is selected";
  EXPECT_EQ(manager->ListBox->Limit, 6);

  // Choosing the player whose file is named in UTF-8: the settings get the name.
  EXPECT_EQ(ClickLine(2), 0);
  EXPECT_EQ(Click(*manager, "OK"), 1);
  EXPECT_EQ(::Settings().ProfileName, "Zo\xEB");
  EXPECT_EQ(Game->CurrentProfile->Name, "Zo\xEB");
  EXPECT_NE(SettingsFileBytes().find("=Zo\xEB\r\n"), std::string::npos);
  EXPECT_EQ(SettingsFileBytes().find("x\r\nFULL"), std::string::npos);
  EXPECT_EQ(Folder(), before) << "choosing writes nothing into the profile folder";
  EXPECT_TRUE(reports.empty());
}

TEST_F(PlayerManagerTest, CreatesPlayersUpToSix) {
  for (const char* name : {"Anna", "Bob", "Cleo", "Dan"}) AddPlayer(name);
  Choose("Anna");
  Open();
  EXPECT_EQ(Click(*manager, "Create"), 0);
  ASSERT_NE(manager->EnterName, nullptr);
  EXPECT_EQ(manager->EnterName->Menu->FindButton("Cancel") != nullptr, true);
  // A name that is taken is refused inside the prompt; nothing changes on disk.
  auto before = Folder();
  Type("bob\r");
  ASSERT_NE(manager->EnterName, nullptr);
  ASSERT_NE(manager->EnterName->DialogOK, nullptr);
  EXPECT_EQ(manager->EnterName->DialogOK->Caption->Text, "A player with that name already exists.");
  EXPECT_EQ(KeyStep(*manager, 27), 0);
  EXPECT_EQ(manager->EnterName->DialogOK, nullptr);
  EXPECT_EQ(Folder(), before);

  // Banned characters do not arrive; the first letter is a capital as it is typed.
  Type("\b\b\b");
  std::string typed = "e/v:a*_#@[]^{}";
  std::string expected = "Eva";
  if (Font30) typed += "\xEB", expected += "\xEB";
  int answer = 0;
  for (char c : typed + "\r") {
    InputQueueChar(uint8_t(c));
    answer = Step(*manager);
  }
  EXPECT_EQ(answer, 1) << "a new player is accepted at once";
  EXPECT_EQ(manager->EnterName, nullptr);
  EXPECT_EQ(::Settings().ProfileName, expected);
  EXPECT_EQ(Game->CurrentProfile->Name, expected);
  const fs::path file = profiles / (Utf8FromCp1252(expected) + ".dat");
  EXPECT_EQ(ReadTestFile(file), FreshProfile(expected)) << "a new player's file, 524 bytes";
  EXPECT_NE(SettingsFileBytes().find("=" + expected + "\r\n"), std::string::npos);
  manager->Kill();

  // Six players: "Create" shows the refusal and no prompt.
  AddPlayer("Finn");
  Choose("Anna");
  Open();
  ASSERT_EQ(Listed().size(), 6u);
  before = Folder();
  EXPECT_EQ(Click(*manager, "Create"), 0);
  EXPECT_EQ(manager->EnterName, nullptr);
  ASSERT_NE(manager->DialogOK, nullptr);
  EXPECT_EQ(manager->DialogOK->Caption->Text, "You cannot create any more players!");
  EXPECT_EQ(Click(*manager, "OK"), 0) << "the row under the message does not answer";
  EXPECT_EQ(KeyStep(*manager, 27), 0);
  EXPECT_EQ(manager->DialogOK, nullptr);
  EXPECT_EQ(Game->IgnoreEscapeKey, 1) << "Escape still belongs to the open player manager";
  EXPECT_EQ(manager->Active, 1);
  EXPECT_EQ(Folder(), before);
  EXPECT_EQ(::Settings().ProfileName, "Anna");
}

TEST_F(PlayerManagerTest, DeletesAfterAskingButNeverTheLastPlayer) {
  for (const char* name : {"Anna", "Bob", "Cleo"}) AddPlayer(name);
  Choose("Bob");
  Open();
  EXPECT_EQ(manager->ListBox->Index, 1);
  EXPECT_EQ(Click(*manager, "Delete"), 0);
  ASSERT_NE(manager->DialogYesNo, nullptr);
  EXPECT_EQ(manager->DialogYesNo->Caption->Text, "Are you sure you want to delete this player?");
  EXPECT_EQ(KeyStep(*manager, 78), 0) << "N keeps the player";
  EXPECT_TRUE(fs::exists(profiles / "Bob.dat"));
  Key(46);  // the Delete key asks too
  Step(*manager);
  ASSERT_NE(manager->DialogYesNo, nullptr);
  PointAtButton(*manager->DialogYesNo, "Yes");
  Press();
  EXPECT_EQ(Step(*manager), 0) << "the question answered, the manager stays open";
  EXPECT_EQ(manager->DialogYesNo, nullptr);
  EXPECT_FALSE(fs::exists(profiles / "Bob.dat"));
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Anna", "Cleo"}));
  EXPECT_EQ(manager->ListBox->Value, "Cleo") << "the selection stays on the same line";
  EXPECT_EQ(Game->CurrentProfile->Name, "Bob") << "the current player is not touched yet";
  // ...but forgotten by the settings at once, and never written back: a window closed
  // now must not bring an empty Bob back at the next start.
  EXPECT_EQ(Settings().ProfileName, "");
  EXPECT_NE(SettingsFileBytes().find("PROFILE NAME=\r\n"), std::string::npos);
  Game->CurrentProfile->Save();
  EXPECT_FALSE(fs::exists(profiles / "Bob.dat"));

  // The last line deleted: the line before it is selected.
  Click(*manager, "Delete");
  KeyStep(*manager, 89);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Anna"}));
  EXPECT_EQ(manager->ListBox->Value, "Anna");
  // One left: refused.
  const auto before = Folder();
  Click(*manager, "Delete");
  ASSERT_NE(manager->DialogOK, nullptr);
  EXPECT_EQ(manager->DialogYesNo, nullptr);
  EXPECT_EQ(manager->DialogOK->Caption->Text, "The list must contain at least one player!");
  KeyStep(*manager, 13);
  EXPECT_EQ(manager->DialogOK, nullptr);
  // No selection: neither "OK" nor "Delete" does anything.
  manager->ListBox->ClearIndex();
  EXPECT_EQ(Click(*manager, "Delete"), 0);
  EXPECT_EQ(manager->DialogOK, nullptr);
  EXPECT_EQ(Click(*manager, "OK"), 0);
  EXPECT_EQ(manager->Active, 1);
  EXPECT_EQ(Folder(), before);

  // Cancel after the current player went: the first listed player takes over.
  EXPECT_EQ(Click(*manager, "Cancel"), -1);
  EXPECT_EQ(manager->Active, 0);
  EXPECT_EQ(::Settings().ProfileName, "Anna");
  EXPECT_EQ(Game->CurrentProfile->Name, "Anna");
  EXPECT_NE(SettingsFileBytes().find("=Anna\r\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(profiles / "Bob.dat")) << "the deleted player is not written back";
}

TEST_F(PlayerManagerTest, PlayerTakenOverStartsFreshWhateverTheirFile) {
  AddPlayer("Bob");
  Put(profiles / "Cora.dat", std::string(524, '\0'));
  Put(profiles / "Dan.dat", FreshProfile("Dan").substr(0, 100));
  Choose("Ann");
  LevelPack = 1;
  PlayerProgress.Level[1] = 30;
  PlayerProgress.Unlocked[1] = 31;
  PlayerProgress.Level[7] = 9;
  Game->CurrentProfile->HintsSet(1);
  Game->CurrentProfile->Save();
  const std::string ann = ReadTestFile(profiles / "Ann.dat");
  auto expectFresh = [&](const std::string& name) {
    EXPECT_EQ(::Settings().ProfileName, name);
    EXPECT_EQ(Game->CurrentProfile->Name, name);
    EXPECT_EQ(LevelPack, 0) << name;
    EXPECT_EQ(PlayerProgress.Level[1], 1) << name;
    EXPECT_EQ(PlayerProgress.Unlocked[1], 1) << name;
    EXPECT_EQ(PlayerProgress.Level[7], 1) << name;
    EXPECT_EQ(Game->CurrentProfile->ShowHint(5, 0), 1) << name << ": no hint of the player before";
    Game->CurrentProfile->HintsShown[5] = 0;
    EXPECT_EQ(Game->CurrentProfile->Encode(), FreshProfile(name)) << name;
  };

  // A corrupt file: reported, and the player starts from nothing.
  Open();
  ClickLine(2);
  EXPECT_EQ(manager->ListBox->Value, "Cora");
  EXPECT_EQ(Click(*manager, "OK"), 1);
  expectFresh("Cora");
  const std::string kept = " The file is kept as it is; progress made now will not be saved.";
  EXPECT_EQ(reports, (std::vector<std::string>{"Profile Cora is corrupt: First int was 0." + kept}));
  Game->CurrentProfile->Save();
  EXPECT_EQ(ReadTestFile(profiles / "Cora.dat"), std::string(524, '\0')) << "a file that did not load is never replaced";
  EXPECT_EQ(ReadTestFile(profiles / "Ann.dat"), ann);
  manager->Kill();

  // Back to Ann: all of her progress is there again.
  Open();
  ClickLine(0);
  EXPECT_EQ(Click(*manager, "OK"), 1);
  EXPECT_EQ(PlayerProgress.Level[1], 30);
  EXPECT_EQ(Game->CurrentProfile->ShowHint(5, 0), 0);
  manager->Kill();

  // A file cut short: read part of the way, then given up; still nothing of Ann's.
  reports.clear();
  Open();
  ClickLine(3);
  ClickLine(3);  // a double click accepts
  EXPECT_EQ(manager->Active, 0);
  expectFresh("Dan");
  EXPECT_EQ(reports, (std::vector<std::string>{"Profile Dan failed to load (the file ends too early)." + kept}));
  manager->Kill();

  // A file that went missing after the list was made is written afresh.
  Choose("Ann");
  Open();
  fs::remove(profiles / "Bob.dat");
  ClickLine(1);
  EXPECT_EQ(KeyStep(*manager, 13), 1) << "Enter presses OK";
  expectFresh("Bob");
  EXPECT_EQ(ReadTestFile(profiles / "Bob.dat"), FreshProfile("Bob"));
  EXPECT_EQ(ReadTestFile(profiles / "Ann.dat"), ann);
}

TEST_F(PlayerManagerTest, EscapeCancelsAndTheNameCheckRefusesUnsafeNames) {
  AddPlayer("Anna");
  AddPlayer("Bob");
  Choose("Bob");
  Open();
  ClickLine(0);
  EXPECT_EQ(KeyStep(*manager, 27), -1);
  EXPECT_EQ(::Settings().ProfileName, "Bob") << "cancelled: the current player stays";
  EXPECT_EQ(Game->IgnoreEscapeKey, 0);

  std::string error;
  EXPECT_EQ(CheckProfileName("Cleo", error), 1);
  EXPECT_EQ(CheckProfileName("Anna", error), -1);
  for (const char* bad : {".", "..", "a/b", "tab\tname"}) {
    error.clear();
    EXPECT_EQ(CheckProfileName(bad, error), -1) << bad;
    EXPECT_FALSE(error.empty());
  }
  // The name prompt bans the unsafe characters, the fixed set and what the name font
  // cannot draw; a first letter made a capital is checked again.
  auto prompt = CreateNameDialog(0);
  EXPECT_EQ(prompt->Menu->FindButton("Cancel"), nullptr);
  EXPECT_EQ(prompt->TextInput->MaxLength, 100);
  EXPECT_EQ(prompt->TextInput->MaxPixelWidth, 160);
  for (char c : std::string("%/\\:*_#@[]\x80\xC0\xDF"))
    EXPECT_NE(prompt->TextInput->BannedChars.find(c), std::string::npos) << int(uint8_t(c));
  for (int c = 32; c < 256; ++c) {
    if (c == 127 || prompt->TextInput->FontCanDraw(c)) continue;
    EXPECT_NE(prompt->TextInput->BannedChars.find(char(c)), std::string::npos) << c;
  }
  prompt->Start();
  prompt->TextInput->UppercaseFirstCharAsTyped = 1;
  for (char c : std::string("\xE0" "a/b\\c:d*e_f#g")) {
    InputQueueChar(uint8_t(c));
    prompt->Manage();
  }
  EXPECT_EQ(prompt->TextInput->Text, "Abcdefg") << "\xE0 would be the banned \xC0 as a capital";
  prompt->Kill();
}
