// The in-game menu: the scroll that slides up over the running level on Escape or
// the game screen's "Menu" button, offering to resume, to visit the options or the
// instructions on top of the level, or to save and go back to the title.
#pragma once
#include <memory>

#include "screens/Overlay.h"

class TAnimation;
class TGameSound;

class TGameMenu : public TOverlay {
 public:
  // What a logic step reports to the game screen.
  enum { Closed = 0, Showing = 1, Opened = 2, Closing = 3 };

  int MouseState = 0;
  std::shared_ptr<TGameSound> ActivateSound, DeactivateSound;
  std::shared_ptr<TAnimation> FadeIn, FadeOut;
  int QuitFlag = 0;
  float MenuY = 0;

  TGameMenu() { name = "gamemenu"; }

  void Load() override;
  void Kill() override;
  // 0 while closed (or sliding shut), 1 while it shows, 2 in the step it opened,
  // 3 in the step it started to close.
  int MenuLogic();
  // 1 when drawn.
  int MenuDraw();

  void Show(int playSound);
  void Hide();
  // How far open the scroll is: 0 below the screen, 1 at rest.
  float GetRatio() const;
  void SetMenuY();
  float GetTopY() const;
  bool Sliding() const;

  // The overlay's step: 1 in the step the scroll has slid away, else 0. A targeting
  // piece on the board's pointer is put away when the menu opens and comes back when it
  // starts to close.
  int OverlayLogic() override;
  void OverlayDraw() override { MenuDraw(); }
  void Open() override;
  void Close() override { Hide(); }

 private:
  // Fades out towards screen, leaving the level loaded under the menu.
  void VisitOverLevel(TScreen* screen);
};
