#include "core/IniFile.h"

#include "core/ErrorReport.h"
#include "core/Retry.h"
#include "core/Globals.h"
#include "core/TextLines.h"
#include "platform/Clock.h"
#include "platform/Files.h"

void TIniFile::Add(const std::string& name, const std::string& value) { Lines.push_back({UpperCase(name), value}); }

const std::string* TIniFile::Find(const std::string& name) const {
  std::string wanted = UpperCase(name);
  for (const auto& line : Lines)
    if (line.Name == wanted) return &line.Value;
  return nullptr;
}

void TIniFile::Overlay(const std::string& bytes) {
  for (const auto& text : SplitTextLines(bytes)) {
    // Keys are not trimmed: "SOUND =1" names "SOUND " and matches nothing.
    std::string key = UpperCase(LineKey(text));
    std::string value = LineValue(text);
    for (auto& line : Lines)
      if (line.Name == key) line.Value = value;
  }
}

std::string TIniFile::Text() const {
  std::string out;
  for (const auto& line : Lines) out += line.Name + "=" + line.Value + "\r\n";
  return out;
}

int TIniFile::SaveAttempt() {
  const std::string text = Text();
  // Saves come often (every start makes several); the disk is only touched for news.
  std::string current;
  if (ReadWholeFile(Path(), current, kMaxFileBytes) && current == text) {
    reportedFailure_.clear();
    return 1;
  }
  if (!WriteFileSafely(Path(), text, &lastFailure_)) return 0;
  reportedFailure_.clear();
  return 1;
}

void TIniFile::Save() {
  lastFailure_.clear();
  if (RetryFileOperation([&] { return SaveAttempt(); }, "Could not save ini file!", 0, 0)) return;
  // One report for the whole save, saying why; a folder that stays unwritable would
  // otherwise repeat the same box at every later save.
  std::string message = "Failed to save file " + Path();
  if (!lastFailure_.empty()) message += " (" + lastFailure_ + ")";
  if (message == reportedFailure_) return;
  reportedFailure_ = message;
  ShowError(message, 0, 1);
}

int TIniFile::LoadAttempt() {
  std::string bytes;
  if (!ReadWholeFile(Path(), bytes, kMaxFileBytes)) return 0;
  Overlay(bytes);
  return 1;
}

void TIniFile::Load() {
  RetryFileOperation([&] { return LoadAttempt(); }, "Could not load ini file!", 1, 1);
  Save();
}
