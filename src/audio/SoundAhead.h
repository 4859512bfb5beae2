// The sounds start-up loading is about to read, decoded to plain samples by helper
// threads while the main thread loads pictures; LoadSound takes them from here and
// only hands the samples to the audio device itself.
#pragma once
#include <string>
#include <vector>

// Starts decoding the files in the given order on `threads` helpers (0 does nothing).
void DecodeSoundsAhead(const std::vector<std::string>& paths, int threads);
// Ends the helpers; sounds decoded but never asked for are let go.
void StopDecodingSoundsAhead();
