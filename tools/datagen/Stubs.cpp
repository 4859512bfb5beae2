#include "Pictures.h"
bool WriteHud(const std::string&) { return true; }
bool WriteHints(const std::string&) { return true; }
bool WriteButtons(const std::string&) { return true; }
