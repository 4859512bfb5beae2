// The game object's settings: the fields <-> the settings list, and saving them.
#include <algorithm>

#include "core/DataPaths.h"
#include "core/ErrorReport.h"
#include "core/GameClock.h"
#include "core/Retry.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "core/TextLines.h"
#include "platform/Clock.h"
#include "platform/Files.h"


void TGame::IniFill() {
  // A pause or a lost focus silences music and speech by switching them off for a
  // while; the file keeps what the player chose, which is what they come back to.
  const bool silenced = Paused || Suspended;
  Settings().WriteTo(*Ini, silenced ? PausedMusicState : Settings().Music,
                     silenced ? PausedSpeechState : Settings().Speech);
}

void TGame::IniExtract() { Settings().ReadFrom(*Ini); }

int TGame::IniUpdateAttempt(int flag) {
  IniFill();
  Ini->Save();
  if (flag != 0) WriteFileSafely(MarkerPath("inichanged.dat"), "");
  SettingsUnsaved = 0;
  return 1;
}

void TGame::SaveUnsavedSettings() {
  if (!SettingsUnsaved) return;
  // Cleared first: a write that fails ends the program through the exit routine again.
  SettingsUnsaved = 0;
  IniUpdate(1);
}

int TGame::IniUpdate(int flag) {
  return RetryFileOperation([&] { return IniUpdateAttempt(flag); }, "Could not update ini file!", 1, 1);
}

void TGame::ParticlesSet(int value, int save) {
  Settings().Particles = std::clamp(value, 0, 100);
  if (save == 1) {
    IniUpdate(1);
    Clock().FixedRateLogic.Init();
  }
}

void TGame::ParticlesChange(int step) {
  // Widened so that a huge stored value plus a step cannot overflow before the clamp.
  Settings().Particles = int(std::clamp<long long>((long long)Settings().Particles + step, 0, 100));
  IniUpdate(1);
  Clock().FixedRateLogic.Init();
}

void TGame::ScreenShakeSetIniValue(int value, int save) {
  Settings().screenShake = std::clamp(value, 0, 100);
  if (save == 1) {
    IniUpdate(1);
    Clock().FixedRateLogic.Init();
  }
}

void TGame::InitSettings() {
  ProgressMarker = 3;
  Ini->FileName = SettingsFileBase();
  ProgressMarker = 4;
  IniFill();
  ProgressMarker = 5;
  std::string defaults = ResolveDataPath(DataPaths().DataPrefix + "data/Default.ini");
  if (!PathExists(Ini->Path()) && PathExists(defaults)) {
    ProgressMarker = 5001;
    std::string bytes;
    if (!ReadWholeFile(defaults, bytes, TIniFile::kMaxFileBytes))
      ShowError("Cannot copy default.ini file to " + Ini->Path(), 1, 1);
    // A settings file that cannot be written (a dangling link, a read-only folder, a full
    // disk) must not keep the game from starting: the defaults apply in memory, and the
    // save below reports why the file could not be written.
    if (!WriteFileSafely(Ini->Path(), bytes)) Ini->Overlay(bytes);
  }
  ProgressMarker = 5002;
  Ini->Load();
  ProgressMarker = 6;
  IniExtract();
  if (StartWindowed) {
    Settings().FullScreen = 0;
    Settings().BorderlessWindow = 0;
  }
  if (UseWindowedModeAfterCrash == 2) {
    Settings().FullScreen = 0;
    Settings().BorderlessWindow = 0;
    IniFill();
    Ini->Save();
    ShowError("Starting in Windowed mode due to incorrect shutdown.", 0, 1);
  }
}

int SaveSettings(int flag) {
  const int written = Game ? Game->IniUpdate(flag) : 0;
  // The write may have held the loop up: timing starts afresh, so no burst of
  // catch-up updates follows it.
  Clock().FixedRateLogic.Init();
  return written;
}
