// What follows a won level, over the game screen: a parchment unrolls with the
// level's tally while snowflakes drift, then the level's picture remains with
// "Click Anywhere" and "Set Wallpaper". Opening it moves the player on and saves;
// every fifth classic level first shows the gallery picture it has unlocked.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "gfx/SineCounter.h"
#include "screens/Overlay.h"
#include "ui/DialogOK.h"

class TAnimation;
class TGameSession;
class TGameSound;

class TLevelCompleteScreen : public TOverlay {
 public:
  static constexpr float UnrollDistance = 410;

  TLevelCompleteScreen();

  void SetSlideLines();
  void MoveSnowFlakes();
  void MakeSnowFlakes();
  void RollUp();
  // Opens the panel once the won level's outro has ended.
  void Show();
  void LoadPictures();
  void Hide();
  // The background picture the level was played on.
  std::string GetPicName() const;
  // Writes the level's picture as the wallpaper file and hands it to the desktop;
  // the message says whether the file could be written.
  void SetWallpaper();

  void Load() override;
  void Start() override;
  void Kill() override;
  void Logic() override { OverlayLogic(); }
  void Draw() override;
  int SetEscDestination() override;
  // 1 in the step the scroll rolled away and in the step it leaves for the next screen.
  int OverlayLogic() override;
  void OverlayDraw() override { Draw(); }
  void Open() override { Show(); }
  void Close() override { RollUp(); }

  // The screen whose player and particles this panel shows.
  TGameSession* Owner = nullptr;
  // How the desktop is told (a seam: tests must not change the machine's wallpaper).
  std::function<bool(const std::string&)> WallpaperSetter;

  int GameFinished = 0;
  int gap = 32;
  int lines = 3;
  int h = 0;
  float StartY = 0;
  int w = 0;
  int col1 = 0, col2 = 0;
  int colgap = 25;
  float HeaderY = 90;
  int Border = 5;
  int LabelX = 0, LabelY = 0, LabelW = 0, LabelH = 0;
  std::string LabelText;
  int LabelMO = 0;
  TDialogOKPtr DialogOK;
  TSineCounter glow;
  std::shared_ptr<TAnimation> Unroll;
  std::shared_ptr<TGameSound> ActivateSound, DeactivateSound, ClickSound, MOSound;
  int Chapter = 0, SubLevel = 0;
  int Level = 0;

 private:
  TScreen* NextScreen() const;
  void SetOKActive(int active);
};
