// Process-wide values every part of the game reads: the logical screen size,
// the share of a logic tick the current update stands for, and start-up state.
#pragma once
#include <string>


extern int ScreenWidth;         // the logical screen every screen lays out in
extern int ScreenHeight;
extern float Delta;             // 1.0 in a whole logic tick, the fraction in the last one of a frame
extern int FlipSync;            // sync argument given to Flip at the end of each frame
extern int ProgressMarker;      // last start-up step reached, printed by the top-level report
extern int GraphicsReady;       // messages can be shown inside the game window
extern int StandardFadeLength;  // ms
extern int PolledInputMode;     // which key table the input functions read
extern int ReportRetryFailures; // never changed: failed retries of file operations stay quiet
extern int CompositionEnabled;  // no desktop compositor library on this platform: stays 0

// The version constant and the window title built from it at start-up.
extern const char* const VersionConstant;
extern std::string VersionText;
extern std::string AppTitle;
