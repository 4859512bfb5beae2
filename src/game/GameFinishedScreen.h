// The closing screen after the last level of a pack: the title picture with a
// figure fading in, two lines of closing words, a laugh once the screen is in and
// the closing music once the figure is; OK or a click returns to the title.
#pragma once
#include <memory>

#include "screens/Screen.h"

class TAnimation;
class TGameImage;
class TGameSound;

class TGameFinishedScreen : public TScreen {
 public:
  static constexpr int FigureFadeMs = 1200;

  TGameFinishedScreen();

  void Load() override;
  void Start() override;
  void PostFadeIn() override;
  void Kill() override;
  void Logic() override;
  void Draw() override;
  // The title, with a long fade (its length in ms).
  int SetEscDestination() override;
  void Close();

  std::shared_ptr<TGameImage> Santa;
  std::shared_ptr<TAnimation> SantaFade;
  std::shared_ptr<TGameSound> HOHOSound;

 private:
  // The title screen; before there is one, the level map.
  TScreen* Leave() const;
};
