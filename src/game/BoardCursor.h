// The board's cell cursor for players on the keyboard or a pad: it walks the playable
// cells, and picks, swaps, presses bonus pieces and places targeting pieces by standing
// the resting pointer on a cell and tapping there, so every move obeys the same rules
// as the mouse's. It shows only while the pointer rests.
#pragma once

class TBoardCursor {
 public:
  // One update's keys: the arrows (or D-pad) and Return / Space (or A).
  void Keys();
  // The frame over the cursor's cell, drawn after the board.
  void Draw() const;
  // Back to no cell, as at the start of a level.
  void Reset() { x_ = y_ = -1; }
  int X() const { return x_; }
  int Y() const { return y_; }
  // The cursor's cell after one step (dx, dy) from (x, y): the next playable cell that
  // way, skipping holes, or (x, y) itself at the board's edge.
  static void Step(int& x, int& y, int dx, int dy);

 private:
  // The playable cell nearest the board's middle, for the first key press.
  void Place();
  int x_ = -1, y_ = -1;
};
