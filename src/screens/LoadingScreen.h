// The screen shown while the game's pictures and sounds load at start-up: a background,
// the logo, a progress bar moved one step per loaded item and a "loading" picture, then
// a click-here button that leads on to the title. Later screens borrow its "loading"
// picture (DrawLoading(1)) while they load their own pictures.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "gfx/Image.h"
#include "screens/LoadingBar.h"
#include "screens/PresentPacer.h"
#include "screens/Screen.h"

class TButton;

class TLoadingScreen : public TScreen {
 public:
  TLoadingScreen();

  void Start() override;
  void Kill() override;
  void Logic() override;
  void Draw() override;
  // The background, the bar (with its optional "empty" and "final" pictures beside it)
  // and the loading picture, all from the image folder.
  void SpecialLoad(const std::string& background, const std::string& bar, const std::string& text);
  void SetSteps(int n);
  void SetClickHereButton(const std::string& image, const std::string& imageMO, const std::string& soundMO,
                          const std::string& soundClick, int y);
  // 0: the loading picture as part of this screen; 1: a presented frame of only the
  // loading picture and the pointer, for a screen about to load.
  void DrawLoading(int mode);
  void Progress();

  std::unique_ptr<TLoadingBar> LoadingBar;
  std::shared_ptr<TButton> ClickHereButton;
  int Finished = 0;
  TImagePtr LoadingTextImage;
  int LoadingX = 0, LoadingY = 0;
  int DrawLoadingTextImage2 = 0;
  TImagePtr LoadingTextImage2;
  std::function<int()> CustomDrawFunction;
  std::function<int()> CustomKillFunction;
  int EscapeCloses = 1;
  int FadeMusic = 0;
  // Which bar steps get a presented frame (MoveBar); every step still moves the bar.
  TPresentPacer BarFrames;
};
