// Shared set-up for the board tests: a fresh grid with recording seams, level
// text, hand-placed gems and stepping the board until it rests.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "game/Board.h"
#include "game/BoardClock.h"
#include "game/BoardEffects.h"
#include "game/BoardHost.h"
#include "game/BoardSound.h"
#include "game/BoardText.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "game/GemList.h"
#include "platform/Random.h"

struct RecordingSounds : TBoardSound {
  std::vector<std::string> names;
  int lands = 0;
  void Play(const std::string& name, float) override { names.push_back(name); }
  void PlayLand(const std::string&) override { ++lands; }
  int Count(const std::string& name) const {
    int n = 0;
    for (auto& s : names) n += s == name;
    return n;
  }
};

struct RecordingHost : TBoardHost {
  int score = 0, kills = 0, freed = 0, fewBricks = 0, quits = 0, levelEnds = 0, level = 1;
  int hintsShown = 0, movesOver = 0;
  std::vector<float> music;
  TMousePointer* pointer = nullptr;
  TMousePointer* Pointer() override { return pointer; }
  int CurrentLevel() override { return level; }
  void AddScore(int p) override { score += p; }
  void KillsAdd(int n) override { kills += n; }
  void MunchkinFreed() override { ++freed; }
  void FewBricksLeft() override { ++fewBricks; }
  void Quit() override { ++quits; }
  void HintShown() override { ++hintsShown; }
  void NoMovesMusic(float ratio) override { music.push_back(ratio); }
  void NoMovesOver() override { ++movesOver; }
  int NextLevel() override {
    ++levelEnds;
    return 0;
  }
};

class BoardTest : public ::testing::Test {
 protected:
  std::shared_ptr<RecordingHost> host = std::make_shared<RecordingHost>();
  std::shared_ptr<RecordingSounds> sounds = std::make_shared<RecordingSounds>();
  TBoardSeams seams{nullptr, nullptr, sounds, host};

  void SetUp() override {
    Delta = 1.0f;  // every step a whole tick
    LevelPack = 0;
    SeedRnd(1);
    NewGrid();
  }
  void TearDown() override {
    if (Grid) Grid->Clear();
    Grid.reset();
  }

  // A fresh grid on a board with the fixture's seams.
  void NewGrid() { Grid = TGameGrid::Create(std::make_shared<TBoard>(seams)); }
  void UseEffects(std::shared_ptr<TBoardEffects> effects) {
    seams.Effects = std::move(effects);
    NewGrid();
  }

  static void Level(const std::string& text) { Grid->LoadText(text); }

  // A level of w x h cells of one code.
  static std::string Plain(int w, int h, const char* code = "-1") {
    std::string t = "0\n0\n" + std::to_string(w) + "," + std::to_string(h) + "\n0,0\n";
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) t += std::string(x ? "," : "") + code;
      t += "\n";
    }
    return t;
  }

  // Puts gems on the board by rows: '1'-'7' ordinary, 'a'-'h' bonus 8-15,
  // '-' empty, '#' hole (nothing placed). Cells marked locked by the level get locked gems.
  static void Place(const std::vector<std::string>& rows) {
    Board().Gems = std::make_shared<TGemList>();
    for (int y = 0; y < int(rows.size()); ++y)
      for (int x = 0; x < int(rows[y].size()); ++x) {
        char ch = rows[y][x];
        TCell* c = CellAt(x, y);
        if (!c) continue;
        c->Gem.reset();
        int type = 0;
        if (ch >= '1' && ch <= '7') type = ch - '0';
        if (ch >= 'a' && ch <= 'h') type = ch - 'a' + 8;
        if (!type) continue;
        TGemRef g = TGem::Make(x, y, type, 0);
        g->locked = c->gemlocked;
        Board().Gems->Append(g);
        c->Gem = g;
      }
    Board().Gems->SortAll();
  }

  static int TypeAt(int x, int y) {
    TCell* c = CellAt(x, y);
    return c && c->Gem ? c->Gem->GemType : 0;
  }

  static void Steps(int n) {
    for (int i = 0; i < n; ++i) Grid->Manage();
  }

  // Steps until nothing bursts, falls or slides; the number of steps taken.
  static int Settle(int limit = 20000) {
    for (int i = 1; i <= limit; ++i) {
      Grid->Manage();
      bool moving = false;
      for (auto& g : Board().Gems->Items) moving = moving || g->dy != 0 || g->ExplosionCounter > 0;
      if (!moving && Grid->BlockInput == 0 && Grid->SwapCounter <= 0) return i;
    }
    return -1;
  }

  static void Swap(int x1, int y1, int x2, int y2) {
    Grid->cx = x1;
    Grid->cy = y1;
    Grid->Mode = 1;
    Grid->mx = x2;
    Grid->my = y2;
    Grid->StartSwap();
  }
};
