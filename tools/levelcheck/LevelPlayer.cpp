#include "LevelPlayer.h"

#include <algorithm>
#include <memory>

#include "core/Globals.h"
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
  if (!Board().Gems) return false;
  for (auto& g : Board().Gems->Items)
    if (g->dy != 0 || g->ExplosionCounter > 0 || g->Swapping) return true;
  return false;
}

int Layers(const TCell& c) { return c.gold + c.armour; }

}  // namespace

bool TLevelPlayer::Resting() { return Grid->BlockInput == 0 && Grid->SwapCounter <= 0 && !Moving(); }

bool TLevelPlayer::Settle(int limit) {
  for (int i = 0; i < limit; ++i) {
    Grid->Manage();
    if (Resting()) return true;
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

std::string TLevelPlayer::BoardPicture() {
  std::string out;
  for (int y = 0; y < Grid->levelheight; ++y) {
    for (int x = 0; x < Grid->levelwidth; ++x) {
      TCell* c = PlayableAt(x, y);
      if (!c) {
        out += "..";
        continue;
      }
      const int layers = Layers(*c);
      out += layers ? char('0' + layers) : ' ';
      TGem* g = c->Gem.get();
      out += !g ? '_' : g->locked ? 'L' : g->GemType > 7 ? 'P' : ' ';
    }
    out += '\n';
  }
  return out;
}

void TLevelPlayer::Rebuild(std::string_view levelText, std::shared_ptr<TBoardHost> host) {
  Grid = TGameGrid::Create(std::make_shared<TBoard>(TBoardSeams{nullptr, nullptr, nullptr, std::move(host)}));
  Grid->LoadText(levelText);
  Grid->FillUntilMove();
  Board().Gems->SortAll();
}

namespace {

bool Brick(int x, int y) {
  TCell* c = PlayableAt(x, y);
  return c && Layers(*c) > 0;
}

TGem* GemAt(int x, int y) {
  TCell* c = PlayableAt(x, y);
  return c && c->Gem ? c->Gem.get() : nullptr;
}

}  // namespace

TBonusChoice TLevelPlayer::PlanBonus(int x, int y, int type) {
  TBonusChoice p{x, y, type, -1, -1, 0};
  const int w = Grid->levelwidth, h = Grid->levelheight;
  int cells[25][2];
  switch (type) {
    case 8: {
      // Bursting gems over bricks brings new gems onto them.
      const int n = Grid->BonusArea(x, y, 1, cells);
      for (int i = 0; i < n; ++i) p.value += Brick(cells[i][0], cells[i][1]) ? 1 : 0.2;
      break;
    }
    case 9:
      for (int i = 0; i < w; ++i) p.value += Brick(i, y) ? 1 : (PlayableAt(i, y) ? 0.2 : 0);
      break;
    case 10:
      for (int i = 0; i < h; ++i) p.value += Brick(x, i) ? 1 : (PlayableAt(x, i) ? 0.2 : 0);
      break;
    case 12: {
      const int n = Grid->BonusArea(x, y, 1, cells);
      for (int i = 0; i < n; ++i) {
        TGem* g = GemAt(cells[i][0], cells[i][1]);
        if (Brick(cells[i][0], cells[i][1]) && !(g && g->locked)) p.value += 10;
      }
      break;
    }
    case 11:
    case 13:
    case 14:
      // The target: a locked gem for the key, an open brick for the brush (armour
      // first), the gem over a brick for the star.
      for (int ty = 0; ty < h; ++ty)
        for (int tx = 0; tx < w; ++tx) {
          TCell* c = PlayableAt(tx, ty);
          if (!c || (tx == x && ty == y)) continue;
          TGem* g = c->Gem.get();
          double v = 0;
          if (type == 14) v = g && g->locked ? 10 : 0;
          if (type == 13) v = (g && g->locked) ? 0 : (c->armour ? 12 : (c->gold ? 10 : 0));
          if (type == 11) v = (g && g->GemType != -1) ? (Layers(*c) > 0 ? 1 + (g->locked ? 4 : 0) : 0.1) : 0;
          if (v > p.value) {
            p.value = v;
            p.tx = tx;
            p.ty = ty;
          }
        }
      if (p.tx < 0) {
        // Nothing worth aiming at: spend it on any other cell to clear its place.
        for (int ty = 0; ty < h && p.tx < 0; ++ty)
          for (int tx = 0; tx < w && p.tx < 0; ++tx)
            if (PlayableAt(tx, ty) && !(tx == x && ty == y) && !(type == 13 && GemAt(tx, ty) && GemAt(tx, ty)->locked)) {
              p.tx = tx;
              p.ty = ty;
            }
      }
      break;
    default:
      break;
  }
  // A piece standing on a brick keeps that brick until it is used.
  if (Brick(x, y)) p.value += 5;
  return p;
}

TBonusChoice TLevelPlayer::ChooseBonus(bool ordinaryClearsBricks, bool anyOrdinary) {
  const int w = Grid->levelwidth, h = Grid->levelheight;
  TBonusChoice best;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      TGem* g = GemAt(x, y);
      if (!g || g->locked || g->GemType < 8 || g->GemType > 15) continue;
      // A sack shows what it is only when pressed; it is always worth a press.
      TBonusChoice p = g->GemType == 15 ? TBonusChoice{x, y, 15, -1, -1, 8} : PlanBonus(x, y, g->GemType);
      if (p.value > best.value || best.type == 0) best = p;
    }
  // Pieces that clear bricks (or stand on one) go first; the others wait until
  // ordinary moves stop reaching bricks.
  if (best.type != 0 && anyOrdinary && best.value < 5 && ordinaryClearsBricks) return TBonusChoice{};
  return best;
}

bool TLevelPlayer::UseBonus(bool ordinaryClearsBricks, bool anyOrdinary) {
  TBonusChoice best = ChooseBonus(ordinaryClearsBricks, anyOrdinary);
  if (best.type == 0) return false;

  TGem* piece = GemAt(best.x, best.y);
  if (best.type == 15) {
    piece->GemType = Grid->RandomBonusType();
    piece->ImageFrame = piece->GemType - 1;
    best = PlanBonus(best.x, best.y, piece->GemType);
  }
  if (best.type == 8 || best.type == 9 || best.type == 10 || best.type == 12) {
    Grid->UseBonus(best.x, best.y, best.type);
    return true;
  }
  if (best.tx < 0) return false;
  Grid->CursorSet(best.x, best.y);
  Grid->UseTarget(best.tx, best.ty, best.type);
  Grid->CursorClear();
  return true;
}

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
  Delta = 1.0f;  // every step a whole tick
  LevelPack = Pack;
  SeedRnd(seed);
  choice_.seed(seed * 2654435761u + 17u);
  Rebuild(levelText, host);

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
    std::vector<TPlayerMove> moves = LegalMoves();
    bool clears = false;
    for (auto& m : moves) clears = clears || m.Layers > 0;
    if (UseBonus(clears, !moves.empty())) {
      ++result.BonusUses;
      ++result.Moves;
      continue;
    }
    if (moves.empty()) {
      // The game shakes the board and starts the level again from its file.
      ++result.Restarts;
      host->quits = 0;
      Rebuild(levelText, host);
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
  if (!result.Won) result.FinalBoard = BoardPicture();
  Grid->Clear();
  Grid.reset();
  return result;
}
