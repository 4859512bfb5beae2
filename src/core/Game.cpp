#include "core/Game.h"

// Made by start-up, which owns it; every layer may read it.
TGame* Game = nullptr;
