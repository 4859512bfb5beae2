#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LevelRules.h"

namespace {

// A small level that keeps every rule: 4 x 3, bricks, armour, a lock and a start piece.
const std::string Good = "REM,Good\n60\n9,12\n4,3\n0,0\n-1,1,1,-1\n1,3,2,1\n-1,8,1,-1\n";

// The file with line n (1-based) replaced.
std::string WithLine(int n, const std::string& text, std::string file = Good) {
  size_t start = 0;
  for (int i = 1; i < n; ++i) start = file.find('\n', start) + 1;
  size_t end = file.find('\n', start);
  return file.replace(start, end - start, text);
}

// The one issue the text must raise: on this line, containing these words.
void ExpectIssue(const std::string& text, int line, const std::string& words) {
  std::vector<TLevelIssue> issues = TLevelRules::Check(text);
  ASSERT_FALSE(issues.empty()) << "accepted:\n" << text;
  bool seen = false;
  for (auto& i : issues) seen = seen || (i.Line == line && i.Text.find(words) != std::string::npos);
  std::string all;
  for (auto& i : issues) all += TLevelRules::Format("level.txt", i) + "\n";
  EXPECT_TRUE(seen) << "wanted line " << line << " \"" << words << "\", got:\n" << all;
}

}  // namespace

TEST(LevelRules, AGoodLevelPassesAndIssuesNameFileAndLine) {
  EXPECT_TRUE(TLevelRules::Check(Good).empty());
  // Without a final line break the file is the same level.
  EXPECT_TRUE(TLevelRules::Check(Good.substr(0, Good.size() - 1)).empty());
  EXPECT_EQ(TLevelRules::Format("data/levels/3.txt", {4, "width 13 is outside 1-12"}),
            "data/levels/3.txt:4: width 13 is outside 1-12");
  EXPECT_EQ(TLevelRules::Format("data/levels/3.txt", {0, "no brick layer"}), "data/levels/3.txt: no brick layer");
}

TEST(LevelRules, HeaderLinesAreChecked) {
  ExpectIssue(Good.substr(Good.find('\n') + 1), 1, "no name line");
  ExpectIssue(WithLine(1, "REM,"), 1, "name is empty");
  ExpectIssue(WithLine(2, "1x0"), 2, "time line");
  ExpectIssue(WithLine(2, "0"), 2, "above 0");
  ExpectIssue(WithLine(3, "9,16"), 3, "\"16\" is not a piece type");
  ExpectIssue(WithLine(3, "7"), 3, "\"7\" is not a piece type");
  ExpectIssue(WithLine(3, "8,8,8,8,8,8,8,8,8,8,8,8,8,8,8,8,8"), 3, "17 entries");
  ExpectIssue(WithLine(4, "13,3"), 4, "width 13");
  ExpectIssue(WithLine(4, "4,13"), 4, "height 13");
  ExpectIssue(WithLine(4, "0,3"), 4, "width 0");
  ExpectIssue(WithLine(4, "4"), 4, "not width,height");
  ExpectIssue(WithLine(5, "2,0"), 5, "should be 0,0");
  ExpectIssue("REM,Short\n60\n0\n", 4, "ends before the size line");
  ExpectIssue("", 0, "empty");
}

TEST(LevelRules, CellRowsAreChecked) {
  ExpectIssue(WithLine(7, "1,3,2,1,1"), 7, "row has 5 codes, but the width is 4");
  ExpectIssue(WithLine(7, "1,16,2,1"), 7, "code 16 names no cell");
  ExpectIssue(WithLine(7, "1,36,2,1"), 7, "code 36");
  ExpectIssue(WithLine(7, "1,-2,2,1"), 7, "code -2");
  ExpectIssue(WithLine(7, "1,x,2,1"), 7, "\"x\" is not a cell code");
  ExpectIssue(WithLine(7, "1, 3,2,1"), 7, "\" 3\" is not a cell code");
  ExpectIssue(Good + "1,1,1,1\n", 9, "4 rows, but the size line says 3");
  ExpectIssue(WithLine(4, "4,4"), 8, "only 3 rows");
  ExpectIssue(Good + "\n", 9, "blank line at the end");
  // A CR line end would become part of the level name.
  std::string crlf;
  for (char c : Good) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  ExpectIssue(crlf, 1, "carriage return");
}

TEST(LevelRules, BoardShapeIsChecked) {
  // Every brick gone: the level would end at once.
  ExpectIssue("REM,Bare\n60\n0\n3,3\n0,0\n-1,-1,-1\n-1,-1,-1\n-1,-1,-1\n", 0, "no brick layer");
  // A cell off to the side that no line of three reaches.
  ExpectIssue("REM,Lonely\n60\n0\n4,4\n0,0\n1,1,1,0\n1,1,1,0\n1,1,1,0\n0,0,0,1\n", 9, "column 3: no line of three");
  // Holes along the edges push the board off centre.
  ExpectIssue("REM,Loose\n60\n0\n4,4\n0,0\n0,0,0,0\n1,1,1,0\n1,1,1,0\n1,1,1,0\n", 6, "first row has no playable");
  ExpectIssue("REM,Loose\n60\n0\n4,3\n0,0\n1,1,1,0\n1,1,1,0\n1,1,1,0\n", 4, "last column has no playable");
  // A single row of three can never be rearranged into a line.
  ExpectIssue("REM,Stuck\n60\n0\n3,1\n0,0\n1,1,1\n", 0, "ever holds a legal move");
  // The same board with a start piece has a move from the start.
  EXPECT_TRUE(TLevelRules::Check("REM,Piece\n60\n0\n3,1\n0,0\n1,8,1\n").empty());
  // Valid codes: plain, hole, bricks, locks, armour, start pieces and armoured start gems.
  for (int code : {-1, 0, 1, 2, 3, 4, 5, 7, 8, 15, 21, 27, 28, 35}) EXPECT_TRUE(TLevelRules::ValidCode(code)) << code;
  for (int code : {-2, 16, 20, 36, 99}) EXPECT_FALSE(TLevelRules::ValidCode(code)) << code;
}
