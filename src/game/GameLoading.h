// Everything the game loads once at start-up: the pictures of the image bank, the
// sound set, the pointer and the paused picture. Each loaded item calls step, so a
// loading bar can follow.
#pragma once
#include <functional>

// The 65 picture steps, in their fixed order.
void LoadGamePictures(const std::function<void()>& step);
// The 25 sounds of the game's set.
void LoadGameSounds(const std::function<void()>& step);
