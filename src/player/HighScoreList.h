// The table of the ten best scores of the installation (not per player), kept best
// first in "tv.dat" in the shared data folder. A finished game that scores at least
// the lowest entry enters it, and the lowest entry drops out.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class THighScore {
 public:
  std::string name;
  int32_t score = 0;
  int32_t level = 0;

  bool operator==(const THighScore&) const = default;
};

class THighScoreList {
 public:
  // Names are stored as each character's code minus this key. It lies below every
  // typeable code, so no typed character turns into the byte that ends a name.
  static constexpr uint8_t NameKey = 7;
  // A longer name in a file counts as damage.
  static constexpr size_t MaxStoredName = 255;
  static constexpr int TableSize = 10;
  // Ten entries of the longest names fit many times over; a larger file is damage.
  static constexpr size_t MaxFileBytes = 64 * 1024;

  // Empties the table; the file is path + ".dat".
  void Create(const std::string& path, int maxNameLength);
  // Appends at the end.
  void Add(const std::string& name, int score, int level);
  // Goes above the first entry scoring the same or less, so a new score beats an old
  // equal one; at the end when there is none.
  void Insert(const std::string& name, int score, int level);
  // Reads the file. Without one, the default table is made and saved. A damaged file
  // keeps its whole entries, made up to ten with empty ones; with none readable (or a
  // file too large to be one) the default table is used. Nothing is reported or written
  // for a damaged file.
  void Load();
  // Writes every entry; a file that cannot be written is fatal, reported with the reason.
  void Save();
  // The default table, saved; a file that cannot be written is reported once with the
  // reason and the table is kept in memory.
  void CreateDefault();
  // count entries "Empty" with score and level 0, saved.
  void Zero(int count);

  // The whole entries of file bytes, in order, at most TableSize; reading stops at the
  // first damaged one.
  static std::vector<THighScore> Decode(const std::string& bytes);
  static std::string Encode(const std::vector<THighScore>& entries);

  std::string filepath;
  int MaxNameLength = 10;
  std::vector<THighScore> Entries;

 private:
  void AddDefaults();
  std::string SaveFailure(const std::string& why) const;
};
