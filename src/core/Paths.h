// Path helpers shared by the game object's path set-up: folder names with their
// trailing separator, the per-user data folder, and the settings file's base name.
#pragma once
#include <string>

#include "core/Text.h"

// The folder that holds the shared data folder, with a trailing separator:
// $XDG_DATA_HOME when set and absolute, else $HOME/.local/share; "" when neither exists.
// Only id 35 is known; any other id gives "".
std::string GetSpecialFolderPath(int id);
// The program file's name without folder and extension; a trailing ".debug" is dropped,
// so a debug build reads the same settings file.
std::string ProgramBaseName(const std::string& programPath);
// The program file's full path without extension (same ".debug" rule).
std::string ProgramPathWithoutExtension(const std::string& programPath);
