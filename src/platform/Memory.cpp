#include "platform/Memory.h"

#include <malloc.h>
#include <sys/mman.h>

#include <cstdlib>
#include <mutex>

#include "platform/Recycling.h"

// A software rasteriser builds each frame's scene in blocks that it frees once the frame
// is drawn. With glibc's sliding thresholds those blocks went back to the kernel every
// frame (a trimmed heap top, or mmap for the large ones) and came back the next frame as
// page faults, most of our CPU time. Fixed thresholds keep them in the heap; the garbage
// of loading pictures and of leaving a screen goes back on purpose (ReturnFreedMemory).
// Every thread that allocates would otherwise get a heap of its own: the picture decoders,
// the audio threads and the rasteriser's each kept megabytes they had freed, which no
// other thread could reuse. Their allocations are few, so sharing one heap costs nothing.
void KeepHeapStill() {
  static std::once_flag once;
  std::call_once(once, [] {
    mallopt(M_MMAP_THRESHOLD, 4 << 20);
    mallopt(M_TRIM_THRESHOLD, 32 << 20);
    mallopt(M_ARENA_MAX, 1);
  });
}

void ReturnFreedMemory() {
  ReleaseRecycledBlocks();
  malloc_trim(0);
}

namespace {
// From this size on a block is mapped on its own; the heap keeps smaller ones.
constexpr size_t kOwnPagesFrom = size_t(1) << 20;
}  // namespace

void* AllocateZeroed(size_t bytes) {
  if (bytes < kOwnPagesFrom) return std::calloc(bytes ? bytes : 1, 1);
  void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return block == MAP_FAILED ? nullptr : block;
}

void FreeZeroed(void* block, size_t bytes) {
  if (!block) return;
  if (bytes < kOwnPagesFrom)
    std::free(block);
  else
    munmap(block, bytes);
}
