// The progress bar of the start-up loading screen: a picture of the full bar whose
// left part is revealed one step per loaded item, over an empty-bar picture or a plain
// box, and a final picture once every item is in.
#pragma once
#include "gfx/Image.h"

class TLoadingBar {
 public:
  // Takes the pictures (empty and final may be none) and starts empty; SetSteps follows.
  void Init(TImagePtr image, TImagePtr emptyImage, TImagePtr finalImage);
  // Centred across the logical screen, top at y.
  void Centre(int y);
  // A count of 0 or less leaves a bar that never moves rather than one of infinite steps.
  void SetSteps(int n);
  void SetBackgroundColour(int r, int g, int b);
  void SetBorderColour(int r, int g, int b);
  void Progress();
  void Draw();

  int Mode = 0;  // unfilled part: 0 a bordered box, 1 the empty picture, 2 nothing
  TImagePtr Image, EmptyImage, FinalImage;
  int x = 0, y = 0;
  int w = 0, h = 0;
  float Position = 0;
  float Steps = 0;
  float StepSize = 0;
  int CurrentStep = 0;
  int Finished = 0;
  int BgR = 50, BgG = 50, BgB = 50;
  int BorderR = 0, BorderG = 0, BorderB = 0;
  int DrawEmptyUnderFinal = 0;
};
