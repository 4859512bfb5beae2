// The settings file: KEY=value lines kept in a list in a fixed order. The list is
// filled with the built-in defaults, the file is laid over it, and the whole file is
// written back from the list whenever a setting changes.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

class TIniLine {
 public:
  std::string Name;   // always upper case
  std::string Value;
};

class TIniFile {
 public:
  std::string FileName;  // path without ".ini"
  std::vector<TIniLine> Lines;

  std::string Path() const { return FileName + ".ini"; }
  void Clear() { Lines.clear(); }
  // Appends a line (the name upper-cased); no check for an existing one.
  void Add(const std::string& name, const std::string& value);
  // The value of the line with that (upper-case) name, or nullptr.
  const std::string* Find(const std::string& name) const;

  // Writes the file (up to five tries, 200 ms apart). When every try fails, one report
  // "Failed to save file " + path + " (" + the system's reason + ")", shown and logged,
  // unless the same failure was the last one reported.
  void Save();
  // One try: 1 written (or already holding these very bytes, which are then left
  // alone), 0 failed.
  int SaveAttempt();
  // Lays the file over the list (up to five tries), then always rewrites the file, which
  // normalises it: upper-case keys, fixed order, defaults for missing keys.
  void Load();
  int LoadAttempt();

  // The pure halves of loading and saving.
  // Takes over the values of known keys from file bytes; later lines win.
  void Overlay(const std::string& bytes);
  // Every line as NAME=value with CR LF.
  std::string Text() const;

  // Settings files larger than this are not settings files: they are read as missing.
  static constexpr size_t kMaxFileBytes = 1 << 20;

 private:
  std::string lastFailure_;      // why the last attempt failed
  std::string reportedFailure_;  // the failure last reported, until a save succeeds
};
