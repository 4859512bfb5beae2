// The name prompt of a finished game whose score is good enough for the high-score
// table: it decides whether the game qualifies, and enters the typed name with the
// score and level, pushing the lowest entry out.
#pragma once
#include <memory>
#include <string>

class THighScoreList;

class THighScoreEntry {
 public:
  // HighScore is set when score reaches the table's lowest entry (or the table is empty).
  static std::unique_ptr<THighScoreEntry> Create(THighScoreList& table, int score, int level);

  // Enters the name when the game qualified, then ends the typing.
  void FinishAndAdd();
  // The lowest entry drops out, the new one goes in by its score and the table is saved.
  void AddToHighScores();
  void Finish() { Done = 1; }
  // Whether the name still takes typing.
  int Active() const { return HighScore == 1 && Done == 0; }
  // The prompt and the name typed so far, while the name is wanted.
  void Draw() const;

  int HighScore = 0;
  int TopY = 330;
  // The typed name; the screen's text field fills it.
  std::string Name;
  int Done = 0;

 private:
  explicit THighScoreEntry(THighScoreList& table) : table_(table) {}
  THighScoreList& table_;
  int score_ = 0;
  int level_ = 0;
};
