// A screen that runs over another inside the owner's own logic: the hint scroll,
// the level-complete panel and the in-game menu. The owner opens it, steps it every
// logic update and draws it every frame while it is Active, and holds back its own
// input meanwhile. The screen under it is neither killed nor restarted.
#pragma once
#include "screens/Screen.h"

class TOverlay : public TScreen {
 public:
  // Loads (when needed) and starts it over the current screen.
  virtual void Open();
  // One logic update; 1 in the update in which it closed, else 0.
  virtual int OverlayLogic() = 0;
  virtual void OverlayDraw() = 0;
  // Rolls or fades it away; OverlayLogic reports the step it is gone.
  virtual void Close();

  int Active = 0;
};
