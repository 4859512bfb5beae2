// Plays a full 13 x 12 board through 10,000 random legal moves, every cascade
// to rest, without a window, and prints the cost of one logic step of the
// board and of one legal-move search.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "game/Board.h"
#include "game/BoardClock.h"
#include "game/Cell.h"
#include "game/GameGrid.h"
#include "game/GemList.h"
#include "platform/Random.h"

namespace {
using Clock = std::chrono::steady_clock;

std::string FullLevel() {
  std::string t = "REM,Bench\n0\n8,9,10,11,12,13,14,15\n13,12\n0,0\n";
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 13; ++x) t += x ? ",3" : "3";
    t += "\n";
  }
  return t;
}

struct Move {
  int x1, y1, x2, y2;
};

// Exchanges of two unlocked neighbours that make a line through one of them.
std::vector<Move> LegalExchanges() {
  std::vector<Move> moves;
  for (int y = 0; y < Grid->levelheight; ++y)
    for (int x = 0; x < Grid->levelwidth; ++x)
      for (int k = 0; k < 2; ++k) {
        TCell* a = PlayableAt(x, y);
        TCell* b = PlayableAt(x + k, y + 1 - k);
        if (!a || !b || !a->Gem || !b->Gem || a->Gem->locked || b->Gem->locked) continue;
        std::swap(a->Gem, b->Gem);
        bool line = Grid->DoMatches(1, 0) > 0 && (a->match || b->match);
        Grid->ClearMatches();
        std::swap(a->Gem, b->Gem);
        if (line) moves.push_back({x, y, x + k, y + 1 - k});
      }
  return moves;
}

void Restart(const std::string& level) {
  Grid = TGameGrid::Create();
  Grid->LoadText(level);
  Grid->FillUntilMove();
  Board().Gems->SortAll();
}
}  // namespace

int main() {
  Delta = 1.0f;  // every step a whole tick
  SeedRnd(2024);
  const std::string level = FullLevel();
  Restart(level);

  const int moves = 10000;
  double stepTotal = 0, stepWorst = 0, searchTotal = 0, searchWorst = 0;
  long steps = 0, searches = 0, restarts = 0;
  std::vector<float> stepTimes;
  stepTimes.reserve(4000000);
  for (int m = 0; m < moves; ++m) {
    auto t0 = Clock::now();
    int none = Grid->NoMoreMoves(0);
    double us = std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
    searchTotal += us;
    searchWorst = std::max(searchWorst, us);
    ++searches;
    std::vector<Move> legal = LegalExchanges();
    if (none || legal.empty()) {
      Restart(level);
      ++restarts;
      --m;
      continue;
    }
    const Move& mv = legal[size_t(Rand(0, int(legal.size()) - 1))];
    Grid->cx = mv.x1;
    Grid->cy = mv.y1;
    Grid->Mode = 1;
    Grid->mx = mv.x2;
    Grid->my = mv.y2;
    Grid->StartSwap();
    for (int guard = 0; guard < 100000; ++guard) {
      auto s0 = Clock::now();
      Grid->Manage();
      double su = std::chrono::duration<double, std::micro>(Clock::now() - s0).count();
      stepTotal += su;
      stepWorst = std::max(stepWorst, su);
      stepTimes.push_back(float(su));
      ++steps;
      bool moving = Grid->SwapCounter > 0 || Grid->BlockInput;
      for (auto& g : Board().Gems->Items) moving = moving || g->dy != 0 || g->ExplosionCounter > 0;
      if (!moving) break;
    }
    if (Grid->NoMore) {
      Restart(level);
      ++restarts;
    }
  }
  std::printf("board_bench: %d moves on a 13 x 12 board, %ld logic steps, %ld restarts\n", moves, steps,
              restarts);
  // The worst single step is mostly the machine's scheduling; the 99.9th percentile shows the board.
  std::sort(stepTimes.begin(), stepTimes.end());
  float p999 = stepTimes.empty() ? 0 : stepTimes[size_t(double(stepTimes.size() - 1) * 0.999)];
  std::printf("  logic step:    mean %.2f us, 99.9%% %.1f us, worst %.1f us\n", stepTotal / double(steps), p999,
              stepWorst);
  std::printf("  NoMoreMoves:   mean %.2f us, worst %.1f us (%ld calls)\n", searchTotal / double(searches),
              searchWorst, searches);
  return 0;
}
