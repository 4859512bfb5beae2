// Countdown timers for timed effects: a counter is armed with a length in
// milliseconds, runs down with the logic clock and says once when it runs out.
#pragma once
#include <cstddef>
#include <memory>
#include <vector>

class TCounter {
 public:
  int Active = 0;
  float Counter = 0.0f;  // delta units left
  int CounterLength = 1000;

  virtual ~TCounter() = default;
  static std::shared_ptr<TCounter> Create(float ms, int activate);
  void Activate();
  // 1 just after Activate, falling to 0; 0 for a counter of no length.
  float GetRatio() const;
  // 1 in the update in which the counter runs out, else 0.
  int Manage();
  void Stop(int reset);
};

// A countdown that carries a number with it (for example the score it shows).
class TCounterWithValue : public TCounter {
 public:
  int value = 0;
  static std::shared_ptr<TCounterWithValue> CreateWithValue(float ms, int activate, int value);
};

class TCounterList {
 public:
  std::vector<std::shared_ptr<TCounter>> Items;

  std::shared_ptr<TCounter> AddNew(float ms);
  std::shared_ptr<TCounterWithValue> AddNewWithValue(float ms, int value);
  // Runs every counter once; with remove, those that ran out leave the list.
  void Manage(int remove);
  std::size_t Count() const { return Items.size(); }
  void Clear() { Items.clear(); }
};
