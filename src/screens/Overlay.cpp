#include "screens/Overlay.h"

void TOverlay::Open() {
  Load();
  Start();
  Active = 1;
}

void TOverlay::Close() { Active = 0; }
