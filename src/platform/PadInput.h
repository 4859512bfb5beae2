// Game controllers through SDL's controller layer: opening pads as they are plugged
// in, turning their buttons and left stick into the game's pad events, and a test pad
// driven from a named pipe when TV_TEST_PAD names one.
#pragma once
#include "platform/Events.h"

union SDL_Event;

// Starts the controller layer once the event system runs; later calls only read the
// test pad's pipe.
void PadInputPump();
// The pad event for one SDL event; false when it is none (or not a pad's).
bool PadInputTranslate(const SDL_Event& e, TPlatformEvent& out);
