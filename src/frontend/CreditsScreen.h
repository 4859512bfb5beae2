// The credits: who made the game and the software and typefaces it stands on, on the
// options screen's parcel picture, reached from the options screen and leading back to it.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "screens/Screen.h"

class TGameImage;

class TCreditsScreen : public TScreen {
 public:
  std::shared_ptr<TGameImage> TagImage, BottomString, TopString;

  TCreditsScreen() { name = "credits"; }

  void Load() override;
  void Start() override;
  void Kill() override;
  void Logic() override;
  void Draw() override;
  int SetEscDestination() override;

  // A line as drawn: its top, its scale and its text, the role words from the game text.
  struct TLine {
    int y;
    float scale;
    std::string text;
  };
  static std::vector<TLine> Lines();
};
