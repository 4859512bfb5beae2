#include "core/Globals.h"

int ScreenWidth = 800;
int ScreenHeight = 600;
float Delta = 0;
int FlipSync = 1;
int ProgressMarker = 0;
int GraphicsReady = 1;
int StandardFadeLength = 500;
int PolledInputMode = 0;
int ReportRetryFailures = 0;
int CompositionEnabled = 0;

const char* const VersionConstant = "1.11";
std::string VersionText;
std::string AppTitle;
