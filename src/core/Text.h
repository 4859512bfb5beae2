// The small text helpers every layer shares: names compared without regard to case
// (banks, settings keys, file extensions) and folder names with their separator.
#pragma once
#include <cstdint>
#include <string>

// ASCII upper case; other bytes (the game's text is Windows-1252) stay as they are.
std::string UpperCase(std::string text);
// path + "/" unless it already ends in "/" or "\"; an empty path becomes "/".
std::string AddSlash(const std::string& path);
// The smallest power of two at least v (1 for v <= 1): texture sizes.
int64_t NextPow2(int64_t v);
