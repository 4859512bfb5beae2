// The player's shelf of pictures: eleven slots that unlock one by one as every fifth
// level of the classic pack is completed, a thumbnail when unlocked and a lock when
// not. An unlocked thumbnail opens the picture viewer.
#pragma once
#include <array>
#include <memory>

#include "screens/Screen.h"

class TGameImage;
class TGameSound;
class TProfile;
class TSineCounter;

class TGalleryScreen : public TScreen {
 public:
  static constexpr int Rows = 2, Cols = 5, Total = 11;

  int TopX = 112, TopY = 154;
  int XGap = 104, YGap = 84;
  int PicW = 100, PicH = 75;
  std::shared_ptr<TGameImage> Locked, PicFrame;
  std::array<std::shared_ptr<TGameImage>, Total> Pics;
  int HintOffset = 89;
  int MOIndex = -1;
  std::shared_ptr<TSineCounter> glow;
  std::shared_ptr<TGameSound> InvalidSound;

  TGalleryScreen();

  void Load() override;
  void CoreStart() override;
  void Logic() override;
  void Kill() override;
  void Draw() override;
  int SetEscDestination() override;

  // Slot k's top-left corner (the eleventh sits centred under the middle column).
  void SlotOrigin(int k, int& x, int& y) const;
  // The slot under a logical position, or -1.
  int SlotAt(int x, int y) const;
  // Whether profile has unlocked slot k (no profile unlocks nothing).
  bool Unlocked(const TProfile* profile, int k) const;
};
