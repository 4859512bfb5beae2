// tv_scenegen <root>: draws the screen pictures, the lettered captions and the splash
// pictures of Tinselvale GOLD into the runtime tree, and copies the game's font.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "PictureJobs.h"

#ifndef TV_UI_FONT
#define TV_UI_FONT "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf"
#endif
#ifndef TV_HEADLINE_FONT
#define TV_HEADLINE_FONT "/usr/share/fonts/opentype/lobstertwo/LobsterTwo-Bold.otf"
#endif
#ifndef TV_FONT_LICENCE_DIR
#define TV_FONT_LICENCE_DIR "/usr/share/doc/fonts-comfortaa"
#endif

namespace fs = std::filesystem;

void TStudio::Save(const TCanvas& canvas, const std::string& relative) const {
  const std::string path = root + "/" + relative;
  const bool ok = fs::path(relative).extension() == ".jpg" ? canvas.SaveJpeg(path) : canvas.SavePng(path);
  if (!ok) throw std::runtime_error("cannot write " + path);
}

namespace {
// The game reads its lettering from a TrueType file under its own name; the
// licence travels with it.
void CopyFont(const std::string& root) {
  fs::create_directories(root + "/Data/fonts");
  fs::copy_file(TV_UI_FONT, root + "/Data/fonts/CARD1.dat", fs::copy_options::overwrite_existing);
  std::string licence = "Data/fonts/CARD1.dat is Comfortaa Bold by Johan Aakerlund, unchanged but for its\n"
                        "file name, distributed under the SIL Open Font License 1.1.\n\n";
  auto append = [&](const std::string& command) {
    FILE* p = popen(command.c_str(), "r");
    if (!p) return;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) licence.append(buf, n);
    pclose(p);
  };
  append("cat '" TV_FONT_LICENCE_DIR "/copyright' 2>/dev/null");
  licence += "\n\n";
  append("gzip -dc '" TV_FONT_LICENCE_DIR "/OFL.txt.gz' 2>/dev/null");
  FILE* f = fopen((root + "/Data/fonts/CARD1-LICENSE.txt").c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write the font licence");
  fwrite(licence.data(), 1, licence.size(), f);
  fclose(f);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <runtime root> [job name filter]\n", argv[0]);
    return 2;
  }
  const std::string root = argv[1];
  const std::string filter = argc > 2 ? argv[2] : "";
  const auto start = std::chrono::steady_clock::now();
  try {
    CopyFont(root);
    fs::create_directories(root + "/data/branding");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tv_scenegen: %s\n", e.what());
    return 1;
  }

  std::vector<TPictureJob> jobs;
  AddBackdropJobs(jobs);
  AddRoomJobs(jobs);
  AddPanelJobs(jobs);
  AddCaptionJobs(jobs);
  AddPageJobs(jobs);
  if (!filter.empty())
    std::erase_if(jobs, [&](const TPictureJob& j) { return j.name.find(filter) == std::string::npos; });

  // Two workers: the machine is shared, and the pictures are independent.
  std::atomic<size_t> next{0};
  std::atomic<int> failures{0};
  std::mutex report;
  auto worker = [&]() {
    TLettering letters(TV_UI_FONT, TV_HEADLINE_FONT);
    TStudio studio{root, letters};
    for (size_t i = next++; i < jobs.size(); i = next++) {
      try {
        jobs[i].draw(studio);
      } catch (const std::exception& e) {
        std::lock_guard<std::mutex> lock(report);
        std::fprintf(stderr, "tv_scenegen: %s: %s\n", jobs[i].name.c_str(), e.what());
        ++failures;
      }
    }
  };
  std::thread second(worker);
  worker();
  second.join();

  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("tv_scenegen: %zu pictures in %.1f s\n", jobs.size(), seconds);
  return failures == 0 ? 0 : 1;
}
