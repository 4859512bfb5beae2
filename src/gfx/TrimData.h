// Where a picture that was cropped of its transparent border lay inside the
// original, so it can still be placed as if it had its original size; and the
// by-name table of such records read from an "[offsets]" text file.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <string_view>

class TTrimData {
 public:
  std::string name;
  int xOffset = 0, yOffset = 0;
  int originalWidth = 0, originalHeight = 0;
};

class TTrimDataMap {
 public:
  std::map<std::string, std::shared_ptr<TTrimData>> Items;

  // Files trim under the upper-case file name without folder and extension.
  void Add(const std::string& name, std::shared_ptr<TTrimData> trim);
  // A miss is fatal unless quiet.
  std::shared_ptr<TTrimData> Find(const std::string& name, int quiet = 0) const;
  // Reads a trim file and adds its entries; a file that cannot be opened is fatal.
  void LoadDataFile(const std::string& path);
  // Adds every entry of trim-file text (lines "name=x,y,w,h").
  void Parse(std::string_view text);
};

// The key under which a file's records are filed: upper case, no folder, no extension.
std::string TrimKey(std::string_view fileName);
