// The helper threads of start-up loading: every result reaches the loader exactly once,
// whether it is finished, still being decoded or not yet started when asked for, and
// the helpers can be let go with work still queued.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "core/DecodeAhead.h"

namespace {
struct TDecoded {
  std::string Key;
};
}  // namespace

TEST(DecodeAhead, EachKeyIsDecodedOnceAndTakenOnce) {
  std::atomic<int> calls{0};
  TDecodeAhead<TDecoded> ahead(
      [&](const std::string& key) {
        ++calls;
        return key == "bad" ? nullptr : std::make_shared<TDecoded>(TDecoded{key});
      },
      2);
  for (const char* key : {"a", "b", "a", "bad", "c"}) ahead.Add(key);
  std::shared_ptr<TDecoded> result;
  for (const char* key : {"c", "a", "b"}) {
    ASSERT_TRUE(ahead.Take(key, result)) << key;
    ASSERT_TRUE(result) << key;
    EXPECT_EQ(result->Key, key);
  }
  // A file that failed is still an answer (none), not a miss that would decode it again.
  ASSERT_TRUE(ahead.Take("bad", result));
  EXPECT_FALSE(result);
  EXPECT_FALSE(ahead.Take("a", result)) << "a result is handed out once";
  EXPECT_FALSE(ahead.Take("never added", result));
  EXPECT_EQ(calls.load(), 4) << "a key added twice is decoded once";
}

TEST(DecodeAhead, TakeWaitsForAJobInProgressAndDecodesAQueuedOneItself) {
  std::mutex mutex;
  std::condition_variable cv;
  bool release = false;
  std::atomic<bool> slowStarted{false};
  std::atomic<std::thread::id> queuedOn{};
  // One helper, held inside the first job until the test lets it go.
  TDecodeAhead<TDecoded> ahead(
      [&](const std::string& key) {
        if (key == "slow") {
          slowStarted = true;
          std::unique_lock<std::mutex> lock(mutex);
          cv.wait(lock, [&] { return release; });
        } else {
          queuedOn = std::this_thread::get_id();
        }
        return std::make_shared<TDecoded>(TDecoded{key});
      },
      1);
  ahead.Add("slow");
  ahead.Add("queued");
  while (!slowStarted) std::this_thread::yield();
  std::shared_ptr<TDecoded> result;
  // The only helper is busy: the loader does the queued job on its own thread.
  ASSERT_TRUE(ahead.Take("queued", result));
  EXPECT_EQ(result->Key, "queued");
  EXPECT_EQ(queuedOn.load(), std::this_thread::get_id());
  std::thread letGo([&] {
    {
      std::lock_guard<std::mutex> lock(mutex);
      release = true;
    }
    cv.notify_all();
  });
  ASSERT_TRUE(ahead.Take("slow", result));
  EXPECT_EQ(result->Key, "slow");
  letGo.join();
}

TEST(DecodeAhead, HelpersEndWithWorkStillQueuedAndNoHelpersMeansDecodingOnTake) {
  std::atomic<int> calls{0};
  {
    TDecodeAhead<TDecoded> ahead(
        [&](const std::string& key) {
          ++calls;
          std::this_thread::sleep_for(std::chrono::milliseconds(2));
          return std::make_shared<TDecoded>(TDecoded{key});
        },
        2);
    for (int i = 0; i < 200; ++i) ahead.Add(std::to_string(i));
  }
  // Reaching here means the helpers ended although work was still queued.
  EXPECT_LE(calls.load(), 200);

  TDecodeAhead<TDecoded> none([](const std::string& key) { return std::make_shared<TDecoded>(TDecoded{key}); }, 0);
  none.Add("x");
  std::shared_ptr<TDecoded> result;
  ASSERT_TRUE(none.Take("x", result));
  EXPECT_EQ(result->Key, "x");
}
