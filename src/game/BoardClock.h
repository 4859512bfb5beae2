// The logic clock as the board rules see it: the per-step delta and the
// millisecond-to-step conversion, which follows the game object's timer and
// speed when there is one. One seam, so the rules also run without it.
#pragma once

// The per-step delta (1.0 for a whole logic tick).
float BoardDelta();
void SetBoardDelta(float delta);
// Milliseconds of animation in logic steps.
float BoardAnimLength(float ms);
