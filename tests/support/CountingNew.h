// Counts the C++ heap allocations of a whole program, for the checks and the
// benchmark that want frames without any. It replaces the global allocation
// functions, so exactly one file of a program includes it.
#pragma once
#include <atomic>
#include <cstdlib>
#include <new>

// operator new calls so far, while CountAllocations is on (it is from the start).
inline std::atomic<long> Allocations{0};
inline std::atomic<bool> CountAllocations{true};

// Replacing the global allocation functions pairs malloc with free by design.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n) {
  if (CountAllocations.load(std::memory_order_relaxed)) Allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop
