// Setting the desktop wallpaper from a picture file. Linux has no single way, so the
// desktop's own settings tools are tried (GNOME, XFCE), then the plain X root window.
#pragma once
#include <string>
#include <vector>

// True when one of the ways succeeded. path must be absolute.
bool SetDesktopWallpaper(const std::string& path);

// Runs a program (found on PATH) with these arguments, never through a shell; collects
// its standard output when asked. The exit status, or -1 when it could not be run.
int RunProgram(const std::vector<std::string>& argv, std::string* output = nullptr);
