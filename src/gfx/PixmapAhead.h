// Start-up loading hands the list of picture files it is about to read to a few helper
// threads, which decode them while the main thread draws the loading bar and uploads
// what is ready. LoadPixmap then takes an ahead-decoded picture instead of reading the
// file again; pictures nobody listed load as always.
#pragma once
#include <string>
#include <vector>

// Starts decoding the files in the given order on `threads` helpers (0 does nothing).
void DecodePixmapsAhead(const std::vector<std::string>& paths, int threads);
// Ends the helpers; pictures decoded but never asked for are let go.
void StopDecodingPixmapsAhead();
