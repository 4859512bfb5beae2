// tv_levelcheck: checks every level file of both packs against the level rules,
// then plays each level headless with a simple player over several seeds and
// prints a table of wins and median moves, so the difficulty curve can be seen.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "LevelPlayer.h"
#include "LevelRules.h"
#include "game/Board.h"
#include "game/LevelFile.h"

namespace {

struct TOptions {
  std::string dataDir;
  bool play = true;
  // A median of ten games on a long level swings by a fifth from one set of
  // seeds to the next; thirty show the difficulty curve without that noise.
  int seeds = 30;
  int firstSeed = 1;
  int maxMoves = 400;
  int minWins = -1;  // -1: nine in ten of the seeds
  int pack = -1;     // -1: both
  int from = 1, to = LevelsPerPack;
  int step = 1;
  bool showLosses = false;
};

void Usage() {
  std::fprintf(stderr,
               "usage: tv_levelcheck [options] <data folder>\n"
               "  --rules-only        check the files, do not play\n"
               "  --seeds N           seeds per level (default 30)\n"
               "  --first-seed N      first seed (default 1)\n"
               "  --moves N           move limit per game (default 400)\n"
               "  --min-wins N        wins a level needs (default: 9 in 10 of the seeds)\n"
               "  --pack classic|gold play one pack only\n"
               "  --levels A-B        play levels A to B only\n"
               "  --every N           play every N-th level only\n"
               "  --show-losses       print the board of every lost game\n");
}

bool ReadFile(const std::filesystem::path& p, std::string& out) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  out = s.str();
  return true;
}

int Median(std::vector<int> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

bool ParseArgs(int argc, char** argv, TOptions& o) {
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (a == "--rules-only") {
      o.play = false;
    } else if (a == "--show-losses") {
      o.showLosses = true;
    } else if (a == "--seeds" || a == "--first-seed" || a == "--moves" || a == "--min-wins" || a == "--every") {
      const char* v = value();
      if (!v) return false;
      int n = std::atoi(v);
      if (a == "--seeds") o.seeds = std::max(1, n);
      if (a == "--first-seed") o.firstSeed = n;
      if (a == "--moves") o.maxMoves = std::max(1, n);
      if (a == "--min-wins") o.minWins = n;
      if (a == "--every") o.step = std::max(1, n);
    } else if (a == "--pack") {
      const char* v = value();
      if (!v) return false;
      if (std::strcmp(v, "classic") == 0) o.pack = 0;
      else if (std::strcmp(v, "gold") == 0) o.pack = 1;
      else return false;
    } else if (a == "--levels") {
      const char* v = value();
      if (!v || std::sscanf(v, "%d-%d", &o.from, &o.to) != 2) return false;
    } else if (!a.empty() && a[0] == '-') {
      return false;
    } else {
      o.dataDir = a;
    }
  }
  return !o.dataDir.empty();
}

}  // namespace

int main(int argc, char** argv) {
  TOptions o;
  if (!ParseArgs(argc, argv, o)) {
    Usage();
    return 2;
  }
  const char* packDirs[2] = {"levels", "levelsGold"};
  const char* packNames[2] = {"classic", "gold"};
  std::string texts[2][LevelsPerPack + 1];
  int broken = 0;

  for (int p = 0; p < 2; ++p) {
    const std::filesystem::path dir = std::filesystem::path(o.dataDir) / packDirs[p];
    for (int n = 1; n <= LevelsPerPack; ++n) {
      const std::filesystem::path file = dir / (std::to_string(n) + ".txt");
      if (!ReadFile(file, texts[p][n])) {
        std::printf("%s: missing level file\n", file.string().c_str());
        ++broken;
        continue;
      }
      for (const TLevelIssue& issue : TLevelRules::Check(texts[p][n])) {
        std::printf("%s\n", TLevelRules::Format(file.string(), issue).c_str());
        ++broken;
      }
    }
    // A stray file would never be played; it is most likely a misnamed level.
    std::error_code ec;
    for (auto& entry : std::filesystem::directory_iterator(dir, ec)) {
      const std::string name = entry.path().filename().string();
      bool known = false;
      for (int n = 1; n <= LevelsPerPack; ++n) known = known || name == std::to_string(n) + ".txt";
      if (!known) {
        std::printf("%s: not a level of the pack (levels are 1.txt to %d.txt)\n", entry.path().string().c_str(),
                    LevelsPerPack);
        ++broken;
      }
    }
  }
  if (broken) {
    std::printf("%d rule break(s)\n", broken);
    return 1;
  }
  std::printf("rules: all %d level files pass\n", 2 * LevelsPerPack);
  if (!o.play) return 0;

  const int needed = o.minWins >= 0 ? o.minWins : (o.seeds * 9 + 9) / 10;
  int failing = 0;
  const auto start = std::chrono::steady_clock::now();
  std::printf("%-7s %5s  %-24s %6s %7s %8s %6s\n", "pack", "level", "name", "wins", "median", "restarts", "bonus");
  for (int p = 0; p < 2; ++p) {
    if (o.pack >= 0 && o.pack != p) continue;
    for (int n = std::max(1, o.from); n <= std::min(LevelsPerPack, o.to); n += o.step) {
      TLevelPlayer player;
      player.MaxMoves = o.maxMoves;
      player.Pack = p;
      player.Level = n;
      int wins = 0, restarts = 0, bonus = 0, hung = 0;
      std::vector<int> moves;
      for (int s = 0; s < o.seeds; ++s) {
        TPlayResult r = player.Play(texts[p][n], uint32_t(o.firstSeed + s));
        wins += r.Won;
        hung += r.Hung;
        restarts += r.Restarts;
        bonus += r.BonusUses;
        moves.push_back(r.Won ? r.Moves : o.maxMoves);
        if (o.showLosses && !r.Won)
          std::printf("%s %d seed %d lost after %d moves, %d restarts:\n%s", packNames[p], n, o.firstSeed + s,
                      r.Moves, r.Restarts, r.FinalBoard.c_str());
      }
      const std::string name = TLevelFile::Parse(texts[p][n]).LevelName;
      const bool ok = wins >= needed && hung == 0;
      failing += !ok;
      std::printf("%-7s %5d  %-24s %3d/%-2d %7d %8d %6d%s%s\n", packNames[p], n, name.c_str(), wins, o.seeds,
                  Median(moves), restarts, bonus, hung ? "  HUNG" : "", ok ? "" : "  FAIL");
      std::fflush(stdout);
    }
  }
  const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("play: %d level(s) below %d wins in %d seeds; %.1f s\n", failing, needed, o.seeds, secs);
  return failing ? 1 : 0;
}
