#include "app/Startup.h"

#include "app/CommandLine.h"
#include "app/GameDisplay.h"
#include "audio/Mixer.h"
#include "core/DataPaths.h"
#include "core/GameClock.h"
#include "core/Settings.h"
#include "screens/ScreenSwitch.h"

#include <exception>

#include "core/Game.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/ErrorReport.h"
#include "core/Input.h"
#include "core/TimingReport.h"
#include "audio/SoundBank.h"
#include "frontend/CreditsScreen.h"
#include "frontend/GalleryScreen.h"
#include "frontend/GameMenu.h"
#include "frontend/GameOverScreen.h"
#include "frontend/InstructionsScreen.h"
#include "frontend/IntroScreen.h"
#include "frontend/OptionsScreen.h"
#include "frontend/PictureScreen.h"
#include "frontend/StartupLoading.h"
#include "frontend/TitleScreen.h"
#include "game/GameScreen.h"
#include "game/HintScroll.h"
#include "game/GameFinishedScreen.h"
#include "game/LevelCompleteScreen.h"
#include "game/LevelSelectScreen.h"
#include "game/PlayerProgress.h"
#include "gfx/Draw.h"
#include "gfx/GameFonts.h"
#include "gfx/ImageBank.h"
#include "ui/MousePointer.h"
#include "platform/Audio.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Memory.h"
#include "platform/Process.h"
#include "platform/Random.h"
#include "platform/Window.h"
#include "player/HighScoreList.h"
#include "player/Profile.h"
#include "screens/LoadingScreen.h"
#include "screens/Screen.h"
#include "screens/ScreenRegistry.h"

namespace {
// One object of every screen type, alive for the whole run and filed in the registry
// so screens can name each other without knowing each other's types.
template <class T>
T& The() {
  static T screen;
  return screen;
}

// In the order the screens are made, so their objects come to life the same way
// on every start.
void CreateScreens() {
  RegisterScreen(TScreenId::Title, &The<TTitleScreen>());
  RegisterScreen(TScreenId::Game, &The<TGameScreen>());
  RegisterScreen(TScreenId::Options, &The<TOptionsScreen>());
  RegisterScreen(TScreenId::Instructions, &The<TInstructionsScreen>());
  RegisterScreen(TScreenId::Credits, &The<TCreditsScreen>());
  RegisterScreen(TScreenId::GameOver, &The<TGameOverScreen>());
  RegisterScreen(TScreenId::LevelComplete, &The<TLevelCompleteScreen>());
  RegisterScreen(TScreenId::GameFinished, &The<TGameFinishedScreen>());
  RegisterScreen(TScreenId::LevelSelect, &The<TLevelSelectScreen>());
  RegisterScreen(TScreenId::Gallery, &The<TGalleryScreen>());
  RegisterScreen(TScreenId::Picture, &The<TPictureScreen>());
  RegisterScreen(TScreenId::GameMenu, &The<TGameMenu>());
  RegisterScreen(TScreenId::Intro, &The<TIntroScreen>());
  RegisterScreen(TScreenId::HintScroll, &The<THintScroll>());
  RegisterScreen(TScreenId::Loading, Screens().LoadingScreen.get());
}

// The display went away under the game: what closing the window saves is saved, and the
// good-exit marker is written as a clean end writes it. Nothing may reach the display
// now, so any report goes to the system box (which fails quietly without a display).
void SaveOnDisplayLost() {
  GraphicsReady = 0;
  SetInWindowMessageBox(nullptr);
  SaveProfileIfPlaying();
  if (Game) Game->SaveUnsavedSettings();
  TGame::MakeGoodExit();
}
}  // namespace

void RunMainLoop() {
  for (;;) {
    if (Game->MainLogicLoop() == -1) ExitGame();
    Game->ScreenDraw();
    Game->WaitWhileIdle();
  }
}

void StartGame(const TCommandLine& line) {
  StartGameWith(line, RunMainLoop);
  EndProcess();  // the main loop never returns
}

void StartGameWith(const TCommandLine& line, void (*run)()) {
  ProgressMarker = 0;
  KeepHeapStill();  // before any helper thread takes a heap of its own
  ChangeToProgramFolder();

  ProgressMarker = 1001;
  if (!AcquireInstanceLock("Tinselvale")) EndProcess();
  // Connecting to the display is done again at the graphics step, where a missing display
  // is reported; here it only starts early. The audio device opens on a helper while this
  // thread goes on (the audio back end's step below waits for it), started only after the
  // connection: SDL's set-up may fork to reach the session bus, and a fork while another
  // thread holds a lock can leave the child waiting on that lock for ever.
  PlatformInit();
  StartOpeningAudioDevice();
  VersionText = std::string("V") + VersionConstant;
  AppTitle = "Tinselvale GOLD " + VersionText + " - a Quillmoth game";

  ProgressMarker = 1002;
  FontBaseName = "CARD1";
  ScreenWidth = 800;
  ScreenHeight = 600;
  GraphicsReady = 0;
  Game = new TGame();  // lives until the process ends
  Game->StartWindowed = line.Windowed ? 1 : 0;
  Game->HighScores = std::make_shared<THighScoreList>();
  Screens().LoadingScreen = std::make_shared<TLoadingScreen>();
  EnableTimingReport(line.Timing);
  StartupOptions.SerialLoad = line.SerialLoad;
  // Pictures and sounds the game cannot do without end the program through the error report.
  ArmFatalErrors(true);
  SetCleanExit(ExitGame);

  ProgressMarker = 1003;
  DataPaths().DataInAppBundle = 1;
  Game->SetSubPathWrapper("Quillmoth/Tinselvale GOLD", 1);

  ProgressMarker = 1004;
  Game->CheckGoodExit();

  ProgressMarker = 10041;
  Game->Init(0, 1);
  // A kill during a save leaves its temporary file beside the real one; this instance
  // holds the lock, so none of them is being written now.
  RemoveTempFiles(DataPaths().SubPath);
  RemoveTempFiles(DataPaths().ProfilePath);

  ProgressMarker = 1005;
  Settings().PortalSplash = 0;
  Settings().Region = 0;
  Settings().SubRegion = 0;
  Game->IniFill();
  Game->Ini->Save();
  Clock().FixedRateLogic.JitterCorrection = 0;
  Mixer().ChannelsCreate(16);
  Game->DebugDisplayX = 5;
  Game->DebugDisplayY = 95;

  ProgressMarker = 1006;
  Mixer().SetEscapeSound("buttonclick");
  Game->MaxLevels = 55;
  Game->IgnoreFrameworkKeys = 1;
  Game->IgnoreDebugKey = 1;

  ProgressMarker = 1007;
  TProfile::CreateUserFunction = InitNewProfile;

  ProgressMarker = 1008;
  ImageBank = std::make_unique<TImageBank>();
  ImageBank->SetPath(DataPaths().ImagePath);
  SoundBank = std::make_unique<TSoundBank>();
  SoundBank->SetPath(DataPaths().SoundPath);

  ProgressMarker = 1009;
  const std::string fontPath = DataPaths().DataPrefix + "Data/fonts/" + FontBaseName + ".dat";
  Font60 = LoadImageFont(fontPath, 60, 6);
  Font30 = LoadImageFont(fontPath, 30, 6);
  Font31 = LoadImageFont(fontPath, 31, 6);
  Font48 = LoadImageFont(fontPath, 48, 6);
  Font25 = LoadImageFont(fontPath, 25, 6);

  ProgressMarker = 1010;
  CreateScreens();

  try {
    ProgressMarker = 1011;
    // Without a display the graphics set-up finds no modes and reports it.
    PlatformInit();
    // Full screen and the borderless window cover the desktop at its own size, the
    // picture scaled into it; the side pictures fill the bars when the wide display is on.
    GameDisplay().UseDesktopResolution = 1;
    GameDisplay().GraphicsCreate(0);
    GameDisplay().DrawWidescreenBorders = 1;
    GameDisplay().SetLeftBorderImage(DataPaths().ImagePath + "sideleft.jpg");
    GameDisplay().SetRightBorderImage(DataPaths().ImagePath + "sideright.jpg");
    PlatformSetDisplayLostHandler(SaveOnDisplayLost);

    ProgressMarker = 1012;
    GraphicsReady = 1;
    SeedRnd(MilliSecs());
    if (Settings().CustomMousePointer == 1) PlatformShowCursor(false);

    ProgressMarker = 1014;
    // The intro runs its splashes and, when it closes, loads everything behind the bar.
    StartLoadingScreen();
    InputFlush();
    Game->DebugReset();
    Clock().FixedRateLogic.Init();
    Game->NoTimingTicks = 3;

    run();
  } catch (const std::exception& e) {
    ReportException(e);
  } catch (...) {
    ReportException(std::string("Unknown error"));
  }
}
