#include "game/BoardSound.h"

namespace {
std::shared_ptr<TBoardSound> current;
TBoardSound silent;
}  // namespace

void SetBoardSound(std::shared_ptr<TBoardSound> sound) { current = std::move(sound); }
TBoardSound& BoardSound() { return current ? *current : silent; }
