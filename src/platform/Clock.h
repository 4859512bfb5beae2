// The millisecond clock and sleep. Everything that measures time asks this
// clock, so tests can replace it and step time by hand.
#pragma once
#include <cstdint>
#include <functional>

// Milliseconds since some fixed point; wraps like the system tick counter.
uint32_t MilliSecs();
// Sleeps for about ms milliseconds (no sleep for 0 or less).
void Delay(int ms);
// Replaces the clock (tests); an empty function restores the real one.
void SetClockSource(std::function<uint32_t()> source);
