// The parchment of help that unrolls from the bottom of the screen over the board:
// a picture, a title and a few lines of text, closed by OK or any click, then
// rolled away. The game screen opens its tutorial pages with it; the
// level-complete screen its gallery page.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "game/HintPage.h"
#include "screens/Overlay.h"

class TAnimation;
class TGameImage;
class TGameSound;

class THintScroll : public TOverlay, public THintPage {
 public:
  int MouseState = 0;
  std::shared_ptr<TGameSound> ActivateSound, DeactivateSound;
  std::shared_ptr<TAnimation> FadeIn, FadeOut;
  int Hint = -1;
  std::shared_ptr<TGameImage> Icon, Frame;
  std::shared_ptr<TAnimation> Unroll;
  std::vector<std::string> Text;
  int PageWidth = 300;
  int TotalLines = 0;
  // The page title, looked up once when the page is loaded.
  std::string Title;

  void LoadSpecial(int hint, int picture) override;
  void SetText();
  void RollUp();
  void Show(int sound) override;
  void PlayActivateSound() override;
  void Hide();
  void Kill() override;

  // 1 in the step in which the scroll has rolled away, else 0.
  int OverlayLogic() override;
  void OverlayDraw() override;
  void Open() override { Show(1); }
  void Close() override { RollUp(); }

  // The picture file of a page, relative to the image folder; "" for no picture.
  static std::string PagePicture(int hint, int picture);
  // How far below its open place the scroll is drawn (pixels).
  float Offset() const;

 private:
  void SetOKActive(int active);
};
