// The soak player: the real game in a real window, played by a bot along the whole
// road a player takes, for many levels, while it watches the process for leaks.
//
// Start-up, intro and loading screen ("Click to Play"), the title (a name typed at the
// first start, the gallery visited once), the level map (Return), the first game's
// instructions, then every level on the board: the player reads the settled grid through
// the game's own rules (the level checker's move search), presses bonus pieces and drags
// gems onto their neighbours with the mouse, until the bricks are gone; then the tally,
// the picture page and, every fifth level, the gallery page, and the map again. Every
// --menu-every levels it opens the in-game menu with Escape, moves the music slider on the
// options screen (or, every other time, looks at the help pages) and resumes; every
// --save-exit-every levels it leaves through Save & Exit and comes back through Play. Once
// a level it asks for a hint. Input goes through the window system: the pointer is
// warped in the real window and presses, releases, keys and text arrive as window events.
//
// Faster than real time: the game's own fixed-tick switch (NoTiming) runs --ticks logic
// updates (10 by default, 50 ms of game time) before each drawn frame, and frames are not
// paced or synchronised to the display, so the game runs as fast as drawing allows. Each
// update is a whole 5 ms tick of the rules, and every frame drawn goes through the game's
// drawing into the window.
//
// Figures (resident memory, its peak, heap in use, open descriptors, threads) are printed
// at the start, after the first level, after level 5 (the baseline; level 1 for runs
// under 10 levels) and after the last. It fails (exit 1) when a level is not won, a screen
// is not what a player would see, the heap grows by more than --heap-mb (4 MiB) or the
// resident memory by more than --rss-mb (32 MiB) from the baseline to the end, any
// descriptor or thread is added, the profile on disk does not hold the progress, the
// settings file does not hold the player and the volume, or (under AddressSanitizer) a
// leak is found at the end. Sanitizer reports of their own end the process with an error.
//
// With --absurd-settings 1 the settings file is first rewritten with numbers at both ends
// of what it can hold (huge and negative detail, volumes, shake and priorities) and read
// back through the game's own reader; the run must pass as any other, and the file must
// still hold those numbers at the end.
//
// With --hands keys the whole road is played with the keyboard alone, with --hands pad
// with a game controller alone (a virtual pad plugged in at the first press): the focus
// is walked onto every button, the name typed on the prompt's letter row, the slider
// moved by steps, and the board played with its cell cursor. No mouse event is sent.
//
// Run it under an X server with software GL, in a data folder and network namespace of
// its own (tools/soak/run_soak.sh does that; scripts/soak.sh builds it with sanitizers):
//   tools/soak/run_soak.sh build/tv_soak --levels 3
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "SoakChecks.h"
#include "SoakPlayer.h"
#include "app/CommandLine.h"
#include "app/Startup.h"
#include "core/Game.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "platform/Files.h"
#include "platform/Random.h"
#include "player/Profile.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {
TSoakOptions options;

// The game's own way out (settings written and audio closed before), with the verdict
// as the exit code.
[[noreturn]] void Finish(int code) {
  TGame::MakeGoodExit();
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(code);
}

// Writes the absurd numbers into the settings file and reads it back as a start would.
void UseAbsurdSettings() {
  Game->IniFill();
  std::string text = Game->Ini->Text();
  for (const auto& [key, value] : AbsurdSettings()) text += key + "=" + std::to_string(value) + "\r\n";
  WriteFileSafely(Game->Ini->Path(), text);
  Game->Ini->Load();
  Game->IniExtract();
  std::printf("soak: absurd settings: detail %d, sound volume %d, music volume %d, screen shake %d\n",
              Settings().Particles, Settings().SoundVolume, Settings().MusicVolume, Settings().screenShake);
}

void RunSoak() {
  if (options.Absurd) UseAbsurdSettings();
  Game->NoTiming = 1;
  Game->NoTimingTicks = options.Ticks;
  FlipSync = 0;
  SeedRnd(options.Seed);
  std::printf("soak: %d levels, %d logic updates per frame, in-game menu every %d levels, save and exit every %d\n",
              options.Levels, options.Ticks, options.MenuEvery, options.SaveExitEvery);
  std::fflush(stdout);

  TSoakPlayer player(options);
  std::vector<std::string> faults = player.Run();
  if (faults.empty()) {
    for (auto& f : SoakGrowthFaults(player.Baseline, player.Last, options.Limits))
      faults.push_back(f + " between level " + std::to_string(player.BaselineLevel) + " and level " +
                       std::to_string(player.LevelsWon()));
  }
  // Whatever happened, what was written must be what the run did.
  TSoakExpectations expected{options.Player, player.LevelsWon(), player.MusicVolume(), options.Absurd != 0};
  std::string bytes;
  if (Game->CurrentProfile) {
    // Written through the game's own way out first, as closing the window does.
    SaveProfileIfPlaying();
    ReadWholeFile(Game->CurrentProfile->FilePath(), bytes);
    for (auto& f : ProfileFaults(bytes, expected)) faults.push_back(f);
  } else {
    faults.push_back("no player was ever made");
  }
  Game->SaveUnsavedSettings();
  bytes.clear();
  ReadWholeFile(Game->Ini->Path(), bytes);
  for (auto& f : SettingsFaults(bytes, expected)) faults.push_back(f);
  Game->Kill();
#if defined(__SANITIZE_ADDRESS__)
  // The program ends without running exit handlers, so the leak check runs here.
  if (__lsan_do_recoverable_leak_check() != 0) faults.push_back("memory leaks were found (reported above)");
#endif
  std::printf("soak: %d levels won in %lld frames; in-game menu: %d visits to the options, %d to the help pages, "
              "%d saves and exits\n",
              player.LevelsWon(), static_cast<long long>(player.Frames()), player.MenuVisits(), player.HelpVisits(),
              player.SaveExits());
  if (faults.empty()) {
    std::printf("soak: PASSED\n");
    Finish(0);
  }
  for (const auto& f : faults) std::printf("soak: FAILED: %s\n", f.c_str());
  Finish(1);
}

bool ReadOptions(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string key = argv[i];
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    if (key == "--levels") options.Levels = std::atoi(value);
    else if (key == "--menu-every") options.MenuEvery = std::atoi(value);
    else if (key == "--save-exit-every") options.SaveExitEvery = std::atoi(value);
    else if (key == "--ticks") options.Ticks = std::atoi(value);
    else if (key == "--seed") options.Seed = uint32_t(std::strtoul(value, nullptr, 10));
    else if (key == "--max-frames-per-level") options.MaxFramesPerLevel = std::atoi(value);
    else if (key == "--heap-mb") options.Limits.HeapBytes = int64_t(std::atof(value) * 1024 * 1024);
    else if (key == "--rss-mb") options.Limits.RssKb = long(std::atof(value) * 1024);
    else if (key == "--absurd-settings") options.Absurd = std::atoi(value);
    else if (key == "--hands") {
      const std::string hands = value;
      if (hands == "mouse") options.Hands = TSoakOptions::THands::Mouse;
      else if (hands == "keys") options.Hands = TSoakOptions::THands::Keys;
      else if (hands == "pad") options.Hands = TSoakOptions::THands::Pad;
      else return false;
    }
    else return false;
  }
  // The last level of the pack ends in the closing screen instead of the map.
  return options.Levels >= 1 && options.Levels < 55 && options.Ticks >= 1 && options.Ticks <= 100;
}
}  // namespace

int main(int argc, char** argv) {
  if (!ReadOptions(argc, argv)) {
    std::fprintf(stderr,
                 "usage: %s [--levels 1-54] [--menu-every N] [--save-exit-every N] [--ticks 1-100] [--seed N]\n"
                 "          [--max-frames-per-level N] [--heap-mb MB] [--rss-mb MB] [--absurd-settings 0|1]\n"
                 "          [--hands mouse|keys|pad]\n",
                 argv[0]);
    return 2;
  }
  TCommandLine line;
  line.Windowed = true;
  StartGameWith(line, RunSoak);
  // RunSoak ends the process itself; coming back here means it never ran.
  std::printf("soak: FAILED: the game never reached the soak\n");
  return 1;
}
