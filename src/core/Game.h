// The game object: the main loop, pause and focus, the framework keys, the settings
// file and crash markers. It makes and owns the game's services, each the one owner
// of its concern and reached by its own accessor: the screen switch (Screens()), the
// mixer (Mixer()), the display (Display()), the pointer (Pointer()); the settings
// (Settings()), data paths (DataPaths()) and clock (Clock()) are plain data below.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/TrackingVar.h"

class TScreenSwitch;
class TMixer;
class TGameDisplay;
class TMousePointer;
class THighScoreList;
class TProfile;
class TGameImage;
class TColor;
class TSprite;
class TIniFile;
class TImageFont;

// A game hook: a function taking nothing and returning an int; empty when unset.
using THook = std::function<int()>;

class TGame {
 public:
  TGame();
  ~TGame();

  // ---- start-up and the main loop ----
  void Init(int soundDriverChoice, int flag);
  int MainLogicLoop();
  int LogicWrapper();
  void ScreenDraw();
  // After a frame is drawn: while the game stands still (paused, suspended or
  // minimised) and its picture cannot change, wait for an event (at most half a
  // second) rather than drawing the same picture again at full rate.
  void WaitWhileIdle();
  void PostDraw();
  int GameTerminated();
  void Kill();
  void DebugReset();

  // ---- timing ----
  void SetFlipSync();

  // ---- settings (GameSettings.cpp) ----
  void IniFill();
  void IniExtract();
  int IniUpdateAttempt(int flag);
  void ParticlesSet(int value, int save);
  void ParticlesChange(int step);
  void ScreenShakeSetIniValue(int value, int save);
  // Start-up: names the file, fills the defaults, copies the shipped defaults when there
  // is no file yet, loads it and applies the windowed start after a crash.
  void InitSettings();

  // ---- paths and crash detection (GamePaths.cpp) ----
  void SetDefaultPaths();
  void SetSubPath(const std::string& path, int flag);
  void SetSubPathWrapper(const std::string& path, int flag);
  void ApplySubPath();
  void SetImagePath(const std::string& s);
  void SetSoundPath(const std::string& s);
  void SetMusicPath(const std::string& s);
  void SetSpeechPath(const std::string& s);
  void SetMenuPath(const std::string& s);
  void SetProfilePath(const std::string& s);
  void SetTextPath(const std::string& s);
  void SetLevelsPath(const std::string& s);
  void SetFontPath(const std::string& s);
  static void MakeGoodExit();
  static int MakeGoodExitAttempt();
  void CheckGoodExit();
  int CheckGoodExitAttempt();
  int DeleteAllProfiles();
  int ProfileFolderInUse();
  int TakeScreenshot();
  // Start-up helpers: the shared data folder, and the profile folder inside it.
  void CreateSharedDataFolder();
  void CreateProfileFolder();
  // Settings file path without ".ini", and the two marker files.
  std::string SettingsFileBase() const;
  std::string MarkerPath(const std::string& name) const;
  // Replaces the settings file by the shipped defaults, keeping the player's name.
  void RestoreDefaultSettings();

  // ---- framework input, pause and focus ----
  void DoPeekEvent();
  void ReadKeys();
  int CheckWindow();
  void TogglePause();
  // Silences the game (music, speech, priority) without changing Paused.
  void Pause();
  void UnPause();
  void SetPriority();
  void ShowPaused();
  void DebugPrint();
  // The framework's own keys (volumes, toggles, screenshots) and the developer keys;
  // this game switches both off.
  void FrameworkKeys();
  void DebugKeys();
  void SetGP(int x, int y);

  // ---- settings ----
  // Writes the settings file; x = 1 also leaves the change marker.
  int IniUpdate(int x);
  // A change applied but not yet written (a slider moved on the options screen) is
  // written now; the exit routine calls it so that ending the program keeps it.
  void SaveUnsavedSettings();

  // ---------------------------------------------------------------- fields
  std::shared_ptr<TIniFile> Ini;



  int LagFix = 0;
  int NoTiming = 0, NoTimingTicks = 1;

  std::shared_ptr<TSprite> SpritePaused;
  int NoDraw = 0;
  int Paused = 0;
  int DimWhenPaused = 1;
  int PauseOnLossOfFocus = 0, PauseOnLossOfFullScreenFocus = 0;
  int PausedMusicState = 1, PausedSpeechState = 1;
  int Suspended = 0;
  int SuspendOnLossOfFocus = 1;
  int BlockKeys = 0;
  int MaxLevels = 10;
  // Set by a change that took effect without being written; the next write clears it.
  int SettingsUnsaved = 0;
  int TerminatedEvent = 0;
  THook TerminatedUserFunction, UserExitKeyFunction;
  int SuspendedEvent = 0;
  int IgnoreEscapeKey = 0, IgnoreFrameworkKeys = 0, IgnorePauseKey = 0, IgnoreDebugKey = 0;
  std::string OSVersion = "Mac OSX";
  int UseWindowedModeAfterCrash = 1;
  // Asked for on the command line: this start opens in a window.
  int StartWindowed = 0;
  THook PausedUserFunction, UnPauseUserFunction, UserSuspendFunction, UserResumeFunction;

  // developer overlay
  int Debug = 0;
  std::shared_ptr<TImageFont> DebugImageFont;
  int DebugImageFontGap = 12, DebugShadow = 1, DebugShowFPSOnly = 0;
  float DebugPanel = 0.4f;
  int Debug1 = 0, Debug2 = 0;
  float Debug3 = 0, Debug4 = 0;
  int DebugDisplayX = 0, DebugDisplayY = 0;
  TDebugVar LogicTime, DrawTime, CodeTime;
  TFPSCounter FPS;
  int GraphicPlacement = 0, gpX = 0, gpY = 0, storedX = -1, storedY = -1;

  // shared objects
  std::unique_ptr<TScreenSwitch> ScreenSwitch;
  std::unique_ptr<TMousePointer> Mouse;
  std::unique_ptr<TMixer> AudioMixer;
  std::unique_ptr<TGameDisplay> DisplayService;
  std::shared_ptr<THighScoreList> HighScores;
  std::shared_ptr<TProfile> CurrentProfile;
};

// The one game object; none until start-up creates it.
extern TGame* Game;

// The exit routine: writes the good-exit marker, releases the game object and ends
// the process with exit code 0. Never returns.
[[noreturn]] void ExitGame();
// The top-level report of an error that escaped everything; ends through ExitGame.
[[noreturn]] void ReportException(const std::exception& e);
[[noreturn]] void ReportException(const std::string& text);
