// What the board's screens ask of the hint page that rolls down over the board:
// a page to show and its opening sound. The page is found in the screen
// registry; its overlay side (shown, stepped, drawn, closed) is a plain TOverlay.
#pragma once

class THintPage {
 public:
  // Page hint's picture and text; picture chooses the gallery thumbnail of page 21.
  virtual void LoadSpecial(int hint, int picture) = 0;
  // Starts unrolling; sound 0 leaves the opening sound to the owner (PlayActivateSound).
  virtual void Show(int sound) = 0;
  virtual void PlayActivateSound() = 0;

 protected:
  ~THintPage() = default;
};

// The registered hint page, or null when there is none.
THintPage* FindHintPage();
