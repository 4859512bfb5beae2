// What the title screen's "play" asks of the game without knowing the game screen's
// type: a new game for the current player.
#pragma once

// Resets the game screen's player for a new game; nothing when start-up made no game screen.
void StartNewGame();
