#include "player/Profile.h"

#include "core/DataPaths.h"
#include "core/ErrorReport.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "core/Retry.h"
#include "platform/Events.h"
#include "platform/Files.h"
#include "screens/Screen.h"
#include "screens/ScreenSwitch.h"

TProfilePtr TProfile::Create(const std::string& name) {
  auto profile = std::make_shared<TProfile>();
  profile->Init(name);
  if (CreateUserFunction) CreateUserFunction(*profile);
  return profile;
}

void TProfile::Init(const std::string& name) {
  Name = name;
  CurrentLevel = 1;
  LockedLevel = 2;
  Score = 0;
  Lives = 3;
  Kills = 0;
  TimeTaken = 0.0;
  Difficulty = 0;
  TipsFlag = 1;
  InstructionsFlag = 1;
  ClearHints();
}

void TProfile::HintsSet(int value) { HintsShown.fill(value); }

int TProfile::ShowHint(int index, int save) {
  // A record number worked out from a damaged level or pack must not write elsewhere.
  if (index < 0 || index >= MAX_HINTS) return 0;
  if (HintsShown[size_t(index)] != 0) return 0;
  HintsShown[size_t(index)] = 1;
  if (save != 0) Save();
  return 1;
}

bool IsSafeProfileName(const std::string& name) {
  if (name == "." || name == "..") return false;
  for (char ch : name) {
    uint8_t c = uint8_t(ch);
    if (c < 32 || c == 127 || ch == '/' || ch == '\\') return false;
    // A byte with no character would vanish from the file name, so two names could
    // share one file.
    if (c >= 0x80 && c < 0xA0 && UnicodeFromCp1252(c) == c) return false;
  }
  return true;
}

std::string TProfile::FilePath() const {
  std::string folder = Game ? DataPaths().ProfilePath : std::string();
  std::string name = IsSafeProfileName(Name) ? Utf8FromCp1252(Name) : std::string();
  return folder + name + "." + FileExtension;
}

std::string TProfile::Encode() const {
  std::string out;
  out.reserve(HeadSize + 84);
  // Unsigned, so the key wraps around instead of overflowing.
  uint32_t key = BaseKey;
  for (int32_t word : {CurrentLevel, LockedLevel, Score, Lives, Kills}) {
    WriteU32(out, uint32_t(word) + key);
    key += KeyStep;
  }
  WriteDouble(out, TimeTaken);
  WriteInt(out, Difficulty);
  WriteInt(out, TipsFlag);
  WriteInt(out, InstructionsFlag);
  for (int32_t flag : HintsShown) WriteInt(out, flag);
  if (SaveUserFunction) SaveUserFunction(out);
  return out;
}

int TProfile::Decode(const std::string& bytes) {
  TByteReader in(bytes);
  uint32_t word = in.ReadU32();
  if (word == 0) return 0;
  uint32_t key = BaseKey;
  int32_t* fields[] = {&CurrentLevel, &LockedLevel, &Score, &Lives, &Kills};
  for (size_t i = 0; i < 5; ++i) {
    if (i > 0) word = in.ReadU32();
    *fields[i] = int32_t(word - key);
    key += KeyStep;
  }
  TimeTaken = in.ReadDouble();
  Difficulty = in.ReadInt();
  TipsFlag = in.ReadInt();
  InstructionsFlag = in.ReadInt();
  // Files from before all hundred records existed end early; the rest stay clear.
  ClearHints();
  for (size_t i = 0; i < HintsShown.size() && !in.AtEnd(); ++i) HintsShown[i] = in.ReadInt();
  if (LoadUserFunction) LoadUserFunction(in);
  return 1;
}

bool TProfile::HasFileName() const { return !Name.empty() && IsSafeProfileName(Name); }

int TProfile::SaveAttempt() { return WriteFileSafely(FilePath(), Encode(), &LastFailure) ? 1 : 0; }

void TProfile::Save() {
  // A name that names no file would write the hidden ".dat", shared by every such name.
  if (SaveBlocked || !HasFileName()) return;
  LastFailure.clear();
  if (RetryFileOperation([this] { return SaveAttempt(); }, "Could not save profile!", 1, 1) == 1) return;
  std::string message = "Failed to save file " + FilePath();
  if (!LastFailure.empty()) message += " (" + LastFailure + ")";
  ReportFailureOnce(message);
}

int TProfile::LoadAttempt() {
  // Nothing to read, and nothing is made for a name without a file of its own.
  if (!HasFileName()) return 1;
  const std::string path = FilePath();
  if (!PathExists(path)) {
    Save();
    return 1;
  }
  std::string bytes;
  if (!ReadWholeFile(path, bytes, MaxFileBytes, &LastFailure)) return 0;
  try {
    if (Decode(bytes) == 0) {
      loadingError = 1;
      return 0;
    }
  } catch (const TShortRead&) {
    LastFailure = "the file ends too early";
    return 0;
  }
  return 1;
}

int TProfile::Load() {
  loadingError = 0;
  SaveBlocked = 0;
  LastFailure.clear();
  int loaded = RetryFileOperation([this] { return LoadAttempt(); }, "Could not load profile!", 1, 1,
                                  [this] { return loadingError != 0; });
  if (loaded == 1) return 1;
  SaveBlocked = 1;
  std::string message;
  if (loadingError != 0) {
    message = "Profile " + Name + " is corrupt: First int was 0.";
  } else {
    message = "Profile " + Name + " failed to load";
    if (!LastFailure.empty()) message += " (" + LastFailure + ")";
    message += ".";
  }
  ShowError(message + " The file is kept as it is; progress made now will not be saved.", 0, 1);
  return 0;
}

void SaveProfileIfPlaying() {
  if (Game && Game->CurrentProfile && Screens().CurrentTScreen && Screens().CurrentTScreen->name == "game")
    Game->CurrentProfile->Save();
}
