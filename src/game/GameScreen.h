// The screen levels are played on. It owns the player, builds the board of the
// current level, runs it every logic step and draws the background, the board,
// the side panel (score, level, time, power gauge, Hint and Menu buttons) and
// the level's start and end; it opens the tutorial pages of the hint scroll and
// restarts a level whose board has no move left.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "game/BoardCursor.h"
#include "game/GameSession.h"
#include "game/Player.h"
#include "gfx/Counter.h"
#include "gfx/ImageFont.h"
#include "gfx/LayerCache.h"
#include "screens/Screen.h"

class TAnimation;
struct TTextStyle;
class TBoardParticles;
class TGameImage;
class TGameSound;
class TGridSounds;
class TBoardHost;
class TOverlay;

class TGameScreen : public TScreen, public TGameSession {
 public:
  static constexpr int MusicTrackCount = 5;
  static constexpr int DiagonalGaugeX = 59, DiagonalGaugeY = 422;

  TGameScreen();
  ~TGameScreen() override;

  void Load() override;
  void Start() override;
  void CoreStart() override;
  void PostFadeIn() override;
  void Logic() override;
  void Draw() override;
  void Kill() override;
  int SetEscDestination() override;
  void SpecificKeys() override;
  // Over the board the keys drive the cell cursor; over a page, the menu or a dialog
  // they walk its buttons.
  void ListFocus(TFocusRing& ring) override;
  void FocusKeys() override;

  // A new game for the current profile (the title screen's "play").
  void GameStart() override;
  void LevelStart();
  void LevelLoad();
  // Fills the board until it holds a move (a board that can never hold one is
  // played as it is: the settled-board test then starts it again).
  void FillGrid();
  // After the no-moves sequence of a level that can never hold a move: leaves for the
  // level map (1), or 0 when there is none and the level starts again.
  int LeaveUnplayableLevel();
  void RestartLevel();
  void KillGameObjects();
  void ClearLists() {}
  void ClearCounters();
  void ClearParticles();
  void LoadParticles();
  void SetMenuCoords();

  void IntroCheck();
  void LevelCheck();
  // Starts the level-end outro; 0 when refused (during the intro, or a second time).
  int NextLevel();
  void NextLevelManage();
  void NextLevelEnd();
  void HUDEffects();
  void GaugeFull();
  void ManageMunchkins();

  float GetHUDX() const;
  void HUDDraw();
  void StatusTextDraw();
  void XDraw(float x);
  // The font of the panel's numbers.
  static TImageFontPtr HudFont();
  void DiagonalTextDraw();

  int GetChapter() const override;
  int GetSubLevel() const override;
  // The board has no move left (or the Q key): the no-moves sequence, unless one
  // is pending already or a fade runs.
  void Quit();
  void StartSound();

  // What the board's seams report to the screen.
  void CreatureFreed();
  void HintShown();
  void FewBricksLeft();
  int OutroRunning() const;

  // A death count that ran out (never during play: see TPlayer::DeathEnd).
  void GameOver() override;
  void ResumeAfterDeath() override;

  // The level being played: the player's level in the current pack, kept within
  // the pack (a damaged number plays level 1).
  int CurrentLevel() const override;
  static int CurrentPack();
  // The pack's level after a won one, saved with the profile. After a pack's last
  // level the pack starts again at level 1 with every level left open, the game's
  // score is set back, and 1 is returned.
  int AdvanceLevel() override;
  TPlayer* SessionPlayer() const override { return Player.get(); }
  TBoardParticles* SessionParticles() const override { return Particles.get(); }

  // The level's music track (numbered from 1).
  static int MusicTrackNumber(int level);
  // The profile's one-time record of the tutorial page a level opens with, or -1.
  static int StartHintRecord(int pack, int level);

  // The in-game menu when start-up made one, else none.
  TOverlay* GameMenu() const;
  // The hint scroll and the level-complete panel when start-up made them, else none.
  TOverlay* HintScroll() const;
  TOverlay* LevelCompletePanel() const;
  int PanelShowing() const;
  // Opens page (recorded as record) the first time the profile meets it; 1 when it opened.
  int OpenHintPage(int page, int record, int sound);

  std::shared_ptr<TPlayer> Player;
  int FirstTime = 1;
  std::shared_ptr<TGameImage> XActive1Image, XActive2Image, XInactiveImage;
  std::shared_ptr<TGameImage> PanelImage;
  float DiagonalGaugeParticleCounter = 0;
  int DiagonalGaugeParticleCounterMax = 20;
  TCounterList GaugeFillDelay;
  std::shared_ptr<TAnimation> IntroAnim, OutroAnim;
  std::shared_ptr<TSprite> Go, WellDone;
  std::shared_ptr<TGameSound> SoundLevelStart, SoundLevelEnd, SoundGaugeFull;
  float HintShowCounter = 0;
  int Chapter = 0;
  int HeaderDefaultX = -10;

  std::shared_ptr<TBoardParticles> Particles;
  std::shared_ptr<TGridSounds> Sounds;
  // The no-moves sequence has ended inside the board's step; the level is
  // rebuilt once that step has returned.
  int RestartPending = 0;
  // The level's board can never hold a move (no fill of it ever did): building it
  // again would only run the no-moves sequence again, for ever.
  int Unplayable = 0;
  TBoardCursor Cursor;
  int HintKey = 0;  // H (or a pad's Y) in this update: the Hint button's press

 private:
  void DrawPanelValue(float x, float y, const std::string& text, const TTextStyle& style);
  // The background, the board's frame and cells and the side panel's picture, and a key
  // that changes whenever they would look different.
  void DrawStanding(bool sidePanel);
  uint64_t StandingKey(bool sidePanel) const;
  void PrepareGlyphs();
  void MakeGaugeSparkle();

  std::shared_ptr<TBoardHost> host_;
  TLayerCache standing_;
  std::shared_ptr<TGameImage> sparkleImage_;
  // The panel's texts, formatted again only when their numbers change.
  std::string scoreText_, levelText_, timeText_;
  std::string noMoreMovesText_, gaugeFullText_;
  int shownScore_ = -1, shownLevel_ = -1;
  long long shownSeconds_ = -1;
};
