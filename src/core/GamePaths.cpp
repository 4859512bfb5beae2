// The game object's data paths, the shared data folder and profile folder, crash
// detection with the good-exit and settings-change markers, and screenshots.
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

void TGame::SetImagePath(const std::string& s) { ImagePath = AddSlash(s); }
void TGame::SetSoundPath(const std::string& s) { SoundPath = AddSlash(s); }
void TGame::SetMusicPath(const std::string& s) { MusicPath = AddSlash(s); }
void TGame::SetSpeechPath(const std::string& s) { SpeechPath = AddSlash(s); }
void TGame::SetMenuPath(const std::string& s) { MenuPath = AddSlash(s); }
void TGame::SetProfilePath(const std::string& s) { ProfilePath = AddSlash(s); }
void TGame::SetTextPath(const std::string& s) { TextPath = AddSlash(s); }
void TGame::SetLevelsPath(const std::string& s) { LevelsPath = AddSlash(s); }
void TGame::SetFontPath(const std::string& s) { FontPath = AddSlash(s); }

void TGame::SetDefaultPaths() {
  SetImagePath(DataPrefix + "Data/graphics");
  SetSoundPath(DataPrefix + "Data/sound");
  SetMusicPath(DataPrefix + "Data/music");
  SetSpeechPath(DataPrefix + "Data/speech");
  SetMenuPath(DataPrefix + "Data/menus");
  if (UseCorrectPath == 1) SetProfilePath("profiles");
  else SetProfilePath(DataPrefix + "Data/profiles");
  SetTextPath(DataPrefix + "Data/text");
  SetLevelsPath(DataPrefix + "Data/levels");
  SetFontPath(DataPrefix + "Data/fonts");
}

void TGame::SetSubPath(const std::string& path, int flag) {
  (void)flag;
  SubPath = path.empty() ? std::string() : AddSlash(path);
  if (UseCorrectPath == 1) {
    SubPath = GetSpecialFolderPath(CorrectPathID) + SubPath;
    ApplySubPath();
  }
  ErrorLogFolder = SubPath;
}

void TGame::ApplySubPath() { SetProfilePath(SubPath + ProfilePath); }

void TGame::SetSubPathWrapper(const std::string& path, int flag) {
  SetDefaultPaths();
  SetSubPath(path, flag);
}

std::string TGame::SettingsFileBase() const {
  std::string program = ProgramPath();
  if (program.empty()) program = "tinselvale";
  return UseCorrectPath == 1 ? SubPath + ProgramBaseName(program) : ProgramPathWithoutExtension(program);
}

std::string TGame::MarkerPath(const std::string& name) const {
  return UseCorrectPath == 1 ? SubPath + name : "data/" + name;
}

void TGame::CreateSharedDataFolder() {
  ProgressMarker = 1001;
  if (IsDirectory(SubPath)) return;  // an existing folder is used as it is
  ProgressMarker = 1002;
  if (!MakeDirectories(SubPath)) ShowError("Cannot create shared data folder " + SubPath, 1, 0);
  ProgressMarker = 1003;
  if (CorrectPathID != 35 || OSVersion == "Windows 95" || OSVersion == "Windows 98" || OSVersion == "Windows ME")
    return;
  // Walk up from the new folder to the system data folder. On this platform the folder
  // belongs to one account, so "access" only makes sure its owner can use it; nothing
  // is ever opened to other users.
  std::string top = AddSlash(GetSpecialFolderPath(35));
  std::string p = SubPath;
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
  if (IsDirectory(ProfilePath)) return;
  ProgressMarker = 6002;
  if (!MakeDirectory(ProfilePath)) ShowError("Cannot create shared profiles folder " + ProfilePath, 1, 0);
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
  CopyFileReplacingKey(ResolveDataPath(DataPrefix + "data/default.ini"), target, "profile name", name);
  if (ReportRetryFailures) SystemMessageBox(AppTitle, "Default ini file restored!");
}

int TGame::CheckGoodExitAttempt() {
  std::string good = MarkerPath("GoodExit.dat");
  std::string changed = MarkerPath("inichanged.dat");
  if (PathExists(good)) {
    RemoveFile(good);
  } else {
    if (PathExists(changed)) RestoreDefaultSettings();
    if (UseWindowedModeAfterCrash != 0 && UseCorrectPath == 1 && IsDirectory(SubPath)) UseWindowedModeAfterCrash = 2;
  }
  RemoveFile(changed);
  return 1;
}

void TGame::CheckGoodExit() {
  RetryFileOperation([&] { return CheckGoodExitAttempt(); }, "Could not restore default ini file!", 1, 1);
}

int TGame::DeleteAllProfiles() {
  std::vector<std::string> names;
  ListDirectory(ProfilePath, names);
  for (const auto& name : names)
    if (HasProfileExtension(name)) RemoveFile(ProfilePath + name);
  return 0;
}

int TGame::ProfileFolderInUse() {
  std::vector<std::string> names;
  if (!ListDirectory(ProfilePath, names)) ShowError("Failed to read directory '" + ProfilePath + "'", 1, 1);
  for (const auto& name : names)
    if (HasProfileExtension(name) && name != std::string(".") + kProfileExtension) return 1;
  return 0;
}

