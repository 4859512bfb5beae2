#include "game/BoardHost.h"

#include <stdexcept>

namespace {
std::shared_ptr<TBoardHost> current;
TBoardHost alone;
}  // namespace

void TBoardHost::FatalError(const char* text) { throw std::runtime_error(text); }

void SetBoardHost(std::shared_ptr<TBoardHost> host) { current = std::move(host); }
TBoardHost& BoardHost() { return current ? *current : alone; }
