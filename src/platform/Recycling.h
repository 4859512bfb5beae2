// Small objects that play makes and lets go of many times a second (particles, their
// phases and colours, falling gems and their places in the board's list) come back from
// free lists kept by size instead of from the heap. Once the busiest moment of a screen
// has been seen, a frame takes nothing from the heap, however many bursts it starts.
// Blocks stay on their lists until ReleaseRecycledBlocks hands them back.
#pragma once
#include <cstddef>
#include <memory>
#include <utility>

// A block of at least `bytes`, aligned for any type of up to 16-byte alignment. Blocks
// past the largest kept size come from the heap and go straight back to it.
void* TakeRecycledBlock(std::size_t bytes);
// `bytes` must be the size the block was taken with.
void GiveBackRecycledBlock(void* block, std::size_t bytes) noexcept;
// Frees every block on the lists (none in use is touched): for moments that let go of
// much at once, such as leaving a screen.
void ReleaseRecycledBlocks();
// Blocks waiting on the lists.
std::size_t RecycledBlocksWaiting();

template <class T>
struct TRecycling {
  using value_type = T;
  static_assert(alignof(T) <= 16, "recycled blocks are aligned to 16 bytes");
  TRecycling() = default;
  template <class U>
  TRecycling(const TRecycling<U>&) noexcept {}
  T* allocate(std::size_t n) { return static_cast<T*>(TakeRecycledBlock(n * sizeof(T))); }
  void deallocate(T* p, std::size_t n) noexcept { GiveBackRecycledBlock(p, n * sizeof(T)); }
  template <class U>
  bool operator==(const TRecycling<U>&) const noexcept {
    return true;
  }
};

// make_shared with the object and its count in one recycled block.
template <class T, class... Args>
std::shared_ptr<T> MakeRecycled(Args&&... args) {
  return std::allocate_shared<T>(TRecycling<T>{}, std::forward<Args>(args)...);
}
