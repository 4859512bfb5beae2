// Feeds arbitrary bytes to the level reader alone, many times faster than the target
// that also plays the board, so that a long campaign reaches far into the reader's
// corners: whatever the file says, the board's sizes and tables stay in bounds.
#include "LevelBounds.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LoadLevelWithinBounds(data, size);
  Grid->Clear();
  Grid.reset();
  return 0;
}
