// The start function: builds every long-lived object in a fixed order, opens the
// window, hands control to the first screen and runs the main loop. Never returns.
#pragma once

struct TCommandLine;

[[noreturn]] void StartGame(const TCommandLine& line);
// The same start-up, then `run` in place of the main loop (a benchmark drives the real
// game this way); errors inside either are reported as in the game. Returns when run does.
void StartGameWith(const TCommandLine& line, void (*run)());
// The main loop alone: one pass is one presented frame; left only through ExitGame.
[[noreturn]] void RunMainLoop();
