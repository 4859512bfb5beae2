// The picture viewer: one gallery picture full screen, with a label at the top that
// makes it the desktop wallpaper. Any other click, "OK" or Escape goes back.
#pragma once
#include <string>

#include "screens/Screen.h"

class TPictureScreen : public TScreen {
 public:
  int PicIndex = -1;
  int Border = 5;
  int LabelX = 0, LabelY = 0, LabelW = 0, LabelH = 0;
  std::string LabelText;
  int LabelMO = 0;

  TPictureScreen() { name = "picture"; }

  void Load() override;
  void Start() override;
  void Logic() override;
  void Draw() override;
  int SetEscDestination() override;

  std::string GetPicName() const;
  void Close();
  // Writes the picture as the wallpaper file and hands it to the desktop; opens the
  // confirmation, or the error naming the file when it could not be written.
  void SetWallpaper();
  bool OverLabel(int x, int y) const;

  // Where the wallpaper file goes.
  static std::string WallpaperPath();
};
