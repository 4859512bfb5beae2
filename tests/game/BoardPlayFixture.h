// Board tests that play through the game's mouse pointer: a game object with a
// 5 ms logic tick, its pointer, and a small picture bank so the pointer's look
// and the board's drawing have real pictures to use.
#pragma once
#include <filesystem>
#include <memory>
#include <string>

#include "BoardFixture.h"
#include "core/DataPaths.h"
#include "core/Game.h"
#include "core/GameClock.h"
#include "core/Globals.h"
#include "core/Settings.h"
#include "game/BoardResources.h"
#include "gfx/GameImage.h"
#include "gfx/Image.h"
#include "gfx/ImageBank.h"
#include "game/PlayerProgress.h"
#include "player/Profile.h"
#include "ui/GameText.h"
#include "ui/MousePointer.h"

class BoardPlayTest : public BoardTest {
 protected:
  std::unique_ptr<TGame> game;
  TMousePointer* mouse = nullptr;

  void SetUp() override {
    game = std::make_unique<TGame>();
    Game = game.get();
    Clock().FixedRateLogic.CalcMS();
    Settings().Particles = 100;
    mouse = &Pointer();
    host->pointer = mouse;
    ImageBank = std::make_unique<TImageBank>();
    for (const char* name : {"pointer", "pointersmall", "brick", "armour", "cellpane", "lock", "bonushighlightmid", "particlering"})
      Picture(name, 50, 50);
    Picture("cell", 52, 52);
    Picture("cellrightside", 4, 52);
    Picture("cellbottom", 52, 4);
    Picture("cellcorner", 4, 4);
    Picture("cursor", 60, 60);
    Picture("magichighlight", 64, 64);
    Picture("gems", 50, 50, 7);
    for (int t = 8; t <= 15; ++t) Picture("bonus" + std::to_string(t) + "idle", 50, 50, 50);
    for (int t = 1; t <= 7; ++t) Picture("gem" + std::to_string(t) + "anim", 50, 50, 50);
    TakeBoardPictures();
    BoardTest::SetUp();
    seams.Clock = std::make_shared<TGameTimerClock>();
    NewGrid();
  }
  // The screens' pictures and texts from the built data tree at built; the levels
  // (data/levels) and the profiles of folder; a player "Tester"; no music, no fades.
  static void UseBuiltData(const std::string& built, const std::filesystem::path& folder) {
    DataPaths().DataPrefix = built;
    Game->SetDefaultPaths();
    DataPaths().DataPrefix = folder.string() + "/";
    DataPaths().ProfilePath = (folder / "profiles").string() + "/";
    Settings().Music = 0;
    Settings().Fade = 0;
    GameText = TGameText::Create(built + "Data/text/gametext.txt");
    TProfile::CreateUserFunction = InitNewProfile;
    Game->CurrentProfile = TProfile::Create("Tester");
    Game->CurrentProfile->SaveUserFunction = SaveProfileData;
    Game->CurrentProfile->LoadUserFunction = LoadProfileData;
  }
  void TearDown() override {
    BoardTest::TearDown();
    ImageBank.reset();
    TakeBoardPictures();  // the type-level pictures go with the bank
    Game = nullptr;
  }

  static void Picture(const std::string& name, int w, int h, int frames = 1) {
    auto img = TImage::Create(w, h, frames, IMAGE_FILTERED);
    for (int f = 0; f < frames; ++f) {
      auto px = TPixmap::Create(w, h, PF_RGBA8888);
      for (auto& b : px->pixels) b = 255;
      img->SetPixmap(f, px);
    }
    auto gi = TGameImage::CreateFromImage(img, ImageKey(name), 0);
    ImageBank->Insert(gi);
  }

  // The pointer at pixel (x, y), the button held or not, then one board step.
  void Mouse(int x, int y, bool held) {
    mouse->x = x;
    mouse->y = y;
    mouse->b1 = held ? 1 : 0;
    mouse->CalcButtonTotals();
    Grid->Manage();
  }
  // A press and release at the centre of cell (cx, cy), offset by (ox, oy).
  void Click(int cx, int cy, int ox = 0, int oy = 0) {
    Press(cx, cy, ox, oy);
    Release();
  }
  void Press(int cx, int cy, int ox = 0, int oy = 0) { Mouse(GridX(cx) + 25 + ox, GridY(cy) + 25 + oy, true); }
  void Release() { Mouse(mouse->x, mouse->y, false); }
};

// A 5 x 5 board without refills on which swapping (0,1) with (1,1) makes a line
// of three 3s in row 1, and no other swap makes a line.
class OneMoveBoardTest : public BoardPlayTest {
 protected:
  void SetUp() override {
    BoardPlayTest::SetUp();
    Level(Plain(5, 5));
    Grid->MakeNewGems = 0;
    Place({"12345", "31335", "21452", "15423", "34512"});
  }
};
