// How the process holds memory: the heap's policy for a program that draws through a
// software rasteriser, and pixel memory that is zero without being written.
#pragma once
#include <cstddef>

// Sets the allocator up for a program that draws through a software rasteriser: freed
// memory stays in the heap instead of going back to the kernel every frame, and all
// threads share one heap. Best called before the first helper thread starts; later calls
// do nothing.
void KeepHeapStill();
// Hands memory freed inside the heap back to the kernel, with the blocks waiting to be
// recycled. For moments that just let go of much at once (pictures packed or uploaded,
// a screen left); about a millisecond.
void ReturnFreedMemory();
// Zeroed memory for pixels. Blocks of a megabyte and more get pages of their own: they
// read as zero without being written, so they take memory only where pixels are written,
// and go back to the kernel the moment they are freed. Free with the size allocated.
void* AllocateZeroed(size_t bytes);
void FreeZeroed(void* block, size_t bytes);
