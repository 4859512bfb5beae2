// The game's one source of randomness: board fills, bonus rolls, particles.
// Tests seed it to make fills and refills repeatable.
#pragma once
#include <cstdint>

// Seeds the generator; the same seed always gives the same sequence.
void SeedRnd(uint32_t seed);
// A whole number from lo to hi, both included (the bounds may come in either order).
int Rand(int lo, int hi);
// A real number from lo up to, not including, hi.
float Rnd(float lo, float hi);
