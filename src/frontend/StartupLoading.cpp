#include "frontend/StartupLoading.h"

#include <algorithm>
#include <chrono>
#include <future>
#include <thread>

#include "audio/SoundAhead.h"
#include "audio/SoundBank.h"
#include "core/DataPaths.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Input.h"
#include "core/TimingReport.h"
#include "game/Cell.h"
#include "game/GameLoading.h"
#include "game/Gem.h"
#include "game/PointerSparkle.h"
#include "gfx/Draw.h"
#include "gfx/ImageBank.h"
#include "gfx/PixmapAhead.h"
#include "platform/Clock.h"
#include "platform/Process.h"
#include "platform/Window.h"
#include "player/HighScoreList.h"
#include "screens/LoadingScreen.h"
#include "screens/ScreenRegistry.h"
#include "screens/ScreenSwitch.h"
#include "ui/Button.h"
#include "ui/GameText.h"
#include "ui/MousePointer.h"

TStartupOptions StartupOptions;

namespace {
// Time the loading pass spends drawing and presenting its bar steps.
double stepFramesMs = 0;

void Step() {
  const auto start = std::chrono::steady_clock::now();
  Screens().MoveBar();
  stepFramesMs += MillisecondsSince(start);
}

// A window behind others at this moment is treated as a focus loss still to be handled.
void MarkFocusLoss() {
  if (PlatformHasWindow() && !PlatformWindowHasFocus()) Game->SuspendedEvent = 1;
}
}  // namespace

int LoadingStepCount() { return 1 + int(GameSoundFiles().size()) + int(GamePictureSteps().size()) + 1 + 1; }

int LoadingHelperThreads() {
  if (StartupOptions.SerialLoad) return 0;
  const unsigned cores = std::thread::hardware_concurrency();
  return int(std::clamp(cores, 2u, 4u));
}

void MarkFirstFrame() {
  static bool done = false;
  if (done) return;
  done = true;
  ReportTiming("exec to first frame", MillisecondsSinceExec());
}

void MarkFirstPicture() {
  static bool done = false;
  if (done) return;
  done = true;
  ReportTiming("exec to first picture", MillisecondsSinceExec());
}

void StartLoadingScreen() {
  AutoMidHandle(true);
  Cls();
  Flip(1);
  MarkFirstFrame();
  TLoadingScreen& loading = *Screens().LoadingScreen;
  loading.SpecialLoad("loadingscreen.jpg", "LoadingBar.png", "Localised/loading.png");
  loading.HeaderLoad("mainlogo", float(ScreenWidth / 2), 150, 1);
  SoundBank->Load("buttonclick", 1.0f, 1.0f, "", 0);
  TScreen* intro = FindScreen(TScreenId::Intro);
  intro->Destination = &loading;
  Screens().CurrentTScreen = intro;
  MarkFocusLoss();
  intro->PreStart();
}

void LoadEverything() {
  static bool loaded = false;
  if (loaded) return;
  loaded = true;
  const auto started = std::chrono::steady_clock::now();

  TLoadingScreen& loading = *Screens().LoadingScreen;
  // Helpers start on the files at once, in the order the bar will ask for them.
  const int helpers = LoadingHelperThreads();
  DecodeSoundsAhead(GameSoundPaths(), helpers > 0 ? 1 : 0);
  std::vector<std::string> pictures = GamePicturePaths();
  for (const std::string& file : FindScreen(TScreenId::Title)->LoadAheadFiles()) pictures.push_back(file);
  DecodePixmapsAhead(pictures, helpers);

  loading.LoadingBar->Centre(ScreenHeight - 110);
  loading.LoadingBar->Mode = 1;
  loading.LoadingBar->DrawEmptyUnderFinal = 1;
  loading.LoadingY = ScreenHeight - 140;
  loading.SetSteps(LoadingStepCount());
  loading.SetClickHereButton("Localised/clickhere", "Localised/clickhereMO", "buttonMO", "buttonClick",
                             ScreenHeight - 93);
  loading.Draw();
  // Like the bar's own frames, not held back to the display's refresh: every millisecond
  // waited here is a millisecond more of loading.
  Flip(0);
  loading.BarFrames.Presented(MilliSecs());
  TScreen* title = FindScreen(TScreenId::Title);
  loading.Destination = title;

  TGem::InitArrays();
  GameText = TGameText::Create(DataPaths().TextPath + "gametext.txt");
  Step();
  LoadGameSounds(Step);
  StopDecodingSoundsAhead();
  LoadGamePictures(Step);
  // The bank is complete: a helper packs its small pictures into shared pages while this
  // thread reads the high scores and loads the title, none of which touches the bank.
  std::future<void> packing;
  if (helpers > 0) packing = std::async(std::launch::async, [] { ImageBank->Pack(); });
  Game->HighScores->Create(DataPaths().SubPath + "tv", 10);
  Game->HighScores->Load();
  Step();
  title->LoadAhead();
  StopDecodingPixmapsAhead();
  Step();
  // A failure while packing is reported here, on this thread, like any other.
  if (packing.valid()) packing.get();
  TGem::Load();
  TCell::Load();
  Pointer().ParticleFunc = PointerSparkle;
  // Textures are made now, on this thread, so the title's first frames do not stall.
  ImageBank->Precache();
  MarkFocusLoss();
  Pointer().UpdateCoords();
  Pointer().On();
  ReportTiming("loading pass", MillisecondsSince(started));
  ReportTiming("of which bar frames", stepFramesMs);
  // Presses made during the loading are dropped last of all, after the report: whoever
  // reads it then knows every press made before it will never count.
  InputFlush();
  Clock().FixedRateLogic.Init();
}
