// The settings file keeps its numbers as they are written, however large or negative.
// What the game does with them is bounded here: the detail level that scales particle
// counts and switches gem shadows, the volumes and the screen-shake strength.
#pragma once

// The largest detail level the game acts on: the Options slider ends at 100, and a
// hand-written 250 (two and a half times the slider's most) is honoured.
constexpr int kMaxDetailPercent = 250;

// A detail setting as a percentage the game can use: 0 to kMaxDetailPercent.
int DetailPercent(int setting);
// count scaled by the detail setting and truncated, computed without overflow and no
// larger than count at kMaxDetailPercent; never negative.
int DetailScaled(int count, int setting);
// A volume or screen-shake setting as a percentage: 0 to 100.
int SettingPercent(int setting);
// The same as a gain of 0 to 1.
float SettingGain(int setting);
