#include <string>

#include "app/CommandLine.h"
#include "app/Startup.h"

int main(int argc, char** argv) {
  TCommandLine line = ParseCommandLine(argc, argv);
  std::string name = argc > 0 ? argv[0] : "tinselvale";
  if (auto slash = name.rfind('/'); slash != std::string::npos) name.erase(0, slash + 1);
  HandleInformationalOptions(line, name);
  StartGame(line);
}
