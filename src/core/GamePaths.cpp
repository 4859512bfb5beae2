// The game object's data paths, the shared data folder and profile folder, crash
// detection with the good-exit and settings-change markers, and screenshots.
#include "core/DataPaths.h"
#include "core/DateTime.h"
#include "core/ErrorReport.h"
#include "core/Retry.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Input.h"
#include "core/Paths.h"
#include "core/TextLines.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Process.h"

namespace {
const char* const kProfileExtension = "dat";

bool HasProfileExtension(const std::string& name) {
  size_t dot = name.rfind('.');
  return dot != std::string::npos && UpperCase(name.substr(dot + 1)) == UpperCase(kProfileExtension);
}
}  // namespace

void TGame::SetImagePath(const std::string& s) { DataPaths().ImagePath = AddSlash(s); }
void TGame::SetSoundPath(const std::string& s) { DataPaths().SoundPath = AddSlash(s); }
void TGame::SetMusicPath(const std::string& s) { DataPaths().MusicPath = AddSlash(s); }
void TGame::SetSpeechPath(const std::string& s) { DataPaths().SpeechPath = AddSlash(s); }
void TGame::SetMenuPath(const std::string& s) { DataPaths().MenuPath = AddSlash(s); }
void TGame::SetProfilePath(const std::string& s) { DataPaths().ProfilePath = AddSlash(s); }
void TGame::SetTextPath(const std::string& s) { DataPaths().TextPath = AddSlash(s); }
void TGame::SetLevelsPath(const std::string& s) { DataPaths().LevelsPath = AddSlash(s); }
void TGame::SetFontPath(const std::string& s) { DataPaths().FontPath = AddSlash(s); }

void TGame::SetDefaultPaths() {
  SetImagePath(DataPaths().DataPrefix + "Data/graphics");
  SetSoundPath(DataPaths().DataPrefix + "Data/sound");
  SetMusicPath(DataPaths().DataPrefix + "Data/music");
  SetSpeechPath(DataPaths().DataPrefix + "Data/speech");
  SetMenuPath(DataPaths().DataPrefix + "Data/menus");
  if (DataPaths().UseCorrectPath == 1) SetProfilePath("profiles");
  else SetProfilePath(DataPaths().DataPrefix + "Data/profiles");
  SetTextPath(DataPaths().DataPrefix + "Data/text");
  SetLevelsPath(DataPaths().DataPrefix + "Data/levels");
  SetFontPath(DataPaths().DataPrefix + "Data/fonts");
}

void TGame::SetSubPath(const std::string& path, int flag) {
  (void)flag;
  DataPaths().SubPath = path.empty() ? std::string() : AddSlash(path);
  if (DataPaths().UseCorrectPath == 1) {
    DataPaths().SubPath = GetSpecialFolderPath(DataPaths().CorrectPathID) + DataPaths().SubPath;
    ApplySubPath();
  }
  ErrorLogFolder = DataPaths().SubPath;
}

void TGame::ApplySubPath() { SetProfilePath(DataPaths().SubPath + DataPaths().ProfilePath); }

void TGame::SetSubPathWrapper(const std::string& path, int flag) {
  SetDefaultPaths();
  SetSubPath(path, flag);
}

std::string TGame::SettingsFileBase() const {
  std::string program = ProgramPath();
  if (program.empty()) program = "tinselvale";
  return DataPaths().UseCorrectPath == 1 ? DataPaths().SubPath + ProgramBaseName(program) : ProgramPathWithoutExtension(program);
}

std::string TGame::MarkerPath(const std::string& name) const {
  return DataPaths().UseCorrectPath == 1 ? DataPaths().SubPath + name : "data/" + name;
}

void TGame::CreateSharedDataFolder() {
  ProgressMarker = 1001;
  if (IsDirectory(DataPaths().SubPath)) return;  // an existing folder is used as it is
  ProgressMarker = 1002;
  if (!MakeDirectories(DataPaths().SubPath)) ShowError("Cannot create shared data folder " + DataPaths().SubPath, 1, 0);
  ProgressMarker = 1003;
  if (DataPaths().CorrectPathID != 35 || OSVersion == "Windows 95" || OSVersion == "Windows 98" || OSVersion == "Windows ME")
    return;
  // Walk up from the new folder to the system data folder. On this platform the folder
  // belongs to one account, so "access" only makes sure its owner can use it; nothing
  // is ever opened to other users.
  std::string top = AddSlash(GetSpecialFolderPath(35));
  std::string p = DataPaths().SubPath;
  while (p != top) {
    if (!EnsureOwnerAccess(p)) ShowError("Cannot give shared data folder " + p + " full access!", 0, 0);
    p.pop_back();
    size_t cut = p.find_last_of("/\\");
    if (cut == std::string::npos) break;
    p = p.substr(0, cut + 1);
  }
  ProgressMarker = 1004;
}

void TGame::CreateProfileFolder() {
  ProgressMarker = 6001;
  if (IsDirectory(DataPaths().ProfilePath)) return;
  ProgressMarker = 6002;
  if (!MakeDirectory(DataPaths().ProfilePath)) ShowError("Cannot create shared profiles folder " + DataPaths().ProfilePath, 1, 0);
}

int TGame::MakeGoodExitAttempt() {
  if (!Game) return 1;
  return WriteFileSafely(Game->MarkerPath("GoodExit.dat"), "") ? 1 : 0;
}

void TGame::MakeGoodExit() {
  RetryFileOperation([&] { return MakeGoodExitAttempt(); }, "Could not make goodexit.dat file!", 1, 1);
}

void TGame::RestoreDefaultSettings() {
  std::string target = SettingsFileBase() + ".ini";
  std::string name = ReadKeyFromFile(target, "profile name");
  // The copy replaces the old file in one step, so a crash here cannot leave it half written,
  // and the player's name survives even without a default file.
  CopyFileReplacingKey(ResolveDataPath(DataPaths().DataPrefix + "data/default.ini"), target, "profile name", name);
  if (ReportRetryFailures) SystemMessageBox(AppTitle, "Default ini file restored!");
}

int TGame::CheckGoodExitAttempt() {
  std::string good = MarkerPath("GoodExit.dat");
  std::string changed = MarkerPath("inichanged.dat");
  if (PathExists(good)) {
    RemoveFile(good);
  } else {
    if (PathExists(changed)) RestoreDefaultSettings();
    if (UseWindowedModeAfterCrash != 0 && DataPaths().UseCorrectPath == 1 && IsDirectory(DataPaths().SubPath)) UseWindowedModeAfterCrash = 2;
  }
  RemoveFile(changed);
  return 1;
}

void TGame::CheckGoodExit() {
  RetryFileOperation([&] { return CheckGoodExitAttempt(); }, "Could not restore default ini file!", 1, 1);
}

int TGame::DeleteAllProfiles() {
  std::vector<std::string> names;
  ListDirectory(DataPaths().ProfilePath, names);
  for (const auto& name : names)
    if (HasProfileExtension(name)) RemoveFile(DataPaths().ProfilePath + name);
  return 0;
}

int TGame::ProfileFolderInUse() {
  std::vector<std::string> names;
  if (!ListDirectory(DataPaths().ProfilePath, names)) ShowError("Failed to read directory '" + DataPaths().ProfilePath + "'", 1, 1);
  for (const auto& name : names)
    if (HasProfileExtension(name) && name != std::string(".") + kProfileExtension) return 1;
  return 0;
}

