// The one game object: it owns the settings, the window and display mode, the
// logic timer, the current and next screen, the master audio state and the
// objects every screen shares. Everything reaches it through `Game`.
//
// Its operations are grouped by concern and defined in the file of that
// concern (timing in GameTiming.cpp, the loop in Game.cpp, audio in
// audio/GameAudio.cpp, ...), so each group stays small and readable.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/TrackingVar.h"
#include "platform/Audio.h"

class TScreen;
class TExitScreen;
class TGameFade;
class TLoadingScreen;
class TMousePointer;
class THighScoreList;
class TProfile;
class TGameImage;
class TColor;
class TSprite;
class TIniFile;
class TImageFont;
class TGameSound;
class TChannelArray;

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

  // ---- screens and fade ----
  void ScreenChange();
  int Fading() const;
  // How much of the picture the running screen fade leaves visible (1 when none runs).
  float FadeVisibility() const;
  void FadeOff();
  // One step of the start-up loading bar: the loading screen moves on, is drawn and
  // presented (defined with the loading screen).
  void MoveBar();

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

  // ---- display (GameDisplay.cpp) ----
  // Opens the window or full-screen mode (with every fallback) and the drawing state.
  void GraphicsCreate(int forceDX7);
  void SetWindowCoords();
  void SetClientCoords();
  void CLSAllBuffers();
  void DisableVirtualResolution();
  void DoSetVirtualResolution(int clearAll);
  void ResetVRViewport();
  void RestoreVRViewPort();
  void OffsetOrigin(float x, float y);
  void RestoreOrigin();
  void ClearScreenshake();
  void SetScreenShake(float range, float delta, float counter);
  void DoScreenShake();
  int NeedsCLSWidescreen() const;
  void CLSWidescreen();
  // The side pictures in the bars of a wide display, drawn after the clear; none for an empty name.
  void DoDrawWidescreenBorders();
  void SetLeftBorderImage(const std::string& name);
  void SetRightBorderImage(const std::string& name);
  void SetDXDriver(int forceDX7);
  int SetDriver(int driver);
  void DoMoveMouse(int x, int y);
  void RestoreMouseCoords();
  int64_t GetActiveWindowSafe();
  void ToggleCustomMousePointer();
  void ToggleBorderless();
  int ToggleFullScreen();
  void ToggleWideScreen();
  void ToggleVSync();
  // A device (window pixel) position as a position on the logical screen; with
  // keepOnScreen a position beyond its edges is pulled onto them, and true says so.
  bool DeviceToLogical(int deviceX, int deviceY, int& x, int& y, bool keepOnScreen = false) const;

  // ---- framework input, pause and focus ----
  void DoPeekEvent();
  void ReadKeys();
  int CheckWindow();
  void TogglePause();
  // Silences the game (music, speech, priority) without changing Paused.
  void Pause();
  void UnPause();
  void SetPriority();
  void SpritePausedCreate(const std::shared_ptr<TGameImage>& image);
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

  // ---- audio: music, effects, speech, channels (defined in audio/GameAudio.cpp) ----
  void MusicLoad(const std::string& fileName, int looped);
  void MusicSet(const TSoundPtr& sample, const std::string& fileName, int looped);
  void MusicPlay(int fadeIn, int customVolume, int silent);
  void MusicStop();
  void MusicNone();
  int MusicIsPlaying() const;
  int MusicIsAudible() const;
  int GetMusicVolume() const;
  float MusicFadeInCalc() const;
  float MusicFadeOutCalc() const;
  // The one place the music channel's loudness is set: the music volume times ratio.
  void MusicApplyVolume(float ratio);
  void MusicFadeInApply();
  void MusicFadeOutApply();
  void MusicFadeInManage();
  void MusicFadeOutManage();
  void MusicFadeOutSet(float ms);
  void MusicSetVolume(int volume, int save);
  void MusicChangeVolume(int step);
  int MusicOff();
  int MusicOn();
  void ToggleMusic();
  void SoundPlay(const TSoundPtr& sound);
  void SoundPlaySameChannel(TChannelPtr& channel, const TSoundPtr& sound);
  void SoundPlayReturnChannel(TChannelPtr& channel, const TSoundPtr& sound, float rate);
  void GameSoundPlay(TChannelPtr& channel, const TGameSound& gameSound, float pan);
  void SoundSetVolume(int volume, int save);
  void SoundChangeVolume(int step);
  void SoundOff();
  void SoundOn();
  void ToggleSound();
  void SpeechPlay(const TGameSound& gameSound, int interrupt);
  void SpeechStop();
  void SpeechSetVolume(int volume, int save);
  void SpeechChangeVolume(int step);
  int SpeechOff();
  int SpeechOn();
  void ChangeSoundDriver(const std::string& name, int save);
  void PauseFadeManage();
  void ChannelsCreate(int count);
  void ChannelsKill();
  void SetEscapeSound(const std::string& name);
  void StopChannels();
  void EscapeSoundPlay();
  // Start-up's choice of back end (steps 8001 and 8002 of Init, which also learn the
  // operating system's name), opened once.
  void AudioInit(int soundDriverChoice);
  // The music, speech and Escape channels, allocated once at start-up.
  void AudioChannelsInit();
  // The audio share of CheckWindow while neither paused nor suspended: marks finished
  // music and speech, advances the music fades and lets ended voices go.
  void AudioManage();
  // The audio share of Kill: stops the fixed channels, releases the pool, closes the device.
  void AudioKill();

  // ---------------------------------------------------------------- fields
  std::shared_ptr<TIniFile> Ini;
  std::string VersionNumber = "1.11";

  // display and window
  int FullScreen = 1;
  int WideScreen = 0;
  int BorderlessWindow = 0;
  int ForceWindowedMode = 0;
  int UseDesktopResolution = 0;
  int DrawWidescreenBorders = 0;
  std::shared_ptr<TGameImage> LeftBorderImage, RightBorderImage;
  int WindowedAspectRatio = 0;
  int Hertz = 60;
  int Depth = 0;
  int DesktopRefreshRate = 0, GameRefreshRate = 0;

  int64_t WindowHandle = 0;
  int WindowX = 0, WindowY = 0, ClientX = 0, ClientY = 0;
  float ScrollX = 0, ScrollY = 0;

  // screens (the screen objects live for the whole run; these only point at them)
  TScreen* CurrentTScreen = nullptr;
  TScreen* DestinationTScreen = nullptr;
  TScreen* LastTScreen = nullptr;

  int LagFix = 0;
  int VSync = 1;
  int FadeOnExit = 1;
  int NoTiming = 0, NoTimingTicks = 1;
  int Driver = 0;
  int DriverDX7 = 0, DriverDX9 = 0;
  int AlwaysForceDX7 = 0;
  std::string DirectXVersion;
  int FadeMouse = 0;
  int DesktopWidth = 0, DesktopHeight = 0, WindowWidth = 0, WindowHeight = 0;
  float VirtualRatioX = 1.0f, VirtualRatioY = 1.0f;
  float VR_virtualratio = 0, VR_graphicsratio = 0;
  int VR_viewportx = 0, VR_viewporty = 0, VR_viewportw = 0, VR_viewporth = 0;
  float VR_originx = 0, VR_originy = 0;
  int UsingVirtualResolution = 0;
  float vxOff = 0, vyOff = 0;
  std::shared_ptr<TColor> ClsColor;
  int CustomMousePointer = 1;
  int screenShake = 100;
  float screenShakeRange = 0, screenShakeDelta = 0, screenShakeCounter = 0;
  int screenshake_viewportx = 0, screenshake_viewporty = 0, screenshake_viewportw = 0, screenshake_viewporth = 0;
  int FullScreenProcess = 0, FullScreenThread = 0, WindowedProcess = 0, WindowedThread = 0;

  // paths
  int DataInAppBundle = 0;
  int UseCorrectPath = 1;
  int CorrectPathID = 35;
  std::string SubPath = "Quillmoth/My Game/";
  std::string DataPrefix;
  std::string ImagePath, SoundPath, MusicPath, SpeechPath, MenuPath, ProfilePath, TextPath, LevelsPath, FontPath;

  // audio switches and volumes (the audio objects are declared with the audio operations)
  int Sound = 1, Music = 1, Speech = 1;
  int SoundVolume = 100, MusicVolume = 100, CustomMusicVolume = 0, SpeechVolume = 100;
  std::string MusicFileName = "none", MusicName = "none";
  int MusicLooped = 1, MusicRestart = 1, MusicStopped = 0;
  float MusicFadeIn = 50, MusicFadeInCounter = 0, MusicFadeInDelay = 0, MusicFadeOut = 1000, MusicFadeOutCounter = 0;
  float PauseFadeLength = 100, PauseFadeCounter = 0;
  int PauseFadeDirection = 0;
  int FadeMusic = 1;
  std::string SoundDriver = "FreeAudio";
  int SpeechStopped = 0;
  TSoundPtr MusicSample;
  TChannelPtr MusicChannel, SpeechChannel, EscapeChannel, SpecialChannel;
  std::shared_ptr<TGameSound> EscapeSound;
  std::shared_ptr<TChannelArray> Channels;

  std::shared_ptr<TSprite> SpritePaused;
  int FirstTime = 1;
  int InstantExit = 0;
  int Fade = 1;
  int NoFade = 0;
  int NoDraw = 0;
  int Particles = 80;
  int PortalSplash = 0, PortalSplash2 = 0, IntroShow = 0;
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
  std::shared_ptr<TLoadingScreen> LoadingScreen;
  std::unique_ptr<TExitScreen> ExitScreen;
  std::unique_ptr<TGameFade> GameFade;
  std::shared_ptr<TMousePointer> Mouse;
  std::shared_ptr<THighScoreList> HighScores;
  std::shared_ptr<TProfile> CurrentProfile;
  std::string ProfileName;
  int Region = 0, SubRegion = 0;
};

// The one game object; none until start-up creates it.
extern TGame* Game;

// The exit routine: writes the good-exit marker, releases the game object and ends
// the process with exit code 0. Never returns.
[[noreturn]] void ExitGame();
// The top-level report of an error that escaped everything; ends through ExitGame.
[[noreturn]] void ReportException(const std::exception& e);
[[noreturn]] void ReportException(const std::string& text);
