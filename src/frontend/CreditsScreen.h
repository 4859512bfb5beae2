// The credits: who made the game, one role a line on the options screen's parcel
// picture, reached from the options screen and leading back to it.
#pragma once
#include <memory>
#include <string>
#include <utility>
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

  // The lines as drawn: y and text, the role words from the game text.
  static std::vector<std::pair<int, std::string>> Lines();
};
