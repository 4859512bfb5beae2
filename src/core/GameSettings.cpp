// The game object's settings: the fields <-> the settings list, and saving them.
#include <algorithm>

#include "core/ErrorReport.h"
#include "core/Retry.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/TextLines.h"
#include "platform/Clock.h"
#include "platform/Files.h"

namespace {
// Every integer setting: its key (as written) and its field. Text settings are handled
// by name. The order here is the order of the file.
struct TIntKey {
  const char* key;
  int TGame::*field;
};

const TIntKey kIntKeysBeforeDriverName[] = {
    {"Full Screen", &TGame::FullScreen},     {"WideScreen", &TGame::WideScreen},
    {"Borderless Window", &TGame::BorderlessWindow},
    {"Sound", &TGame::Sound},                {"Music", &TGame::Music},
    {"Speech", &TGame::Speech},              {"Sound Volume", &TGame::SoundVolume},
    {"Music Volume", &TGame::MusicVolume},   {"Speech Volume", &TGame::SpeechVolume},
    {"Fade", &TGame::Fade},                  {"Particles", &TGame::Particles},
    {"ScreenShake", &TGame::screenShake},    {"Portal Splash", &TGame::PortalSplash},
    {"Portal Splash2", &TGame::PortalSplash2}, {"Intro", &TGame::IntroShow},
    {"VSync", &TGame::VSync},                {"Driver", &TGame::Driver},
};
const TIntKey kIntKeysAfterDriverName[] = {
    {"Full Screen Process Priority", &TGame::FullScreenProcess},
    {"Full Screen Thread Priority", &TGame::FullScreenThread},
    {"Windowed Process Priority", &TGame::WindowedProcess},
    {"Windowed Thread Priority", &TGame::WindowedThread},
};
const TIntKey kIntKeysAfterProfile[] = {
    {"Region", &TGame::Region},
    {"Sub-Region", &TGame::SubRegion},
    {"Custom Mouse Pointer", &TGame::CustomMousePointer},
};

}  // namespace

void TGame::IniFill() {
  // A pause or a lost focus silences music and speech by switching them off for a
  // while; the file keeps what the player chose, which is what they come back to.
  const bool silenced = Paused || Suspended;
  auto value = [&](int TGame::*field) {
    if (silenced && field == &TGame::Music) return PausedMusicState;
    if (silenced && field == &TGame::Speech) return PausedSpeechState;
    return this->*field;
  };
  Ini->Clear();
  Ini->Add("Version No", VersionConstant);
  for (const auto& k : kIntKeysBeforeDriverName) Ini->Add(k.key, std::to_string(value(k.field)));
  Ini->Add("Sound Driver", SoundDriver);
  for (const auto& k : kIntKeysAfterDriverName) Ini->Add(k.key, std::to_string(this->*k.field));
  Ini->Add("Profile Name", ProfileName);
  for (const auto& k : kIntKeysAfterProfile) Ini->Add(k.key, std::to_string(this->*k.field));
}

void TGame::IniExtract() {
  for (const auto& line : Ini->Lines) {
    if (line.Name == "VERSION NO") {
      VersionNumber = line.Value;
    } else if (line.Name == "SOUND DRIVER") {
      SoundDriver = line.Value;
    } else if (line.Name == "PROFILE NAME") {
      ProfileName = line.Value;
    } else {
      auto apply = [&](const auto& keys) {
        for (const auto& k : keys)
          if (UpperCase(k.key) == line.Name) this->*k.field = ReadIntValue(line.Value);
      };
      apply(kIntKeysBeforeDriverName);
      apply(kIntKeysAfterDriverName);
      apply(kIntKeysAfterProfile);
    }
  }
}

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
  Particles = std::clamp(value, 0, 100);
  if (save == 1) {
    IniUpdate(1);
    FixedRateLogic.Init();
  }
}

void TGame::ParticlesChange(int step) {
  // Widened so that a huge stored value plus a step cannot overflow before the clamp.
  Particles = int(std::clamp<long long>((long long)Particles + step, 0, 100));
  IniUpdate(1);
  FixedRateLogic.Init();
}

void TGame::ScreenShakeSetIniValue(int value, int save) {
  screenShake = std::clamp(value, 0, 100);
  if (save == 1) {
    IniUpdate(1);
    FixedRateLogic.Init();
  }
}

void TGame::InitSettings() {
  ProgressMarker = 3;
  Ini->FileName = SettingsFileBase();
  ProgressMarker = 4;
  IniFill();
  ProgressMarker = 5;
  std::string defaults = ResolveDataPath(DataPrefix + "data/Default.ini");
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
    FullScreen = 0;
    BorderlessWindow = 0;
  }
  if (UseWindowedModeAfterCrash == 2) {
    FullScreen = 0;
    BorderlessWindow = 0;
    IniFill();
    Ini->Save();
    ShowError("Starting in Windowed mode due to incorrect shutdown.", 0, 1);
  }
}
