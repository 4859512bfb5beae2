#include <gtest/gtest.h>

#include <list>
#include <memory>

#include "platform/Recycling.h"

TEST(Recycling, ABlockGivenBackIsTheNextOfItsSizeAndOnlyOfItsSize) {
  ReleaseRecycledBlocks();
  void* small = TakeRecycledBlock(40);
  void* other = TakeRecycledBlock(200);
  GiveBackRecycledBlock(small, 40);
  GiveBackRecycledBlock(other, 200);
  EXPECT_EQ(RecycledBlocksWaiting(), 2u);
  // Sizes are kept in steps of 16 bytes: 33 to 48 share a list, 200 has its own.
  EXPECT_EQ(TakeRecycledBlock(48), small);
  void* next = TakeRecycledBlock(200);
  EXPECT_EQ(next, other);
  EXPECT_EQ(RecycledBlocksWaiting(), 0u);
  GiveBackRecycledBlock(small, 48);
  GiveBackRecycledBlock(next, 200);

  // Blocks past the largest kept size go straight back to the heap.
  void* big = TakeRecycledBlock(64 << 10);
  GiveBackRecycledBlock(big, 64 << 10);
  EXPECT_EQ(RecycledBlocksWaiting(), 2u);
  ReleaseRecycledBlocks();
  EXPECT_EQ(RecycledBlocksWaiting(), 0u);
}

TEST(Recycling, SharedObjectsAndListsLiveAndDieAsWithTheHeap) {
  ReleaseRecycledBlocks();
  struct Counted {
    int* alive;
    explicit Counted(int* a) : alive(a) { ++*alive; }
    ~Counted() { --*alive; }
  };
  int alive = 0;
  std::weak_ptr<Counted> watch;
  {
    auto a = MakeRecycled<Counted>(&alive);
    watch = a;
    std::list<std::shared_ptr<Counted>, TRecycling<std::shared_ptr<Counted>>> list;
    for (int i = 0; i < 10; ++i) list.push_back(MakeRecycled<Counted>(&alive));
    list.push_front(a);
    EXPECT_EQ(alive, 11);
    list.remove_if([](const auto& c) { return c.use_count() == 1; });
    EXPECT_EQ(alive, 1);
    EXPECT_FALSE(watch.expired());
  }
  EXPECT_EQ(alive, 0);
  EXPECT_TRUE(watch.expired());
  // The objects, their shared counts and the list's nodes are all waiting to be reused.
  EXPECT_GE(RecycledBlocksWaiting(), 21u);
  ReleaseRecycledBlocks();
}
