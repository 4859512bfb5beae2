#include "platform/Recycling.h"

#include <array>
#include <mutex>
#include <new>

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

std::size_t ClassOf(std::size_t bytes) { return (bytes + kStep - 1) / kStep - 1; }
}  // namespace

void* TakeRecycledBlock(std::size_t bytes) {
  if (bytes == 0) bytes = 1;
  if (bytes > kLargest) return ::operator new(bytes);
  const std::size_t c = ClassOf(bytes);
  TLists& lists = Lists();
  {
    std::lock_guard<std::mutex> hold(lists.lock);
    if (TFreeBlock* block = lists.heads[c]) {
      lists.heads[c] = block->next;
      --lists.waiting;
      return block;
    }
  }
  return ::operator new((c + 1) * kStep);
}

void GiveBackRecycledBlock(void* block, std::size_t bytes) noexcept {
  if (!block) return;
  if (bytes == 0) bytes = 1;
  if (bytes > kLargest) return ::operator delete(block);
  const std::size_t c = ClassOf(bytes);
  TLists& lists = Lists();
  std::lock_guard<std::mutex> hold(lists.lock);
  auto* free = static_cast<TFreeBlock*>(block);
  free->next = lists.heads[c];
  lists.heads[c] = free;
  ++lists.waiting;
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
  for (TFreeBlock* block : heads)
    while (block) {
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
