#include "platform/Recycling.h"

#include <array>
#include <mutex>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
// A block waiting on a list is still ours to the sanitizer: marking it unreadable keeps
// a use after its object was let go as visible as it would be with the heap.
#define TV_HIDE_BLOCK(block, bytes) ASAN_POISON_MEMORY_REGION(block, bytes)
#define TV_SHOW_BLOCK(block, bytes) ASAN_UNPOISON_MEMORY_REGION(block, bytes)
#else
#define TV_HIDE_BLOCK(block, bytes) ((void)(block), (void)(bytes))
#define TV_SHOW_BLOCK(block, bytes) ((void)(block), (void)(bytes))
#endif

namespace {
constexpr std::size_t kStep = 16;
constexpr std::size_t kLargest = 1024;
constexpr std::size_t kClasses = kLargest / kStep;

struct TFreeBlock {
  TFreeBlock* next;
};

// Particles are made on the main thread, but a shared pointer may be let go anywhere.
struct TLists {
  std::mutex lock;
  std::array<TFreeBlock*, kClasses> heads{};
  std::size_t waiting = 0;
};

TLists& Lists() {
  // Never destroyed: blocks may come back while other statics are torn down at exit.
  static TLists* lists = new TLists;
  return *lists;
}

// Lists hold blocks of 16, 32, ... 1024 bytes; a request of 0 bytes takes the smallest.
std::size_t ClassOf(std::size_t bytes) { return bytes == 0 ? 0 : (bytes + kStep - 1) / kStep - 1; }
}  // namespace

void* TakeRecycledBlock(std::size_t bytes) {
  if (bytes > kLargest) return ::operator new(bytes);
  const std::size_t c = ClassOf(bytes);
  TLists& lists = Lists();
  {
    std::lock_guard<std::mutex> hold(lists.lock);
    if (TFreeBlock* block = lists.heads[c]) {
      TV_SHOW_BLOCK(block, (c + 1) * kStep);
      lists.heads[c] = block->next;
      --lists.waiting;
      return block;
    }
  }
  return ::operator new((c + 1) * kStep);
}

void GiveBackRecycledBlock(void* block, std::size_t bytes) noexcept {
  if (!block) return;
  if (bytes > kLargest) return ::operator delete(block);
  const std::size_t c = ClassOf(bytes);
  TLists& lists = Lists();
  std::lock_guard<std::mutex> hold(lists.lock);
  auto* free = static_cast<TFreeBlock*>(block);
  free->next = lists.heads[c];
  lists.heads[c] = free;
  ++lists.waiting;
  TV_HIDE_BLOCK(block, (c + 1) * kStep);
}

void ReleaseRecycledBlocks() {
  std::array<TFreeBlock*, kClasses> heads{};
  {
    TLists& lists = Lists();
    std::lock_guard<std::mutex> hold(lists.lock);
    heads = lists.heads;
    lists.heads.fill(nullptr);
    lists.waiting = 0;
  }
  for (std::size_t c = 0; c < kClasses; ++c)
    for (TFreeBlock* block = heads[c]; block;) {
      TV_SHOW_BLOCK(block, (c + 1) * kStep);
      TFreeBlock* next = block->next;
      ::operator delete(block);
      block = next;
    }
}

std::size_t RecycledBlocksWaiting() {
  TLists& lists = Lists();
  std::lock_guard<std::mutex> hold(lists.lock);
  return lists.waiting;
}
