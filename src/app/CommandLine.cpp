#include "app/CommandLine.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/Globals.h"

TCommandLine ParseCommandLine(int argc, const char* const* argv) {
  TCommandLine line;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "-w" || arg == "--windowed") {
      line.Windowed = true;
    } else if (arg == "-h" || arg == "--help") {
      line.Help = true;
    } else if (arg == "-V" || arg == "--version") {
      line.Version = true;
    } else if (arg == "--timing") {
      line.Timing = true;
    } else if (arg == "--serial-load") {
      line.SerialLoad = true;
    } else if (line.Error.empty()) {
      line.Error = "unknown option '" + std::string(arg) + "'";
    }
  }
  return line;
}

std::string UsageText(const std::string& programName) {
  // The manual page, tinselvale(6), says the same: its tests compare the two.
  return "Usage: " + programName +
         " [OPTION]...\n"
         "Tinselvale GOLD, a match-three puzzle game set in a snowy village at night.\n"
         "\n"
         "Options:\n"
         "  -w, --windowed     start in a window instead of full screen\n"
         "  -h, --help         show this help and exit\n"
         "  -V, --version      show the version and exit\n"
         "      --timing       print how long start-up, loading and each change of screen took\n"
         "      --serial-load  load without helper threads (to compare with --timing)\n"
         "\n"
         "Keys (the mouse, the keyboard alone or a game controller play the whole game):\n"
         "  P                  pause and resume (a click resumes too)\n"
         "  Escape             go back (from the title screen, leave the game);\n"
         "                     on the board, open and close the game menu\n"
         "  Arrow keys         move between the buttons, the level map's stars and the\n"
         "                     board's cells; move a chosen slider by 5\n"
         "  Return             press the chosen button (else the screen's default);\n"
         "                     on the board, pick the gem under the cursor, then an\n"
         "                     arrow swaps it\n"
         "  H                  ask for a hint on the board\n"
         "  Game controller    the D-pad or left stick as the arrows, A as Return, B as\n"
         "                     Escape, Y as H, Start opens the game menu, Back or Guide\n"
         "                     pauses; a controller pulled out pauses the game\n"
         "  F1                 open the help pages from the title screen\n"
         "  Alt+Enter or Super+Shift+F  switch between full screen and a window\n"
         "  Super+Q            quit at once, keeping the current player's progress\n"
         "\n"
         "Settings, players, high scores and the error log (ErrorLog.txt) are kept in\n"
         "$XDG_DATA_HOME/Quillmoth/Tinselvale GOLD/ (by default ~/.local/share/...).\n"
         "\n"
         "Exit status: 0 when the game ended, also after an error it reported and logged,\n"
         "and when another copy was already running; 2 for a word on the command line\n"
         "that the game does not understand.\n"
         "\n"
         "More in the manual page, tinselvale(6).\n";
}

std::string VersionLine() { return std::string("Tinselvale GOLD ") + VersionConstant + "\n"; }

void HandleInformationalOptions(const TCommandLine& line, const std::string& programName) {
  if (!line.Error.empty()) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", programName.c_str(),
                 line.Error.c_str(), programName.c_str());
    std::exit(2);
  }
  if (line.Help) {
    std::fputs(UsageText(programName).c_str(), stdout);
    std::exit(0);
  }
  if (line.Version) {
    std::fputs(VersionLine().c_str(), stdout);
    std::exit(0);
  }
}
