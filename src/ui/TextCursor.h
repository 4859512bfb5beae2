// Writes lines of text down the screen, one under another; the developer overlay
// and tools that print a column of figures use it.
#pragma once
#include <string>

class TTextCursor {
 public:
  void Init(int x, int y, int linegap);
  void NewLine();
  // Draws at the cursor with the current image font; the cursor does not move.
  void Output(const std::string& text);
  void OutputNL(const std::string& text);

  int x = 0, y = 0;
  int linegap = 20;
  int Shadow = 0;  // 1: a soft dark copy under the text
};
