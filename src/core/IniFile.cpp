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
  if (!WriteFileSafely(Path(), Text())) {
    ShowError("Failed to save file " + Path(), 0, 0);
    return 0;
  }
  return 1;
}

void TIniFile::Save() {
  RetryFileOperation([&] { return SaveAttempt(); }, "Could not save ini file!", 0, 0);
}

int TIniFile::LoadAttempt() {
  std::string bytes;
  if (!ReadWholeFile(Path(), bytes)) return 0;
  Overlay(bytes);
  return 1;
}

void TIniFile::Load() {
  RetryFileOperation([&] { return LoadAttempt(); }, "Could not load ini file!", 1, 1);
  Save();
}
