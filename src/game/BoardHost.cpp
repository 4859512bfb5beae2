#include "game/BoardHost.h"

#include <stdexcept>

void TBoardHost::FatalError(const char* text) { throw std::runtime_error(text); }
