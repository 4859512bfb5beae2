// The logic clock as the board rules see it: the per-step delta and the
// millisecond-to-step conversion. One seam, so the rules run in tests without
// the game object and follow its speed once it drives them.
#pragma once

// The per-step delta (1.0 for a whole 5 ms logic tick).
float BoardDelta();
void SetBoardDelta(float delta);
// Milliseconds of animation in logic steps (ms / 5 at normal speed).
float BoardAnimLength(float ms);
