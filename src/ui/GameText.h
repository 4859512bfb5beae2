// Every sentence the player reads, looked up by key in "gametext.txt", so the game can
// be translated without touching the program. The file is a list of blocks: a
// "[TEXT]" header, the key, then the text's lines up to the next "[" line.
//
// The file is Windows-1252, the one encoding of text inside the program, and is used
// byte for byte as read; a translation must be saved in that code page, not UTF-8.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

class TGameText {
 public:
  // A new table read from the file at path.
  static std::shared_ptr<TGameText> Create(const std::string& path);
  // Empties the table and reads the file; a missing file or a block that does not open
  // with its header ends the program with the error report.
  void Read(const std::string& path);
  // The same over the file's bytes.
  void Parse(const std::string& bytes);

  // The lines stored under key (letter case ignored); none for a missing key.
  std::vector<std::string> Find(const std::string& key) const;
  // Those lines joined by "\r\n"; "" for a missing key.
  std::string FindString(const std::string& key) const;
  int Count() const { return int(Items.size()); }

  std::map<std::string, std::vector<std::string>> Items;  // keys upper case
};

// The game's text table; none until the loading screen reads it.
extern std::shared_ptr<TGameText> GameText;
