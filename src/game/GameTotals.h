// The whole game's totals (score, matches, time) as three lines that slide in from
// the left one after another, labels in one column and values in the next; shown
// by the end-of-game screens over their own pictures.
#pragma once
#include <memory>
#include <string>

#include "gfx/SlideLine.h"

class TPlayer;

class TGameTotals : public TSlideLineList {
 public:
  int gap = 40;
  int lines = 3;
  int h = 0;
  int StartY = 150;
  int w = 0;
  int col1 = 0, col2 = 0;
  int colgap = 50;

  static std::shared_ptr<TGameTotals> Create(const TPlayer& player);
  // Lays the lines out for the player's totals as they are now, and starts them.
  void SetSlideLines();
  void CentreVert();
  void Draw() const;

  // The value shown on each line.
  std::string Values[3];

 private:
  const TPlayer* player_ = nullptr;
};
