// The "Choose Player" dialog in a real window with the game's own pictures, fonts and
// texts, driven through the window system's event queue the way a player drives it:
// players created (names typed with banned and accented letters), deleted, chosen and
// cancelled, and the profile folder compared byte for byte afterwards.
#include <gtest/gtest.h>

#include <SDL.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "app/GameDisplay.h"
#include "core/DataPaths.h"
#include "core/ErrorReport.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Input.h"
#include "core/Settings.h"
#include "game/Board.h"
#include "game/PlayerProgress.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "platform/Events.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/Window.h"
#include "player/NameDialog.h"
#include "player/PlayerManager.h"
#include "player/Profile.h"
#include "screens/Screen.h"
#include "screens/ScreenSwitch.h"
#include "support/TestFolder.h"
#include "support/WindowGameFixture.h"
#include "ui/GameText.h"
#include "ui/MousePointer.h"

namespace fs = std::filesystem;

namespace {
const fs::path kBuild = TV_BUILD_DIR;

class PlayerManagerWindow : public WindowGameTest {
 protected:
  void SetUp() override {
    if (!fs::exists(kBuild / "Data/menus/OK2.png") || !fs::exists(kBuild / "Data/fonts/CARD1.dat"))
      GTEST_SKIP() << "the data tree has not been made (build the gamedata target)";
    StartGame(screen);
    if (HasFatalFailure()) return;
    profiles = folder / "profiles";
    fs::create_directories(profiles);
    DataPaths().ProfilePath = profiles.string() + "/";
    Clock().FixedRateLogic.JitterCorrection = 0;
    ASSERT_EQ(GameDisplay().UsingVirtualResolution, 0) << "window pixels are screen pixels";
    Font25 = LoadImageFont("Data/fonts/CARD1.dat", 25, 6);
    Font30 = LoadImageFont("Data/fonts/CARD1.dat", 30, 6);
    ASSERT_NE(Font30, nullptr);
    GameText = TGameText::Create(DataPaths().TextPath + "gametext.txt");
    TProfile::CreateUserFunction = InitNewProfile;
    ExtraBannedNameChars.clear();
  }
  void TearDown() override {
    if (!game) return;
    screen.Kill();
    Game->CurrentProfile.reset();
    TProfile::CreateUserFunction = nullptr;
    GameText.reset();
    Font25.reset();
    Font30.reset();
    ExtraBannedNameChars.clear();
    PlayerProgress = TPackProgress{};
    LevelPack = 0;
    SetInWindowMessageBox(nullptr);
    StopGame();
  }

  void Frames(int n) {
    for (int i = 0; i < n; ++i) {
      Game->MainLogicLoop();
      Game->ScreenDraw();
    }
  }
  static void Push(SDL_Event e) { ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError(); }
  // A left click at a point of the logical screen (the window shows it 1:1).
  void ClickAt(int x, int y) {
    PlatformWarpMouse(x, y);
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    Push(e);
    e = SDL_Event{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = SDL_PRESSED;
    e.button.clicks = 1;
    e.button.x = x;
    e.button.y = y;
    Push(e);
    e.type = SDL_MOUSEBUTTONUP;
    e.button.state = SDL_RELEASED;
    Push(e);
    Frames(2);
  }
  void ClickButton(const TDialog& dialog, const std::string& name) {
    auto button = dialog.Menu->FindButton(name);
    ASSERT_NE(button, nullptr) << name;
    ClickAt(int(button->x) + button->w / 2, int(button->y) + button->h / 2);
  }
  void ClickLine(const std::string& name) {
    const TListBox& list = *manager->ListBox;
    const auto& lines = list.Strings;
    const int line = int(std::find(lines.begin(), lines.end(), name) - lines.begin());
    ASSERT_LT(line, int(lines.size())) << name;
    ClickAt(int(list.Box.X + list.Box.W / 2), int(list.Box.Y) + (line - list.TopIndex) * list.LineHeight +
                                                 list.LineHeight / 2);
  }
  void PressKey(SDL_Keycode key) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    Push(e);
    e.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    Push(e);
    Frames(2);
  }
  // Typed text as the window system delivers it: UTF-8, one character at a time.
  void TypeUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
      size_t n = 1;
      while (i + n < text.size() && (uint8_t(text[i + n]) & 0xC0) == 0x80) ++n;
      SDL_Event e{};
      e.type = SDL_TEXTINPUT;
      text.copy(e.text.text, n, i);
      Push(e);
      Frames(1);
      i += n;
    }
    Frames(2);
  }
  void OpenManager() {
    answer = 0;
    manager = CreateChoosePlayerDialog([](const std::string& name) {
      SetCurrentPlayer(name);
      return 1;
    });
    screen.Dialogs.Open(manager, [this](int result) { answer = result; });
    Frames(3);
  }
  void AddPlayer(const std::string& name) {
    ::Settings().ProfileName = name;
    LoadCurrentProfile();
  }
  std::map<std::string, std::string> Folder() const {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(profiles)) files[e.path().filename().string()] = ReadTestFile(e.path());
    return files;
  }
  static std::string FreshProfile(const std::string& name) {
    const TPackProgress keep = PlayerProgress;
    const int keepPack = LevelPack;
    TProfilePtr fresh = TProfile::Create(name);
    fresh->SaveUserFunction = SaveProfileData;
    const std::string bytes = fresh->Encode();
    PlayerProgress = keep;
    LevelPack = keepPack;
    return bytes;
  }
  std::string SettingsFileBytes() const { return ReadTestFile(folder / "tinselvale.ini"); }

  fs::path profiles;
  TScreen screen;
  TPlayerManagerPtr manager;
  int answer = 0;
};
}  // namespace

TEST_F(PlayerManagerWindow, CreateDeleteChooseAndCancelLikeAPlayer) {
  // Anna has played; Bob has not.
  AddPlayer("Bob");
  AddPlayer("Anna");
  LevelPack = 1;
  PlayerProgress.Level[1] = 17;
  PlayerProgress.Unlocked[1] = 18;
  Game->CurrentProfile->ShowHint(3, 1);
  const std::string anna = ReadTestFile(profiles / "Anna.dat");
  ASSERT_EQ(anna.size(), 524u);

  OpenManager();
  EXPECT_EQ(manager->ListBox->Strings, (std::vector<std::string>{"Anna", "Bob"}));
  EXPECT_EQ(manager->ListBox->Value, "Anna");

  // "Create", then a name typed with banned characters and accented letters.
  ClickButton(*manager, "Create");
  ASSERT_NE(manager->EnterName, nullptr);
  TypeUtf8("z/o:\xC3\xAB*l?\xC3\xA9");
  EXPECT_EQ(manager->EnterName->TextInput->Text, "Zo\xEBl\xE9");
  PressKey(SDLK_RETURN);
  Frames(2);
  EXPECT_EQ(answer, 1) << "the new player is taken at once";
  EXPECT_TRUE(screen.Dialogs.Empty());
  EXPECT_EQ(::Settings().ProfileName, "Zo\xEBl\xE9");
  EXPECT_EQ(LevelPack, 0) << "nothing of Anna's progress";
  EXPECT_NE(SettingsFileBytes().find("=Zo\xEBl\xE9\r\n"), std::string::npos);

  // Bob deleted after the question; Anna chosen again with her progress.
  OpenManager();
  EXPECT_EQ(manager->ListBox->Strings, (std::vector<std::string>{"Anna", "Bob", "Zo\xEBl\xE9"}));
  ClickLine("Bob");
  ClickButton(*manager, "Delete");
  ASSERT_NE(manager->DialogYesNo, nullptr);
  ClickButton(*manager->DialogYesNo, "Yes");
  EXPECT_EQ(manager->ListBox->Strings, (std::vector<std::string>{"Anna", "Zo\xEBl\xE9"}));
  EXPECT_EQ(manager->ListBox->Value, "Zo\xEBl\xE9");
  ClickLine("Anna");
  ClickButton(*manager, "OK");
  Frames(1);
  EXPECT_EQ(answer, 1);
  EXPECT_EQ(::Settings().ProfileName, "Anna");
  EXPECT_EQ(LevelPack, 1);
  EXPECT_EQ(PlayerProgress.Level[1], 17);

  // The current player deleted, then Cancel: the first one listed takes over.
  OpenManager();
  ClickLine("Anna");
  PressKey(SDLK_DELETE);
  ASSERT_NE(manager->DialogYesNo, nullptr);
  PressKey(SDLK_y);
  ClickButton(*manager, "Cancel");
  Frames(1);
  EXPECT_EQ(answer, -1);
  EXPECT_EQ(::Settings().ProfileName, "Zo\xEBl\xE9");
  EXPECT_EQ(LevelPack, 0) << "Anna's progress went with her";
  EXPECT_EQ(PlayerProgress.Level[1], 1);

  // The last player cannot go; Escape closes the refusal, then the manager.
  OpenManager();
  PressKey(SDLK_DELETE);
  ASSERT_NE(manager->DialogOK, nullptr);
  PressKey(SDLK_ESCAPE);
  EXPECT_EQ(manager->DialogOK, nullptr);
  EXPECT_EQ(answer, 0);
  PressKey(SDLK_ESCAPE);
  EXPECT_EQ(answer, -1);
  EXPECT_EQ(Game->IgnoreEscapeKey, 0) << "Escape belongs to the screen again";

  const std::map<std::string, std::string> expected{{"Zo\xC3\xAB" "l\xC3\xA9.dat", FreshProfile("Zo\xEBl\xE9")}};
  EXPECT_EQ(Folder(), expected);
  EXPECT_TRUE(reports.empty());
}
