// The command line a Linux player expects: --help, --version and a switch to start
// in a window. Everything else the game keeps in its settings file.
#pragma once
#include <string>

struct TCommandLine {
  bool Windowed = false;  // start in a window whatever the settings say
  bool Help = false;
  bool Version = false;
  bool Timing = false;      // print how long start-up took
  bool SerialLoad = false;  // load without helper threads (to compare start-up times)
  std::string Error;      // a word the program does not understand, with why
};

// Reads the arguments after the program's name.
TCommandLine ParseCommandLine(int argc, const char* const* argv);
// What --help prints.
std::string UsageText(const std::string& programName);
// What --version prints.
std::string VersionLine();
// Acts on --help, --version and a wrong argument (printing, then ending the process
// with 0, 0 and 2), before anything else of the game starts; returns otherwise.
void HandleInformationalOptions(const TCommandLine& line, const std::string& programName);
