// The level map between the title and a game: the 55 levels of the chosen pack lie
// as stars along a path on a large map. The camera zooms in on the player's level,
// the map scrolls at the screen edges, an unlocked star (or "start") is played, the
// two pack buttons switch packs, and choosing a level zooms out into the game.
#pragma once
#include <array>
#include <memory>

#include "gfx/Point.h"
#include "gfx/SineCounter.h"
#include "screens/Screen.h"

class TAnimation;
class TGameImage;
class TGameSound;

class TLevelSelectScreen : public TScreen {
 public:
  static constexpr int MapLevels = 55;
  // Half the side of a star's square that the pointer hovers.
  static constexpr int StarHalf = 10;
  static constexpr int EdgeMargin = 60;
  static constexpr float EdgeSpeed = 2;

  TLevelSelectScreen();

  void Load() override;
  void Start() override;
  void PostFadeIn() override;
  void Kill() override;
  void Logic() override;
  void Draw() override;
  int SetEscDestination() override;
  // The stars in level order, the focus landing first on the level Play starts; then
  // the buttons.
  void ListFocus(TFocusRing& ring) override;

  // Reads the pack's current level and marks the selected pack's button.
  void LoadLevelPackButtons();
  void FillCoords();
  void CreateCoords();
  void KillCoords();
  // The zoom amount for the animation's present point (or its end, with final set).
  float CalcScale(int final) const;
  // The smallest drawing scale at which the map and its backdrop still cover the whole
  // screen; the zoom out never goes below it.
  float FillScale() const;
  void LevelSelected(int level);
  void CalcScrollCoords();

  // The first star (0-based) whose square holds the pointer, -1 for none.
  int StarAt(int mx, int my) const;
  // Where the backdrop is drawn at scale s: half the map's scroll, kept over the screen.
  float BackdropX(float s) const;
  float BackdropY(float s) const;
  // Where star index i is drawn on the screen at the present scroll.
  float StarScreenX(int i) const;
  float StarScreenY(int i) const;
  // A star number may be played when it is not beyond the pack's highest unlocked level.
  static int StarUnlocked(int number);
  // 1 while zooming in or out (no input then).
  int Zooming() const;

  float ScrollX = 0, ScrollY = 0;
  int YOffset = 70;
  std::shared_ptr<TGameImage> Background;
  std::shared_ptr<TGameImage> Locked, Unlocked, LockedMO, UnlockedMO;
  std::shared_ptr<TGameSound> ZoomInSound, Invalid, ZoomOut;
  TSineCounter Glow, Glow2;
  std::shared_ptr<TAnimation> Zoom;
  int ZoomIn = 1;
  float Angle = 0;
  int MOIndex = -1;
  int LastMOIndex = 0;
  int ClickedIndex = -1;
  float Scale = 1;
  int LastX = 0, LastY = 0;
  int Level = 1;
  int LevelPackPanelYOffset = 370;
  std::array<TAccuratePoint, MapLevels> Coords{};

 private:
  int MapWidth() const;
  int MapHeight() const;
  void SetButtonsActive(int active);
  void ChooseLevel(int level);
  void DrawStar(int i);
  // Where "back" leads: the title screen, or nowhere when there is none yet.
  TScreen* BackDestination() const;
};
