// The game's two start-up steps around the intro: preparing the loading screen before
// the first screen starts, and filling the banks behind the loading bar when the intro
// closes. Also the figures a developer can ask for about how long start-up takes.
#pragma once

struct TStartupOptions {
  // Decode the loading table's pictures and sounds on the main thread only (for comparing).
  bool SerialLoad = false;
};
extern TStartupOptions StartupOptions;

// Prepares the loading screen and starts the intro with the loading screen after it.
void StartLoadingScreen();
// Everything the game loads once, one bar step per item; runs once per process.
void LoadEverything();
// Start-up reached its first presented frame / its first picture (timing figures).
void MarkFirstFrame();
void MarkFirstPicture();
// Bar steps of the loading pass: the game text, each sound, each picture, the high
// scores and the title screen; the bar fills exactly with the last of them.
int LoadingStepCount();
// How many helper threads decode ahead during loading (0 with SerialLoad).
int LoadingHelperThreads();
