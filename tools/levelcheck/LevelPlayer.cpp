#include "LevelPlayer.h"

#include <algorithm>
#include <memory>

#include "game/Board.h"
#include "game/BoardClock.h"
#include "game/BoardHost.h"
#include "game/BoardSound.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "game/GemList.h"
#include "platform/Random.h"

namespace {

// The screen around the board, reduced to what a player needs to know.
struct TPlayerHost : TBoardHost {
  int level = 1;
  int quits = 0;
  int CurrentLevel() override { return level; }
  void Quit() override { ++quits; }
};

bool Moving() {
  if (!Gems) return false;
  for (auto& g : Gems->Items)
    if (g->dy != 0 || g->ExplosionCounter > 0 || g->Swapping) return true;
  return false;
}

int Layers(const TCell& c) { return c.gold + c.armour; }

}  // namespace

bool TLevelPlayer::Settle(int limit) {
  for (int i = 0; i < limit; ++i) {
    Grid->Manage();
    if (Grid->BlockInput == 0 && Grid->SwapCounter <= 0 && !Moving()) return true;
  }
  return false;
}

std::vector<TPlayerMove> TLevelPlayer::LegalMoves() {
  std::vector<TPlayerMove> moves;
  const int w = Grid->levelwidth, h = Grid->levelheight;
  static const int dirs[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      TCell* src = PlayableAt(x, y);
      // Only an ordinary gem can be picked up; a bonus piece is pressed instead.
      if (!src || !src->Gem || !src->Gem->Ordinary() || src->Gem->locked) continue;
      for (auto& d : dirs) {
        const int tx = x + d[0], ty = y + d[1];
        TCell* dst = PlayableAt(tx, ty);
        if (!dst || (dst->Gem && (dst->Gem->locked || dst->Gem->GemType == -1))) continue;
        // Two ordinary gems make the same exchange either way round: count it once.
        if ((d[0] < 0 || d[1] < 0) && dst->Gem && dst->Gem->Ordinary()) continue;
        std::swap(src->Gem, dst->Gem);
        const int found = Grid->DoMatches(1, 1);
        if (found > 0 && (src->match || dst->match)) {
          TPlayerMove m{x, y, tx, ty, 0, 0};
          for (int cx = 0; cx < w; ++cx)
            for (int cy = 0; cy < h; ++cy) {
              TCell* c = CellAt(cx, cy);
              if (!c || !c->match) continue;
              if (c->Gem && c->Gem->locked) {
                // Unlocking frees the cell for later lines and lets its column fall again.
                m.Score += 4;
                continue;
              }
              m.Score += 1;
              if (Layers(*c) > 0) {
                m.Score += 10;
                ++m.Layers;
              }
              // Bursting under bricks brings new gems onto them.
              for (int up = cy - 1; up >= 0; --up) {
                TCell* a = PlayableAt(cx, up);
                if (!a) break;
                if (Layers(*a) > 0) m.Score += 0.5;
              }
            }
          m.Score += 0.05 * std::max(y, ty);
          moves.push_back(m);
        }
        Grid->ClearMatches();
        std::swap(src->Gem, dst->Gem);
      }
    }
  return moves;
}

void TLevelPlayer::Rebuild(std::string_view levelText) {
  Grid = TGameGrid::Create();
  Grid->LoadText(levelText);
  Grid->FillUntilMove();
  Gems->SortAll();
}

bool TLevelPlayer::UseBonus() { return false; }

void TLevelPlayer::Apply(const TPlayerMove& m) {
  Grid->cx = m.x1;
  Grid->cy = m.y1;
  Grid->Mode = 1;
  Grid->mx = m.x2;
  Grid->my = m.y2;
  Grid->StartSwap();
  Grid->mx = Grid->my = -1;
}

TPlayResult TLevelPlayer::Play(std::string_view levelText, uint32_t seed) {
  TPlayResult result;
  auto host = std::make_shared<TPlayerHost>();
  host->level = Level;
  SetBoardHost(host);
  SetBoardSoundSink(nullptr);
  SetBoardDelta(1.0f);
  LevelPack = Pack;
  SeedRnd(seed);
  choice_.seed(seed * 2654435761u + 17u);
  Rebuild(levelText);

  std::uniform_real_distribution<double> noise(0.0, 0.01);
  while (result.Moves < MaxMoves) {
    if (!Settle(SettleLimit)) {
      result.Hung = true;
      break;
    }
    if (Grid->Gold <= 0) {
      result.Won = true;
      break;
    }
    if (UseBonus()) {
      ++result.BonusUses;
      ++result.Moves;
      continue;
    }
    std::vector<TPlayerMove> moves = LegalMoves();
    if (moves.empty()) {
      // The game shakes the board and starts the level again from its file.
      ++result.Restarts;
      host->quits = 0;
      Rebuild(levelText);
      continue;
    }
    const TPlayerMove* best = nullptr;
    double bestScore = -1;
    for (auto& m : moves) {
      double s = m.Score + noise(choice_);
      if (s > bestScore) {
        bestScore = s;
        best = &m;
      }
    }
    Apply(*best);
    ++result.Moves;
  }
  if (!result.Won && !result.Hung && result.Moves >= MaxMoves) {
    result.Hung = !Settle(SettleLimit);
    result.Won = !result.Hung && Grid->Gold <= 0;
  }
  SetBoardHost(nullptr);
  Grid->Clear();
  Grid.reset();
  Gems.reset();
  return result;
}
