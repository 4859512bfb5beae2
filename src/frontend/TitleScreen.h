// The game's main menu and the hub of the front end: the title picture with the logo,
// an animated fire and drifting sparkles, a greeting for the current player and the
// buttons to play, change player, options, gallery and exit. On the very first start
// it asks for the player's name before anything else.
#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Image.h"
#include "gfx/ParticleList.h"
#include "gfx/Point.h"
#include "screens/Screen.h"
#include "ui/Label.h"

class TAnimation;

class TTitleScreen : public TScreen {
 public:
  static constexpr int SparkleCount = 43;

  void PreStart() override;
  void Kill() override;
  void Logic() override;
  void Draw() override;
  // firstLoad: the start-up load (no loading picture; may ask for a name). fromPlay:
  // coming back from a game, so the title music starts again.
  void SpecialLoad(int firstLoad, int fromPlay);
  void LoadAhead() override { SpecialLoad(1, 0); }
  std::vector<std::string> LoadAheadFiles() const override { return PictureFiles(); }
  void FillCoords();
  // Loads the remembered player, or prepares the name prompt when there is none yet.
  void PromptForName();
  void SetupPrompt();
  void SetupWelcome();
  void SpecialStart(int fromPlay);
  void ShowPlayerManager();
  void FirefliesManage();
  void FireflyCreate();
  void DrawWelcome();

  // Whether a profile folder listing holds a player's file (not ".dat" alone, no
  // control characters, extension "dat" exactly).
  static bool HoldsPlayer(const std::vector<std::string>& entries);
  // The picture files the start-up load of this screen reads (so they can be decoded ahead).
  static std::vector<std::string> PictureFiles();

  TImagePtr Copyright;
  TLabelPtr Welcome;
  TImagePtr FireAnim;
  std::shared_ptr<TAnimation> FireCounter;
  std::array<TPoint, SparkleCount> Coords{};
  TParticleList Sparkles;
  // The name prompt waits to be opened until the screen starts.
  int NeedName = 0;
};
