// The game's window icon. An ELF program file carries no icon resource, so the
// picture is drawn here, in code, and handed to the window when it opens.
#pragma once
#include <cstdint>
#include <vector>

// A size x size RGBA picture (rows top to bottom): a faceted ruby with a soft
// highlight on a transparent ground, the game's first gem.
std::vector<uint8_t> DrawWindowIcon(int size);
// Gives the open game window its icon.
void SetGameWindowIcon();
