// The house rules for level files: what the loader would silently accept but a
// level must never do (sizes past the board, unknown codes, cells no line can
// reach, a board that can never hold a move). Each break is reported with its line.
#pragma once
#include <string>
#include <string_view>
#include <vector>

// One broken rule; Line is 1-based in the file, 0 for the file as a whole.
struct TLevelIssue {
  int Line = 0;
  std::string Text;
};

class TLevelRules {
 public:
  // Boards wider than this run under the game screen's side panel.
  static constexpr int MaxWidth = 12;
  static constexpr int MaxHeight = 12;
  static constexpr int MaxEntriesPerColumn = 6;
  static constexpr int MaxBonusEntries = 16;

  // Checks the text of one level file. With tryFill set, a board whose shape
  // passes is also filled with the game's own code to prove a move can appear.
  static std::vector<TLevelIssue> Check(std::string_view text, bool tryFill = true);
  // "file:line: text" (or "file: text" for the whole file).
  static std::string Format(const std::string& file, const TLevelIssue& issue);
  // Start-piece and cell codes a level may use.
  static bool ValidCode(int code);
};
