#include "core/Paths.h"

#include <cstdlib>

#include "core/Text.h"

std::string GetSpecialFolderPath(int id) {
  if (id != 35) return "";
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && xdg[0] == '/') return AddSlash(xdg);
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return AddSlash(std::string(home) + "/.local/share");
  return "";
}

namespace {
std::string StripExtension(const std::string& name) {
  // A leading dot is part of the name, not an extension.
  size_t dot = name.rfind('.');
  std::string base = (dot == std::string::npos || dot == 0) ? name : name.substr(0, dot);
  // Only test the suffix when the name is long enough to hold it.
  const std::string debug = ".debug";
  if (base.size() > debug.size() && base.compare(base.size() - debug.size(), debug.size(), debug) == 0)
    base.erase(base.size() - debug.size());
  return base;
}
}  // namespace

std::string ProgramBaseName(const std::string& programPath) {
  size_t slash = programPath.rfind('/');
  std::string name = slash == std::string::npos ? programPath : programPath.substr(slash + 1);
  return StripExtension(name);
}

std::string ProgramPathWithoutExtension(const std::string& programPath) {
  size_t slash = programPath.rfind('/');
  std::string folder = slash == std::string::npos ? "" : programPath.substr(0, slash + 1);
  return folder + ProgramBaseName(programPath);
}
