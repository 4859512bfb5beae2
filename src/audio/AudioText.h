// Small text helpers the sound bank and sounds share for their names.
#pragma once
#include <string>

// ASCII upper case: sound names are file names, compared without regard to case.
std::string UpperCase(std::string text);
// path + "/" unless it already ends in "/" or "\"; an empty path becomes "/".
std::string AddSlashTo(const std::string& path);
