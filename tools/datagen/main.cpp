// tv_datagen <program folder>: draws the board, image-bank, hint and button
// pictures into <program folder>/Data/. The families are independent, so two
// worker threads share them (the machine has two cores).
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "Pictures.h"

std::string GraphicsDir(const std::string& root) { return root + "/Data/graphics/"; }
std::string MenusDir(const std::string& root) { return root + "/Data/menus/"; }

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tv_datagen <program folder>\n");
    return 2;
  }
  const std::string root = argv[1];
  struct Job {
    const char* name;
    std::function<bool(const std::string&)> run;
  };
  // Longest first, so the two workers finish close together.
  const std::vector<Job> jobs = {
      {"bonus pieces", WriteBonusPieces}, {"gems", WriteGems},   {"hints", WriteHints},
      {"buttons", WriteButtons},          {"effects", WriteEffects}, {"hud", WriteHud},
      {"board tiles", WriteBoardTiles},
  };
  const auto start = std::chrono::steady_clock::now();
  std::atomic<size_t> next{0};
  std::atomic<bool> failed{false};
  auto worker = [&] {
    for (size_t i = next++; i < jobs.size(); i = next++) {
      if (!jobs[i].run(root)) {
        std::fprintf(stderr, "tv_datagen: could not write the %s pictures under %s\n", jobs[i].name, root.c_str());
        failed = true;
      }
    }
  };
  std::thread second(worker);
  worker();
  second.join();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("tv_datagen: pictures drawn in %.2f s\n", seconds);
  return failed ? 1 : 0;
}
