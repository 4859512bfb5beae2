// One square of the board: playable or a hole, the brick layers under its gem,
// the level's start piece and lock, the frame sides drawn around it and its flash.
#pragma once
#include <memory>

#include "game/Gem.h"

class TGameImage;

class TCell {
 public:
  TGemRef Gem;
  int x = 0, y = 0;
  float sx = 0, sy = 0;
  int active = 0;
  int gold = 0;
  int armour = 0;
  int match = 0;
  int bonus = 0;
  int DrawLeft = 0, DrawTop = 0, DrawRight = 0, DrawBottom = 0;
  int DrawCorner = 0;
  int DrawTL = 0, DrawTR = 0, DrawBR = 0, DrawBL = 0;
  int gemlocked = 0;
  float glow = 0;

  // Pictures shared by every cell, taken from the image bank by Load.
  static std::shared_ptr<TGameImage> BrickImage, ArmourImage, CellImage, CellRightSideImage, CellBottomImage,
      CellCornerImage, CellPaneImage;

  static std::unique_ptr<TCell> Create(int x, int y);
  void SetCoords(int x, int y);
  static void Load();
  // The brick or pane, the flash on a brick, the cell picture and its frame-side pieces.
  void Draw() const;
  // The gold frame and its drop shadow along the sides FindEdges marked.
  void DrawBorder() const;
};
