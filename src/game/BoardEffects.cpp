#include "game/BoardEffects.h"

namespace {
std::shared_ptr<TBoardEffects> current;
TBoardEffects silent;
}  // namespace

void SetBoardEffects(std::shared_ptr<TBoardEffects> effects) { current = std::move(effects); }
TBoardEffects& BoardEffects() { return current ? *current : silent; }
